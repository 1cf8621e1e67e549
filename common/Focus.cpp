#include "Focus.h"

#include <QWidget>

namespace {

bool canTake(const QWidget *w, const QWidget *window) {
    return w && w->window() == window && w->isVisible() && w->isEnabled() &&
           w->focusPolicy() != Qt::NoFocus;
}

} // namespace

void RestoreFocus(QWidget *window, QWidget *had) {
    if (!window || !window->isEnabled()) return;
    if (QWidget *now = window->focusWidget(); now && now != window && canTake(now, window)) return;
    if (canTake(had, window)) {
        had->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if (canTake(w, window) && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
}
