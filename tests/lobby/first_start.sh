#!/usr/bin/env bash
# A player starts Cipherly in an empty folder on a real X display: the lobby
# opens and the quote file holds exactly the ten reserved quotes.
set -euo pipefail
. "$(dirname "$0")/../xhelpers.sh"
under_xvfb "$0" "$@"
exe=$1 strings=$2
private_world

launch "$work/play" "$exe" || fail "the game did not start"
# Title page, then the welcome screen, each left with its Continue button.
title=$(wait_window --pid "$pid") || fail "no title page"
welcome=
press_until 'welcome=$(xdotool search --onlyvisible --name "^ Cipherly - New User Overview\$" | head -n1); [ -n "$welcome" ]' \
  "$title" alt+c || fail "no welcome screen"
# Tick "Don't show this Welcome screen again" with the mouse, then Continue.
xretry xdotool mousemove --window "$welcome" 20 296 click 1
keys "$welcome" alt+c
wait_window --name '^ Cipherly$' >/dev/null || fail "no lobby window"
wait_until '[ -f "$list" ] && [ "$(stat -c %s "$list")" -eq 2000 ]' || fail "quote file is not 2,000 bytes"
for i in $(seq 1 10); do
  expected=$(printf '%-200s' "$(cat "$strings/$i.txt")")
  actual=$(dd if="$list" bs=200 skip=$((i - 1)) count=1 status=none)
  [ "$actual" = "$expected" ] || fail "record $i is not reserved quote $i"
done
grep -q '^NewUser=NoShow' "$HOME/.config/Cipherly/Cipherly.conf" || fail "the welcome screen's tick was not kept"
kill "$pid"; wait "$pid" 2>/dev/null || true

# The second start goes from the title page straight to the lobby.
to_lobby
no_window --name 'New User Overview' || fail "the welcome screen came back"
echo "1 passed, 0 failed"
