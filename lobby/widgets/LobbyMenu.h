#pragma once

#include <QMenu>

// A menu of the lobby. To a screen reader, an item that can carry a tick is
// a check box, said "checked" or "not checked" (a plain menu item with a
// tick is said only when ticked), and every other item as a menu item.
class LobbyMenu : public QMenu {
    Q_OBJECT
public:
    explicit LobbyMenu(QWidget *parent = nullptr);
};
