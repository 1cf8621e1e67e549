#pragma once

#include "PuzzleKind.h"

#include <QDate>
#include <QString>

#include <optional>

// Today's Quote: one puzzle a day, the same quote and the same key for every
// player of this version on that date, from a collection that comes with the
// game (chosen at build time, easier on Mondays, harder on Sundays), not
// from the player's list.
namespace play {

// The first day there is a quote of the day.
QDate FirstDailyDate();
// How many days the collection holds before it starts again.
int DailyDays();

// The puzzle of `day`; nothing for a day before the first, or with no
// collection.
std::optional<Puzzle> DailyPuzzle(const QDate &day);

// "2027-01-15": how a day is named on the command line and in the record.
QString DayName(const QDate &day);
// A day named so; an invalid date for anything else. `wellFormed` tells
// whether the name had the form at all (2027-02-29 has it, but is no day).
QDate DayOf(const QString &name, bool *wellFormed = nullptr);

} // namespace play
