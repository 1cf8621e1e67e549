#!/usr/bin/env bash
# A player's game survives a kill: the game is killed in the middle of a
# game, started again, asked whether to go on (Yes, the default, by Return),
# and shows the same scrambled quote and the same letters placed. A logout
# (SIGTERM) then keeps the time played since, with no move made.
set -euo pipefail
. "$(dirname "$0")/../xhelpers.sh"
under_xvfb "$0" "$@"
exe=$1
private_world

# selected X1 Y1 X2 Y2 START: the text of the lobby between two points, once
# it starts with START.
selected() { selection "$lobby" "$1" "$2" "$3" "$4" "$5*"; }

to_lobby
keys "$lobby" alt+s
guide=$(selected 23 350 360 420 "")
first=${guide:0:1}
[[ "$first" =~ [A-Z] ]] || fail "the scrambled quote starts '${guide:0:10}'"
# Selecting took the focus away, as a click in the box does: back to the first letter box.
xretry xdotool mousemove --window "$lobby" 273 182 click 1
xretry xdotool type --delay 50 "${first,,}q"
solution=$(selected 23 258 360 330 "Q")
[ "${solution:0:1}" = Q ] || fail "the letter did not go in: '${solution:0:10}'"
kept="$(dirname "$list")/Game.sav"
# Kept with the pair placed, not only begun: a busy machine may write it a
# moment after the letter shows.
wait_until "grep -q '^done=.' '$kept' 2>/dev/null" || fail "the game was not kept with its pair"
kill -9 "$pid"; wait "$pid" 2>/dev/null || true
seconds() { sed -n 's/^seconds=//p' "$kept"; }
before=$(seconds)

echo "-- started again after the kill"
launch "$work/play" "$exe" || fail "the game did not start again"
title=$(wait_window --pid "$pid") || fail "no title page"
press_until "xdotool search --onlyvisible --name '^Cipherly\$' >/dev/null 2>&1" "$title" alt+c ||
  fail "not asked to continue"
asked=$(wait_window --name '^Cipherly$')
lobby=$(wait_window --name '^ Cipherly$') || fail "no lobby"
keys "$asked" Return
again=$(selected 23 350 360 420 "$first")
[ "$again" = "$guide" ] || fail "another scrambled quote: '${again:0:30}' not '${guide:0:30}'"
[ "$(selected 23 258 360 330 Q)" = "$solution" ] || fail "the letters placed were lost"
sleep 4
kill -TERM "$pid"
wait_until "ended $pid" ||
  fail "a logout did not end the game"
rc=0; wait "$pid" || rc=$?
[ "$rc" -eq 0 ] || fail "a logout did not end the game as Quit does (status $rc)"
after=$(seconds)
echo "   kept: ${before} s before the kill, ${after} s after the logout"
[ "$after" -ge $((before + 4)) ] || fail "the logout lost the time played since the last move"
echo "1 passed, 0 failed"
