#pragma once

#include "Addition.h"

// The view size: every window of the game shown larger (125 %, 150 %,
// 200 %), at its designed size (100 %), or as the desktop scales it. Chosen
// in either menu or with Ctrl++ and Ctrl+-, it takes effect at the next
// start, as the toolkit sets a scale once (the player is told so).
class ViewSizeChoice : public Addition {
    Q_OBJECT
public:
    explicit ViewSizeChoice(LobbySeam &lobby);

    // One size up or down from the size chosen (the desktop's counts as
    // 100 %), or back to the desktop's (0).
    void choose(int step);
    static int Stepped(int size, int step);
};
