#!/usr/bin/env bash
# A German player's session with Orca, as the English one but shorter: the
# title page, the welcome screen and the list heard in German, Today's Quote
# started and named, a letter box, a pair placed and a hint, the night
# colours and the view size switched, and the calendar of the days read as
# it opens and as the arrows move.
set -euo pipefail
here=$(dirname "$0")
. "$here/../xhelpers.sh"
under_xvfb "$0" "$@"
exe=$1
. "$here/orca_world.sh"

by_ear_to_lobby "Wortspiel mit Geheimschrift" "Willkommen! Sind Sie neu hier" "Zitatliste" \
  env LANGUAGE=de LANG=de_DE.UTF-8 "$exe"

echo "-- Today's Quote, by keys alone"
keys "$lobby" ctrl+d
hear "Sie lösen das Zitat des Tages vom" "the day's game, named"
hear "Verschlüsselter Buchstabe" "the first letter box"
keys "$lobby" F4
hear "Tipp: [A-Z] steht für [A-Z]" "the hint"
keys "$lobby" ctrl+shift+n
hear "Nachtfarben an" "the night colours switched on"
keys "$lobby" ctrl+shift+n
hear "Nachtfarben aus" "the night colours switched off"
keys "$lobby" ctrl+plus
hear "Ansichtsgröße 125 %" "the larger view"
lobby=$(wait_window --name '^ Cipherly') || fail "no lobby at 125 %"
keys "$lobby" ctrl+0
hear "Ansichtsgröße 100 %" "the designed view"
lobby=$(wait_window --name '^ Cipherly') || fail "no lobby at 100 %"
echo "-- the calendar of the days"
keys "$lobby" Escape
hear "^FOUR SCORE AND SEVEN" "the list after the game"
keys "$lobby" ctrl+shift+d
hear "Zitat des Tages, Tag für Tag\..*Nr\. [0-9]+: begonnen, noch nicht gelöst" "the calendar, today begun"
keys "$(xdotool getwindowfocus)" Left
hear "Nr\. [0-9]+: noch nicht gespielt" "the day before, read"
keys "$(xdotool getwindowfocus)" Return
hear "Sie lösen das Zitat des Tages vom" "the day before's game, named"
echo "1 passed, 0 failed"
