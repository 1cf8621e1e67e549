#!/usr/bin/env bash
# A player switches the solver's aids on with the mouse (a right click on the
# solve panel, then the menu item), picks a scrambled letter with a click in
# the guide box, types the plain letter, and sees it in the solution box.
set -euo pipefail
. "$(dirname "$0")/../xhelpers.sh"
under_xvfb "$0" "$@"
exe=$1
private_world

to_lobby
keys "$lobby" alt+s
# The panel between the Solve and the Finished buttons holds no control.
xretry xdotool mousemove --window "$lobby" 290 70 click 3
menu_open() { [ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -ge 2 ]; }
wait_until menu_open || fail "no menu on the solve panel"
xretry xdotool mousemove --window "$lobby" 310 80 click 1
wait_until "grep -q '^SolverAids=True' '$HOME/.config/Cipherly/Cipherly.conf'" ||
  fail "the switch was not turned on"
wait_until '! menu_open' || fail "the menu stayed"
# Every quote of the list starts with a letter: pick the guide box's first.
xretry xdotool mousemove --window "$lobby" 27 352 click 1
xretry xdotool type --delay 50 q
# The solution box, selected with the mouse as a player copying it would.
solution=$(selection "$lobby" 23 258 360 330 'Q*')
case "$solution" in
  Q*) ;;
  *) fail "the solution box starts '${solution:0:20}', not with the letter given to the picked one" ;;
esac
echo "1 passed, 0 failed"
