#!/usr/bin/env bash
# A blind player with Orca, Debian's screen reader, running before the game
# starts and for the whole session, as a player has it; what it speaks is
# read from its debug file. The player goes from the title page to a game
# played by keys alone and hears each step: the pages as they open, the
# scrambled quote, a hint, a pair, a pair taken back, the letters unknown,
# the solution so far, and the closing message; a check of the letters that
# makes no hint of the next pair, a blank said as a blank, a pause, Tab past
# an empty letter box, the answer after Solve, the highlighted quote on
# coming back to the list, a menu's first item and the help's topic; a pencil
# letter heard as pencilled; Return on a button; the night colours, the view
# size and the calendar of the days; and the
# letter tiles, tile by tile and word by word, a pair typed on one.
set -euo pipefail
here=$(dirname "$0")
. "$here/../xhelpers.sh"
under_xvfb "$0" "$@"
exe=$1
. "$here/orca_world.sh"

by_ear_to_lobby "Encryption Word Game" "Welcome! Are you a new user" "Quote list" "$exe"

echo "-- a game by keys alone"
keys "$lobby" alt+s
hear "Solving a quote" "the solve panel"
hear "Scrambled letter" "the first letter box"
opened=$mark
keys "$lobby" shift+F6
hear "^notification Scrambled quote: [A-Z]" "the scrambled quote"
# The key that opened the panel moved the focus nowhere else: nothing of the
# second box was said before the next key's answer.
if said | sed -n "$((opened + 1)),${mark}p" | grep -q "Stands for"; then fail "the focus went on to the second box"; fi
# The puzzle's boxes are on the way back with Shift+Tab, read with a caret.
keys "$lobby" shift+Tab
sleep 1
keys "$lobby" shift+Tab
hear "^Scrambled quote read only" "the scrambled quote's box"
hear "^[A-Z]+[ ,.;:'!?-]" "the scrambled quote's line"
keys "$lobby" shift+Tab
hear "^Solution so far read only" "the solution's box, its blanks not read as dots"
keys "$lobby" F4
hear "Hint: [A-Z] stands for [A-Z]" "the hint"
hint=$(said | sed -n "${mark}p" | grep -o "Hint: [A-Z] stands for [A-Z]")
cipher=${hint:6:1} plain=${hint:21:1}
wrong=$([ "$plain" = Q ] && echo J || echo Q)
keys "$lobby" "${cipher,,}"
hear "Stands for" "the second letter box"
keys "$lobby" "${wrong,,}"
hear "$cipher stands for $wrong, [0-9]+ place" "the pair placed"
keys "$lobby" ctrl+z
hear "Undone: $cipher stands for $plain" "the pair taken back"
keys "$lobby" "${cipher,,}" space
hear "^notification $cipher taken back" "the hint's letter taken back"
keys "$lobby" "${cipher,,}" space
hear "^notification $cipher has no letter yet" "a blank typed on a blank"
# Letters checked (a hint that gives no letter); the next pair is a pair.
keys "$lobby" F3
hear "letters? you have placed|No letters are placed" "the letters checked"
answer "$lobby" Return || fail "the message of the check did not close"
keys "$lobby" "${cipher,,}" "${wrong,,}"
hear "$cipher stands for $wrong" "the pair after the check"
if said | sed -n "${mark}p" | grep -q "Hint"; then fail "a pair after Check My Letters was called a hint"; fi
keys "$lobby" F9
hear "Paused" "the pause"
keys "$lobby" F6
hear "The game is paused" "the puzzle kept hidden while paused"
keys "$lobby" F9
hear "Going on" "going on"
# Tab from the empty first box goes to the control Orca names next.
keys "$lobby" Tab
hear "push button" "the control after the letter boxes"
if said | tail -n +$((mark - 2)) | grep -q "Stands for"; then fail "Tab stopped at the second box"; fi
keys "$lobby" F7
hear "letters? unknown" "the letters still unknown"
keys "$lobby" F6
hear "Solution so far: " "the solution so far"
# A pencil letter is heard back as pencilled.
keys "$lobby" F7
hear "letters? unknown: [A-Z]" "the letters unknown"
unknown=$(said | sed -n "${mark}p" | grep -o "unknown: [A-Z]" | cut -c10)
keys "$lobby" shift+Tab
hear "Scrambled letter" "the first letter box again"
keys "$lobby" ctrl+t
hear "Pencil marks on" "pencil marks on"
keys "$lobby" "${unknown,,}" e
hear "^notification $unknown pencilled as E" "a letter pencilled"
keys "$lobby" F6
hear "^notification Solution so far: .*pencilled E" "the pencil letter read back as pencilled"
keys "$lobby" ctrl+t
hear "Pencil marks off" "pencil marks off"
# The letter tiles: the tile under the cursor said, tile by tile and word
# by word, and a pair typed there told as from the letter boxes.
keys "$lobby" ctrl+l
hear "^Letter tiles" "the tiles, with the keyboard"
hear "^notification [A-Z], [0-9]+ places?, (no letter yet|stands for [A-Z])" "the tile under the cursor"
keys "$lobby" Right
hear "^notification [A-Z], [0-9]+ places?," "the next tile"
tile=$(said | sed -n "${mark}p" | sed 's/^notification //')
keys "$lobby" Tab
hear "^notification Word [A-Z]" "the next word"
keys "$lobby" "${wrong,,}"
hear "^notification [A-Z] stands for $wrong" "a pair typed on a tile"
keys "$lobby" ctrl+l
hear "^notification Letter tiles off" "the tiles switched off"
keys "$lobby" F8
hear "See the solved message below" "the closing message"
hear "The answer: " "the answer in words"
keys "$lobby" Escape
hear "^FOUR SCORE AND SEVEN" "the highlighted quote, back in the list"
# The Menu key opens the list's menu on its first item, and nothing after
# it sounds as if the menu had closed.
keys "$lobby" Menu
hear "^Import Quotes" "the menu's first item"
sleep 1
if said | tail -n +$((mark + 1)) | grep -q "frame"; then fail "the window was named after the menu's item"; fi
keys "$(xdotool getwindowfocus)" Escape
wait_until '[ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -eq 1 ]' || fail "the menu stayed"
keys "$lobby" F1
hear "The Main Lobby is where" "the help topic"
if said | grep -qi "middle dot"; then fail "a dot was read out"; fi
# A question's answer offered is heard whole (the list's menu, Print a
# Worksheet).
keys "$(xdotool getwindowfocus)" Escape
wait_until '[ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -eq 1 ]' || fail "the help stayed"
keys "$lobby" Menu
hear "^Import Quotes" "the menu again"
keys "$(xdotool getwindowfocus)" w
hear "^Print a Worksheet dialog" "the worksheet's question"
keys "$(xdotool getwindowfocus)" Tab
hear "^OK push button" "the question's OK button"
keys "$(xdotool getwindowfocus)" shift+Tab
hear "^Offered: 10;" "the number of puzzles offered"
# Return presses the lobby's button that has the focus.
keys "$(xdotool getwindowfocus)" Escape
wait_until '[ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -eq 1 ]' || fail "the question stayed"
heard=
# Each Tab waits for the control it reaches to be said, so that a slow Orca's
# word for the button before never stands for the one the focus is on.
for _ in $(seq 12); do
  keys "$lobby" Tab
  listen "push button|text\.|Quote list" 15 || continue
  said | sed -n "${mark}p" | grep -q "^Solve a Random Quote On-Screen push button" && { heard=yes; break; }
