#!/usr/bin/env bash
# A player starts Cipherly twice on a real X display: the second copy shows
# "Terminating...", ends when its message is closed and leaves the first one
# running.
set -euo pipefail
. "$(dirname "$0")/../xhelpers.sh"
under_xvfb "$0" "$@"
exe=$1
private_world

mkdir -p "$work/one" "$work/two"
launch "$work/one" "$exe" || fail "the first copy did not start"; first=$pid
wait_window --pid "$first" >/dev/null || fail "first copy shows no window"

launch "$work/two" "$exe" || fail "the second copy did not start"; second=$pid
win=$(wait_window --name '^Terminating\.\.\.$') || true
[ -n "$win" ] || fail "no refusal message"
kill -0 "$second" 2>/dev/null || fail "second copy ended before its message was closed"
keys "$win" Return
for _ in $(seq 100); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
kill -0 "$second" 2>/dev/null && fail "second copy still running after its message was closed"
wait "$second" || fail "second copy ended with an error"
kill -0 "$first" 2>/dev/null || fail "first copy died"
[ -z "$(ls -A "$work/two")" ] || fail "second copy touched its folder"
echo "1 passed, 0 failed"
