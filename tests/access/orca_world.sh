# What every Orca session needs, sourced by each after it has its X server:
# a private world, a session and an accessibility bus of the test's own,
# Orca running with its words written to a file, and the words it has said
# (said, listen, hear).
set -euo pipefail
private_world
# A session bus of the test's own, which the accessibility bus joins. Its
# daemons write to files of their own and are ended with the test, so none
# keeps the test runner waiting on their output.
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/bus.address" 4>"$work/bus.pid" \
  </dev/null >/dev/null 2>&1 || fail "no session bus"
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus.address")
pids+=("$(head -n1 "$work/bus.pid")")
/usr/libexec/at-spi-bus-launcher --launch-immediately </dev/null >"$work/bus.log" 2>&1 & pids+=("$!")
wait_until a11y_bus || fail "no accessibility bus"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
spoken="$work/orca.log"
# Orca's words are read from its debug file, as it speaks them; no speech
# server is started (its start can hang Orca's), which the file does not need.
SPEECHD_CMD=/bin/false orca --debug-file="$spoken" -u "$work/orca" </dev/null >"$work/orca.out" 2>&1 & orca=$!
# Orca takes its time to go on an ordinary end; the test needs none of it.
trap 'kill -9 "$orca" 2>/dev/null; end_world' EXIT
wait_until "grep -q 'ORCA: Initializing' '$spoken' 2>/dev/null || ended $orca"
kill -0 "$orca" 2>/dev/null || { cat "$work/orca.out"; fail "Orca did not start"; }

# said: every sentence spoken so far, one a line.
# (Orca writes a sentence between single quotes, apostrophes in it as they are.)
said() {
  grep -o "SPEECH OUTPUT: '.*" "$spoken" | sed -E "s/^SPEECH OUTPUT: '//; s/' ?\{'established.*\$//; s/'\$//"
}
# listen TEXT [SECONDS]: true once Orca has spoken TEXT (an extended regular
# expression) since the last step, within SECONDS (a minute unless told).
mark=0
listen() {
  local i
  for i in $(seq $((${2:-60} * 5))); do
    if said | tail -n +$((mark + 1)) | grep -Eq -- "$1"; then
      mark=$(said | grep -En -- "$1" | tail -n1 | cut -d: -f1)
      echo "   heard: $(said | sed -n "${mark}p" | cut -c1-100)"
      return 0
    fi
    sleep 0.2
    # Orca writes its file in blocks: a Shift, which the game ignores and
    # Orca notes at length, pushes out what it has said so far.
    [ $((i % 10)) -ne 0 ] || xdotool key shift 2>/dev/null || true
  done
  return 1
}
# hear TEXT WHAT: waits until Orca has spoken TEXT since the last step.
hear() {
  listen "$1" && return 0
  echo "   spoken since the last step:"; said | tail -n +$((mark + 1)) | sed 's/^/     /'
  [ -z "${CIPHERLY_KEEP_SPEECH:-}" ] || cp "$spoken" "$CIPHERLY_KEEP_SPEECH"
  fail "Orca did not say $2"
}


# by_ear_to_lobby TITLE WELCOME LIST COMMAND...: starts the game and goes by
# Return from the title page and the welcome screen to the lobby, each heard
# by what it says first, the list by its name and its highlighted quote; the
# lobby's window in $lobby.
by_ear_to_lobby() {
  local title_text=$1 welcome_text=$2 list_text=$3 heard root
  shift 3
  launch "$work/play" "$@" || fail "the game did not start"
  title=$(wait_window --pid "$pid") || { cat "$work/launch.err"; ps -p "$pid" >/dev/null && echo running; fail "no title page"; }
  echo "-- the title page"
  # The page is given the focus, as the desktop does with a new window. Orca
  # may come up only after that: then the focus leaves and comes back, as a
  # player's click elsewhere and back would do, until Orca has read the page.
  root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
  heard=
  for _ in $(seq 12); do
    xretry xdotool windowfocus "$title"
    listen "$title_text" 5 && { heard=yes; break; }
    xretry xdotool windowfocus "$root"
  done
  [ -n "$heard" ] || hear "$title_text" "what the title page shows"
  keys "$title" Return
  echo "-- the welcome screen"
  welcome=$(wait_window --name '^ Cipherly - ') || fail "no welcome screen"
  xretry xdotool windowfocus "$welcome"
  hear "$welcome_text" "the welcome text"
  keys "$welcome" Return
  lobby=$(wait_window --name '^ Cipherly$') || fail "no lobby"
  xretry xdotool windowfocus "$lobby"
  # Orca may take the lobby's window before its list's focus and so miss the
  # list: then the player moves on with Tab and back with Shift+Tab, inside the
  # window Orca already has, until the list is said.
  heard=
  for _ in $(seq 6); do
    listen "$list_text" 10 && { heard=yes; break; }
    echo "   not heard yet: Tab and back"
    keys "$lobby" Tab
    sleep 0.5
    keys "$lobby" shift+Tab
  done
  [ -n "$heard" ] || hear "$list_text" "the quote list"
  hear "^FOUR SCORE AND SEVEN" "the highlighted quote"
}
