#!/usr/bin/env bash
# Installs the Debian package into a fresh, minimal Debian 12 system made with
# debootstrap, and starts the game there from its menu entry's command, as a
# desktop's launcher would: once on X11 (under Xvfb) and once on Wayland
# (weston, with no X display at all). Needs root and Debian's package mirror.
# Usage: tools/check-package.sh [BUILD_DIR]
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
apt-get install -y -q --no-install-recommends /tmp/cipherly.deb xvfb xauth xdotool weston >/dev/null
# A desktop session's PATH, which holds /usr/games.
export PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games
command=$(grep '^Exec=' /usr/share/applications/com.example.Cipherly.desktop | cut -d= -f2-)
mkdir -p /root/.local/share

echo "-- X11"
cat > /tmp/x11.sh <<EOR
export XDG_RUNTIME_DIR=/tmp/rt-x; mkdir -p -m 700 \$XDG_RUNTIME_DIR; cd /root
$command & p=\$!
for i in \$(seq 50); do w=\$(xdotool search --onlyvisible --pid \$p 2>/dev/null | head -n1); [ -n "\$w" ] && break; sleep 0.2; done
kill \$p
[ -n "\$w" ]
EOR
xvfb-run -a bash /tmp/x11.sh

echo "-- Wayland"
cat > /tmp/wayland.sh <<EOR
export XDG_RUNTIME_DIR=/tmp/rt-w; mkdir -p -m 700 \$XDG_RUNTIME_DIR
weston --backend=x11-backend.so --socket=check --idle-time=0 >/tmp/weston.log 2>&1 & wp=\$!
for i in \$(seq 50); do [ -S \$XDG_RUNTIME_DIR/check ] && break; sleep 0.2; done
cd /root
# As a Wayland session starts it: no X display, the session type set.
env -u DISPLAY -u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=check $command >/tmp/game.log 2>&1 & p=\$!
sleep 5
alive=no; kill -0 \$p 2>/dev/null && alive=yes
kill \$p 2>/dev/null; kill \$wp 2>/dev/null
cat /tmp/game.log
[ \$alive = yes ]
EOR
xvfb-run -a bash /tmp/wayland.sh
EOS
chmod +x "$system/tmp/check.sh"
if chroot "$system" /tmp/check.sh; then
  echo "the package installs on a fresh Debian 12 and the game starts from its menu entry, on X11 and on Wayland"
else
  echo "FAILED"; exit 1
fi
