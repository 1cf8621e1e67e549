#pragma once

#include "Addition.h"

#include "SolveGame.h"

#include <QObject>
#include <functional>

// Statistics, an addition to the lobby: every game that ends becomes a row of
// the record of games, and "Statistics..." in the quote list's menu opens the
// statistics window over the lobby. It hangs on the session's end of a game
// and the list's menu only.
class GameStatistics : public BoardAddition {
    Q_OBJECT
public:
    GameStatistics(LobbySeam &lobby, BoardSeam &board);

    // Adds the game that just ended to the record.
    void RecordGame();
    void menuStatistics_Click();
    // Opens the statistics window modally; replaceable in tests.
    std::function<void(QWidget *)> showStatistics;

private:
    bool m_told = false; // a record that cannot be kept is told once a run
};
