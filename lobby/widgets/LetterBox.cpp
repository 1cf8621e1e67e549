#include "LetterBox.h"

#include "PlatformKeys.h"

#include <QKeyEvent>

LetterBox::LetterBox(int index, QWidget *parent) : QLineEdit(parent), m_index(index) {
    setMaxLength(1);
    setAlignment(Qt::AlignCenter);
}

bool LetterBox::event(QEvent *e) {
    if (e->type() == QEvent::ShortcutOverride && m_windowKeys &&
        m_windowKeys->contains(QKeySequence(static_cast<QKeyEvent *>(e)->keyCombination()))) {
        e->ignore();
        return true;
    }
    return QLineEdit::event(e);
}

void LetterBox::focusInEvent(QFocusEvent *e) {
    QLineEdit::focusInEvent(e);
    emit gotFocus(m_index);
}

void LetterBox::keyPressEvent(QKeyEvent *e) {
    // Function keys and Esc belong to the window.
    if ((e->key() >= Qt::Key_F1 && e->key() <= Qt::Key_F35) || e->key() == Qt::Key_Escape) {
        e->ignore();
        return;
    }
    // A new letter replaces the one in the box.
    if (!e->text().isEmpty() && e->text()[0].isPrint()) selectAll();
    if (!e->isAutoRepeat() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
        !m_pressed.contains(e->key()))
        m_pressed << e->key();
    QLineEdit::keyPressEvent(e);
}

void LetterBox::keyReleaseEvent(QKeyEvent *e) {
    QLineEdit::keyReleaseEvent(e);
    if (e->isAutoRepeat()) return;
    // The release of a key pressed elsewhere (Alt+S, that opened the panel)
    // or with Ctrl or Alt (Ctrl+Z) is no letter typed here.
    if (!m_pressed.removeOne(e->key())) return;
    emit keyUp(m_index, PlatformKeyCode(e->key(), e->modifiers()));
}
