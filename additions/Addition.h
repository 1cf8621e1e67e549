#pragma once

#include "BoardSeam.h"
#include "LobbySeam.h"

#include <QObject>
#include <QString>

// What every addition shares: it lives as long as the lobby it hangs on, and
// reaches the lobby through its seam alone.
class Addition : public QObject {
public:
    Addition(LobbySeam &lobby, const QString &name) : QObject(&lobby), lobby(lobby) {
        setObjectName(name);
    }

protected:
    LobbySeam &lobby;
};

// An addition that acts on a game: it reaches the game, and what is shown of
// it, through the seam of the board it is given; menus and keys are the
// lobby's.
class BoardAddition : public Addition {
public:
    BoardAddition(LobbySeam &lobby, BoardSeam &board, const QString &name)
        : Addition(lobby, name), board(board) {}

protected:
    BoardSeam &board;
};
