#!/usr/bin/env bash
# The game on scaled screens, as the X server shows it: at 125 % and 150 %
# (QT_SCALE_FACTOR) and at 200 % (Xft.dpi 192, as desktops set it), and at
# the view sizes a player chooses, the title page and the lobby take exactly
# their designed size times the scale, so nothing is cut off and nothing
# moves.
set -euo pipefail
. "$(dirname "$0")/../xhelpers.sh"
under_xvfb "$0" "$@"
exe=$1 probe=$2
private_world

# size_is WINDOW W H SCALE: the window is W x H times SCALE, give or take the
# rounding of one pixel.
fits() {
  local gw gh ww wh
  got=$(xretry xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p')
  want=$(awk -v w="$2" -v h="$3" -v s="$4" 'BEGIN { printf "%d %d", w * s + 0.5, h * s + 0.5 }')
  read -r gw gh <<<"${got/x/ }"
  read -r ww wh <<<"$want"
  [ $((gw - ww)) -ge -1 ] && [ $((gw - ww)) -le 1 ] && [ $((gh - wh)) -ge -1 ] && [ $((gh - wh)) -le 1 ]
}
size_is() {
  # A window may take a moment to reach its size on a scaled screen.
  wait_until "fits $1 $2 $3 $4" || fail "$5 is $got at $4, not about $want"
}

play() {
  local scale=$1
  rm -f "$list"
  launch "$work/play" "$exe" || fail "the game did not start"
  local title tall
  title=$(wait_window --pid "$pid") || fail "no title page"
  size_is "$title" 546 231 "$scale" "the title page"
  kill "$pid"; wait "$pid" 2>/dev/null || true
  to_lobby
  size_is "$lobby" 504 455 "$scale" "the lobby"
  tall=$(height "$lobby")
  keys "$lobby" alt+a
  wait_until '[ "$(height "$lobby")" -lt "$tall" ]' || fail "no edit mode"
  size_is "$lobby" 504 261 "$scale" "the lobby in edit mode"
  kill "$pid"; wait "$pid" 2>/dev/null || true
}

for factor in 1.25 1.5; do
  echo "-- QT_SCALE_FACTOR=$factor"
  QT_SCALE_FACTOR=$factor play "$factor"
done
# The view size the player chose, in place of the desktop's scaling.
conf="$XDG_CONFIG_HOME/Cipherly/Cipherly.conf"
view_size() {
  mkdir -p "${conf%/*}"
  printf '[Defaults]\nNewUser=NoShow\nHelperTip=False\nViewSize=%s\n' "$1" >"$conf"
}
for size in 150 200; do
  echo "-- ViewSize=$size"
  view_size "$size"
  play "$(awk -v s="$size" 'BEGIN { print s / 100 }')"
done
# The view size changed while the game runs: at once, the window drawn as a
# start at that size draws it, its title bar on the screen, and back.
echo "-- the view size changed at once"
# The pointer away from both windows, where no row is lit by it.
read -r sw sh < <(xdotool getdisplaygeometry)
xdotool mousemove $((sw - 1)) $((sh - 1))
view_size 150
to_lobby
size_is "$lobby" 504 455 1.5 "the lobby started at 150 %"
still_shot "$lobby" "$work/started.png" || fail "the lobby at 150 % did not settle"
kill "$pid"; wait "$pid" 2>/dev/null || true
view_size 0
to_lobby
size_is "$lobby" 504 455 1 "the lobby at 100 %"
shown_lobby() { xdotool search --onlyvisible --name "^ Cipherly\$" 2>/dev/null | head -n1; }
zoomed_to() {
  lobby=$(shown_lobby)
  [ -n "$lobby" ] && fits "$lobby" 504 455 "$1"
}
keys "$lobby" ctrl+plus
wait_until "zoomed_to 1.25" || fail "Ctrl++ did not make the lobby 125 % at once"
keys "$lobby" ctrl+plus
wait_until "zoomed_to 1.5" || fail "Ctrl++ did not make the lobby 150 % at once"
wait_until '[ "$(xdotool getwindowfocus)" = "$lobby" ]' || fail "the zoomed lobby did not get the focus back"
still_shot "$lobby" "$work/zoomed.png" || fail "the zoomed lobby did not settle"
# (The highlighted quote may wear its cell's focus frame once the window has
# the focus back: the list's first row is left out.)
"$probe" same "$work/started.png" "$work/zoomed.png" 33,172,666,30 >/dev/null ||
  fail "the lobby zoomed to 150 % is not as a start at 150 % draws it"
read -r x y < <(xdotool getwindowgeometry --shell "$lobby" | sed -n 's/^[XY]=//p' | paste -sd' ')
[ "$x" -ge 0 ] && [ "$y" -ge 0 ] || fail "the zoomed lobby lies off the screen at $x,$y"
keys "$lobby" ctrl+0
wait_until "zoomed_to 1" || fail "Ctrl+0 did not bring the lobby back to its designed size"
kill "$pid"; wait "$pid" 2>/dev/null || true
grep -q '^ViewSize=100$' "$conf" || fail "the view size was not kept for the next start"

echo "-- Xft.dpi 192"
xretry xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t192\n')"
view_size 0 # following the desktop
play 2
echo "-- Xft.dpi 192, ViewSize=100"
view_size 100
play 1
echo "1 passed, 0 failed"
