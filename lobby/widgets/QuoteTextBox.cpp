#include "QuoteTextBox.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QUrl>

void InstallQuoteTextBoxAccessible(); // QuoteTextBoxAccessible.cpp

QuoteTextBox::QuoteTextBox(int index, QWidget *parent) : QPlainTextEdit(parent), m_index(index) {
    InstallQuoteTextBoxAccessible();
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // No scroll bar: it would narrow one box and not the other.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(2);
    connect(this, &QPlainTextEdit::textChanged, this, &QuoteTextBox::enforceMaxLength);
}

namespace {

constexpr QChar SoftBreak = QChar::LineSeparator;

QString withoutSoftBreaks(QString s) {
    return s.remove(SoftBreak);
}

} // namespace

QString QuoteTextBox::wrapAtBlanks(const QString &plain, int columns) {
    if (columns < 1) return plain;
    QString out;
    int line = 0; // characters on the current line
    qsizetype i = 0;
    while (i < plain.size()) {
        if (plain[i] == QLatin1Char('\n')) {
            out += plain[i++];
            line = 0;
            continue;
        }
        qsizetype end = i;
        while (end < plain.size() && plain[end] != QLatin1Char(' ') &&
               plain[end] != QLatin1Char('\n'))
            ++end;
        QString word = plain.mid(i, end - i);
        if (line > 0 && line + word.size() > columns) {
            out += SoftBreak;
            line = 0;
        }
        // A word longer than a whole line is cut where the line ends.
        while (word.size() > columns - line && line == 0 && word.size() > columns) {
            out += word.left(columns) + SoftBreak;
            word = word.mid(columns);
        }
        out += word;
        line += int(word.size());
        // Blanks stay at the end of their line, however many there are.
        while (end < plain.size() && plain[end] == QLatin1Char(' ')) {
            out += plain[end++];
            ++line;
        }
        i = end;
    }
    return out;
}

int QuoteTextBox::designLength(const QString &plain) {
    return int(plain.size() + plain.count(QLatin1Char('\n')));
}

QString QuoteTextBox::text() const {
    QString t = isReadOnly() ? m_shown : toPlainText();
    t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return t;
}

void QuoteTextBox::setText(const QString &text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_shown = t;
    if (isReadOnly())
        layOutLocked();
    else
        setPlainText(t);
}

int QuoteTextBox::columns() const {
    // Measured as the box draws a line: the most characters whose run fits.
    const QFontMetrics fm(font());
    const int room = viewport()->width() - int(2 * document()->documentMargin()) - cursorWidth();
    int n = 1;
    while (n < 1000 && fm.horizontalAdvance(QString(n + 1, QLatin1Char('M'))) <= room)
        ++n;
    return n;
}

void QuoteTextBox::layOutLocked() {
    const QString displayed = wrapAtBlanks(m_shown, columns());
    // Each stored character's place in the document, past the breaks added.
    m_displayedAt.resize(m_shown.size());
    for (int d = 0, i = 0; d < displayed.size() && i < m_shown.size(); ++d)
        if (displayed[d] != SoftBreak) m_displayedAt[i++] = d;
    setPlainText(displayed);
    if (!m_marks.isEmpty()) setMarks(m_marks);
}

int QuoteTextBox::storedIndexAt(const QPoint &viewportPoint) const {
    if (!isReadOnly()) return -1;
    const int nearest = cursorForPosition(viewportPoint).position();
    const int end = document()->characterCount() - 1;
    // The point lies in the cell of the character before or after the cursor.
    for (int q : {nearest - 1, nearest}) {
        if (q < 0 || q >= end) continue;
        QTextCursor from(document()), to(document());
        from.setPosition(q);
        to.setPosition(q + 1);
        const QRect a = cursorRect(from), b = cursorRect(to);
        if (a.top() != b.top()) continue; // a line break, no character
        if (!QRect(a.left(), a.top(), b.left() - a.left(), a.height()).contains(viewportPoint))
            continue;
        const auto it = std::lower_bound(m_displayedAt.cbegin(), m_displayedAt.cend(), q);
        if (it != m_displayedAt.cend() && *it == q) return int(it - m_displayedAt.cbegin());
    }
    return -1;
}

void QuoteTextBox::setMarks(const QMap<int, QColor> &marks) {
    m_marks = marks;
    QList<QTextEdit::ExtraSelection> shown;
    shown.reserve(marks.size());
    for (auto it = marks.cbegin(); it != marks.cend(); ++it) {
        const int i = it.key();
        if (i < 0 || i >= m_displayedAt.size()) continue;
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(document());
        mark.cursor.setPosition(m_displayedAt[i]);
        mark.cursor.setPosition(m_displayedAt[i] + 1, QTextCursor::KeepAnchor);
        mark.format.setBackground(it.value());
        shown << mark;
    }
    setExtraSelections(shown);
}

void QuoteTextBox::setPointing(bool on) {
    if (on == m_pointing) return;
    m_pointing = on;
    viewport()->setMouseTracking(on);
    if (!on && m_hovered >= 0) {
        m_hovered = -1;
        emit letterHovered(-1);
    }
}

