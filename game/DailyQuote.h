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

// The collections the quotes of the day come from: English, and German,
// chosen and rated the same way from German quotations, for a game that
// speaks German. Everyone who plays in one language has the same puzzle.
enum class DailyLanguage { English, German };
// The collection of the language the game speaks.
DailyLanguage SpokenDailyLanguage();

// The puzzle of `day`; nothing for a day before the first, or with no
// collection.
std::optional<Puzzle> DailyPuzzle(const QDate &day, DailyLanguage language = SpokenDailyLanguage());

// "2027-01-15": how a day is named on the command line and in the record.
QString DayName(const QDate &day);
// A day named so; an invalid date for anything else. `wellFormed` tells
// whether the name had the form at all (2027-02-29 has it, but is no day).
QDate DayOf(const QString &name, bool *wellFormed = nullptr);

} // namespace play
