# Shared by the tests that drive the real program on an X display.

# under_xvfb SCRIPT ARGS...: runs SCRIPT again inside a private X server,
# unless it already runs in one. The server picks a free display number
# itself, so a server of an earlier test that is still going away never
# collides with this one.
under_xvfb() {
  if [ -z "${CIPHERLY_UNDER_XVFB:-}" ]; then
    export CIPHERLY_UNDER_XVFB=1
    local dir xpid rc=0
    dir=$(mktemp -d)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" 2>"$dir/log" &
    xpid=$!
    for _ in $(seq 600); do [ -s "$dir/display" ] && break; sleep 0.1; done
    if [ ! -s "$dir/display" ]; then cat "$dir/log"; echo "FAIL: no X server"; exit 1; fi
    export DISPLAY=":$(head -n1 "$dir/display")"
    "$@" || rc=$?
    if [ "$rc" -ne 0 ]; then
      kill -0 "$xpid" 2>/dev/null || echo "(the X server had ended)"
      sed 's/^/X server: /' "$dir/log"
    fi
    kill "$xpid" 2>/dev/null || true
    wait "$xpid" 2>/dev/null || true
    rm -rf "$dir"
    exit "$rc"
  fi
  export QT_QPA_PLATFORM=xcb
}
# The test server now and then turns a new client away when another one
# connects at the same moment (it closes the connection before the greeting).
# A player never meets this: it takes dozens of clients a second. The tests
# are such clients, so they knock again.

# xretry COMMAND...: runs an X client, again if the server turned it away.
xretry() {
  local n
  for n in 1 2 3 4 5; do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# launch FOLDER COMMAND...: starts the game in FOLDER, its process in `pid`
# (also added to `pids`), and starts it again if the server turned it away.
# On X it is known to be let in once it shows a window or has ended.
launch() {
  local dir=$1 attempt; shift
  for attempt in 1 2 3 4 5; do
    : >"$work/launch.err"
    (cd "$dir" && exec "$@" 2>"$work/launch.err") & pid=$!; pids+=("$pid")
    if [ "${QT_QPA_PLATFORM:-xcb}" = xcb ]; then
      wait_until "ended $pid || [ -n \"\$(xdotool search --pid $pid 2>/dev/null | head -n1)\" ]" || true
    else
      sleep 0.5
    fi
    if ended "$pid" && grep -q 'could not connect to display' "$work/launch.err"; then
      echo "(the X server turned the game away; starting it again)"
      continue
    fi
    return 0
  done
  cat "$work/launch.err"
  return 1
}

# Windows come and go while a search runs; a search that trips over a window
# that just went away simply tries again.

# Every wait below is for the thing itself, with a limit generous enough for
# a machine busy with other work: a minute.

# wait_window ARGS...: the first shown window `xdotool search ARGS` finds.
wait_window() {
  local w
  for _ in $(seq 600); do
    w=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n1) || true
    if [ -n "$w" ]; then echo "$w"; return 0; fi
    sleep 0.1
  done
  return 1
}

# no_window ARGS...: succeeds when no such window exists.
no_window() { [ -z "$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n1)" ]; }

# focus WINDOW: gives WINDOW the focus, unless it has it. What is typed next
# reaches the game after the focus does: X keeps the order.
focus() {
  if [ "$(xdotool getwindowfocus 2>/dev/null)" != "$1" ]; then
    xdotool windowfocus --sync "$1" 2>/dev/null || xretry xdotool windowfocus "$1" 2>/dev/null || true
  fi
}

# keys WINDOW KEY...: gives WINDOW the focus and presses the keys.
keys() {
  local w=$1; shift
  focus "$w"
  xretry xdotool key --clearmodifiers "$@"
}

# type_in WINDOW TEXT: gives WINDOW the focus and types TEXT.
type_in() {
  focus "$1"
  xretry xdotool type --delay 10 "$2"
}

# press_until CONDITION WINDOW KEY...: presses the keys in WINDOW, and again
# every two seconds, until the shell condition holds. Only for keys that do
# no harm when pressed twice.
press_until() {
  local condition=$1 w=$2 attempt; shift 2
  for attempt in $(seq 30); do
    keys "$w" "$@"
    for _ in $(seq 20); do eval "$condition" && return 0; sleep 0.1; done
  done
  return 1
}

