#pragma once

#include "GameFile.h"
#include "GameRecord.h"

#include <QString>

// A finished game's row in the record of games, written in this one place.
namespace play {

// The row for a game that ended.
stats::Game RowOf(const KeptGame &ended);
// Whether a game that ended was only skipped: left before any move (a pair,
// a hint, even one taken back). A skipped game has no row: it is no game
// played, breaks no run and leaves its quote fresh.
bool Skipped(const KeptGame &ended);
// Writes the row of a game that ended into the record of games (none for a
// skipped one, nor for a day played again). With
// `unlessThere`, a row a kill left written already (among the newest) is not
// written again. The reason it could not be written, or empty.
QString RecordGame(const KeptGame &ended, bool unlessThere = false);

} // namespace play
