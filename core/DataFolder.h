#pragma once

#include <QString>

// The player's own folder for the game's files: $XDG_DATA_HOME/Cipherly, by
// default ~/.local/share/Cipherly. The quote list, the record of games and
// the game in progress live there.
QString DataFolder();

// A file the game keeps for itself there (the game in progress, the record of
// games) is a regular file of its own, never a link, a folder or a pipe: the
// reason `path` is not, or empty (also when it is missing).
QString KeptFileProblem(const QString &path);

// Sets aside, untouched, each file of `paths` that is not a file of the game's
// own, so that nothing is ever written through it; what the player is told,
// or empty when all is well.
QString SetAsideForeignFiles(const QStringList &paths);
