#pragma once

class QWidget;
class frmMain;

// The additions beyond the design, each hung on the lobby's seams by an
// object of its own: quote collections, the solver's aids, statistics,
// choosing the quote, keeping the game for later and taking pairs back.
// Without them the lobby is the design, and the lobby itself knows none of
// them.

// The lobby with every addition hung on it: what the program opens.
frmMain *NewLobby(QWidget *parent = nullptr);
