#pragma once

#include "GameRecord.h"
#include "SolveGame.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

namespace play {

// A game in progress as the game file keeps it: its quote, key, letters
// placed, hints and seconds so far, and the pairs that can be taken back.
struct KeptGame {
    QDateTime started;
    qint64 seconds = 0;
    qint16 hints = 0;
    QString key, quote, enciphered, progress;
    // The pairs that can be taken back and put back (SolveGame's history
    // text); empty in a game kept before they were.
    QString done, undone;
    // Whether Hint gives letters: not in an expert game.
    bool letterHints = true;
    // The day of a game of Today's Quote; invalid for any other game.
    QDate day;
    // The kind of puzzle the board is laid out as (PuzzleKind::id); empty
    // for the design's, with word breaks.
    QString kind;
    // The quote as written, for a board of another kind; empty otherwise.
    QString original;
    // The player's pencil letters, "XT QH": each scrambled letter with its
    // tentative letter; empty for none.
    QString pencil;
    // A day already solved, played again for fun: it leaves no row in the
    // record of games and counts in no run.
    bool replay = false;
    // A game that ended, kept only until it is in the record: when it ended
    // and how. Invalid for a game in progress.
    QDateTime ended;
    SolveGame::Outcome outcome = SolveGame::Outcome::Abandoned;
    // How many pairs (a scrambled letter and the letter it stands for) are on
    // the board: each pair once, however often its letter stands.
    int pairsPlaced() const;
};

// The most a game file is read of: what the game writes always fits (its
// history of pairs is bounded, SolveGame::HistoryBytes).
inline constexpr int KeptFileLimit = 64 * 1024;

// The state as the file holds it, and the file as a state writes it;
// nothing for a file that is damaged or holds no game that could have been
// played by `now`.
std::optional<KeptGame> ParseGameFile(const QByteArray &bytes,
                                      const QDateTime &now = QDateTime::currentDateTime());
QByteArray FormatGameFile(const KeptGame &s);

// How the record of games names a game's end.
stats::Outcome RecordOutcome(SolveGame::Outcome outcome);

} // namespace play
