#!/usr/bin/env bash
# The game started as a desktop's launcher starts it: the desktop entry's
# command, split by the desktop-entry rules, run in the home folder. The list
# lives in the player's data folder, and a list loose in the home folder is
# carried over there. Started from a terminal, the game still uses the folder
# it was started in.
set -euo pipefail
. "$(dirname "$0")/../xhelpers.sh"
under_xvfb "$0" "$@"
build=$1
private_world
mkdir -p "$HOME/.config/Cipherly"
printf '[Defaults]\nNewUser=NoShow\n' >"$HOME/.config/Cipherly/Cipherly.conf"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
export PATH="$work/prefix/games:$PATH"
entry="$work/prefix/share/applications/com.example.Cipherly.desktop"

# The command as a launcher reads it: field codes dropped, then split into
# words the way the desktop-entry rules quote them (as a shell's double quotes).
line=$(sed -n 's/^Exec=//p' "$entry" | sed -E 's/ ?%[fFuUdDnNickvm]//g')
eval "command=($line)"
data="$XDG_DATA_HOME/Cipherly"

to_lobby() {
  local title
  title=$(wait_window --pid "$pid") || fail "no title page"
  sleep 0.5
  keys "$title" alt+c
  lobby=$(wait_window --name '^ Cipherly$') || fail "no lobby"
}
quit() { kill "$pid"; wait "$pid" 2>/dev/null || true; }
size() { stat -c %s "$1" 2>/dev/null || echo none; }

echo "-- a menu start with a list lying in the home folder"
for i in $(seq 1 12); do printf '%-200s' "A QUOTE OF THE PLAYER'S OWN, NUMBER $(printf '%s' "$i" | tr 0-9 A-J), KEPT FOR YEARS"; done >"$HOME/Cipherly.Dat"
cp "$HOME/Cipherly.Dat" "$work/list-before"
launch "$HOME" "${command[@]}" || fail "the menu command did not start the game"
to_lobby
[ "$(size "$data/Cipherly.Dat")" = 2400 ] || fail "the list was not carried to the data folder"
cmp -s "$data/Cipherly.Dat" "$work/list-before" || fail "the list changed on its way"
[ ! -e "$HOME/Cipherly.Dat" ] || fail "the list is still loose in the home folder"
quit

echo "-- a first menu start: the list is made in the data folder"
rm -rf "$data"
launch "$HOME" "${command[@]}" || fail "the menu command did not start the game"
to_lobby
wait_until "[ \"\$(size \"$data/Cipherly.Dat\")\" = 2000 ]" || fail "no list of ten in the data folder"
[ ! -e "$HOME/Cipherly.Dat" ] || fail "a list appeared in the home folder"
quit

echo "-- a terminal start keeps to its own folder"
launch "$work/play" cipherly || fail "the game did not start"
to_lobby
wait_until "[ \"\$(size \"$work/play/Cipherly.Dat\")\" = 2000 ]" || fail "no list in the folder started from"
[ "$(size "$data/Cipherly.Dat")" = 2000 ] || fail "the data folder's list was touched"
quit
echo "1 passed, 0 failed"
