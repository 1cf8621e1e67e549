#pragma once

#include "Addition.h"

// Taking back a pair, an addition to the solve panel: Ctrl+Z takes back the
// last pair placed, Ctrl+Y (or Ctrl+Shift+Z) puts it back. A hint cannot be
// taken back and still counts. It hangs on the lobby's keys and the session,
// whose game keeps the pairs.
class PairHistory : public Addition {
    Q_OBJECT
public:
    explicit PairHistory(LobbySeam &lobby);

    void Undo();
    void Redo();
};
