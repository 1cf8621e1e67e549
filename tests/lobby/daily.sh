#!/usr/bin/env bash
# Today's Quote from the command line, on a real X server: a day gone by
# opens on its puzzle once the lobby is up (Solve shows it, and the record
# keeps the game with its day); a day to come, a day that is no day, or a
# day with a worksheet, is refused before any window, the words typed told
# back harmless. A second start with a day hands it to the game that runs,
# and ends without a word. With a game kept, the day waits for the player's
# answer: continued, the kept game is the one played.
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
# refused WORDS...: the game refuses them (status 2), what it says in $work/refused.
refused() {
  local status=0
  "$exe" "$@" >/dev/null 2>"$work/refused" || status=$?
  [ "$status" = 2 ] || fail "'$*': exit status $status"
}
refused --daily 2027-02-29
grep -q "there is no day 2027-02-29" "$work/refused" || fail "no such day, told: $(cat "$work/refused")"
refused --daily "$(printf '2026\033[31m')"
grep -q 'not 2026\\x1b\[31m' "$work/refused" || fail "a control character was told raw: $(cat -v "$work/refused")"
refused --daily 2026-12-08 --worksheet 1 "$work/sheet.pdf"
refused --worksheet 1 "$work/sheet.pdf" --daily 2026-12-08
grep -q -- "--daily is not understood with --worksheet" "$work/refused" || fail "a day with a worksheet, told: $(cat "$work/refused")"
[ ! -e "$work/sheet.pdf" ] || fail "a worksheet was written with a day"
# No display: said plainly, before any window.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$exe" --daily 2>"$work/refused" || status=$?
[ "$status" = 1 ] && grep -q "no display" "$work/refused" || fail "no display: status $status, told: $(cat "$work/refused")"

conf="$XDG_CONFIG_HOME/Cipherly/Cipherly.conf"
mkdir -p "${conf%/*}"
printf '[Defaults]\nNewUser=NoShow\nHelperTip=False\n' >"$conf"
launch "$work/play" "$exe" --daily 2026-12-08 || fail "the game did not start"
title=$(wait_window --pid "$pid") || fail "no title page"
lobby=
press_until 'lobby=$(xdotool search --onlyvisible --name "^ Cipherly( |\$)" 2>/dev/null | head -n1); [ -n "$lobby" ]' \
  "$title" alt+c || fail "no lobby"
# The day's game names its day in the title.
wait_until "xdotool getwindowname '$lobby' | grep -qx \" Cipherly — Today's Quote, 8 Dec 2026\"" ||
  fail "the title does not name the day: $(xdotool getwindowname "$lobby")"
record="$XDG_DATA_HOME/Cipherly/games.csv"
# The day's game is on show: F8 shows its answer, and it is recorded with its day.
press_until 'grep -q ",shown,.*,2026-12-08$" "$record" 2>/dev/null' "$lobby" F8 ||
  fail "no game of 2026-12-08 was shown: $(cat "$record" 2>/dev/null)"

echo "-- a second start hands its day to the game that runs"
keys "$lobby" Escape
wait_until "xdotool getwindowname '$lobby' | grep -qx ' Cipherly'" || fail "not back at the list"
status=0
timeout 120 "$exe" --daily 2026-12-09 >"$work/second" 2>&1 || status=$?
[ "$status" = 0 ] || fail "the second start: exit status $status: $(cat "$work/second")"
! xdotool search --onlyvisible --name '^Terminating' >/dev/null 2>&1 || fail "the second start was refused"
wait_until "xdotool getwindowname '$lobby' | grep -qx \" Cipherly — Today's Quote, 9 Dec 2026\"" ||
  fail "the running game did not take the day: $(xdotool getwindowname "$lobby")"

echo "-- a game kept, then a day asked for"
keys "$lobby" Escape
keys "$lobby" alt+s
press_until 'grep -q "^hints=[1-9]" "$(dirname "$list")/Game.sav" 2>/dev/null' "$lobby" F4 ||
  fail "no game was kept"
kill -TERM "$pid"
wait_until "ended $pid" || fail "a logout did not end the game"
launch "$work/play" "$exe" --daily 2026-12-08 || fail "the game did not start again"
title=$(wait_window --pid "$pid") || fail "no title page"
press_until "xdotool search --onlyvisible --name '^Cipherly\$' >/dev/null 2>&1" "$title" alt+c ||
  fail "not asked to continue the kept game"
asked=$(wait_window --name '^Cipherly$')
lobby=$(wait_window --name '^ Cipherly$') || fail "no lobby"
keys "$asked" Return
# Continued: Solve shows the kept game, recorded as a game of no day.
press_until '[ "$(grep -c ",shown," "$record")" -ge 2 ]' "$lobby" F8 || fail "the kept game was not shown"
last=$(tail -n1 "$record")
case "$last" in *,2026-12-08) fail "the day's puzzle was played in place of the kept game: $last" ;; esac
echo "1 passed, 0 failed"
