#!/usr/bin/env bash
# Runs every test, as `make test` does, while both cores are kept busy beside
# it (stress-ng: two processor workers and one disk writer): the tests wait
# for what they test, never on the machine's speed, so they pass here too.
# Usage: tools/busy-tests.sh [BUILD]   (after `make build`)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
"$root/tools/install-deps.sh" stress-ng
work=$(mktemp -d)
stress-ng --cpu 2 --hdd 1 --temp-path "$work" --quiet & load=$!
trap 'kill "$load" 2>/dev/null; wait "$load" 2>/dev/null; rm -rf "$work"' EXIT
"$root/tools/run-tests.sh" "$build"
