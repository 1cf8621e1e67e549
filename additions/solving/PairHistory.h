#pragma once

#include "Addition.h"

// Taking back a pair, an addition to the solve panel: Ctrl+Z takes back the
// last pair placed, Ctrl+Y (or Ctrl+Shift+Z) puts it back. A hint cannot be
// taken back and still counts. It hangs on the lobby's keys and the session,
// whose game keeps the pairs.
class PairHistory : public BoardAddition {
    Q_OBJECT
public:
    PairHistory(LobbySeam &lobby, BoardSeam &board);

    void Undo();
    void Redo();
};
