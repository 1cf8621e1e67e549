#pragma once

#include <QString>

// The player's own folder for the game's files: $XDG_DATA_HOME/Cipherly, by
// default ~/.local/share/Cipherly. The quote list, the record of games and
// the game in progress live there.
QString DataFolder();
