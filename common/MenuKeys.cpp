#include "MenuKeys.h"

#include <QMenu>
#include <QTimer>

void StandOnFirstItem(QMenu &menu) {
    // Once the menu is on show and the desktop has told its window's news
    // (an item stood on before that news is followed by the window's name,
    // as if the menu had closed); an item the player has reached meanwhile
    // stays where it is.
    QTimer::singleShot(200, &menu, [&menu] {
        if (menu.activeAction()) return;
        for (QAction *a : menu.actions())
            if (a->isEnabled() && a->isVisible() && !a->isSeparator())
                return menu.setActiveAction(a);
    });
}
