#!/usr/bin/env bash
# A player plays three games in the real program (one solved with hints, one
# shown with Solve, one abandoned after a hint; one more left before any move
# is only skipped), finds them in the record of games, and
# reads them back in the statistics window.
set -euo pipefail
. "$(dirname "$0")/../xhelpers.sh"
under_xvfb "$0" "$@"
exe=$1
private_world
record="$XDG_DATA_HOME/Cipherly/games.csv"
rows() { [ -f "$record" ] && tail -n +2 "$record" | wc -l || echo 0; }

to_lobby

# The game kept while it is played: a hint is in it once the game has it.
kept="$(dirname "$list")/Game.sav"
hinted() { grep -q '^hints=[1-9]' "$kept" 2>/dev/null; }

echo "-- solved with hints"
keys "$lobby" alt+s
# Hints until the game is solved: a quote has at most 26 letters to place,
# and a hint after the end does nothing. On a busy machine the panel may
# open only after the first keys, which then go again.
press_until '[ "$(rows)" -ge 1 ]' "$lobby" $(printf 'F4 %.0s' $(seq 26)) ||
  fail "the solved game was not recorded"
keys "$lobby" Escape

echo "-- shown with Solve"
keys "$lobby" alt+s
press_until '[ "$(rows)" -ge 2 ]' "$lobby" F8 || fail "the shown game was not recorded"
keys "$lobby" Escape

echo "-- skipped, then abandoned"
# Left before any move: only skipped, no row (the record's outcomes below
# are three, the next game's the third).
# A game is kept from its start to its end: each step waits for its file.
wait_until '[ ! -e "$kept" ]' || fail "the shown game stayed kept"
keys "$lobby" alt+s
wait_until '[ -e "$kept" ]' || fail "no game to skip"
press_until '[ ! -e "$kept" ]' "$lobby" Escape || fail "the game was not left"
# Left after a hint: abandoned.
keys "$lobby" alt+s
wait_until '[ -e "$kept" ]' || fail "no game to abandon"
press_until hinted "$lobby" F4 || fail "no hint in the game to abandon"
keys "$lobby" Escape
wait_until '[ "$(rows)" -ge 3 ]' || fail "the abandoned game was not recorded"

head -n1 "$record" | grep -qx 'finished,seconds,hints,outcome,length,quote' || fail "no header row"
outcomes=$(tail -n +2 "$record" | cut -d, -f4 | tr '\n' ' ')
[ "$outcomes" = "solved shown abandoned " ] || fail "the record holds '$outcomes'"
hints=$(sed -n 2p "$record" | cut -d, -f3)
[ "$hints" -ge 1 ] || fail "the solved game counts no hints"
tail -n +2 "$record" | grep -qvE '^[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2},[0-9]+,[0-9]+,[a-z]+,[0-9]+,[0-9a-f]{8}$' &&
  fail "a row is not as the record's columns say"

echo "-- the statistics window"
keys "$lobby" Menu s
window=$(wait_window --name '^ Cipherly - Statistics$') || fail "no statistics window"
# The figures, selected with the mouse as a player copying them would.
figures=$(selection "$window" 16 88 190 380 '*Most solved in a row*')
for line in "Games played: 3" "Solved: 1" "Shown with Solve: 1" "Abandoned: 1" "Solved in a row now: 0" "Most solved in a row: 1"; do
  grep -qF "$line" <<<"$figures" || fail "the window does not say '$line': $figures"
done
keys "$window" Escape
wait_until "no_window --name '^ Cipherly - Statistics$'" || fail "Esc did not close the window"
echo "1 passed, 0 failed"
