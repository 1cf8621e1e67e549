#pragma once

#include "GameRecord.h"

#include <QDate>
#include <QHash>
#include <optional>

// What the record tells of each day of Today's Quote: how far its puzzle
// got, and the game that solved it.
namespace stats {

enum class DayState { NotPlayed, Started, SolvedLater, SolvedOnDay };

struct DayResult {
    DayState state = DayState::NotPlayed;
    // The first game that solved the day's puzzle, when one did.
    std::optional<Game> solved;
};

// Each day a game of the record was of; a day played on the day it was
// solved counts as solved on its day, even if it was solved later again.
QHash<QDate, DayResult> DaysOf(const QList<Game> &games);
// One day's result: not played for a day the record never played.
DayResult DayOf(const QList<Game> &games, const QDate &day);

} // namespace stats
