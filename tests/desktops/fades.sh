#!/usr/bin/env bash
# With a compositing manager on X11, every step of every fade reaches the X
# server as a step of its own, as the player sees it: 13 steps for a window
# fading in, 26 for the title page fading out and for the lobby dimming, 17
# for its return and 11 for the last fade when the player quits. And after
# every fade the keys work at once: a window disabled while it fades gets
# its focus back.
set -euo pipefail
here=$(dirname "$0")
. "$here/../xhelpers.sh"
under_xvfb "$0" "$@"
exe=$1 probe=$2
private_world

start_kept "$work/xcompmgr.log" "\"$probe\" compositor" xcompmgr ||
  { cat "$work/xcompmgr.log"; fail "no compositing manager"; }
mkdir -p "$HOME/.config/Cipherly" "$(dirname "$list")"
printf '[Defaults]\nFadeStatus=True\n' >"$HOME/.config/Cipherly/Cipherly.conf"
# Eleven quotes: the last one, highlighted at the start, is the player's own.
for i in $(seq 1 11); do printf '%-200s' "QUOTE NUMBER $(printf '%s' "$i" | tr 0-9 A-J) OF A LIST KEPT FOR THE FADES, LONG ENOUGH TO BE A QUOTE"; done >"$list"

for _ in 1 2 3 4 5; do
  : >"$work/spy.err"
  "$probe" opacity 600 >"$work/opacity.log" 2>"$work/spy.err" & spy=$!; pids+=("$spy")
  # It listens, or the server turned it away and it knocks again.
  wait_until "grep -q ready '$work/spy.err' || ended $spy"
  grep -q ready "$work/spy.err" && break
done
grep -q ready "$work/spy.err" || { cat "$work/spy.err"; fail "the opacity spy did not start"; }
launch "$work/play" "$exe" || fail "the game did not start"

# at NAME VALUE: the window's last opacity, as the spy saw it, is VALUE.
at() { awk -F'\t' -v n="$1" -v v="$2" '$1 == n { last = $2 } END { exit last == v ? 0 : 1 }' "$work/opacity.log"; }
faded_in() { at "$1" 255; }
title=$(wait_window --pid "$pid") || fail "no title page"
welcome=
press_until 'welcome=$(xdotool search --onlyvisible --name "^ Cipherly - New User Overview\$" | head -n1); [ -n "$welcome" ]' \
  "$title" alt+c || fail "no welcome screen"
wait_until "faded_in ' Cipherly - New User Overview'" || fail "the welcome screen did not fade in"
# Space ticks the box that has the focus: only if the keys work after the fade.
keys "$welcome" space
keys "$welcome" alt+c
lobby=$(wait_window --name '^ Cipherly$') || fail "no lobby"
wait_until "faded_in ' Cipherly'" || fail "the lobby did not fade in"
# Up moves the highlight to quote 10, a reserved one, whose editing is refused.
keys "$lobby" Up
keys "$lobby" alt+e
refused=$(wait_window --name '^Reserved$') || fail "the keys went nowhere after the lobby faded in"
keys "$refused" Return
wait_until "no_window --name '^Reserved$'" || fail "the message stayed"
keys "$lobby" F1
help=$(wait_window --name '^Cipherly - Help Window$') || fail "no help window"
wait_until "faded_in 'Cipherly - Help Window'" || fail "the help window did not fade in"
keys "$help" Escape
wait_until "no_window --name '^Cipherly - Help Window$'" || fail "the help window stayed"
wait_until "faded_in ' Cipherly'" || fail "the lobby did not come back"
keys "$lobby" shift+F10 s
stats=$(wait_window --name '^ Cipherly - Statistics$') || fail "no statistics window"
wait_until "faded_in ' Cipherly - Statistics'" || fail "the statistics did not fade in"
keys "$stats" space
wait_until "no_window --name '^ Cipherly - Statistics$'" || fail "Space did nothing after the statistics faded in"
wait_until "faded_in ' Cipherly'" || fail "the lobby did not come back"
keys "$lobby" Escape
question=$(wait_window --name '^(Confirm|Quit Cipherly\?)$') || fail "no quit question"
wait_until "at ' Cipherly' 204" || fail "the lobby did not dim under the question"
keys "$question" alt+y
wait_until "ended $pid" || fail "the game did not end"
wait_until "at ' Cipherly' 0" || true # the spy's last word may lag the game's end
kill "$spy" 2>/dev/null || true

# steps NAME: the distinct opacities the window went through, in order.
steps() {
  awk -F'\t' -v n="$1" '$1 == n { if ($2 != last && !(NR0++ == 0 && $2 == 0)) print $2; last = $2 }' \
    "$work/opacity.log" | tr '\n' ' '
}
# fade FROM TO STEP: the opacities a fade applies, its first tick already a step away.
fade() {
  local a=$1 to=$2 step=$3 out=""
  while [ "$a" -ne "$to" ]; do
    if [ "$1" -lt "$to" ]; then a=$((a + step)); [ "$a" -gt "$to" ] && a=$to
    else a=$((a - step)); [ "$a" -lt "$to" ] && a=$to; fi
    out="$out$a "
  done
  echo "$out"
}
# A window that closes when its fade reaches 0 may be gone before the spy can
# read that last value; every other step must be there.
expect() {
  local name=$1 want=$2 got
  got=$(steps "$name")
  [ "$got" = "$want" ] || [ "${got}0 " = "$want" ] || { cat "$work/opacity.log"; fail "$name went through '$got', not '$want'"; }
  echo "   $name: $(echo "$want" | wc -w) values, as expected"
}

# A window prepared for fading starts at 0 (set before the spy can see it, or
# seen); the title page is opaque until it fades out.
expect 'Cipherly - Encryption Word Game' "$(fade 255 0 10)"
expect ' Cipherly - New User Overview' "$(fade 0 255 20)$(fade 255 0 20)"
expect ' Cipherly' "$(fade 0 255 20)$(fade 255 204 2)$(fade 204 255 3)$(fade 255 204 2)$(fade 204 255 3)$(fade 255 204 2)$(fade 204 0 20)"
expect 'Cipherly - Help Window' "$(fade 0 255 20)$(fade 255 0 20)"
expect ' Cipherly - Statistics' "$(fade 0 255 20)$(fade 255 0 20)"
grep -q '^NewUser=NoShow' "$HOME/.config/Cipherly/Cipherly.conf" ||
  fail "Space did not reach the welcome screen's box after it faded in"
echo "1 passed, 0 failed"
