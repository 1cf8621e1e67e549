#!/usr/bin/env bash
# A whole session as a player plays it, with the installed program on a real
# X display, driven only through the keyboard and the mouse.
set -euo pipefail
. "$(dirname "$0")/../xhelpers.sh"
under_xvfb "$0" "$@"
build=$1 strings=$2
private_world
step() { echo "-- $*"; }
size() { stat -c %s "$list"; }
record() { dd if="$list" bs=200 skip=$(($1 - 1)) count=1 status=none; }

step "install"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
exe="$work/prefix/games/cipherly"
[ -x "$exe" ] || fail "nothing installed"
grep -q '^Exec=.*cipherly$' "$work/prefix/share/applications/com.example.Cipherly.desktop" || fail "no launcher"
export PATH="$work/prefix/games:$PATH"

start() { launch "$work/play" cipherly || fail "the game did not start"; }
# Starts the game and leaves its title page with Continue.
start_past_title() {
  start
  title=$(wait_window --pid "$pid") || fail "no title page"
  press_until "xdotool search --onlyvisible --name '^ Cipherly( - New User Overview)?\$' >/dev/null 2>&1" \
    "$title" alt+c || fail "the title page did not go"
}
# gone WINDOW: the window has left the screen.
gone() { wait_until "! xdotool getwindowname $1 >/dev/null 2>&1"; }
# Asks to quit from the lobby, answers Yes and sees the program end.
quit_with_yes() {
  keys "$lobby" Escape
  question=$(wait_window --name '^(Confirm|Quit Cipherly\?)$') || fail "no quit question"
  keys "$question" alt+y
  wait_until "ended $pid" || fail "the program did not end"
}

step "first start: title page, welcome screen (ticked), lobby"
start_past_title
welcome=$(wait_window --name '^ Cipherly - New User Overview$') || fail "no welcome screen"
xretry xdotool mousemove --window "$welcome" 20 296 click 1
keys "$welcome" alt+c
lobby=$(wait_window --name '^ Cipherly$') || fail "no lobby"
wait_until '[ -f "$list" ] && [ "$(size)" -eq 2000 ]' || fail "the ten reserved quotes are not on file"
for i in $(seq 1 10); do
  [ "$(record "$i")" = "$(printf '%-200s' "$(cat "$strings/$i.txt")")" ] || fail "record $i"
done

step "add a quote, stored in capitals"
tall=$(height "$lobby")
keys "$lobby" alt+a
wait_until '[ "$(height "$lobby")" -lt "$tall" ]' || fail "edit mode did not open"
xretry xdotool type --delay 20 "the quick brown fox jumps over the lazy dog, near the riverbank"
keys "$lobby" alt+s
wait_until '[ "$(size)" -eq 2200 ]' || fail "the new quote was not stored"
wait_until '[ "$(height "$lobby")" -eq "$tall" ]' || fail "the list did not come back"
[ "$(record 11)" = "$(printf '%-200s' 'THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG, NEAR THE RIVERBANK')" ] || fail "record 11 is not the quote in capitals"

step "delete it again"
xretry xdotool mousemove --window "$lobby" 428 341 click 1
confirm=$(wait_window --name '^Confirm Deletion$') || fail "no confirmation asked"
keys "$confirm" alt+y
wait_until '[ "$(size)" -eq 2000 ]' || fail "the quote was not deleted"

step "play a game to the end with Solve"
keys "$lobby" alt+s
# A first game tells, once, where the helpers are.
tip=$(wait_window --name '^Cipherly$') || fail "a first game did not tell where the helpers are"
keys "$tip" Return
gone "$tip" || fail "the helpers' tip stayed"
keys "$lobby" F8
# The closing message, selected with the mouse as a player copying it would.
message=$(selection "$lobby" 134 137 420 205 '*See the solved message below.*')
case "$message" in *"See the solved message below."*) ;; *) fail "closing message not shown: '$message'" ;; esac
keys "$lobby" Escape

step "print a puzzle with a solution page"
keys "$lobby" alt+p
xretry xdotool mousemove --window "$lobby" 337 105 click 1
keys "$lobby" alt+p
ask=$(wait_window --name '^Cipherly$') || fail "not asked about personalizing"
keys "$ask" alt+n
gone "$ask" || fail "the question stayed"
told=$(wait_window --name '^Cipherly$') || fail "not told where the printout went"
keys "$told" Return
wait_until '[ "$(ls "$HOME/Documents" | wc -l)" -eq 2 ]' || fail "not two PDF files"
puzzle=$(ls "$HOME/Documents"/Cipherly\ puzzle\ *.pdf) || fail "no puzzle page"
solution=$(ls "$HOME/Documents"/Cipherly\ solution\ *.pdf) || fail "no solution page"
pdftotext "$puzzle" - | grep -q 'Solve the scrambled message below...' || fail "puzzle page text"
pdftotext "$solution" - | grep -q "Cipherly's Solution Page--" || fail "solution page heading"
pdftotext "$solution" - | tr -d ' \n' | grep -q 'LINCOLN' || fail "solution page does not hold the quote"
keys "$lobby" alt+f

step "a second copy is refused"
first=$pid
start
refusal=$(wait_window --name '^Terminating\.\.\.$') || fail "no refusal"
keys "$refusal" Return
wait_until "ended $pid" || fail "the second copy did not end"
kill -0 "$first" 2>/dev/null || fail "the first copy died"
pid=$first

step "quit with Yes"
quit_with_yes

step "second start goes straight to the lobby"
start_past_title
lobby=$(wait_window --name '^ Cipherly$') || fail "no lobby"
no_window --name 'New User Overview' || fail "the welcome screen came back"
quit_with_yes
echo "1 passed, 0 failed"
