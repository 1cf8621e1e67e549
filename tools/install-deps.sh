#!/usr/bin/env bash
# Installs the Debian packages Cipherly needs to build, run and test, and only
# those that are missing. Does nothing at all when everything is present.
# Extra package names given as arguments are installed the same way.
set -euo pipefail

packages=(
  g++ cmake make ninja-build
  qt6-base-dev qt6-base-private-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev libxcb1-dev qt6-charts-dev libqt6opengl6-dev
  fonts-liberation2 fonts-dejavu-core fonts-comic-neue
  poppler-utils
  xvfb xauth xdotool xclip x11-utils wmctrl libx11-dev libxfixes-dev libxtst-dev
  openbox fluxbox xcompmgr weston qt6-wayland
  at-spi2-core python3-pyatspi dbus-x11 orca speech-dispatcher
  libbenchmark-dev
  desktop-file-utils appstream dpkg-dev lintian file
  wamerican fortunes fortunes-min wngerman fortunes-de
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
