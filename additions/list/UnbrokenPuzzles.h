#pragma once

#include "Addition.h"

// Puzzles without word breaks, an addition to the lobby: the quote's letters
// only, in groups of five, for a random game or for printing, chosen each
// time from the list's menu. The game is played as any other (boxes, hints,
// taking back, the clock, the record); Explain a Step teaches from letters.
// It registers the kind and hangs on the list's menu.
class UnbrokenPuzzles : public Addition {
    Q_OBJECT
public:
    explicit UnbrokenPuzzles(LobbySeam &lobby);
};
