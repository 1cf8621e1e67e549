#!/usr/bin/env bash
# The pencil pointer over a button has a see-through background, on X11 (the
# pointer's picture as the X server holds it) and on Wayland (what weston
# draws on the screen around it).
set -euo pipefail
here=$(dirname "$0")
. "$here/../xhelpers.sh"
. "$here/desktops.sh"
under_xvfb "$0" "$@"
exe=$1 probe=$2 pencil=$3
private_world
mkdir -p "$HOME/.config/Cipherly"
shots="$work/shots"; mkdir -p "$shots"

# The Continue button lies at 402,178 on the title page, 134 x 43 pixels.
# The pointer rests near its lower right corner, so most of the pointer's
# picture lies over the page beyond the button, which hovering leaves alone.
px=530 py=215
ignore_title="3,10,285,32"
ignore_button="402,178,134,43"

start_game() {
  park_pointer
  launch "$work/play" "$exe" || fail "the game did not start"
}
end_game() { kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; }

echo "-- X11: the pointer's own picture"
start_desktop bare
start_game
title=$(wait_window --pid "$pid") || fail "no title page"
sleep 1
xretry xdotool windowfocus "$title"
xretry "$probe" client "$title" "$shots/title.png"
xretry xdotool mousemove --window "$title" "$px" "$py"
sleep 0.5
read -r w h hx hy clear solid < <(xretry "$probe" cursor "$shots/cursor.png") || fail "no pointer picture"
echo "   pointer $w x $h, hot spot $hx,$hy: $clear see-through, $solid opaque pixels"
[ "$w" -eq 32 ] && [ "$h" -eq 32 ] || fail "the pointer is not the 32 x 32 pencil"
[ "$hx" -eq 1 ] && [ "$hy" -eq 1 ] || fail "the pencil does not point with its tip"
[ "$clear" -gt 512 ] || fail "the pointer has an opaque box around the pencil"
[ "$solid" -gt 50 ] || fail "the pointer shows no pencil"
end_game

echo "-- X11 at 125, 150 and 200 %: the pencil grows as everything else does"
for scale in 1.25:40:1 1.5:48:2 2:64:2; do
  IFS=: read -r factor side tip <<<"$scale"
  QT_SCALE_FACTOR=$factor start_game
  title=$(wait_window --pid "$pid") || fail "no title page at $factor"
  sleep 1
  xretry xdotool windowfocus "$title"
  xretry xdotool mousemove --window "$title" "$(awk -v s="$factor" -v p="$px" 'BEGIN { printf "%d", s * p }')" \
    "$(awk -v s="$factor" -v p="$py" 'BEGIN { printf "%d", s * p }')"
  sleep 0.5
  read -r w h hx hy clear solid < <(xretry "$probe" cursor "$shots/cursor-$factor.png") || fail "no pointer picture"
  echo "   at $factor: pointer $w x $h, hot spot $hx,$hy"
  [ "$w" -eq "$side" ] && [ "$h" -eq "$side" ] || fail "the pencil is $w x $h at $factor, not $side x $side"
  [ "$hx" -eq "$tip" ] && [ "$hy" -eq "$tip" ] || fail "the pencil does not point with its tip at $factor"
  end_game
done
stop_desktop

echo "-- Wayland: the screen around the pointer"
start_desktop wayland
start_game
wait_until "\"$probe\" shot \"$shots/screen.png\" && \"$probe\" find \"$shots/screen.png\" \"$shots/title.png\" $ignore_title >\"$shots/at\"" ||
  fail "no title page on Wayland"
read -r ox oy <"$shots/at"
xretry xdotool mousemove $((ox + px)) $((oy + py))
sleep 0.2
xretry xdotool mousemove $((ox + px + 1)) $((oy + py)) && xretry xdotool mousemove $((ox + px)) $((oy + py))
sleep 0.6
xretry "$probe" shot "$shots/pointed.png"
# Where the pencil is see-through, the page must show as it is; a box would
# cover it.
"$probe" find "$shots/pointed.png" "$shots/title.png" "$ignore_title" "$ignore_button" \
  "mask:$pencil:$((px - 1)):$((py - 1))" >/dev/null ||
  fail "the pointer covers the page around the pencil"
# And the pointer is really there: without allowing for it, the page differs.
"$probe" find "$shots/pointed.png" "$shots/title.png" "$ignore_title" "$ignore_button" >/dev/null &&
  fail "no pointer drawn over the page"
# After a tooltip (the e-mail address's) has shown, the pencil is still the pencil.
xretry xdotool mousemove $((ox + 400)) $((oy + 90))
sleep 0.3
xretry xdotool mousemove $((ox + 401)) $((oy + 90))
sleep 1.8
xretry "$probe" shot "$shots/tooltip.png"
xretry xdotool mousemove $((ox + px)) $((oy + py))
sleep 0.2
xretry xdotool mousemove $((ox + px + 1)) $((oy + py)) && xretry xdotool mousemove $((ox + px)) $((oy + py))
sleep 0.6
xretry "$probe" shot "$shots/after-tooltip.png"
"$probe" find "$shots/tooltip.png" "$shots/title.png" "$ignore_title" >/dev/null &&
  fail "no tooltip showed"
"$probe" find "$shots/after-tooltip.png" "$shots/title.png" "$ignore_title" "$ignore_button" \
  "mask:$pencil:$((px - 1)):$((py - 1))" >/dev/null ||
  fail "after a tooltip the pointer is no longer the see-through pencil"
"$probe" find "$shots/after-tooltip.png" "$shots/title.png" "$ignore_title" "$ignore_button" >/dev/null &&
  fail "after a tooltip no pencil is drawn"
end_game
stop_desktop
echo "1 passed, 0 failed"
