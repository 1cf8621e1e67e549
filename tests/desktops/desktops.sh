# The desktops a player really has, inside the test's private X server:
# "bare" (no window manager), "openbox" (a window manager that frames windows)
# and "wayland" (weston's X11 backend, the game a native Wayland client); and
# for tools/desktops.sh the desktops players use most: "mutter" (GNOME's, on
# X11), "kwin" (KDE's, on X11), "xfwm4" (Xfce's, with its compositor),
# "mutter-wayland" (GNOME's, nested, the game a Wayland client), and the
# stacking and tiling window managers "fluxbox", "icewm", "i3", "awesome",
# "marco" (MATE's), "enlightenment", "jwm", "wmaker" (Window Maker) and "twm".
# Needs xhelpers.sh and a private_world.

# blank_pointers DIR: a pointer theme "blank" in DIR whose every pointer is
# one see-through pixel. weston draws its own pointer into the screen, and
# where exactly depends on how it last saw the mouse; this keeps it out of
# the pictures. (Pointers the game makes itself, as the pencil, still show.)
blank_pointers() {
  mkdir -p "$1/blank/cursors"
  # An Xcursor file: header, one table entry, one 1 x 1 image, all clear.
  printf 'Xcur\x10\0\0\0\0\0\1\0\1\0\0\0\2\0\xfd\xff\x18\0\0\0\x1c\0\0\0' >"$1/blank/cursors/left_ptr"
  printf '\x24\0\0\0\2\0\xfd\xff\x18\0\0\0\1\0\0\0\1\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0' >>"$1/blank/cursors/left_ptr"
  for name in default arrow top_left_arrow text xterm pointer hand2 watch wait progress \
    left_side right_side top_side bottom_side top_left_corner top_right_corner \
    bottom_left_corner bottom_right_corner; do
    ln -sf left_ptr "$1/blank/cursors/$name"
  done
}

