#!/usr/bin/env bash
# The game on the desktops players use most, each in a private X server of
# its own: a bare X server (the reference), openbox, weston, GNOME's mutter on
# X11 and nested on Wayland, KDE's kwin on X11, Xfce's xfwm4 with its
# compositor, sway (headless, as an ordinary user), cage (the kiosk
# compositor, nested, as an ordinary user), fluxbox, IceWM, i3, awesome,
# MATE's marco and Enlightenment, and the old stacking ones jwm, Window Maker
# and twm, these three also at a view size of 150 % (NAME@150, held against
# bare@150). For each:
# - every window's client area is the bare server's, pixel for pixel, the
#   title page has no frame, and every frame's title bar is on the screen;
# - no request to maximise or show a window full screen changes it;
# - with fading on (where a compositor can fade), the keys work at once after
#   each fade: Space ticks the welcome screen's box, Up and Alt+E reach the
#   list, Space closes the statistics;
# - the pictures are kept in OUT to look at.
# Usage: tools/desktops.sh [BUILD] [OUT] [DESKTOP...]   (after `make build`, as root)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=$(mkdir -p "${2:-$build/desktops}" && cd "${2:-$build/desktops}" && pwd)
shift 2 2>/dev/null || shift $#
all=(bare openbox wayland mutter kwin xfwm4 mutter-wayland sway cage fluxbox icewm i3 awesome marco enlightenment
  jwm wmaker twm bare@150 jwm@150 wmaker@150 twm@150)
