#pragma once

#include "LetterBox.h"
#include "LobbyControls.h"

#include <QWidget>

// The lobby's controls a player meets, and its board's, found by their names.
inline LobbyControls::Shown Ui(const QWidget &lobby) {
    return LobbyControls::of(lobby);
}
inline LobbyControls::Shown Ui(const QWidget *lobby) {
    return LobbyControls::of(*lobby);
}
