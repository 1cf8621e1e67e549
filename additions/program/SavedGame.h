#pragma once

#include "Addition.h"

#include "GameKeeper.h"

// A game is never lost, an addition to the lobby: the session's open game is
// kept beside the quote list after every change (the game's keeper), and when
// the lobby next opens the player is asked whether to continue it. It hangs
// on the session and the lobby's opening only.
class SavedGame : public BoardAddition {
    Q_OBJECT
public:
    SavedGame(LobbySeam &lobby, BoardSeam &board);

    // The file the game is kept in: beside the quote list.
    static QString FileName() { return play::GameKeeper::FileName(); }
    using State = play::KeptGame;

    // What keeps the session's game on disk.
    play::GameKeeper &keeper() { return m_keeper; }
    // Asks whether to continue a kept game, and continues it or records it
    // as abandoned.
    void OfferToContinue();

private:
    // Asks OfferToContinue once the lobby is on the screen (or after 2 s).
    void AskWhenPlaced(int tries);
    // A save's failure, told once a run.
    void tellFailure(const QString &reason);

    play::GameKeeper m_keeper;
    bool m_told = false; // a game that cannot be kept is told once a run
};
