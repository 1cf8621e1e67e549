#include "LetterBox.h"

#include <QKeyEvent>

LetterBox::LetterBox(int index, QWidget *parent) : QLineEdit(parent), m_index(index) {
    setMaxLength(1);
    setAlignment(Qt::AlignCenter);
}

int LetterBox::keyCode(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;
    if (qtKey == Qt::Key_Space) return 32;
    if (qtKey == Qt::Key_Period) return 190;
    return 0;
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
    QLineEdit::keyPressEvent(e);
}

void LetterBox::keyReleaseEvent(QKeyEvent *e) {
    QLineEdit::keyReleaseEvent(e);
    if (e->isAutoRepeat()) return;
    emit keyUp(m_index, keyCode(e->key()));
}
