#!/usr/bin/env bash
# Today's Quote from the command line, on a real X server: a day gone by
# opens on its puzzle once the lobby is up (Solve shows it, and the record
# keeps the game with its day); a day to come is refused before any window.
set -euo pipefail
. "$(dirname "$0")/../xhelpers.sh"
under_xvfb "$0" "$@"
exe=$1
private_world

set +e
"$exe" --daily 2999-01-01 2>"$work/refused"
status=$?
set -e
[ "$status" = 2 ] || fail "a day to come: exit status $status"
grep -q "still to come" "$work/refused" || fail "a day to come, told: $(cat "$work/refused")"

conf="$XDG_CONFIG_HOME/Cipherly/Cipherly.conf"
mkdir -p "${conf%/*}"
printf '[Defaults]\nNewUser=NoShow\nHelperTip=False\n' >"$conf"
launch "$work/play" "$exe" --daily 2026-12-08 || fail "the game did not start"
title=$(wait_window --pid "$pid") || fail "no title page"
lobby=
press_until 'lobby=$(xdotool search --onlyvisible --name "^ Cipherly\$" 2>/dev/null | head -n1); [ -n "$lobby" ]' \
  "$title" alt+c || fail "no lobby"
record="$XDG_DATA_HOME/Cipherly/games.csv"
# The day's game is on show: F8 shows its answer, and it is recorded with its day.
press_until 'grep -q ",shown,.*,2026-12-08$" "$record" 2>/dev/null' "$lobby" F8 ||
  fail "no game of 2026-12-08 was shown: $(cat "$record" 2>/dev/null)"
echo "1 passed, 0 failed"
