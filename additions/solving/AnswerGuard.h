#pragma once

#include "Addition.h"

// No answer by accident: switched on, Solve asks "Show the answer?" and
// Finished, Return (Esc) asks "Give up this game?" once the player has
// placed a pair, each with a box to stop asking; and Solve pressed within a
// moment of the game appearing (the second Alt+S of a double press: the
// design gives "&Solve" to both buttons) shows nothing.
class AnswerGuard : public BoardAddition {
    Q_OBJECT
public:
    AnswerGuard(LobbySeam &lobby, BoardSeam &board);

    static bool guardOn();
    void menuAskFirst_Click();

    // How long after a game appears Solve is taken as a double press.
    static constexpr int DoublePressMs = 1500;

private:
    bool mayLeave(LobbySeam::Leaving how);
    bool m_placed = false;
    qint64 m_shownAt = 0;
};
