#pragma once

#include "LobbyControls.h"

#include <QWidget>

// The lobby's controls, found by their names.
inline LobbyControls Ui(const QWidget &lobby) {
    return LobbyControls::of(lobby);
}
inline LobbyControls Ui(const QWidget *lobby) {
    return LobbyControls::of(*lobby);
}
