#!/usr/bin/env bash
# Files that are not the game's own: the settings file is a pipe, the game in
# progress a link to nowhere and the record of games a link to a diary. The
# game says so once, sets them aside untouched, starts, and a game played to
# its end writes nothing through any of them.
set -euo pipefail
. "$(dirname "$0")/../xhelpers.sh"
under_xvfb "$0" "$@"
exe=$1
private_world
data="$XDG_DATA_HOME/Cipherly" conf="$XDG_CONFIG_HOME/Cipherly/Cipherly.conf"
mkdir -p "$data" "$(dirname "$conf")"
printf 'Dear diary,\n' >"$work/diary.txt"
ln -s "$work/diary.txt" "$data/games.csv"
ln -s "$work/nowhere.sav" "$data/Game.sav"
mkfifo "$conf"

launch "$work/play" "$exe" || fail "the game did not start"
told=$(wait_window --name '^Cipherly$') || fail "nothing was said of the files"
keys "$told" Return
told=$(wait_window --name '^Cipherly$') || fail "nothing was said of the settings"
keys "$told" Return
title=$(wait_window --pid "$pid") || fail "no title page: the game hangs"
[ -p "$conf.set-aside" ] || fail "the pipe was not set aside"
[ -L "$data/games.csv.set-aside" ] && [ -L "$data/Game.sav.set-aside" ] || fail "the links were not set aside"
welcome=
press_until 'welcome=$(xdotool search --onlyvisible --name "^ Cipherly - New User Overview\$" | head -n1); [ -n "$welcome" ]' \
  "$title" alt+c || fail "no welcome screen"
keys "$welcome" alt+c
lobby=$(wait_window --name '^ Cipherly$') || fail "no lobby"

# A game to its end: kept meanwhile, then recorded, each in a file of its own.
keys "$lobby" alt+s
# The settings were set aside: a first game, with the helpers' tip over it.
tip=$(wait_window --name '^Cipherly$') || fail "no helpers' tip at the first game"
keys "$tip" Return
wait_until '[ -f "$data/Game.sav" ] && [ ! -L "$data/Game.sav" ]' || fail "the game was not kept in a file of its own"
keys "$lobby" F8
wait_until '[ -f "$data/games.csv" ] && [ ! -L "$data/games.csv" ]' || fail "the game was not recorded in a file of its own"
[ "$(cat "$work/diary.txt")" = "Dear diary," ] || fail "the diary was written to"
[ ! -e "$work/nowhere.sav" ] || fail "a file was made where the link pointed"
[ -f "$conf" ] && [ ! -p "$conf" ] || fail "no settings file of its own"
echo "1 passed, 0 failed"
