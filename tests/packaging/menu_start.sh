#!/usr/bin/env bash
# One list per player, however the game is started: the desktop entry's
# command, split by the desktop-entry rules and run in the home folder as a
# launcher runs it, and `cipherly` typed in a terminal in any folder, use the
# same list in the data folder. A list an earlier version left in the home
# folder moves there on the first start, and the player is told.
set -euo pipefail
. "$(dirname "$0")/../xhelpers.sh"
under_xvfb "$0" "$@"
build=$1
private_world
mkdir -p "$HOME/.config/Cipherly"
printf '[Defaults]\nNewUser=NoShow\nHelperTip=False\n' >"$HOME/.config/Cipherly/Cipherly.conf"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
export PATH="$work/prefix/games:$PATH"
entry="$work/prefix/share/applications/com.example.Cipherly.desktop"

# The command as a launcher reads it: field codes dropped, then split into
# words the way the desktop-entry rules quote them (as a shell's double quotes).
line=$(sed -n '/^\[Desktop Entry\]/,/^\[/s/^Exec=//p' "$entry" | sed -E 's/ ?%[fFuUdDnNickvm]//g')
[ "$line" = cipherly ] || fail "the menu's command is '$line', not plain cipherly"
eval "command=($line)"

to_lobby() {
  local title
  title=$(wait_window --pid "$pid") || fail "no title page"
  keys "$title" alt+c
  lobby=$(wait_window --name '^ Cipherly$') || fail "no lobby"
}
quit() { kill "$pid"; wait "$pid" 2>/dev/null || true; }
size() { stat -c %s "$1" 2>/dev/null || echo none; }

echo "-- a menu start with a list an earlier version left in the home folder"
for i in $(seq 1 12); do printf '%-200s' "A QUOTE OF THE PLAYER'S OWN, NUMBER $(printf '%s' "$i" | tr 0-9 A-J), KEPT FOR YEARS"; done >"$HOME/Cipherly.Dat"
cp "$HOME/Cipherly.Dat" "$work/list-before"
launch "$HOME" "${command[@]}" || fail "the menu command did not start the game"
told=$(wait_window --name '^Cipherly$') || fail "the player was not told of the move"
keys "$told" Return
wait_until "no_window --name '^Cipherly\$'" || fail "the message stayed"
to_lobby
[ "$(size "$list")" = 2400 ] || fail "the list was not carried to the data folder"
cmp -s "$list" "$work/list-before" || fail "the list changed on its way"
[ ! -e "$HOME/Cipherly.Dat" ] || fail "the list is still loose in the home folder"
quit

echo "-- a terminal start in another folder finds the same list"
mkdir -p "$work/somewhere"
launch "$work/somewhere" cipherly || fail "the game did not start"
to_lobby
[ "$(size "$list")" = 2400 ] || fail "the list changed"
[ -z "$(ls -A "$work/somewhere")" ] || fail "a list appeared in the folder started from"
quit

echo "-- a first start anywhere makes the list in the data folder"
rm -rf "$XDG_DATA_HOME/Cipherly"
launch "$work/somewhere" cipherly || fail "the game did not start"
to_lobby
wait_until "[ \"\$(size \"$list\")\" = 2000 ]" || fail "no list of ten in the data folder"
[ -z "$(ls -A "$work/somewhere")" ] || fail "a list appeared in the folder started from"
quit
echo "1 passed, 0 failed"
