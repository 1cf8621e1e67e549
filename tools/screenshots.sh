#!/usr/bin/env bash
# Regenerates the README's screenshots by running the real program under Xvfb:
# the title page, the lobby, an on-screen game and a printed puzzle page.
# Usage: tools/screenshots.sh [BUILD_DIR]   (after `make build`)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
if [ -z "${CIPHERLY_UNDER_XVFB:-}" ]; then
  "$root/tools/install-deps.sh" imagemagick
  export CIPHERLY_UNDER_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build"
fi
export QT_QPA_PLATFORM=xcb
. "$root/tests/xhelpers.sh"
out="$root/docs/screenshots"
work=$(mktemp -d)
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR" && mkdir -p "$HOME/Documents" "$work/play" "$out"
# The game on show, not the helpers' tip over it.
mkdir -p "$XDG_CONFIG_HOME/Cipherly" && printf '[Defaults]\nHelperTip=False\n' >"$XDG_CONFIG_HOME/Cipherly/Cipherly.conf"
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

(cd "$work/play" && exec "$build/startup/cipherly") & pid=$!
title=$(wait_window --pid "$pid")
sleep 1.5
import -window "$title" "$out/title.png"
keys "$title" alt+c
welcome=$(wait_window --name '^ Cipherly - New User Overview$')
sleep 0.8
keys "$welcome" alt+c
lobby=$(wait_window --name '^ Cipherly$')
sleep 1
keys "$lobby" ctrl+Home Down Down
sleep 0.5
import -window "$lobby" "$out/lobby.png"

keys "$lobby" alt+s
sleep 1.2
for _ in 1 2 3 4 5; do keys "$lobby" F4; sleep 0.3; done
sleep 0.5
import -window "$lobby" "$out/game.png"
keys "$lobby" Escape
sleep 1

keys "$lobby" alt+p
sleep 1
keys "$lobby" alt+p
ask=$(wait_window --name '^Cipherly$')
keys "$ask" alt+y
name=$(wait_window --name '^Personalize this printout$')
sleep 0.3
xdotool type --delay 30 "Grandma Jo"
keys "$name" Return
told=$(wait_window --name '^Cipherly$')
sleep 0.5
keys "$told" Return
pdftoppm -r 60 -png -singlefile "$(ls "$HOME/Documents"/Cipherly\ puzzle\ *.pdf)" "$out/puzzle"
echo "screenshots written to $out"
