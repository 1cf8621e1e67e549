#!/usr/bin/env bash
# A fresh desktop session has nothing to paste. A player in add mode presses
# Ctrl+V, Shift+Insert and the middle button over the quote box anyway: the
# game stays up, the words typed so far stay, and Save stores them.
set -euo pipefail
. "$(dirname "$0")/../xhelpers.sh"
under_xvfb "$0" "$@"
exe=$1
private_world

# A new X server: no program owns the clipboard or the selection.
[ -z "$(xclip -o -selection clipboard 2>/dev/null)" ] || fail "the clipboard is not empty"
[ -z "$(xclip -o -selection primary 2>/dev/null)" ] || fail "the selection is not empty"

to_lobby
tall=$(height "$lobby")
keys "$lobby" alt+a
wait_until '[ "$(height "$lobby")" -lt "$tall" ]' || fail "no edit mode"
xretry xdotool type --delay 20 "nothing to paste, but the words typed so far must stay put"
keys "$lobby" ctrl+v
ended "$pid" && fail "Ctrl+V with an empty clipboard ended the game"
keys "$lobby" shift+Insert
ended "$pid" && fail "Shift+Insert with an empty clipboard ended the game"
# The middle button pastes the selection, also empty.
xretry xdotool mousemove --window "$lobby" 100 100 click 2
ended "$pid" && fail "a middle click with nothing selected ended the game"
keys "$lobby" alt+s
wait_until '[ "$(stat -c %s "$list" 2>/dev/null)" = 2200 ]' ||
  fail "the typed quote was not saved"
got=$(dd if="$list" bs=200 skip=10 count=1 status=none)
[ "$got" = "$(printf '%-200s' 'NOTHING TO PASTE, BUT THE WORDS TYPED SO FAR MUST STAY PUT')" ] ||
  fail "the saved quote is '$got'"
echo "1 passed, 0 failed"
