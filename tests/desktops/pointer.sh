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
xretry xdotool windowfocus "$title"
still_shot "$title" "$shots/title.png" "$ignore_title" || fail "the title page never settled"
xretry xdotool mousemove --window "$title" "$px" "$py"
# pointer SIDE TIP FILE: waits until the pointer's picture is SIDE pixels
# square with its hot spot at TIP,TIP, as the page's own pencil is; its
# figures in w h hx hy clear solid.
pointer() {
  wait_until "read -r w h hx hy clear solid < <(xretry \"\$probe\" cursor '$3') && [ \"\$w \$h \$hx \$hy\" = '$1 $1 $2 $2' ]" ||
    fail "the pointer is ${w:-no} x ${h:-} pixels, hot spot ${hx:-}, ${hy:-}, not the $1 x $1 pencil pointing at $2, $2"
}
pointer 32 1 "$shots/cursor.png"
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
  xretry xdotool windowfocus "$title"
  xretry xdotool mousemove --window "$title" "$(awk -v s="$factor" -v p="$px" 'BEGIN { printf "%d", s * p }')" \
    "$(awk -v s="$factor" -v p="$py" 'BEGIN { printf "%d", s * p }')"
  pointer "$side" "$tip" "$shots/cursor-$factor.png"
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
# point_at X Y: the pointer moved there and nudged, so that weston draws the
# pointer the page sets; true once, where the pencil is see-through, the page
# shows as it is (a box would cover it), in $shots/pointed.png.
pencil_over_page() {
  xretry "$probe" shot "$shots/pointed.png" &&
    "$probe" find "$shots/pointed.png" "$shots/title.png" "$ignore_title" "$ignore_button" \
      "mask:$pencil:$((px - 1)):$((py - 1))" >/dev/null
}
point_at() {
  xretry xdotool mousemove "$1" "$2"
  xretry xdotool mousemove $(($1 + 1)) "$2" && xretry xdotool mousemove "$1" "$2"
}
point_at $((ox + px)) $((oy + py))
wait_until pencil_over_page || fail "the pointer covers the page around the pencil"
# And the pointer is really there: without allowing for it, the page differs.
"$probe" find "$shots/pointed.png" "$shots/title.png" "$ignore_title" "$ignore_button" >/dev/null &&
  fail "no pointer drawn over the page"
# After a tooltip (the e-mail address's) has shown, the pencil is still the pencil.
point_at $((ox + 400)) $((oy + 90))
wait_until "xretry \"$probe\" shot \"$shots/tooltip.png\" && ! \"$probe\" find \"$shots/tooltip.png\" \"$shots/title.png\" $ignore_title >/dev/null" ||
  fail "no tooltip showed"
point_at $((ox + px)) $((oy + py))
wait_until pencil_over_page || fail "after a tooltip the pointer is no longer the see-through pencil"
cp "$shots/pointed.png" "$shots/after-tooltip.png"
"$probe" find "$shots/after-tooltip.png" "$shots/title.png" "$ignore_title" "$ignore_button" >/dev/null &&
  fail "after a tooltip no pencil is drawn"
end_game
stop_desktop
echo "1 passed, 0 failed"
