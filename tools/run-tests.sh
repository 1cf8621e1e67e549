#!/usr/bin/env bash
# Runs every test through CTest in a private world: offscreen windows and
# temporary HOME and XDG folders, so the player's own settings and quote
# files are never touched.
set -euo pipefail
build=${1:-build}
root=$(mktemp -d "${TMPDIR:-/tmp}/cipherly-test.XXXXXX")
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/home" "$root/config" "$root/data" "$root/cache" "$root/runtime" "$root/docs"
chmod 700 "$root/runtime"
export HOME="$root/home"
export XDG_CONFIG_HOME="$root/config"
export XDG_DATA_HOME="$root/data"
export XDG_CACHE_HOME="$root/cache"
export XDG_RUNTIME_DIR="$root/runtime"
export XDG_DOCUMENTS_DIR="$root/docs"
export QT_QPA_PLATFORM=offscreen
# A sanitized build (make sanitize) stops at the first fault it finds, with
# where it was; the leaks of libraries at exit are not the game's to mend.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1:halt_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
cd "$build"
ctest --output-on-failure --timeout 300 -j2
