#pragma once

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
