# The desktops a player really has, inside the test's private X server:
# "bare" (no window manager), "openbox" (a window manager that frames windows)
# and "wayland" (weston's X11 backend, the game a native Wayland client).
# Needs xhelpers.sh and a private_world.

# start_desktop NAME: brings up the desktop and points the game at it.
start_desktop() {
  desktop=$1
  unset WAYLAND_DISPLAY
  export QT_QPA_PLATFORM=xcb
  case "$desktop" in
    bare) ;;
    openbox)
      openbox --sm-disable >/dev/null 2>&1 & desktop_pid=$!; pids+=("$desktop_pid")
      wait_until 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window' ||
        fail "openbox did not start" ;;
    wayland)
      local socket="cipherly-wl-$$"
      # No on-screen keyboard: a player at a desk has a real one.
      printf '[core]\nidle-time=0\n[input-method]\npath=\n' >"$work/weston.ini"
      weston --config="$work/weston.ini" --backend=x11-backend.so --socket="$socket" \
        --width=1000 --height=740 >"$work/weston.log" 2>&1 & desktop_pid=$!; pids+=("$desktop_pid")
      wait_until "[ -S '$XDG_RUNTIME_DIR/$socket' ]" || fail "weston did not start"
      export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
      # weston's own window holds the keyboard for its clients.
      weston_window=$(wait_window --class '^Weston Compositor$') || fail "no weston window"
      sleep 1 ;;
    *) fail "unknown desktop $desktop" ;;
  esac
}

# stop_desktop: ends the running desktop.
stop_desktop() {
  if [ -n "${desktop_pid:-}" ]; then
    kill "$desktop_pid" 2>/dev/null || true
    wait "$desktop_pid" 2>/dev/null || true
    desktop_pid=
  fi
  sleep 0.3
}

# press WINDOW KEY...: the keys as the player presses them in WINDOW. Under
# Wayland they go to weston's own X window, which hands them to the window it
# gave the focus.
press() {
  local w=$1; shift
  if [ "$desktop" = wayland ]; then
    xdotool windowfocus "$weston_window" 2>/dev/null || true
    sleep 0.2
    xdotool key --clearmodifiers "$@"
  else
    keys "$w" "$@"
  fi
}
