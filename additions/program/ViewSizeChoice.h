#pragma once

#include "Addition.h"

class Announcer;

// The view size: every window of the game shown larger (125 %, 150 %,
// 200 %), at its designed size (100 %), or as the desktop scales it. Chosen
// in either menu or with Ctrl++, Ctrl+- and Ctrl+0, it is applied at once to
// every open window and kept for the next start.
class ViewSizeChoice : public Addition {
    Q_OBJECT
public:
    explicit ViewSizeChoice(LobbySeam &lobby);

    // One size up or down from the size chosen (the desktop's counts as
    // 100 %), back to the desktop's (0), or to the designed size (Designed).
    static constexpr int Designed = 2;
    void choose(int step);
    static int Stepped(int size, int step);

private:
    Announcer *m_announcer = nullptr;
};
