#pragma once

#include "LobbyAddition.h"

#include "GameFile.h"
#include "LatestWriter.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <optional>

class frmMain;

// A game is never lost, an addition to the lobby: the open game (its quote,
// key, letters placed, hints and seconds so far) is kept beside the quote
// list and written anew, safely, after every change. A program that ends,
// however it ends, leaves it; when the lobby next opens the player is asked
// whether to continue it. A game that ends normally leaves nothing behind.
// It hangs on the session of the game only.
class SavedGame : public LobbyAddition<SavedGame> {
    Q_OBJECT
public:
    explicit SavedGame(frmMain &lobby);

    // The file the game is kept in: beside the quote list.
    static QString FileName();

    // The game as the file keeps it.
    using State = play::KeptGame;

    // Writes the game on show, off the window's thread: a save that has not
    // begun gives way to a newer one. Finish() waits until it is on disk.
    void Save();
    // The reason the last save failed, or empty, once every save asked for
    // is done.
    QString Finish();
    // The end of a game, in an order no kill can count twice: the kept game
    // is marked ended before its row goes into the record, and removed after.
    // A kept game found marked at the next start is recorded then, unless
    // its row is there already (Settle).
    void MarkEnded(SolveGame::Outcome outcome);
    // Puts a kept game that ended into the record, once, and removes it;
    // whether `s` was such a game.
    static bool Settle(const State &s);
    // Asks whether to continue a kept game, and continues it or records it
    // as abandoned.
    void OfferToContinue();

private:
    // Asks OfferToContinue once the lobby is on the screen (or after 2 s).
    void AskWhenPlaced(int tries);

    // A save's failure, told once a run.
    void tellFailure(const QString &reason);

    LatestWriter m_writer;
    bool m_told = false; // a game that cannot be kept is told once a run
};
