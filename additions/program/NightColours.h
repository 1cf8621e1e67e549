#pragma once

#include "Addition.h"

class Announcer;

// Night colours: every window of the game in dark colours derived from its
// own, switched on and off at once in either menu or with Ctrl+Shift+N, and
// kept for the next start (where the title page opens in them already).
class NightColours : public Addition {
    Q_OBJECT
public:
    explicit NightColours(LobbySeam &lobby);

    // The choice kept from the last run, before the first window opens.
    static void ApplyAtStart();
    void toggle();

private:
    Announcer *m_announcer = nullptr;
};
