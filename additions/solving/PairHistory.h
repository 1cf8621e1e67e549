#pragma once

#include "LobbyAddition.h"

#include <QObject>

class frmMain;

// Taking back a pair, an addition to the solve panel: Ctrl+Z takes back the
// last pair placed, Ctrl+Y (or Ctrl+Shift+Z) puts it back. A hint cannot be
// taken back and still counts. It hangs on the lobby's solution seam; the
// game's state (SolveGame) keeps the pairs.
class PairHistory : public LobbyAddition<PairHistory> {
    Q_OBJECT
public:
    explicit PairHistory(frmMain &lobby);

    void Undo();
    void Redo();

signals:
    // A pair is about to be taken back (`back`) or put back.
    void stepping(bool back);

protected:
    // The letter boxes would take these keys for their own typing.
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
};
