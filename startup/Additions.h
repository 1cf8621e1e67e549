#pragma once

class QWidget;
class frmMain;

// The additions beyond the design, each hung on the lobby's one seam by an
// object of its own, in the order the menus offer them. Without them the
// lobby is the design, and the lobby itself knows none of them.

// What the additions do before the first window opens: the night colours
// kept from the last run.
void StartAdditions();

// The lobby with every addition hung on it: what the program opens.
frmMain *NewLobby(QWidget *parent = nullptr);