# to_lobby [FOLDER]: starts the game ($exe) in FOLDER ($work/play unless
# given) with the welcome screen and the helpers' tip turned off, leaves the title page with
# Continue and waits for the lobby: the game's process in $pid, the lobby's
# window in $lobby.
to_lobby() {
  local conf="$XDG_CONFIG_HOME/Cipherly/Cipherly.conf" title
  mkdir -p "$(dirname "$conf")"
  if ! grep -q '^NewUser=NoShow' "$conf" 2>/dev/null; then
    if grep -q '^\[Defaults\]' "$conf" 2>/dev/null; then
      sed -i 's/^\[Defaults\]$/[Defaults]\nNewUser=NoShow\nHelperTip=False/' "$conf"
    else
      printf '[Defaults]\nNewUser=NoShow\nHelperTip=False\n' >>"$conf"
    fi
  fi
  launch "${1:-$work/play}" "$exe" || fail "the game did not start"
  title=$(wait_window --pid "$pid") || fail "no title page"
  lobby=
  press_until 'lobby=$(xdotool search --onlyvisible --name "^ Cipherly\$" 2>/dev/null | head -n1); [ -n "$lobby" ]' \
    "$title" alt+c || fail "no lobby"
}

# height WINDOW: the window's height in pixels.
height() { xdotool getwindowgeometry --shell "$1" 2>/dev/null | sed -n 's/^HEIGHT=//p'; }

# wait_until COMMAND: polls a shell condition until it holds.
wait_until() { for _ in $(seq 600); do eval "$1" && return 0; sleep 0.1; done; return 1; }

# selection WINDOW X1 Y1 X2 Y2 PATTERN: the text of WINDOW between two points,
# selected with the mouse as a player copying it would, once it matches the
# shell PATTERN (a glob); the last text selected if it never does.
selection() {
  local got= _
  for _ in $(seq 150); do
    xretry xdotool mousemove --window "$1" "$2" "$3" mousedown 1 mousemove --window "$1" "$4" "$5" mouseup 1
    got=$(xclip -o -selection primary 2>/dev/null || true)
    # shellcheck disable=SC2053 # the pattern is a glob on purpose
    [ -n "$got" ] && [[ "$got" == $6 ]] && break
    sleep 0.2
  done
  printf '%s' "$got"
}

# answer WINDOW KEY: waits for a message over WINDOW to take the focus,
# presses KEY in it and waits until it has gone.
answer() {
  local over=$1 box=
  wait_until 'box=$(xdotool getwindowfocus 2>/dev/null); [ -n "$box" ] && [ "$box" != "$over" ]' || return 1
  keys "$box" "$2"
  wait_until "! xdotool search --onlyvisible --name . 2>/dev/null | grep -qx '$box'"
}

# private_world: a throw-away folder $work with its own HOME, settings, data
# and 0700 runtime folder, and an empty $work/play to start the game in. The
# game keeps its list in $list, in the private data folder. Every process in `pids` is ended and $work
# removed when the script exits.
private_world() {
  work=$(mktemp -d)
  export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
  export XDG_RUNTIME_DIR="$work/runtime"
  list="$XDG_DATA_HOME/Cipherly/Cipherly.Dat"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  mkdir -p "$HOME/Documents" "$work/play"
  pids=()
  trap end_world EXIT
}
end_world() {
  stop "${pids[@]}" || true
  rm -rf "$work"
}

# stop PID...: ends the processes as a logout does (TERM), and any that has
# not ended within the limit at once (KILL), so that no test waits for ever
# on one; true when all ended on TERM.
stop() {
  local p rc=0
  kill "$@" 2>/dev/null || true
  for p in "$@"; do
    wait_until "ended $p" || { kill -9 "$p" 2>/dev/null || true; rc=1; }
  done
  wait "$@" 2>/dev/null || true
  return $rc
}

# fail WHY: the test's verdict, in the closing line the runners read.
fail() { echo "FAIL: $*"; echo "0 passed, 1 failed"; exit 1; }

# ended PID: the process is gone.
ended() { ! kill -0 "$1" 2>/dev/null; }

# start_kept LOG CHECK COMMAND...: starts an X client that stays for the
# test (a window manager, a compositing manager), its output in LOG and its
# process in `started` (also added to `pids`), and is true once CHECK (a
# command) holds. The server may turn the client away as it connects (see
# xretry), or it may end within its first second: then it is knocked again
# after a pause.
start_kept() {
  local log=$1 check=$2 attempt; shift 2
  for attempt in 1 2 3 4 5 6; do
    "$@" >"$log" 2>&1 & started=$!; pids+=("$started")
    wait_until "ended $started || { $check; }"
    sleep 1
    ended "$started" || break
    sleep 0.$attempt
  done
  ! ended "$started" && xretry eval "$check"
}

# still_shot WINDOW FILE [IGNORE...]: the window's client area, as $probe
# takes it, once two pictures in a row are the same (but for the areas
# IGNORE names): the window has finished drawing.
still_shot() {
  local w=$1 file=$2; shift 2
  xretry "$probe" client "$w" "$file.last.png" || return 1
  for _ in $(seq 300); do
    sleep 0.2
    xretry "$probe" client "$w" "$file" || return 1
    "$probe" same "$file.last.png" "$file" "$@" >/dev/null 2>&1 && { rm -f "$file.last.png"; return 0; }
    cp "$file" "$file.last.png"
  done
  return 1
}

# a11y_bus: the accessibility bus answers on the session bus.
a11y_bus() {
  dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1
}
