#!/usr/bin/env bash
# Runs a test program as the unprivileged user "nobody" when we are root.
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then exec "$@"; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chown 65534:65534 "$work"
cp "$1" "$work/test" && chown 65534:65534 "$work/test"
shift
cd "$work"
exec setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$work" TMPDIR="$work" ./test "$@"
