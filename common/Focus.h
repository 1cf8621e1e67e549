#pragma once

class QWidget;

// Gives the focus back to a window that was enabled again: to `had`, the
// control that held it, where it can still take it, else to the window's
// first control that takes the focus. Disabling a window takes the focus from
// it and enabling it does not give it back, so without this the keys would
// go nowhere.
void RestoreFocus(QWidget *window, QWidget *had);
