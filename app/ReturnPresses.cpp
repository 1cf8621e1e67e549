#include "ReturnPresses.h"

#include "KelButton.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

ReturnPresses::ReturnPresses(QWidget *window) : QObject(window) {
    window->installEventFilter(this);
}

// A key the focused control did not take comes on to its window.
bool ReturnPresses::eventFilter(QObject *watched, QEvent *e) {
    if (e->type() != QEvent::KeyPress) return false;
    const auto *key = static_cast<QKeyEvent *>(e);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->isAutoRepeat() ||
        (key->modifiers() & ~Qt::KeypadModifier))
        return false;
    QWidget *focus = static_cast<QWidget *>(watched)->focusWidget();
    KelButton *button = qobject_cast<KelButton *>(focus);
    if (!button && qobject_cast<QAbstractButton *>(focus)) button = m_windowButton;
    if (!button || !button->isVisible() || !button->isEnabled()) return false;
    button->PerformClick();
    return true;
}