# start_desktop NAME: brings up the desktop and points the game at it.
start_desktop() {
  desktop=$1
  unset WAYLAND_DISPLAY XCURSOR_PATH XCURSOR_THEME
  export QT_QPA_PLATFORM=xcb
  case "$desktop" in
    bare) ;;
    openbox)
      start_kept "$work/openbox.log" 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window' \
        openbox --sm-disable || { cat "$work/openbox.log"; fail "openbox did not start"; }
      desktop_pid=$started
      ;;
    mutter | kwin | xfwm4 | fluxbox | icewm | i3 | awesome | marco | enlightenment | jwm | wmaker | twm)
      local command
      case "$desktop" in
        mutter) command=(mutter --x11 --replace --sm-disable) ;;
        kwin) command=(env KWIN_COMPOSE=Q kwin_x11 --replace) ;;
        xfwm4) command=(xfwm4 --compositor=on --replace) ;;
        fluxbox) command=(fluxbox) ;;
        icewm) command=(icewm) ;;
        # i3's stock configuration, as a new user keeps it. Its first-run
        # wizard (which holds the keyboard until it is answered) is left out,
        # as if the player had answered it and kept the stock keys.
        i3)
          grep -v '^exec i3-config-wizard' /etc/i3/config >"$work/i3.config"
          command=(i3 -c "$work/i3.config") ;;
        awesome) command=(awesome) ;;
        jwm) command=(jwm) ;;
        wmaker) command=(wmaker) ;;
        # Stock twm has the player place each new window with the mouse; a
        # player who lets twm place them keeps this one line.
        twm)
          printf 'RandomPlacement\n' >"$work/twmrc"
          command=(twm -f "$work/twmrc") ;;
        marco) command=(marco --replace --no-composite) ;;
        # Enlightenment's first start puts a row of questions over the whole
        # screen; a profile made from its stock "standard" one stands for
        # the answers a new user gives.
        enlightenment)
          mkdir -p "$HOME/.e/e/config"
          cp -r /usr/share/enlightenment/data/config/standard "$HOME/.e/e/config/default"
          cp /usr/share/enlightenment/data/config/profile.cfg "$HOME/.e/e/config/"
          command=(enlightenment_start) ;;
      esac
      dbus-run-session -- "${command[@]}" >"$work/$desktop.log" 2>&1 & desktop_pid=$!; pids+=("$desktop_pid")
      # twm names itself nowhere (it predates the desktop standards): it is
      # given a moment.
      if [ "$desktop" = twm ]; then sleep 2; else
        wait_until 'ended $desktop_pid || xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window' ||
          { cat "$work/$desktop.log"; fail "$desktop did not start"; }
      fi
      ended "$desktop_pid" && { cat "$work/$desktop.log"; fail "$desktop ended"; }
      sleep 2
      if [ "$desktop" = enlightenment ]; then
        # Where no acpid runs, Enlightenment says so in a message of its own
        # as it starts: the player closes it.
        local acpi
        if acpi=$(wait_window --name '^ACPI Error$'); then
          local try
          for try in 1 2 3 4 5 6 7 8 9 10; do
            xdotool windowactivate --sync "$acpi" key Return 2>/dev/null || true
            sleep 0.5
            no_window --name '^ACPI Error$' && break
          done
          no_window --name '^ACPI Error$' || fail "Enlightenment's message stayed"
        fi
      fi ;;
    mutter-wayland)
      local socket="cipherly-mutter-$$"
      dbus-run-session -- mutter --nested --wayland --no-x11 --wayland-display="$socket" \
        >"$work/mutter.log" 2>&1 & desktop_pid=$!; pids+=("$desktop_pid")
      wait_until "ended $desktop_pid || [ -S '$XDG_RUNTIME_DIR/$socket' ]"
      [ -S "$XDG_RUNTIME_DIR/$socket" ] || { cat "$work/mutter.log"; fail "mutter did not start"; }
      export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
      # Its window carries only a name, which xwininfo reads.
      wait_until "xwininfo -root -tree | grep -q '\"mutter\"'" || fail "no window of the nested mutter"
      weston_window=$(xwininfo -root -tree | awk '/"mutter"/ { print $1; exit }')
      sleep 1 ;;
    wayland)
      local socket="cipherly-wl-$$"
      # No on-screen keyboard: a player at a desk has a real one.
      printf '[core]\nidle-time=0\n[input-method]\npath=\n[shell]\ncursor-theme=blank\n' >"$work/weston.ini"
      blank_pointers "$work/pointers"
      export XCURSOR_PATH="$work/pointers" XCURSOR_THEME=blank
      start_kept "$work/weston.log" "[ -S '$XDG_RUNTIME_DIR/$socket' ]" weston --config="$work/weston.ini" \
        --backend=x11-backend.so --socket="$socket" --width=1000 --height=740 ||
        { cat "$work/weston.log"; fail "weston did not start"; }
      desktop_pid=$started
      export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
      # weston's own window holds the keyboard for its clients.
      weston_window=$(wait_window --class '^Weston Compositor$') || fail "no weston window"
      sleep 1 ;;
    *) fail "unknown desktop $desktop" ;;
  esac
}

# park_pointer: moves the pointer out of the way of every window. weston
# draws its own pointer where it last saw it (the middle of the screen at
# first), and may open a new window under it, so it is shown the way to its
# panel along the top, where no window opens.
park_pointer() {
  if [ "$desktop" = wayland ]; then
    for at in "500 400" "600 16" "602 16"; do xretry xdotool mousemove $at; sleep 0.3; done
  elif [ "$desktop" = mutter-wayland ]; then
    # Its window is 800 x 600 at the screen's corner.
    for at in "400 300" "790 590" "795 595"; do xretry xdotool mousemove $at; sleep 0.3; done
  fi
  xretry xdotool mousemove 1023 767
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
  if [ "$desktop" = wayland ] || [ "$desktop" = mutter-wayland ]; then
    xretry xdotool windowfocus "$weston_window" 2>/dev/null || true
    sleep 0.2
    xretry xdotool key --clearmodifiers "$@"
  else
    keys "$w" "$@"
  fi
}
