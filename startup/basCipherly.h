#pragma once

#include <QString>

// The program's start-up.
namespace basCipherly {

// Refuses a second running copy, fixes the quote file's name, prepares the
// printer and opens the first window. Returns false when the program must end
// at once (another copy is running); otherwise the windows drive the program.
bool Main();

// The folder the list named `listName` lives in: beside the program for a
// portable copy, else the player's data folder.
QString ListFolderFor(const QString &listName);
// The player's quote list, where the game keeps it: for work done without a
// window (a worksheet). Reads it only where it is; nothing is moved.
QString QuoteListPath();

// The text of the second-copy refusal.
extern const char *const AlreadyRunningTitle;
// A request for a copy already running on the same list ("daily
// 2027-01-15"): handed to it there, in place of the refusal; none by default.
extern QString HandOver;

} // namespace basCipherly
