#!/usr/bin/env bash
# Installs the Debian package into a fresh, minimal Debian 12 system made with
# debootstrap and tries it there as a player would, as an ordinary user with
# a temporary folder of the user's own:
# - on X11 (under Xvfb) the menu entry's command shows the title page, and
#   Continue leads to the lobby, with the quote list in the data folder;
# - on Wayland (weston, no X display at all) the game shows a window;
# - removing the package (purge) leaves none of its files behind.
# Needs root and Debian's package mirror.
# Usage: tools/check-package.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
deb=$(ls "$build"/cipherly_*_amd64.deb | head -n1) || { echo "run 'make package' first"; exit 1; }
"$root/tools/install-deps.sh" debootstrap
# The system is made in a folder of this script's own, whatever TMPDIR says.
system=$(mktemp -d /var/tmp/cipherly-system.XXXXXX)
chmod 755 "$system" # the root of a system every user reads
trap 'umount "$system/proc" 2>/dev/null || true; rm -rf "$system"' EXIT
debootstrap --variant=minbase bookworm "$system" http://deb.debian.org/debian >/dev/null
cp "$deb" "$system/tmp/cipherly.deb"
mount --bind /proc "$system/proc"
cat >"$system/tmp/check.sh" <<'EOS'
#!/bin/bash
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update -q >/dev/null
apt-get install -y -q --no-install-recommends /tmp/cipherly.deb xvfb xauth xdotool weston >/dev/null
dpkg -L cipherly | sort >/tmp/files
useradd -m player
command=$(grep '^Exec=' /usr/share/applications/com.example.Cipherly.desktop | cut -d= -f2-)
[ "$command" = cipherly ] || { echo "the menu's command is '$command'"; exit 1; }

# as_player SCRIPT: runs the script as the player, in a desktop session's
# environment: PATH with /usr/games, a runtime folder and a TMPDIR of its own.
as_player() {
  rm -rf /tmp/player-rt /tmp/player-tmp
  install -d -m 700 -o player -g player /tmp/player-rt /tmp/player-tmp
  runuser -u player -- env -i HOME=/home/player USER=player LANG=C.UTF-8 \
    PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games \
    XDG_RUNTIME_DIR=/tmp/player-rt TMPDIR=/tmp/player-tmp bash -c "$1"
}

echo "-- X11: the title page, then the lobby and the list in the data folder"
cat >/tmp/x11.sh <<'EOR'
set -euo pipefail
mkdir -p ~/.config/Cipherly
printf '[Defaults]\nNewUser=NoShow\nHelperTip=False\n' >~/.config/Cipherly/Cipherly.conf
cd ~
cipherly & p=$!
found() { for i in $(seq 100); do w=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n1); [ -n "$w" ] && return 0; sleep 0.2; done; return 1; }
found --pid $p || { echo "no title page"; exit 1; }
title=$w
for i in $(seq 10); do
  xdotool windowfocus --sync $title key alt+c 2>/dev/null || true
  found --name '^ Cipherly$' && break
done
[ -n "$(xdotool search --onlyvisible --name '^ Cipherly$' 2>/dev/null)" ] || { echo "no lobby"; exit 1; }
for i in $(seq 50); do [ -s ~/.local/share/Cipherly/Cipherly.Dat ] && break; sleep 0.2; done
kill $p
[ "$(stat -c %s ~/.local/share/Cipherly/Cipherly.Dat)" = 2000 ] || { echo "no list of ten in the data folder"; exit 1; }
[ ! -e ~/Cipherly.Dat ] || { echo "a list in the home folder"; exit 1; }
echo "   the lobby opened; the list is ~/.local/share/Cipherly/Cipherly.Dat"
EOR
as_player "xvfb-run -a bash /tmp/x11.sh"

echo "-- Wayland: a window of the game's"
cat >/tmp/wayland.sh <<'EOR'
set -euo pipefail
weston --backend=x11-backend.so --socket=check --idle-time=0 >$TMPDIR/weston.log 2>&1 & wp=$!
for i in $(seq 50); do [ -S $XDG_RUNTIME_DIR/check ] && break; sleep 0.2; done
cd ~
# As a Wayland session starts it: no X display, the session type set; the
# client's side of the protocol shows whether a window got its picture.
env -u DISPLAY XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=check WAYLAND_DEBUG=client cipherly \
  >$TMPDIR/game.log 2>&1 & p=$!
shown=no
for i in $(seq 50); do
  if grep -q 'get_toplevel' $TMPDIR/game.log && grep -q 'wl_surface@[0-9]*\.attach(wl_buffer' $TMPDIR/game.log; then
    shown=yes; break
  fi
  sleep 0.2
done
kill $p 2>/dev/null || true; kill $wp 2>/dev/null || true
[ $shown = yes ] || { grep -v '^\[' $TMPDIR/game.log | tail; echo "no window on Wayland"; exit 1; }
echo "   a top-level window was shown"
EOR
as_player "xvfb-run -a bash /tmp/wayland.sh"

echo "-- removal leaves nothing"
apt-get purge -y -q cipherly >/dev/null
left=$(while read -r f; do [ -f "$f" ] || [ -L "$f" ] && echo "$f"; done </tmp/files || true)
[ -z "$left" ] || { echo "left behind: $left"; exit 1; }
echo "   every file of the package is gone"
EOS
chmod +x "$system/tmp/check.sh"
# A clean environment: nothing of the caller's (TMPDIR, DISPLAY, ...) reaches the system.
if chroot "$system" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root /tmp/check.sh; then
  echo "the package installs on a fresh Debian 12; the game starts from its menu entry as an ordinary user, on X11 and on Wayland, keeps its list in the data folder, and leaves nothing when purged"
else
  echo "FAILED"
  exit 1
fi