void QuoteTextBox::mousePressEvent(QMouseEvent *e) {
    m_pressed =
        m_pointing && e->button() == Qt::LeftButton ? storedIndexAt(e->position().toPoint()) : -1;
    QPlainTextEdit::mousePressEvent(e);
}

void QuoteTextBox::mouseReleaseEvent(QMouseEvent *e) {
    // A click on a letter: pressed and let go on it. A drag still selects.
    const int pressed = std::exchange(m_pressed, -1);
    QPlainTextEdit::mouseReleaseEvent(e);
    if (pressed >= 0 && e->button() == Qt::LeftButton &&
        storedIndexAt(e->position().toPoint()) == pressed && !textCursor().hasSelection())
        emit letterClicked(pressed);
}

void QuoteTextBox::mouseMoveEvent(QMouseEvent *e) {
    if (m_pointing) {
        const int at = storedIndexAt(e->position().toPoint());
        if (at != m_hovered) emit letterHovered(m_hovered = at);
    }
    QPlainTextEdit::mouseMoveEvent(e);
}

bool QuoteTextBox::viewportEvent(QEvent *e) {
    if (e->type() == QEvent::Leave && m_hovered >= 0) emit letterHovered(m_hovered = -1);
    return QPlainTextEdit::viewportEvent(e);
}

Qt::FocusPolicy QuoteTextBox::ownFocusPolicy() const {
    // A locked box gives a focus it gets away again (to the list): Tab passes
    // it by, a click still reaches it.
    return isReadOnly() && !m_readableByKeys ? Qt::ClickFocus : Qt::StrongFocus;
}

void QuoteTextBox::setReadableByKeys(bool on) {
    m_readableByKeys = on;
    setFocusPolicy(ownFocusPolicy());
    if (isReadOnly())
        setTextInteractionFlags(on ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                   : Qt::TextSelectableByMouse);
}

void QuoteTextBox::setLocked(bool locked) {
    if (locked == isReadOnly()) return;
    const QString t = text();
    setReadOnly(locked);
    setReadableByKeys(m_readableByKeys);
    setLineWrapMode(locked ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    setText(t);
}

void QuoteTextBox::resizeEvent(QResizeEvent *e) {
    QPlainTextEdit::resizeEvent(e);
    if (isReadOnly()) layOutLocked();
}

QMimeData *QuoteTextBox::createMimeDataFromSelection() const {
    if (!isReadOnly()) return QPlainTextEdit::createMimeDataFromSelection();
    // A locked box breaks its lines itself; what is copied is the text as it
    // is stored, without those breaks.
    const QTextCursor cursor = textCursor();
    const QString raw = document()->toRawText();
    QString copied = withoutSoftBreaks(
        raw.mid(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()));
    copied.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    auto *data = new QMimeData;
    data->setText(copied);
    return data;
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
    // A locked box that is read by keys is where the player wants to be.
    if (!(isReadOnly() && m_readableByKeys)) emit gotFocus(m_index);
}

void QuoteTextBox::keyPressEvent(QKeyEvent *e) {
    emit keyDown(m_index, e->key(), e->modifiers());
    // A copy: taking the key may end the typing, and the taker with it.
    if (const auto taker = m_keyTaker; taker && taker(e->key(), e->modifiers())) {
        e->accept();
        return;
    }
    // Function keys and Esc belong to the window.
    if ((e->key() >= Qt::Key_F1 && e->key() <= Qt::Key_F35) || e->key() == Qt::Key_Escape) {
        e->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

QString QuoteTextBox::pastableText(const QMimeData *source) {
    // A clipboard can hold nothing at all (a fresh session), or only a
    // picture; then nothing is pasted. Rich text and addresses paste as the
    // text they read as.
    if (!source) return {};
    if (source->hasText()) return source->text();
    if (source->hasHtml()) return QTextDocumentFragment::fromHtml(source->html()).toPlainText();
    if (source->hasUrls()) {
        QStringList urls;
        for (const QUrl &u : source->urls())
            urls << u.toDisplayString(QUrl::PreferLocalFile);
        return urls.join(QLatin1Char(' '));
    }
    return {};
}

bool QuoteTextBox::canInsertFromMimeData(const QMimeData *source) const {
    return !isReadOnly() && !pastableText(source).isEmpty();
}

void QuoteTextBox::insertFromMimeData(const QMimeData *source) {
    // Qt itself is never handed the source: it fails on one without text.
    QString incoming = pastableText(source);
    if (incoming.isEmpty() || isReadOnly()) return;
    incoming.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    incoming.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (m_maxLength <= 0) {
        textCursor().insertText(incoming);
        return;
    }
    // Only what still fits goes in; a pasted line break counts as two.
    const QString selected =
        textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
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
    // Only what the player types is held to the maximum; a locked box shows
    // whatever the program puts into it.
    if (m_maxLength <= 0 || m_enforcing || isReadOnly()) return;
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
    while (designLength(plain) > m_maxLength)
        plain.chop(1);
    setPlainText(plain);
    cursor = textCursor();
    cursor.setPosition(qMin(position, int(plain.size())));
    setTextCursor(cursor);
    m_enforcing = false;
}
