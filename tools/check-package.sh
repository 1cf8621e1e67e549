#!/usr/bin/env bash
# Installs the Debian package into a fresh, minimal Debian 12 system made with
# debootstrap, and starts the game there from its menu entry's command under
# Xvfb. Needs root and Debian's package mirror. Usage: tools/check-package.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
deb=$(ls "$build"/cipherly_*_amd64.deb | head -n1) || { echo "run 'make package' first"; exit 1; }
"$root/tools/install-deps.sh" debootstrap
system=$(mktemp -d)
trap 'umount "$system/proc" 2>/dev/null || true; rm -rf "$system"' EXIT
debootstrap --variant=minbase bookworm "$system" http://deb.debian.org/debian >/dev/null
cp "$deb" "$system/tmp/cipherly.deb"
mount --bind /proc "$system/proc"
cat > "$system/tmp/check.sh" <<'EOS'
#!/bin/bash
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update -q >/dev/null
apt-get install -y -q --no-install-recommends /tmp/cipherly.deb xvfb xauth xdotool >/dev/null
command=$(grep '^Exec=' /usr/share/applications/com.example.Cipherly.desktop | cut -d= -f2)
cat > /tmp/run.sh <<EOR
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=/tmp/rt
mkdir -p -m 700 /tmp/rt && cd /tmp
$command & p=\$!
for i in \$(seq 50); do w=\$(xdotool search --onlyvisible --pid \$p 2>/dev/null | head -n1); [ -n "\$w" ] && break; sleep 0.2; done
kill \$p
[ -n "\$w" ]
EOR
xvfb-run -a bash /tmp/run.sh
EOS
chmod +x "$system/tmp/check.sh"
if chroot "$system" /tmp/check.sh; then echo "the package installs on a fresh Debian 12 and the game starts"; else echo "FAILED"; exit 1; fi
