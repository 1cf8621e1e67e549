#include "PairHistory.h"

PairHistory::PairHistory(LobbySeam &lobby, BoardSeam &board)
    : BoardAddition(lobby, board, QStringLiteral("pairHistory")) {
    lobby.addKey(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { Undo(); });
    for (const QKeySequence &key :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
        lobby.addKey(key, [this] { Redo(); });
}

void PairHistory::Undo() {
    if (board.onShow() && board.game().canUndo()) board.session().undo();
}

void PairHistory::Redo() {
    if (board.onShow() && board.game().canRedo()) board.session().redo();
}
