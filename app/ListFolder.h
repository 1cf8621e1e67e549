#pragma once

#include <QString>

// Where the quote list lives. Started from a terminal, the game keeps it in
// the current folder, as ever. Started from its menu entry (whose command sets
// CIPHERLY_STARTED_FROM_MENU), the current folder is the home folder, and a
// list loose there is out of place: the game keeps its list in the player's
// data folder instead, and moves a list it finds in the home folder there.
namespace ListFolder {

inline constexpr const char *MenuVariable = "CIPHERLY_STARTED_FROM_MENU";

bool StartedFromMenu();
// $XDG_DATA_HOME/Cipherly, by default ~/.local/share/Cipherly.
QString DataFolder();

struct Outcome {
    bool moved = false; // a list was carried over from the home folder
    QString problem;    // why the data folder could not be used; empty when it is
};
// Makes `dataFolder` (created when missing) the current folder. A list named
// `listName` in `homeFolder` is moved there when the data folder has none.
// On any failure the current folder and every file stay as they were.
Outcome UseDataFolder(const QString &homeFolder, const QString &dataFolder,
                      const QString &listName);

} // namespace ListFolder