wanted=("$@")
[ ${#wanted[@]} -gt 0 ] || wanted=("${all[@]}")
exe="$build/startup/cipherly" probe="$build/tests/xprobe"
"$root/tools/install-deps.sh" mutter kwin-x11 xfwm4 sway grim wtype dbus-x11 imagemagick \
  fluxbox icewm i3-wm awesome marco enlightenment cage xwayland jwm wmaker twm xfonts-base >/dev/null

# One desktop, in its own X server.
if [ -n "${CIPHERLY_ONE_DESKTOP:-}" ]; then
  . "$root/tests/xhelpers.sh"
  . "$root/tests/desktops/desktops.sh"
  under_xvfb "$0" "$build" "$out"
  private_world
  shots="$out"
  d=$CIPHERLY_ONE_DESKTOP
  # A view size after "@": the windows at that size, held against the bare
  # server's at the same size.
  suffix="" view=""
  case "$d" in *@*) view=${d#*@} suffix="@$view" d=${d%@*} ;; esac
  # The title's dancing letters, the quote box's caret while typing, and the
  # fade switch, which shows only where a compositor can fade windows.
  ignore_title="3,10,285,32" ignore_edit="21,59,344,85" fade_switch="108,8,30,30"
  # (The highlighted quote, which may wear its cell's focus frame once the
  # window has the focus back.)
  ignore_list="22,115,444,20"
  if [ -n "$view" ]; then
    area() { local IFS=,; set -- $1; echo "$(($1 * view / 100)),$(($2 * view / 100)),$((($3 * view + 99) / 100)),$((($4 * view + 99) / 100))"; }
    ignore_title=$(area "$ignore_title") ignore_edit=$(area "$ignore_edit") fade_switch=$(area "$fade_switch")
    ignore_list=$(area "$ignore_list")
  fi
  nested() { [ "$d" = wayland ] || [ "$d" = mutter-wayland ]; }

  # capture NAME WINDOW IGNORE...: the client area, the bare server's as reference.
  capture() {
    local name=$1 win=$2; shift 2
    local ref="$shots/bare$suffix-$name.png" got="$shots/$d$suffix-$name.png" tries=0
    if [ "$d" = bare ]; then
      xretry xdotool windowfocus "$win" 2>/dev/null || true
      still_shot "$win" "$ref" "$@" || fail "$name never settled"
      return
    fi
    [ -f "$ref" ] || fail "no reference for $name: run the bare desktop first"
    # marco on this bare X server gives no new window the focus (a stock Qt
    # window's neither), twm gives it to the window under the pointer: the
    # focus given by hand stands for the player's click or pointer.
    if [ "$d" = marco ] || [ "$d" = twm ]; then xretry xdotool windowfocus "$win" 2>/dev/null || true; fi
    while :; do
      if nested; then
        xretry "$probe" shot "$got"
        if found=$("$probe" find "$got" "$ref" "$@"); then
          echo "   $name: as on the bare server, at $found"
          return
        fi
      else
        xretry "$probe" client "$win" "$got"
        "$probe" same "$ref" "$got" "$@" >/dev/null && { echo "   $name: as on the bare server"; return; }
      fi
      tries=$((tries + 1))
      [ "$tries" -lt 150 ] || fail "$name on $d differs from the bare server's"
      # A nested desktop may open the window under its own idea of the
      # pointer (a hover look, the game's pencil): the pointer is shown the
      # way out again.
      if nested && [ "$tries" = 5 ]; then park_pointer; fi
      sleep 0.4
    done
  }
  window() { if nested; then echo none; else wait_window "$@"; fi; }
  # settle WINDOW: once its fade is over, the window opaque; a nested
  # desktop's windows are not X windows, and are given a moment.
  settle() {
    if nested; then sleep 1.5; return; fi
    wait_until "xprop -id '$1' _NET_WM_WINDOW_OPACITY 2>/dev/null | grep -qE 'not found|= 4294967295'" ||
      fail "a fade never ended: $(xprop -id "$1" WM_NAME _NET_WM_WINDOW_OPACITY 2>&1 | tr '\n' ' ')"
  }
  geometry() { xretry xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'; }
  # titled WINDOW NAME: the frame the desktop drew round it, its title bar
  # too, lies on the screen.
  titled() {
    nested && return 0
    local y top
    y=$(xretry xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *//p')
    top=$(xretry xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *[0-9]*, *[0-9]*, *\([0-9]*\),.*/\1/p')
    [ "$y" -ge "${top:-0}" ] || fail "the $2's title bar lies above the screen (client at y $y, title bar ${top:-0} high)"
  }
  # The title page's size at the view size.
  scaled() { echo $(( ($1 * ${view:-100} + 50) / 100 )); }
  # unenlargeable WINDOW: asked to maximise and to go full screen, it stays as it was.
  unenlargeable() {
    if [ "$d" = mutter-wayland ]; then
      # The game draws its own title bar here, whose maximise button cannot
      # be taken away: a click on it must change nothing.
      local x y name=$2 width
      read -r x y <<<"$found"
      width=$(identify -format %w "$shots/bare-$name.png")
      xretry xdotool mousemove $((x + width - 50)) $((y - 16)) click 1
      sleep 1
      park_pointer
      xretry "$probe" shot "$shots/$d-$name-maximised.png"
      [ "$("$probe" find "$shots/$d-$name-maximised.png" "$shots/bare-$name.png" "$fade_switch")" = "$found" ] ||
        fail "the maximise button changed the $name"
      echo "   the title bar's maximise button changes nothing"
      return 0
    fi
    nested && return 0
    # twm knows no such requests: only its own menu zooms a window.
    [ "$d" = bare ] || [ "$d" = twm ] && return 0
    local before after request
    before="$(geometry "$1") $(xretry xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9,]*\).*/\1/p')"
    for request in maximized_vert maximized_horz maximized_vert,maximized_horz fullscreen; do
      xretry wmctrl -i -r "$1" -b "add,$request"
      sleep 0.8
      after="$(geometry "$1") $(xretry xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9,]*\).*/\1/p')"
      if [ "$d" = awesome ] && [ "${before%% *}" = "${after%% *}" ]; then
        # awesome keeps a maximised window where it put it, at its own size:
        # no request (the game's, a task bar's, wmctrl's) nor move undoes that.
        before=$after
      fi
      [ "$before" = "$after" ] || fail "$request: the window went from $before to $after"
      xretry wmctrl -i -r "$1" -b "remove,$request" 2>/dev/null || true
    done
    echo "   maximised up and down, across, both, and full screen asked for: the window stays $before"
  }

  play() {
    local fading=$1
    rm -rf "$HOME/.config" "$(dirname "$list")"
    mkdir -p "$HOME/.config/Cipherly" "$(dirname "$list")"
    printf '[Defaults]\n' >"$HOME/.config/Cipherly/Cipherly.conf"
    [ "$fading" = on ] && printf 'FadeStatus=True\n' >>"$HOME/.config/Cipherly/Cipherly.conf"
    [ -n "$view" ] && printf 'ViewSize=%s\n' "$view" >>"$HOME/.config/Cipherly/Cipherly.conf"
    for i in $(seq 1 11); do printf '%-200s' "QUOTE NUMBER $(printf '%s' "$i" | tr 0-9 A-J) OF A LIST KEPT FOR THE DESKTOPS, LONG ENOUGH"; done >"$list"
    park_pointer
    launch "$work/play" "$exe" || fail "the game did not start"
    local title welcome lobby help stats
    echo "-- $d, fading $fading: title page"
    title=$(window --pid "$pid") || fail "no title page"
    if ! nested; then
      [ "$(geometry "$title")" = "$(scaled 546)x$(scaled 231)" ] || fail "the title page is $(geometry "$title")"
      # No title bar or frame of the desktop's; awesome draws its one-pixel
      # border round every window, whatever it is.
      [ "$d" = bare ] || case "$(xretry xprop -id "$title" _NET_FRAME_EXTENTS 2>/dev/null)" in
        *"0, 0, 0, 0"* | *"not found"* | "") ;;
        *"1, 1, 1, 1"*) [ "$d" = awesome ] || fail "the title page has a frame" ;;
        *) fail "the title page has a frame: $(xprop -id "$title" _NET_FRAME_EXTENTS)" ;;
      esac
    fi
    [ "$fading" = off ] && capture title "$title" "$ignore_title"
    [ "$fading" = on ] && settle "$title"
    press "$title" alt+c
    echo "-- $d, fading $fading: welcome screen"
    welcome=$(window --name '^ Cipherly - New User Overview$') || fail "no welcome screen"
    if [ "$fading" = off ]; then capture welcome "$welcome"; unenlargeable "$welcome" welcome; else settle "$welcome"; fi
    [ "$fading" = on ] && press "$welcome" space
    press "$welcome" alt+c
    echo "-- $d, fading $fading: lobby"
    lobby=$(window --name '^ Cipherly$') || fail "no lobby"
    if [ "$fading" = off ]; then
      capture lobby "$lobby" "$fade_switch"
      titled "$lobby" lobby
      unenlargeable "$lobby" lobby
    else
      settle "$lobby"
      press "$lobby" Up alt+e
      refused=$(wait_window --name '^Reserved$') || fail "the keys went nowhere after the lobby faded in"
      press "$refused" Return
      wait_until "no_window --name '^Reserved$'" || fail "the message stayed"
      settle "$lobby"
      echo "   the keys reached the list at once"
    fi
    press "$lobby" F1
    help=$(window --name '^Cipherly - Help Window$') || fail "no help window"
    if [ "$fading" = off ]; then capture help "$help"; titled "$help" "help window"; unenlargeable "$help" help; else settle "$help"; fi
    press "$help" Escape
    if nested; then sleep 1.5; else
      wait_until "no_window --name '^Cipherly - Help Window$'" || fail "the help window stayed"
      settle "$lobby"
    fi
    press "$lobby" ctrl+m s
    stats=$(window --name '^ Cipherly - Statistics$') || fail "no statistics window"
    if [ "$fading" = off ]; then capture statistics "$stats"; else settle "$stats"; fi
    press "$stats" space
    if nested; then sleep 1.5; else
      wait_until "no_window --name '^ Cipherly - Statistics$'" || fail "Space did nothing in the statistics"
    fi
    settle "$lobby"
    if ! nested && [ -z "$view" ]; then
      # The view size changed at once: the lobby made anew at 125 % and
      # 150 %, as on the bare server, its title bar on the screen, and back.
      echo "-- $d, fading $fading: the view size changed at once"
      sized() {
        lobby=$(xdotool search --onlyvisible --name '^ Cipherly$' 2>/dev/null | head -n1)
        [ -n "$lobby" ] || return 1
        local w h
        read -r w h <<<"$(geometry "$lobby" | tr x ' ')"
        [ $((w - $1)) -ge -1 ] && [ $((w - $1)) -le 1 ] && [ $((h - $2)) -ge -1 ] && [ $((h - $2)) -le 1 ]
      }
      press "$lobby" ctrl+plus
      wait_until "sized 630 569" || fail "Ctrl++ did not make the lobby 125 % at once"
      settle "$lobby"
      press "$lobby" ctrl+plus
      wait_until "sized 756 683" || fail "Ctrl++ did not make the lobby 150 % at once"
      settle "$lobby"
      # (The fade switch, and the highlighted quote, which may wear its
      # cell's focus frame once the window has the focus back.)
      # (Window Maker's dock keeps the screen's top right corner, over the
      # window's there.)
      dock=; [ "$d" = wmaker ] && dock="692,0,64,64"
      if [ "$fading" = off ]; then capture zoomed "$lobby" "162,12,45,45" "33,172,666,30" $dock; fi
      titled "$lobby" "lobby at 150 %"
      press "$lobby" ctrl+0
      wait_until "sized 504 455" || fail "Ctrl+0 did not bring the lobby back to its designed size"
      settle "$lobby"
      echo "   125 % and 150 % at once, and back"
    fi
    # The night colours at once, and the day's back, as on the bare server.
    echo "-- $d, fading $fading: night colours"
    press "$lobby" ctrl+shift+n
    settle "$lobby"
    if [ "$fading" = off ]; then capture night "$lobby" "$fade_switch" "$ignore_list"; else sleep 0.5; fi
    press "$lobby" ctrl+shift+n
    settle "$lobby"
    if [ "$fading" = off ]; then
      capture dayagain "$lobby" "$fade_switch" "$ignore_list"
      if [ "$d" = bare ]; then
        "$probe" same "$shots/bare$suffix-lobby.png" "$shots/bare$suffix-dayagain.png" "$fade_switch" "$ignore_list" >/dev/null ||
          fail "the day's colours did not come back"
      fi
    fi
    echo "   night colours on and off at once"
    if [ "$fading" = off ]; then
      if [ "$d" = i3 ]; then
        # i3's stock keys take Alt+A (and Alt+E, Alt+H, Alt+S): the player
        # clicks "Add a New Quote" there.
        xretry xdotool mousemove --window "$lobby" 371 71 click 1
        park_pointer
      else
        press "$lobby" alt+a
      fi
      capture edit "$lobby" "$ignore_edit" "$fade_switch"
      press "$lobby" alt+c
      sleep 0.8
    fi
    press "$lobby" Escape
    question=$(window --name '^(Confirm|Quit Cipherly\?)$') || fail "no quit question"
    sleep 0.5
    press "$question" alt+y
    wait_until "ended $pid" || fail "the game did not end"
    if [ "$fading" = on ]; then
      grep -q '^NewUser=NoShow' "$HOME/.config/Cipherly/Cipherly.conf" ||
        fail "Space did not reach the welcome screen after it faded in"
      echo "   the keys reached the welcome screen and the statistics at once"
    fi
  }

  start_desktop "$d"
  play off
  if "$probe" compositor 2>/dev/null && ! nested; then play on; else
    echo "-- $d: no compositor, so no fading to try"
  fi
  stop_desktop
  echo "1 passed, 0 failed"
  exit 0
fi

# The Wayland desktops below refuse the superuser: each runs as an ordinary
# player in a throw-away $work, with a runtime folder, a home holding the
# settings and the list the other desktops were shown with, and the game
# copied where the player may run it.
player_world() {
  user=cipherly-player
  id "$user" >/dev/null 2>&1 || useradd -m "$user"
  work=$(mktemp -d) && chmod 755 "$work"
  rt="$work/runtime" && mkdir -m 700 "$rt" && chown "$user" "$rt"
  mkdir "$work/shots" && chown "$user" "$work/shots"
  mkdir -p "$work/home/.config/Cipherly" "$work/home/.local/share/Cipherly"
  printf '[Defaults]\nNewUser=NoShow\nHelperTip=False\n' >"$work/home/.config/Cipherly/Cipherly.conf"
  for i in $(seq 1 11); do printf '%-200s' "QUOTE NUMBER $(printf '%s' "$i" | tr 0-9 A-J) OF A LIST KEPT FOR THE DESKTOPS, LONG ENOUGH"; done \
    >"$work/home/.local/share/Cipherly/Cipherly.Dat"
  chown -R "$user" "$work/home"
  cp "$exe" "$work/cipherly" && chmod 755 "$work/cipherly"
}
# seen DESKTOP SHOOTER NAME IGNORE...: the window NAME, as on the bare server,
# somewhere on the screen that the command SHOOTER FILE pictures; its place
# in $found.
seen() {
  local desk=$1 shoot=$2 name=$3
  shift 3
  for _ in $(seq 120); do
    $shoot "$work/shots/$desk-$name.png"
    if found=$(QT_QPA_PLATFORM=offscreen "$probe" find "$work/shots/$desk-$name.png" "$out/bare-$name.png" "$@" 2>/dev/null); then
      echo "   $name: as on the bare server"
      return 0
    fi
    sleep 0.5
  done
  echo "   $name: DIFFERS from the bare server (see $out/$desk-$name.png)"
  return 1
}

# sway, headless, looked at with grim and typed into with wtype.
sway_desktop() {
  local user rt work pid found
  player_world
  printf 'output HEADLESS-1 resolution 1024x768 background #203040 solid_color\n' >"$work/sway.conf"
  as_player() {
    setpriv --reuid="$user" --regid="$user" --init-groups env -i HOME="$work/home" PATH="$PATH" \
      XDG_RUNTIME_DIR="$rt" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
      WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 "$@"
  }
  as_player sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 & pid=$!
  for _ in $(seq 300); do ls "$rt"/wayland-* >/dev/null 2>&1 && ls "$rt"/sway-ipc.* >/dev/null 2>&1 && break; sleep 0.2; done
  local display sock
  display=$(basename "$(ls "$rt"/wayland-? | head -1)") sock=$(ls "$rt"/sway-ipc.* | head -1)
  sw() { as_player env SWAYSOCK="$sock" WAYLAND_DISPLAY="$display" "$@"; }
  echo "-- sway: title page and lobby"
  sw env QT_QPA_PLATFORM=wayland "$work/cipherly" >"$work/game.log" 2>&1 &
  grim_shot() { sw grim "$1"; }
  local ok=0
  seen sway grim_shot title "3,10,285,32" || ok=1
  # The keys go to the focused window once sway has given it the focus.
  # wtype brings a keyboard of its own: the game is given a moment to take
  # it up before the keys, or they are lost.
  for _ in $(seq 10); do
    sw wtype -s 1000 -M alt -k c -m alt
    sleep 1
    sw swaymsg -t get_tree >"$out/sway-tree-try.json"; grep -q "\"name\": \" Cipherly\"" "$out/sway-tree-try.json" && break
  done
  seen sway grim_shot lobby "108,8,30,30" || ok=1
  echo "$(sw swaymsg -t get_tree)" >"$out/sway-tree.json"
  sw swaymsg '[title="^ Cipherly$"] fullscreen enable' >/dev/null 2>&1 || true
  sleep 1
  sw grim "$work/shots/sway-fullscreen.png"
  if QT_QPA_PLATFORM=offscreen "$probe" find "$work/shots/sway-fullscreen.png" "$out/bare-lobby.png" \
    "108,8,30,30" >/dev/null 2>&1; then
    echo "   full screen asked for: the lobby keeps its client area"
  else
    echo "   full screen asked for: the lobby CHANGED (see $out/sway-fullscreen.png)"
    ok=1
  fi
  cp "$work"/shots/sway-*.png "$out"/
  # Everything the player ran goes: the game, sway and its helpers.
  pkill -KILL -u "$user" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -rf "$work"
  return $ok
}

# cage, the kiosk compositor, nested in an X server of its own that the
# player may use: looked at and typed into through that server.
cage_desktop() {
  local user rt work pid found xpid screen output ok=0
  player_world
  Xvfb -displayfd 3 -ac -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" & xpid=$!
  for _ in $(seq 600); do [ -s "$work/display" ] && break; sleep 0.1; done
  screen=":$(head -n1 "$work/display")"
  (cd "$work/home" && exec setpriv --reuid="$user" --regid="$user" --init-groups env -i HOME="$work/home" \
    PATH="$PATH" DISPLAY="$screen" XDG_RUNTIME_DIR="$rt" WLR_BACKENDS=x11 WLR_RENDERER=pixman \
    WLR_X11_OUTPUTS=1 cage -- env QT_QPA_PLATFORM=wayland "$work/cipherly" >"$work/cage.log" 2>&1) &
  pid=$!
  on() { DISPLAY="$screen" "$@"; }
  x_shot() { on "$probe" shot "$1" 2>/dev/null; }
  echo "-- cage: title page, lobby and help"
  seen cage x_shot title "3,10,285,32" || ok=1
  # cage's screen is the one window of that server: the keys go to it.
  output=$(on xwininfo -root -children | awk '$1 ~ /^0x/ { print $1; exit }')
  for _ in $(seq 10); do
    on xdotool windowfocus "$output" key alt+c 2>/dev/null || true
    sleep 1
    x_shot "$work/shots/try.png"
    QT_QPA_PLATFORM=offscreen "$probe" find "$work/shots/try.png" "$out/bare-lobby.png" "108,8,30,30" \
      >/dev/null 2>&1 && break
  done
  seen cage x_shot lobby "108,8,30,30" || ok=1
  on xdotool windowfocus "$output" key F1 2>/dev/null || true
  if seen cage x_shot help; then
    # The title bar Qt draws there has a maximise button: a click on it
    # changes nothing.
    local x y before=$found width
    read -r x y <<<"$found"
    width=$(identify -format %w "$out/bare-help.png")
    on xdotool mousemove $((x + width - 40)) $((y - 16)) click 1
    sleep 1
    on xdotool mousemove 1000 760
    if seen cage x_shot help >/dev/null && [ "$found" = "$before" ]; then
      echo "   the title bar's maximise button changes nothing"
    else
      echo "   the maximise button CHANGED the help window (see $out/cage-help.png)"
      ok=1
    fi
  else
    ok=1
  fi
  cp "$work"/shots/cage-*.png "$out"/
  # Everything the player ran goes, and the server; their ends are no news.
  { pkill -KILL -u "$user"; wait "$pid"; kill "$xpid"; wait "$xpid"; } 2>/dev/null || true
  rm -rf "$work"
  return $ok
}

status=0
for d in "${wanted[@]}"; do
  echo "== $d"
  if [ "$d" = sway ]; then
    sway_desktop || status=1
  elif [ "$d" = cage ]; then
    cage_desktop || status=1
  else
    CIPHERLY_ONE_DESKTOP=$d "$0" "$build" "$out" || status=1
  fi
done
echo "pictures in $out"
exit $status
