#pragma once

#include "Addition.h"

#include "SolveGame.h"

// Keyed puzzles, an addition to the lobby: "Random Keyed Game" in the list's
// menu plays a quote whose key is a keyed alphabet (K1, K2 or K3, drawn each
// time) of a common keyword; the title says which kind; once the quote is
// solved (or shown with Solve) the player is asked for the keyword and told whether it was right,
// which the record never counts. It registers the kinds (the print panel and
// worksheets offer them too) and hangs on the list's menu and the session's
// end of a game.
class KeyedGames : public BoardAddition {
    Q_OBJECT
public:
    KeyedGames(LobbySeam &lobby, BoardSeam &board);

    void menuRandomKeyedGame_Click();
    // The question after a keyed puzzle is solved, and the answer told.
    void askKeyword();
};
