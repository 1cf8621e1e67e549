#!/usr/bin/env bash
# A player fills the list from a fortune file: the list's context menu by
# keyboard (the Menu key, then Shift+F10), the file dialog, the report, and
# the refilled list; then the player's own quotes go out to a text file.
set -euo pipefail
. "$(dirname "$0")/../xhelpers.sh"
under_xvfb "$0" "$@"
exe=$1
private_world
fortunes="$work/collection"
{
  for i in $(seq 1 40); do
    printf 'Fortune number %s of the collection, which is long enough for the list.\n\t-- A. Writer\n%%\n' "$(printf '%s' "$i" | tr 0-9 A-J)"
  done
  printf 'Too short\n%%\nThis one mentions 1999, so digits keep it out of the list of quotes.\n'
} >"$fortunes"

to_lobby
wait_until '[ "$(stat -c %s "$list" 2>/dev/null)" = 2000 ]' || fail "no list"

keys "$lobby" Menu i
dialog=$(wait_window --name '^Import Quotes$') || fail "no file dialog"
type_in "$dialog" "$fortunes"
keys "$dialog" Return
report=$(wait_window --name '^Import Quotes$') || fail "no report"
wait_until '[ "$(stat -c %s "$list")" = $((50 * 200)) ]' ||
  fail "the list does not hold 50 quotes: $(stat -c %s "$list") bytes"
first=$(dd if="$list" bs=200 skip=10 count=1 status=none)
[ "$first" = "$(printf '%-200s' 'FORTUNE NUMBER B OF THE COLLECTION, WHICH IS LONG ENOUGH FOR THE LIST. - A. WRITER')" ] ||
  fail "the first imported quote is '$first'"
keys "$report" Return
wait_until "no_window --name '^Import Quotes$'" || fail "the report stayed"

# Shift+F10 opens the same menu; Export writes the player's own quotes.
keys "$lobby" shift+F10 e
dialog=$(wait_window --name '^Export Quotes$') || fail "no export dialog"
keys "$dialog" ctrl+a
type_in "$dialog" "$work/mine.txt"
keys "$dialog" Return
wait_until '[ -f "$work/mine.txt" ]' || fail "nothing exported"
[ "$(wc -l <"$work/mine.txt")" = 40 ] || fail "the export holds $(wc -l <"$work/mine.txt") lines, not 40"
echo "1 passed, 0 failed"
