#include "QuoteTextBox.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

QuoteTextBox::QuoteTextBox(int index, QWidget *parent) : QPlainTextEdit(parent), m_index(index) {
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    document()->setDocumentMargin(2);
    connect(this, &QPlainTextEdit::textChanged, this, &QuoteTextBox::enforceMaxLength);
}

int QuoteTextBox::designLength(const QString &plain) { return int(plain.size() + plain.count(QLatin1Char('\n'))); }

QString QuoteTextBox::text() const {
    QString t = toPlainText();
    t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return t;
}

void QuoteTextBox::setText(const QString &text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(t);
}

void QuoteTextBox::setBackColor(const QColor &c) {
    QPalette p = palette();
    p.setColor(QPalette::Base, c);
    setPalette(p);
}

void QuoteTextBox::setForeColor(const QColor &c) {
    QPalette p = palette();
    p.setColor(QPalette::Text, c);
    setPalette(p);
}

void QuoteTextBox::focusInEvent(QFocusEvent *e) {
    QPlainTextEdit::focusInEvent(e);
    emit gotFocus(m_index);
}

void QuoteTextBox::keyPressEvent(QKeyEvent *e) {
    emit keyDown(m_index, e->key(), e->modifiers());
    // Function keys and Esc belong to the window.
    if ((e->key() >= Qt::Key_F1 && e->key() <= Qt::Key_F35) || e->key() == Qt::Key_Escape) {
        e->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void QuoteTextBox::insertFromMimeData(const QMimeData *source) {
    if (!source || !source->hasText() || m_maxLength <= 0) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // Only what still fits goes in; a pasted line break counts as two.
    QString incoming = source->text();
    incoming.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    incoming.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QString selected = textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    int room = m_maxLength - designLength(toPlainText()) + designLength(selected);
    QString fits;
    for (QChar c : incoming) {
        const int cost = c == QLatin1Char('\n') ? 2 : 1;
        if (cost > room) break;
        fits += c;
        room -= cost;
    }
    textCursor().insertText(fits);
}

void QuoteTextBox::enforceMaxLength() {
    if (m_maxLength <= 0 || m_enforcing) return;
    QString plain = toPlainText();
    if (designLength(plain) <= m_maxLength) return;
    m_enforcing = true;
    // Typing past the end is refused: cut the characters just added.
    QTextCursor cursor = textCursor();
    int position = cursor.position();
    while (designLength(plain) > m_maxLength && position > 0) {
        plain.remove(position - 1, 1);
        --position;
    }
    while (designLength(plain) > m_maxLength) plain.chop(1);
    setPlainText(plain);
    cursor = textCursor();
    cursor.setPosition(qMin(position, int(plain.size())));
    setTextCursor(cursor);
    m_enforcing = false;
}
