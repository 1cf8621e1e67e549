#!/usr/bin/env bash
# No enlarged state of any kind changes a window, on a desktop that stretches
# fixed windows (fluxbox): maximised up and down only, across only, both ways,
# and full screen, asked as a task bar asks. Each window keeps its size and
# its place. And a desktop's text resolution below 96 (Xft.dpi 75, 90)
# changes no pixel of any window. And each state is let go in a message of
# its own, which every desktop reads as meant.
# Usage: enlarging.sh GAME XPROBE
set -euo pipefail
. "$(dirname "$0")/../xhelpers.sh"
under_xvfb "$0" "$@"
exe=$1 probe=$2
private_world

geometry() { xretry xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9,]*\).*/\1/p; s/.*Geometry: //p' | tr '\n' ' '; }
# unchanged NAME WINDOW: every enlarged state asked for, one after another, changes nothing.
unchanged() {
  local before how
  win=$2
  before=$(geometry "$win")
  for how in maximized_vert maximized_horz maximized_vert,maximized_horz fullscreen; do
    xretry wmctrl -i -r "$2" -b "add,$how"
    sleep 0.3
    wait_until '[ "$(geometry "$win")" = "$before" ]' ||
      fail "the $1, asked for $how, went from $before to $(geometry "$win")"
    xretry wmctrl -i -r "$2" -b "remove,$how" 2>/dev/null || true
  done
  echo "   $1: unchanged"
}

# welcome: the title page, and the welcome screen after it.
welcome() {
  launch "$work/play" "$exe" || fail "the game did not start"
  title=$(wait_window --pid "$pid") || fail "no title page"
  # Pressed again until the page takes it: the desktop may give it the focus late.
  welcome=
  press_until 'welcome=$(xdotool search --onlyvisible --name "^ Cipherly - New User Overview\$" 2>/dev/null | head -n1); [ -n "$welcome" ]' \
    "$title" alt+c || fail "no welcome screen"
  sleep 0.5
}

echo "-- what the game asks of the desktop"
# Two states in one message read as "maximised both ways" to Enlightenment,
# which then lets go of neither: a stand-in desktop stretches the welcome
# screen and hears what the game asks.
welcome
"$probe" states 8 >"$work/states" & spy=$!; pids+=("$spy")
wait_until 'grep -q ready "$work/states"' || fail "the stand-in desktop did not start"
designed=$(geometry "$welcome")
xretry xdotool windowsize "$welcome" 434 700
wait_until 'grep -q FULLSCREEN "$work/states"' || fail "the game asked the desktop nothing"
wait_until '[ "$(geometry "$welcome")" = "$designed" ]' || fail "the welcome screen stayed stretched"
for state in MAXIMIZED_VERT MAXIMIZED_HORZ FULLSCREEN; do
  grep -qx "remove _NET_WM_STATE_$state" "$work/states" || { cat "$work/states"; fail "$state was not let go alone"; }
done
echo "   each enlarged state let go in a message of its own; the welcome screen back at $designed"
stop "$spy" || true
stop "$pid" || fail "the game did not end on TERM"

echo "-- fluxbox"
fluxbox >/dev/null 2>&1 & wm=$!; pids+=("$wm")
wait_until 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window' || fail "fluxbox did not start"
welcome
unchanged "welcome screen" "$welcome"
keys "$welcome" alt+c
lobby=$(wait_window --name '^ Cipherly$') || fail "no lobby"
sleep 0.5
unchanged lobby "$lobby"
keys "$lobby" F1
help=$(wait_window --name '^Cipherly - Help Window$') || fail "no help window"
sleep 0.5
unchanged "help window" "$help"
stop "$pid" || fail "the game did not end on TERM"
stop "$wm" || true

echo "-- Xft.dpi below 96"
lobby_picture() {
  to_lobby
  still_shot "$lobby" "$work/$1.png" || fail "the lobby never settled at Xft.dpi $1"
  kill "$pid"; wait "$pid" 2>/dev/null || true
}
lobby_picture 96
for dpi in 75 90; do
  xretry xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t%s\n' "$dpi")"
  lobby_picture "$dpi"
  "$probe" same "$work/96.png" "$work/$dpi.png" || fail "the lobby at Xft.dpi $dpi is not the lobby at 96"
  echo "   Xft.dpi $dpi: the lobby pixel for pixel as at 96"
done
echo "1 passed, 0 failed"
