#!/usr/bin/env bash
# The comfort additions on a real X server with a window manager: the clock
# in the title bar does not count the minutes the lobby spends minimised
# (a real minimise, through the window manager) nor those the help stands
# over it, and a double Alt+S starts
# a game without showing its answer.
set -euo pipefail
here=$(dirname "$0")
. "$here/../xhelpers.sh"
. "$here/desktops.sh"
under_xvfb "$0" "$@"
exe=$1
private_world
start_desktop openbox
conf="$XDG_CONFIG_HOME/Cipherly/Cipherly.conf"
mkdir -p "${conf%/*}"
printf '[Defaults]\nGameClock=True\nAskBeforeGivingUp=True\n' >"$conf"
to_lobby

# The seconds the title bar's clock shows, or nothing.
clock() {
  xdotool getwindowname "$lobby" 2>/dev/null |
    sed -n 's/^ Cipherly — \([0-9]*\):\([0-9][0-9]\).*/\1 \2/p' | awk '{ print $1 * 60 + $2 }'
}

# A double Alt+S: a game, and no answer shown (the second press is ignored).
# A game whose answer is shown is over, and its clock leaves the title bar.
keys "$lobby" alt+s alt+s
wait_until '[ -n "$(clock)" ]' || fail "no clock in the title bar: $(xdotool getwindowname "$lobby")"
xdotool getwindowname "$lobby" | grep -q 'paused' && fail "a new game is paused"
# F9 pauses: once the title says so, the second Alt+S has been taken too.
keys "$lobby" F9
wait_until 'xdotool getwindowname "$lobby" | grep -q "(paused)"' || fail "F9 did not pause the game"
[ -n "$(clock)" ] || fail "the second Alt+S showed the answer"
keys "$lobby" F9
wait_until '! xdotool getwindowname "$lobby" | grep -q "(paused)"' || fail "F9 did not go on with the game"

# Minimised through the window manager, once it manages the lobby.
wait_until 'xprop -id "$lobby" WM_STATE 2>/dev/null | grep -q Normal' ||
  fail "openbox does not manage the lobby: $(xprop -id "$lobby" WM_STATE WM_NAME 2>&1 | tr "\n" " ")openbox $(ended $desktop_pid && echo ended || echo running), $(tail -n3 "$work/openbox.log" | tr "\n" " ")"
sleep 2
xdotool windowminimize --sync "$lobby" || fail "the lobby could not be minimised"
wait_until 'xdotool getwindowname "$lobby" | grep -q "(paused)"' || fail "minimised, the clock goes on: $(xdotool getwindowname "$lobby"), state $(xprop -id "$lobby" WM_STATE _NET_WM_STATE 2>&1 | tr "\n" " ")"
# The clock as it stands while the lobby is away; it may go on only from the
# moment it is asked back, which is measured, however long that takes.
before=$(clock)
sleep 5
asked=$(date +%s)
xdotool windowactivate --sync "$lobby" 2>/dev/null || xdotool windowmap --sync "$lobby"
wait_until '! xdotool getwindowname "$lobby" | grep -q "(paused)"' || fail "back, the clock still stands"
after=$(clock) since=$(($(date +%s) - asked + 1))
[ "$((after - before))" -le "$since" ] ||
  fail "five seconds minimised counted: $before s minimised, $after s at most $since s after coming back"

# A window of the game's own over the lobby (the help) stops the clock too,
# and leaves the puzzle on show: no pause.
keys "$lobby" F1
help=$(wait_window --name ' - Help Window$')
wait_until '[ "$(xdotool getwindowfocus 2>/dev/null)" = "$help" ]' || fail "the help did not take the focus"
sleep 1
before=$(clock)
sleep 4
[ "$(clock)" = "$before" ] || fail "the help open, the clock goes on: $before s, then $(clock) s"
xdotool getwindowname "$lobby" | grep -q "(paused)" && fail "the help paused the game"
asked=$(date +%s)
keys "$help" Escape
wait_until "no_window --name ' - Help Window\$'" || fail "the help stayed"
wait_until '[ "$(clock)" -gt "$before" ]' || fail "the help closed, the clock still stands"
after=$(clock) since=$(($(date +%s) - asked + 1))
[ "$((after - before))" -le "$since" ] ||
  fail "four seconds of help counted: $before s under the help, $after s at most $since s after it closed"

echo "1 passed, 0 failed"
