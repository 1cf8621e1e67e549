#include "LetterStrip.h"

#include "LetterStripAccessible.h"
#include "NightScheme.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>

const QColor LetterStrip::Ink(0, 64, 0);
const QColor LetterStrip::Faint(0, 64, 0, 80);
const QColor LetterStrip::Conflict(200, 0, 0);

LetterStrip::LetterStrip(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    InstallLetterStripAccessible();
}

void LetterStrip::setCurrent(int index) {
    index = qBound(0, index, 25);
    if (index == m_current) return;
    m_current = index;
    update();
    tellCurrent();
}

void LetterStrip::tellCurrent() {
    if (!hasFocus() || !QAccessible::isActive()) return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(LetterStripCellIndex(m_current) + m_column);
    QAccessible::updateAccessibility(&focus);
}

void LetterStrip::moveAlongTheRow(int by) {
    // The table is read a letter a row: left and right go through the
    // letter's cells, then on to the next letter's, and stop at the ends.
    const int cell = qBound(0, m_current * 3 + m_column + by, 26 * 3 - 1);
    m_column = cell % 3;
    if (cell / 3 != m_current)
        setCurrent(cell / 3);
    else
        tellCurrent();
}

void LetterStrip::keyPressEvent(QKeyEvent *e) {
    switch (e->key()) {
    case Qt::Key_Up:
        return setCurrent(m_current - 1);
    case Qt::Key_Down:
        return setCurrent(m_current + 1);
    case Qt::Key_Left:
        return moveAlongTheRow(-1);
    case Qt::Key_Right:
        return moveAlongTheRow(1);
    // The other half of the alphabet, beside this one.
    case Qt::Key_PageUp:
        return setCurrent(m_current - Rows);
    case Qt::Key_PageDown:
        return setCurrent(m_current + Rows);
    case Qt::Key_Home:
        return setCurrent(0);
    case Qt::Key_End:
        return setCurrent(25);
    default:
        QWidget::keyPressEvent(e);
    }
}

void LetterStrip::focusInEvent(QFocusEvent *e) {
    QWidget::focusInEvent(e);
    update();
    // Told once the strip's own focus has been told.
    QTimer::singleShot(0, this, &LetterStrip::tellCurrent);
}

void LetterStrip::focusOutEvent(QFocusEvent *e) {
    QWidget::focusOutEvent(e);
    update();
}

QFont LetterStrip::letterFont() {
    QFont f(QStringLiteral("Arial"), 8);
    f.setBold(true);
    return f;
}

QFont LetterStrip::countFont() {
    return QFont(QStringLiteral("Arial"), 8);
}

void LetterStrip::setEntries(const QList<SolveGame::StripEntry> &entries) {
    m_entries = entries;
    update();
}

void LetterStrip::setFace(Face face) {
    m_face = face;
    update();
}

QRect LetterStrip::cell(int index) const {
    const int column = index / Rows, row = index % Rows;
    const int left = column * width() / 2, right = (column + 1) * width() / 2;
    const int top = row * height() / Rows, bottom = (row + 1) * height() / Rows;
    return QRect(left, top, right - left, bottom - top);
}

void LetterStrip::paintEvent(QPaintEvent *) {
    QPainter p(this);
    const QFont letter = letterFont(), count = countFont();
    const QFontMetrics countMetrics(count, this);
    // The count stands in a field as wide as two digits, right aligned.
    const int countWidth = countMetrics.horizontalAdvance(QStringLiteral("00"));
    // By night the cells dark and the letters light, as every colour here.
    const auto shown = nightscheme::Shown;
    for (int k = 0; k < m_entries.size() && k < 26; ++k) {
        const SolveGame::StripEntry &e = m_entries[k];
        const QRect c = cell(k).adjusted(0, 0, -1, -1);
        p.setPen(shown(QColor(0, 64, 0, 60), QPalette::Text));
        // The plain alphabet on the yellow of the solution it is for.
        p.setBrush(shown(m_face == Face::Plain ? QColor(255, 255, 128, e.conflict ? 220 : 170)
                                               : QColor(255, 255, 255, e.conflict ? 200 : 140),
                         QPalette::Base));
        p.drawRect(c);
        // A cipher letter that never stands, a plain letter already given.
        const bool done = m_face == Face::Cipher ? !e.count : !e.plain.isNull() && !e.conflict;
        const QColor ink = shown(done ? Faint : Ink, QPalette::Text);
        const QRect inside = c.adjusted(3, 0, -3, 0);
        // The cipher letter, its count, and the plain letter given to it.
        p.setPen(ink);
        p.setFont(letter);
        p.drawText(inside, Qt::AlignLeft | Qt::AlignVCenter, QString(e.cipher));
        p.setFont(count);
        const int countLeft = inside.left() + inside.width() / 2 - countWidth;
        p.drawText(QRect(countLeft, inside.top(), countWidth, inside.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(e.count));
        p.setFont(letter);
        p.setPen(e.conflict ? shown(Conflict, QPalette::Text) : ink);
        const QRect given(inside.left() + inside.width() / 2, inside.top(), inside.width() / 2,
                          inside.height());
        p.drawText(given, Qt::AlignRight | Qt::AlignVCenter,
                   e.plain.isNull() ? QString(SolveGame::Unsolved) : QString(e.plain));
        if (e.conflict) {
            const QRect mark = p.fontMetrics().boundingRect(
                given, Qt::AlignRight | Qt::AlignVCenter, QString(e.plain));
            p.drawLine(mark.left(), mark.bottom(), mark.right(), mark.bottom());
        }
    }
    if (hasFocus()) {
        // Where the keys are, as every focused control shows it.
        QStyleOptionFocusRect o;
        o.initFrom(this);
        o.rect = cell(m_current).adjusted(1, 1, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
    }
}
