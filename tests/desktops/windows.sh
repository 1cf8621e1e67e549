#!/usr/bin/env bash
# Every window of the game, as a player sees it on three desktops: a bare X
# server, X with a window manager that frames windows (openbox), and Wayland
# (weston). The client area of each window must be the same, pixel for pixel,
# on all three; the title page must come without any frame; fixed windows
# must not maximise.
set -euo pipefail
here=$(dirname "$0")
. "$here/../xhelpers.sh"
. "$here/desktops.sh"
under_xvfb "$0" "$@"
exe=$1 probe=$2
private_world
shots="$work/shots"
mkdir -p "$shots"
# CIPHERLY_KEEP_SHOTS=FOLDER keeps every picture taken, to look at.
keep_shots() { [ -z "${CIPHERLY_KEEP_SHOTS:-}" ] || cp "$shots"/*.png "$CIPHERLY_KEEP_SHOTS"/ 2>/dev/null || true; }
trap 'keep_shots; end_world' EXIT

# Areas that may differ between two pictures of the same window, in the
# window's own pixels: the title's dancing letters and the blinking caret of
# the quote box while a quote is typed.
ignore_title="3,10,285,32"
ignore_edit="21,59,344,85"

# capture NAME X11-WINDOW IGNORE...: the window's client area on this desktop.
# On the bare server it becomes the reference; elsewhere it must equal it.
capture() {
  local name=$1 win=$2; shift 2
  local ref="$shots/bare-$name.png" got="$shots/$desktop-$name.png"
  if [ "$desktop" = bare ]; then
    # With no window manager nothing activates a new window; the player's
    # click would, as every desktop does on its own. The reference is taken
    # once the window has settled: two pictures in a row the same.
    xretry xdotool windowfocus "$win" 2>/dev/null || true
    still_shot "$win" "$ref" "$@" || fail "$name never settled"
    return
  fi
  local tries=0
  while :; do
    if [ "$desktop" = wayland ]; then
      xretry "$probe" shot "$got.screen.png"
      if at=$("$probe" find "$got.screen.png" "$ref" "$@"); then
        echo "   $name found at $at on $desktop"; return
      fi
    else
      xretry "$probe" client "$win" "$got"
      "$probe" same "$ref" "$got" "$@" >/dev/null && return
    fi
    tries=$((tries + 1))
    if [ "$tries" -ge 150 ]; then
      [ "$desktop" = wayland ] || "$probe" same "$ref" "$got" "$@" || true
      fail "$name on $desktop differs from the bare server's"
    fi
    sleep 0.4
  done
}

# gone NAME X11-NAME: the window has left the screen.
gone() {
  if [ "$desktop" = wayland ]; then
    wait_until "\"$probe\" shot \"$shots/gone.png\" && ! \"$probe\" find \"$shots/gone.png\" \"$shots/bare-$1.png\" >/dev/null"
  else
    wait_until "no_window --name '$2'"
  fi
}

# x11_window ARGS...: the X window of a Qt window, or nothing under Wayland.
x11_window() {
  [ "$desktop" = wayland ] && { echo none; return; }
  wait_window "$@"
}

# no_maximise WINDOW: the desktop is not offered to maximise it, and asking
# changes nothing.
no_maximise() {
  [ "$desktop" = openbox ] || return 0
  local actions
  actions=$(xretry xprop -id "$1" _NET_WM_ALLOWED_ACTIONS)
  case "$actions" in *MAXIMIZE*) fail "the window offers to maximise: $actions" ;; esac
  local before after
  before=$(xretry xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p')
  # As a task bar or a double click on the title bar asks.
  xretry wmctrl -i -r "$1" -b add,maximized_vert,maximized_horz
  sleep 0.5
  after=$(xretry xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p')
  [ "$before" = "$after" ] || fail "the window changed size from $before to $after"
}

play_through() {
  rm -rf "$HOME/.config" "$list"
  mkdir -p "$HOME/.config"
  park_pointer
  launch "$work/play" "$exe" || fail "the game did not start"

  echo "-- $desktop: title page"
  local title
  title=$(x11_window --pid "$pid") ||
    fail "no title page ($(ended "$pid" && echo ended || echo running); $(xdotool search --onlyvisible --name '.' getwindowname %@ 2>/dev/null | tr '\n' '|'))"
  if [ "$desktop" != wayland ]; then
    [ "$(xretry xdotool getwindowgeometry "$title" | sed -n 's/.*Geometry: //p')" = 546x231 ] ||
      fail "the title page is not 546 x 231"
  fi
  if [ "$desktop" = openbox ]; then
    sleep 0.5
    extents=$(xretry xprop -id "$title" _NET_FRAME_EXTENTS)
    [ "$extents" = "_NET_FRAME_EXTENTS(CARDINAL) = 0, 0, 0, 0" ] || fail "title page framed: $extents"
  fi
  capture title "$title" "$ignore_title"
  press "$title" alt+c

  echo "-- $desktop: welcome screen"
  local welcome
  welcome=$(x11_window --name '^ Cipherly - New User Overview$') || fail "no welcome screen"
  capture welcome "$welcome"
  no_maximise "$welcome"
  press "$welcome" alt+c

  echo "-- $desktop: lobby"
  local lobby
  lobby=$(x11_window --name '^ Cipherly$') || fail "no lobby"
  capture lobby "$lobby"
  no_maximise "$lobby"

  echo "-- $desktop: help window"
  press "$lobby" F1
  local help
  help=$(x11_window --name '^Cipherly - Help Window$') || fail "no help window"
  capture help "$help"
  no_maximise "$help"
  press "$help" Escape
  gone help '^Cipherly - Help Window$' || fail "the help window stayed"
  sleep 0.5

  echo "-- $desktop: edit mode"
  press "$lobby" alt+a
  capture edit "$lobby" "$ignore_edit"
  press "$lobby" alt+c
  sleep 0.8

  press "$lobby" Escape
  local question
  question=$(x11_window --name '^(Confirm|Quit Cipherly\?)$') || fail "no quit question"
  sleep 0.5
  press "$question" alt+y
  wait_until "ended $pid" || fail "the game did not end on $desktop"
}

for d in bare openbox wayland; do
  start_desktop "$d"
  play_through
  stop_desktop
done
echo "1 passed, 0 failed"
