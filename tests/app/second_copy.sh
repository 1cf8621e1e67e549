#!/usr/bin/env bash
# A player starts Cipherly twice on a real X display: the second copy shows
# "Terminating...", ends when its message is closed and leaves the first one
# running. The lock belongs with the list, so the second copy is refused
# whatever its environment differs in: no runtime folder (started through su
# or ssh), another one, one that is a file or read-only, another temporary
# folder, another folder started from.
set -euo pipefail
. "$(dirname "$0")/../xhelpers.sh"
under_xvfb "$0" "$@"
exe=$1
private_world

mkdir -p "$work/one" "$work/two" "$work/other-runtime" "$work/other-tmp"
chmod 700 "$work/other-runtime"
touch "$work/runtime-file"
mkdir -m 500 "$work/read-only-runtime"
launch "$work/one" "$exe" || fail "the first copy did not start"; first=$pid
wait_window --pid "$first" >/dev/null || fail "first copy shows no window"

# refused NAME ENV-ARGS...: a second copy started with `env ENV-ARGS` is refused.
refused() {
  local name=$1 win; shift
  echo "-- $name"
  launch "$work/two" env "$@" "$exe" || fail "$name: the second copy did not start"
  win=$(wait_window --all --pid "$pid" --name '^Terminating\.\.\.$') || fail "$name: no refusal"
  ended "$pid" && fail "$name: the second copy ended before its message was closed"
  keys "$win" Return
  wait_until "ended $pid" || fail "$name: still running after its message was closed"
  wait "$pid" || fail "$name: the second copy ended with an error"
  ended "$first" && fail "$name: the first copy died"
  [ -z "$(ls -A "$work/two")" ] || fail "$name: the second copy touched its folder"
}

refused "the same environment"
refused "no runtime folder" -u XDG_RUNTIME_DIR
refused "another runtime folder" XDG_RUNTIME_DIR="$work/other-runtime"
refused "a runtime folder that is a file" XDG_RUNTIME_DIR="$work/runtime-file"
refused "a read-only runtime folder" XDG_RUNTIME_DIR="$work/read-only-runtime"
refused "another temporary folder" TMPDIR="$work/other-tmp"
refused "no runtime folder and another temporary folder" -u XDG_RUNTIME_DIR TMPDIR="$work/other-tmp"
echo "1 passed, 0 failed"
