#!/usr/bin/env bash
# A player solves a whole game on the letter tiles, by keys alone, on a real
# X server: the tiles have the keyboard from the game's start, and the
# cursor moves on by itself to the next letter still to find, so the
# quote's letters typed in the order they first come solve it. The game is
# recorded as solved, without a hint.
set -euo pipefail
. "$(dirname "$0")/../xhelpers.sh"
under_xvfb "$0" "$@"
exe=$1 probe=$2
private_world
mkdir -p "$XDG_CONFIG_HOME/Cipherly" "$(dirname "$list")"
printf '[Defaults]\nNewUser=NoShow\nHelperTip=False\nLetterTiles=True\n' >"$XDG_CONFIG_HOME/Cipherly/Cipherly.conf"
quote="A WISE MAN WILL MAKE MORE OPPORTUNITIES THAN HE FINDS. - FRANCIS BACON"
# The ten quotes every list begins with, and the player's own after them.
for i in $(seq 1 10); do printf '%-200s' "$(cat "$(dirname "$0")/../../resources/strings/$i.txt")"; done >"$list"
printf '%-200s' "$quote" >>"$list"

to_lobby
# The player's own quote is highlighted at the start; the list's menu plays it.
keys "$lobby" Menu t
record="$XDG_DATA_HOME/Cipherly/games.csv"
tiles() { [ "$(xdotool getwindowname "$lobby" 2>/dev/null)" = " Cipherly" ] && "$probe" client "$lobby" "$work/tiles.png" >/dev/null 2>&1; }
wait_until tiles || fail "no picture of the lobby"
# Each letter once, in the order the quote first has it.
letters=$(printf '%s' "$quote" | tr -cd 'A-Z' | fold -w1 | awk '!seen[$0]++' | tr -d '\n' | tr 'A-Z' 'a-z')
echo "   typing $letters"
xretry xdotool type --delay 60 "$letters"
wait_until "grep -q ',solved,' '$record' 2>/dev/null" || fail "the game typed on the tiles was not solved: $(cat "$record" 2>/dev/null)"
row=$(grep ',solved,' "$record")
[ "$(echo "$row" | cut -d, -f3)" = 0 ] || fail "the solved game counts hints: $row"
echo "1 passed, 0 failed"
