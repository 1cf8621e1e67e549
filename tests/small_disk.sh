#!/usr/bin/env bash
# small_disk.sh SIZE COMMAND...: runs COMMAND with a small, empty disk of its
# own (a tmpfs of SIZE, in a private mount namespace), whose folder is in
# $CIPHERLY_SMALL_DISK. Needs root, or a kernel that lets users make their own
# namespaces.
set -euo pipefail
size=$1; shift
if [ -z "${CIPHERLY_SMALL_DISK:-}" ]; then
  disk=$(mktemp -d)
  trap 'rmdir "$disk" 2>/dev/null || true' EXIT
  if [ "$(id -u)" -eq 0 ]; then how=(unshare -m); else how=(unshare -rm); fi
  CIPHERLY_SMALL_DISK=$disk "${how[@]}" "$0" "$size" "$@"
  exit $?
fi
mount -t tmpfs -o "size=$size,mode=0777" tmpfs "$CIPHERLY_SMALL_DISK"
export CIPHERLY_SMALL_DISK
"$@"
