#include "PairHistory.h"

PairHistory::PairHistory(LobbySeam &lobby) : Addition(lobby, QStringLiteral("pairHistory")) {
    lobby.addKey(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { Undo(); });
    for (const QKeySequence &key :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
        lobby.addKey(key, [this] { Redo(); });
}

void PairHistory::Undo() {
    if (lobby.is(LobbySeam::Mode::Solve) && lobby.game().canUndo()) lobby.session().undo();
}

void PairHistory::Redo() {
    if (lobby.is(LobbySeam::Mode::Solve) && lobby.game().canRedo()) lobby.session().redo();
}