done
[ -n "$heard" ] || fail "Tab never reached the button that solves a quote"
keys "$lobby" Return
hear "Solving a quote" "the game started by Return"
# The night colours switched on and off, each said.
keys "$lobby" ctrl+shift+n
hear "Night colours on" "the night colours switched on"
keys "$lobby" ctrl+shift+n
hear "Night colours off" "the night colours switched off"
# The view size changed at once, said; the window is made anew at each size.
keys "$lobby" ctrl+plus
hear "View size 125 %" "the larger view"
lobby=$(wait_window --name '^ Cipherly') || fail "no lobby at 125 %"
keys "$lobby" ctrl+0
hear "View size 100 %" "the designed view"
lobby=$(wait_window --name '^ Cipherly') || fail "no lobby at 100 %"
# The days of Today's Quote: the calendar read as it opens and as the
# arrows move, and the day chosen played and named.
keys "$lobby" Escape
hear "^FOUR SCORE AND SEVEN" "the list after the game"
keys "$lobby" ctrl+shift+d
hear "Today's Quote, day by day" "the calendar"
keys "$(xdotool getwindowfocus)" Left
hear ", #[0-9]+: not played yet" "the day before, read"
keys "$(xdotool getwindowfocus)" Return
hear "Solving Today's Quote of" "the day's game, named"
# A keyed puzzle from the list's menu, told as keyed; solved, its keyword asked.
keys "$lobby" Escape
hear "^FOUR SCORE AND SEVEN" "the list after the day's game"
keys "$lobby" Menu
hear "^Import Quotes" "the list's menu"
keys "$(xdotool getwindowfocus)" k
hear "Solving a quote, its key a keyed alphabet \(K[123]\)" "the keyed game, told as keyed"
keys "$lobby" F8
hear "Its key is a keyed alphabet \\(K[123]\\)" "the keyword asked"
echo "1 passed, 0 failed"
