#pragma once

#include "Addition.h"

// The helpers' tip, an addition to the lobby: every helper is off until the
// player wants it, and found in the right-click menus; a first game tells,
// once, where they are and their keys (not with a screen reader, which the
// help serves instead). The player may keep the tip for the next game. It
// hangs on the lobby's game start only.
class HelperTip : public BoardAddition {
    Q_OBJECT
public:
    HelperTip(LobbySeam &lobby, BoardSeam &board);

    static QString Text();

private:
    void gameStarted();
    bool m_told = false; // once a run, whatever the setting
};
