#pragma once

#include "Addition.h"

#include <QTimer>

class QLabel;

// The clock of a game and its pause. Switched on, the lobby's title bar
// shows the minutes and seconds of the game on show, and the clock stops
// while the window is minimised or another program (a screen lock) has the
// focus. F9, the Pause key or the solve panel's menu pause a game by hand,
// on or off: the puzzle is covered and the clock stands still until the
// player comes back.
class PlayClock : public BoardAddition {
    Q_OBJECT
public:
    PlayClock(LobbySeam &lobby, BoardSeam &board);

    static bool clockOn();
    void menuShowClock_Click();
    void menuPause_Click();
    // The words after the lobby's title now.
    QString titleNote() const;

    QLabel *cover = nullptr;

private:
    void showState();
    void awayChanged(bool away);

    QTimer m_tick;
    bool m_autoPaused = false; // paused because the player went away, not by hand
};
