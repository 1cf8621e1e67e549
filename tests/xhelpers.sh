# Shared by the tests that drive the real program on an X display.

# under_xvfb SCRIPT ARGS...: runs SCRIPT again inside a private X server,
# unless it already runs in one.
under_xvfb() {
  if [ -z "${CIPHERLY_UNDER_XVFB:-}" ]; then
    export CIPHERLY_UNDER_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$@"
  fi
  export QT_QPA_PLATFORM=xcb
}
# Windows come and go while a search runs; a search that trips over a window
# that just went away simply tries again.

# wait_window ARGS...: the first shown window `xdotool search ARGS` finds, within 20 s.
wait_window() {
  local w
  for _ in $(seq 200); do
    w=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n1) || true
    if [ -n "$w" ]; then echo "$w"; return 0; fi
    sleep 0.1
  done
  return 1
}

# no_window ARGS...: succeeds when no such window exists.
no_window() { [ -z "$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n1)" ]; }

# keys WINDOW KEY...: gives WINDOW the focus and presses the keys.
keys() {
  local w=$1; shift
  xdotool windowfocus --sync "$w" 2>/dev/null || xdotool windowfocus "$w" 2>/dev/null || true
  sleep 0.2
  xdotool key --clearmodifiers "$@"
}

# height WINDOW: the window's height in pixels.
height() { xdotool getwindowgeometry --shell "$1" 2>/dev/null | sed -n 's/^HEIGHT=//p'; }

# wait_until COMMAND: polls a shell condition for up to 20 s.
wait_until() { for _ in $(seq 200); do eval "$1" && return 0; sleep 0.1; done; return 1; }

# private_world: a throw-away folder $work with its own HOME, settings, data
# and 0700 runtime folder (so no other copy counts as running), and an empty
# $work/play to start the game in. Every process in `pids` is ended and $work
# removed when the script exits.
private_world() {
  work=$(mktemp -d)
  export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  mkdir -p "$HOME/Documents" "$work/play"
  pids=()
  trap end_world EXIT
}
end_world() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}

# fail WHY: the test's verdict, in the closing line the runners read.
fail() { echo "FAIL: $*"; echo "0 passed, 1 failed"; exit 1; }

# ended PID: the process is gone.
ended() { ! kill -0 "$1" 2>/dev/null; }
