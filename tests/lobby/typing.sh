#!/usr/bin/env bash
# A player with Type on the Puzzle and the solver's aids on clicks the first
# letter of the scrambled quote and types there: the letter goes in, a space
# takes it back and Help never opens. Then Check My Letters marks a wrong
# letter, and the mark outlasts the pointer passing over the puzzle.
set -euo pipefail
. "$(dirname "$0")/../xhelpers.sh"
under_xvfb "$0" "$@"
exe=$1 probe=$2
private_world
mkdir -p "$XDG_CONFIG_HOME/Cipherly"
printf '[Defaults]\nTypeOnPuzzle=True\nSolverAids=True\n' >"$XDG_CONFIG_HOME/Cipherly/Cipherly.conf"

to_lobby
keys "$lobby" alt+s
# The solution box, selected with the mouse as a player copying it would.
solution() { selection "$lobby" 23 258 360 330 '?*'; }
# Every quote of the list starts with a letter: pick the guide box's first,
# where the focus stays for the typing.
xretry xdotool mousemove --window "$lobby" 27 352 click 1
xretry xdotool type --delay 50 q
wait_until 's=$(solution); [ "${s:0:1}" = Q ]' || fail "the letter typed on the puzzle is not in place: '${s:0:20}'"
xretry xdotool mousemove --window "$lobby" 27 352 click 1
xretry xdotool key space
wait_until 's=$(solution); [ "${s:0:1}" != Q ]' || fail "a space on the puzzle did not take the letter back"
# The space has been taken: had it opened Help, the window would be there.
no_window --name '^Cipherly - Help Window$' || fail "a space on the puzzle opened Help"
# A wrong letter (no letter of the list stands for itself), checked with F3.
xretry xdotool mousemove --window "$lobby" 27 352 click 1
xretry xdotool type --delay 50 q
keys "$lobby" F3
answer "$lobby" Return || fail "Check My Letters told nothing"
marked() { "$probe" client "$lobby" "$work/marked.png" && before=$("$probe" count "$work/marked.png" FF9696) && [ "$before" -gt 0 ]; }
wait_until marked || fail "Check My Letters marked nothing"
# The pointer passes over every letter of the scrambled quote.
for x in $(seq 27 12 360); do xdotool mousemove --window "$lobby" "$x" 352; done
# Looked at once the lobby has taken every move: two pictures in a row the same.
"$probe" client "$lobby" "$work/after.png"
settled() { cp "$work/after.png" "$work/before.png" && "$probe" client "$lobby" "$work/after.png" && "$probe" same "$work/before.png" "$work/after.png" >/dev/null; }
wait_until settled || fail "the lobby never settled after the pointer passed"
[ -z "${CIPHERLY_KEEP_SHOTS:-}" ] || cp "$work/marked.png" "$work/after.png" "$CIPHERLY_KEEP_SHOTS"
after=$("$probe" count "$work/after.png" FF9696)
echo "   marked pixels: $before before the pointer passed, $after after"
[ "$after" -gt 0 ] || fail "the pointer took the marks of the wrong letters away"
echo "1 passed, 0 failed"
