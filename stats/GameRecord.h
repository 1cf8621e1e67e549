#pragma once

#include "GameLimits.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// The record of every game that ended: one row of games.csv in the player's
// data folder for each, with the columns finished (ISO 8601 local date and
// time), seconds, hints, outcome, length and quote (a short hash of the
// quote's text, which tells which quote a game was; rows written before it
// have five columns and count as ever), and for a game of Today's Quote a
// seventh, the day whose puzzle it was (2027-01-15). Rows are appended whole; a row that
// is damaged or foreign is skipped when the record is read.
namespace stats {

enum class Outcome { Solved, Shown, Abandoned };

struct Game {
    // The date and time on the player's clock when the game ended, as the
    // record writes it: a wall-clock time kept without a zone (Qt::UTC), so
    // rows are read without a local-time conversion each (WallClock).
    QDateTime finished;
    qint64 seconds = 0;
    int hints = 0;
    Outcome outcome = Outcome::Abandoned;
    int length = 0;
    QString quote; // QuoteHash of the quote played; empty in rows of the old form
    QDate day;     // the day of a game of Today's Quote; invalid for any other game

    bool operator==(const Game &o) const {
        return finished.date() == o.finished.date() && finished.time() == o.finished.time() &&
               seconds == o.seconds && hints == o.hints && outcome == o.outcome &&
               length == o.length && quote == o.quote && day == o.day;
    }
};

inline const QString Header = QStringLiteral("finished,seconds,hints,outcome,length,quote");
// The header of a record begun before games named their quote.
inline const QString OldHeader = QStringLiteral("finished,seconds,hints,outcome,length");

// Eight hexadecimal digits that tell one quote from another: the same for
// the same words, whatever their case or runs of blanks.
QString QuoteHash(const QString &quote);
// What a game can be at most: a year on one quote, 200 hints.
inline constexpr qint64 MaxSeconds = limits::MaxSeconds;
inline constexpr int MaxHints = limits::MaxHints;
// A game as the record keeps it, from what was played: its time held to
// what a game can be, so that no game played drops out of the record.
Game PlayedGame(const QDateTime &finished, qint64 seconds, int hints, Outcome outcome,
                const QString &quote);
QString OutcomeName(Outcome o);

// A time on the player's clock as the record keeps it (see Game::finished).
QDateTime WallClock(const QDateTime &t);

// $XDG_DATA_HOME/Cipherly/games.csv, by default ~/.local/share/Cipherly/games.csv.
QString RecordPath();
// Replaces the record's place; an empty path restores it (for tests).
void SetRecordPath(const QString &path);

// One row of the record, and a row read back; nothing for a damaged or
// foreign row, or one outside what a game can be (finished more than a day
// after `now`, for one).
QString RowOf(const Game &g);
std::optional<Game> GameOf(const QString &row, const QDateTime &now = QDateTime::currentDateTime());

// Appends a game, making the folder and the header when missing. The reason
// it could not, or empty.
QString AppendGame(const Game &g);

// Every game of the record, oldest first; damaged rows are left out. A record
// that cannot be read (not a regular file, too large) gives no games and
// `problem` says why. The record is read once and kept: later calls read
// only what was added to the file since, and games this program appends are
// added to what is kept.
QList<Game> ReadGames(int *skipped = nullptr, QString *problem = nullptr);

// Empties the record, in one step: the header alone stays. Through a link,
// only a file that starts with the header is written over. The reason it
// could not, or empty.
QString ResetRecord();

} // namespace stats
