#!/usr/bin/env bash
# The runtime folder, where a running copy keeps its lock, sits on a disk that
# is full. The game still starts (it keeps its lock elsewhere), a second copy
# is still refused, and where no lock can be had at all the game says so and
# does not start. Runs on a small disk of its own (tests/small_disk.sh).
set -euo pipefail
. "$(dirname "$0")/../xhelpers.sh"
[ -n "${CIPHERLY_SMALL_DISK:-}" ] || exec "$(dirname "$0")/../small_disk.sh" 64k "$0" "$@"
under_xvfb "$0" "$@"
exe=$1
private_world
mkdir -p "$HOME/.config/Cipherly" "$work/one" "$work/two"
export XDG_RUNTIME_DIR="$CIPHERLY_SMALL_DISK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
head -c 1M /dev/zero >"$CIPHERLY_SMALL_DISK/filler" 2>/dev/null || true
touch "$CIPHERLY_SMALL_DISK/probe" 2>/dev/null && echo x >"$CIPHERLY_SMALL_DISK/probe" 2>/dev/null &&
  fail "the disk is not full"

launch "$work/one" "$exe" || fail "the game did not start"; first=$pid
wait_window --pid "$first" >/dev/null || fail "the game did not start with its runtime folder full"
[ -f "$XDG_DATA_HOME/Cipherly/cipherly.lock" ] || fail "the lock is not in the data folder"

launch "$work/two" "$exe" || fail "the second copy did not start"; second=$pid
refusal=$(wait_window --name '^Terminating\.\.\.$') || fail "a second copy was not refused"
keys "$refusal" Return
wait_until "ended $second" || fail "the second copy did not end"
[ -z "$(ls -A "$work/two")" ] || fail "the second copy touched its folder"
kill "$first"; wait "$first" 2>/dev/null || true

# Nowhere to keep a lock: the data folder and the temporary folder are files.
rm -rf "$XDG_DATA_HOME/Cipherly"
touch "$XDG_DATA_HOME/Cipherly" "$work/tmpfile"
launch "$work/two" env TMPDIR="$work/tmpfile" "$exe" || fail "the game did not start"; third=$pid
refusal=$(wait_window --name '^Terminating\.\.\.$') || fail "no message when no lock can be had"
keys "$refusal" Return
wait_until "ended $third" || fail "the game did not end"
[ -z "$(ls -A "$work/two")" ] || fail "the game touched its folder"
echo "1 passed, 0 failed"
