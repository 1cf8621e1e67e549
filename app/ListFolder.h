#pragma once

#include <QString>
#include <QStringList>

// Where the quote list lives: one place per player, however the game is
// started. That is the player's data folder ($XDG_DATA_HOME/Cipherly), unless
// a list lies beside the program itself in a folder the player can write (an
// unpacked portable copy). A list left in the current folder or the home
// folder by an earlier version is moved there once, links staying links to
// the same file; a move cut short by a kill is finished or undone at the next
// start, so there is never a second list behind the player's back.
namespace ListFolder {

// The folder beside the program when it holds a list the player can write
// there; otherwise the data folder.
QString Choose(const QString &programFolder, const QString &dataFolder, const QString &listName);

struct Outcome {
    QString folder;          // the list's folder
    QString movedFrom;       // the list that was moved into the folder; empty when none
    QStringList leftAlone;   // other lists found, named to the player and not touched
    QString problem;         // why the folder cannot be used; empty when it can
    QString message() const; // what the player is told, or empty
};

// Readies `folder` (made when missing) to hold the list `listName`: an
// interrupted move is finished or undone, the game's own leftovers are
// removed, and when the folder has no list the first of `candidates`
// (folders, in order) that holds one is moved in; any other list the
// candidates hold is then named in `leftAlone`. The caller holds the
// folder's lock. The current folder is not changed.
Outcome Prepare(const QString &folder, const QStringList &candidates, const QString &listName);

// The marker a move across disks keeps until it is complete.
QString MoveMarker(const QString &folder, const QString &listName);

} // namespace ListFolder
