#pragma once

#include "GameFile.h"
#include "GameRecord.h"

#include <QString>

// A finished game's row in the record of games, written in this one place.
namespace play {

// The row for a game that ended.
stats::Game RowOf(const KeptGame &ended);
// Writes the row of a game that ended into the record of games. With
// `unlessThere`, a row a kill left written already (among the newest) is not
// written again. The reason it could not be written, or empty.
QString RecordGame(const KeptGame &ended, bool unlessThere = false);

} // namespace play
