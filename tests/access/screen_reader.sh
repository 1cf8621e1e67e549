#!/usr/bin/env bash
# The real program on a real X display with the accessibility bus running,
# played through AT-SPI alone (tests/access/play.py), as a blind player's
# screen reader meets it.
set -euo pipefail
here=$(dirname "$0")
. "$here/../xhelpers.sh"
under_xvfb "$0" "$@"
exe=$1
# A session bus of the test's own, which the accessibility bus joins.
if [ -z "${CIPHERLY_OWN_BUS:-}" ]; then
  export CIPHERLY_OWN_BUS=1
  exec dbus-run-session -- "$0" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
fi
private_world
mkdir -p "$HOME/.config/Cipherly"
printf '[Defaults]\nNewUser=NoShow\nHelperTip=False\n' >"$HOME/.config/Cipherly/Cipherly.conf"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 & pids+=("$!")
wait_until a11y_bus || fail "no accessibility bus"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
launch "$work/play" "$exe" || fail "the game did not start"
timeout 250 /usr/bin/python3 "$here/play.py"
