#pragma once

#include "LobbySeam.h"

class frmMain;

// The lobby's mode (the quote list, adding or editing a quote, printing a
// scrambled quote, solving one on screen), held here and nowhere else: no
// code reads the mode back from the widgets. arrange() is the one place that
// shows, hides, places and colours the controls for it.
class LobbyMode {
public:
    using Mode = LobbySeam::Mode;

    explicit LobbyMode(frmMain &lobby) : m_lobby(lobby) {}

    Mode current() const { return m_mode; }
    bool is(Mode m) const { return m_mode == m; }
    // Adding or editing a quote.
    bool editing() const { return is(Mode::Add) || is(Mode::Edit); }

    // The mode from now on; the controls follow at the next arrange().
    void set(Mode m) { m_mode = m; }
    // Shows, hides, places and colours the controls for the current mode,
    // and sets the help topic of the mode. Within the solve mode, a game
    // that is over shows its end.
    void arrange();

private:
    frmMain &m_lobby;
    Mode m_mode = Mode::List;
    Mode m_arranged = Mode::List; // what the controls show now
};

// A read-only flag that holds in one mode: the lobby's IsAdding and IsEditing.
class ModeFlag {
public:
    ModeFlag(const LobbyMode &mode, LobbyMode::Mode which) : m_mode(mode), m_which(which) {}
    operator bool() const { return m_mode.is(m_which); }

private:
    const LobbyMode &m_mode;
    LobbyMode::Mode m_which;
};
