#!/usr/bin/env bash
# The disk that holds the player's data folder is full, and so is the runtime
# folder's. The game still starts on the list it has (its lock needs no
# room), and a second copy is still refused. Runs on a small disk of its own
# (tests/small_disk.sh).
set -euo pipefail
. "$(dirname "$0")/../xhelpers.sh"
[ -n "${CIPHERLY_SMALL_DISK:-}" ] || exec "$(dirname "$0")/../small_disk.sh" 64k "$0" "$@"
under_xvfb "$0" "$@"
exe=$1
private_world
mkdir -p "$work/one" "$work/two"
export XDG_DATA_HOME="$CIPHERLY_SMALL_DISK/data" XDG_RUNTIME_DIR="$CIPHERLY_SMALL_DISK/runtime"
list="$XDG_DATA_HOME/Cipherly/Cipherly.Dat"
mkdir -p "$XDG_DATA_HOME/Cipherly" && mkdir -m 700 "$XDG_RUNTIME_DIR"
for i in $(seq 1 12); do printf '%-200s' "A QUOTE KEPT ON A FULL DISK, NUMBER $(printf '%s' "$i" | tr 0-9 A-J), AND STILL THERE"; done >"$list"
head -c 1M /dev/zero >"$CIPHERLY_SMALL_DISK/filler" 2>/dev/null || true
touch "$CIPHERLY_SMALL_DISK/probe" 2>/dev/null && echo x >"$CIPHERLY_SMALL_DISK/probe" 2>/dev/null &&
  fail "the disk is not full"
cp "$list" "$work/before"

launch "$work/one" "$exe" || fail "the game did not start"; first=$pid
wait_window --pid "$first" >/dev/null || fail "no title page with the disk full"
no_window --name '^Terminating' || fail "the game would not start on a full disk"

launch "$work/two" "$exe" || fail "the second copy did not start"; second=$pid
refusal=$(wait_window --name '^Terminating\.\.\.$') || fail "a second copy was not refused"
keys "$refusal" Return
wait_until "ended $second" || fail "the second copy did not end"
[ -z "$(ls -A "$work/two")" ] || fail "the second copy touched its folder"
kill "$first"; wait "$first" 2>/dev/null || true
cmp -s "$list" "$work/before" || fail "the list changed"
echo "1 passed, 0 failed"
