#include "LobbyAddition.h"

#include "frmMain.h"

QObject *Owner(frmMain &lobby) {
    return &lobby;
}

const QObject *Owner(const frmMain &lobby) {
    return &lobby;
}

QWidget *Window(frmMain &lobby) {
    return &lobby;
}
