#!/usr/bin/env bash
# The game on a real X server against a plain Qt window with a label and a
# button, in one run: how soon the first window is on screen, and how often
# each wakes while nothing changes (a pointer resting on a button, the title
# page, the welcome screen over it). Wakeups are the process's context
# switches, counted by the system over a few seconds.
# Usage: desktop_bench.sh GAME PLAIN_WINDOW XPROBE
set -euo pipefail
. "$(dirname "$0")/../tests/xhelpers.sh"
under_xvfb "$0" "$@"
exe=$(readlink -f "$1") plain=$(readlink -f "$2") probe=$(readlink -f "$3")
private_world

# switches PID: the process's context switches so far.
switches() { awk '/ctxt_switches/ { n += $2 } END { print n }' "/proc/$1/status"; }
# wakeups PID SECONDS: context switches a second while left alone.
wakeups() {
  local a b
  sleep 1
  a=$(switches "$1"); sleep "$2"; b=$(switches "$1")
  echo $(((b - a) / $2))
}
# first_window COMMAND...: ms from the start to the first window mapped in
# $wall, and the processor ms by then in $cpu; the process in $pid.
first_window() {
  read -r wall cpu pid < <("$probe" first-window "$@")
  pids+=("$pid")
}
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

echo "Start to the first window on screen (median of 9, ms; processor ms):"
for who in plain game night; do
  walls=() cpus=()
  for _ in 1 2 3 4 5 6 7 8 9; do
    rm -rf "$HOME/.config" "$XDG_DATA_HOME"
    # The night colours kept from the last run: the title page in them.
    if [ "$who" = night ]; then
      mkdir -p "$XDG_CONFIG_HOME/Cipherly"
      printf '[Defaults]\nNightColours=True\n' >"$XDG_CONFIG_HOME/Cipherly/Cipherly.conf"
    fi
    if [ "$who" = plain ]; then first_window "$plain"; else
      cd "$work/play"; first_window "$exe"; cd - >/dev/null; fi
    walls+=("$wall") cpus+=("$cpu")
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
  done
  eval "${who}_wall=$(printf '%s\n' "${walls[@]}" | median) ${who}_cpu=$(printf '%s\n' "${cpus[@]}" | median)"
done
echo "  plain window $plain_wall ms ($plain_cpu), Cipherly's title page $game_wall ms ($game_cpu):" \
  "$(awk "BEGIN { printf \"%.2fx (processor %.2fx)\", $game_wall / $plain_wall, $game_cpu / ($plain_cpu > 0 ? $plain_cpu : 1) }")"
echo "  in night colours $night_wall ms ($night_cpu):" \
  "$(awk "BEGIN { printf \"%.2fx the plain window, %.2fx the day colours\", $night_wall / $plain_wall, $night_wall / $game_wall }")"

echo "Wakeups a second while nothing changes:"
"$plain" >/dev/null 2>&1 & pid=$!; pids+=("$pid")
win=$(wait_window --pid "$pid")
xretry xdotool mousemove --window "$win" 200 250
echo "  plain window, the pointer on its button:  $(wakeups "$pid" 3)"
kill "$pid"
to_lobby
xretry xdotool mousemove --window "$lobby" 475 400
echo "  Cipherly's lobby, the pointer on Quit:    $(wakeups "$pid" 3)"
kill "$pid"; wait "$pid" 2>/dev/null || true
rm -rf "$HOME/.config"
launch "$work/play" "$exe"
title=$(wait_window --pid "$pid")
xretry xdotool mousemove 1000 700
echo "  the title page:                           $(wakeups "$pid" 3)"
keys "$title" alt+c
wait_window --name 'New User Overview' >/dev/null
xretry xdotool mousemove 1000 700
echo "  the welcome screen over the title page:   $(wakeups "$pid" 3)"
