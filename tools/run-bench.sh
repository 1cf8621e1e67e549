#!/usr/bin/env bash
# Runs the benchmarks offscreen in a throw-away folder.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
root=$(mktemp -d "${TMPDIR:-/tmp}/cipherly-bench.XXXXXX")
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/runtime" && chmod 700 "$root/runtime"
export HOME="$root" XDG_CONFIG_HOME="$root/config" XDG_RUNTIME_DIR="$root/runtime"
export QT_QPA_PLATFORM=offscreen
cd "$root"
for b in "$build"/bench/cipherly-bench*; do
  if [ -f "$b" ] && [ -x "$b" ]; then "$b"; fi
done
# The quote store, killed a thousand times in each of its writes.
"$build/bench/cipherly-store-kills" 1000
