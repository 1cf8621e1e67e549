#include "LetterStrip.h"

#include <QPainter>

const QColor LetterStrip::Ink(0, 64, 0);
const QColor LetterStrip::Faint(0, 64, 0, 80);
const QColor LetterStrip::Conflict(200, 0, 0);

LetterStrip::LetterStrip(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LetterStrip::setEntries(const QList<SolveGame::StripEntry> &entries) {
    m_entries = entries;
    update();
}

QRect LetterStrip::cell(int index) const {
    const int left = index * width() / 26, right = (index + 1) * width() / 26;
    return QRect(left, 0, right - left, height());
}

void LetterStrip::paintEvent(QPaintEvent *) {
    QPainter p(this);
    QFont letter(QStringLiteral("Arial"));
    letter.setPixelSize(qMax(7, height() / 2 - 1));
    letter.setBold(true);
    QFont small = letter;
    small.setBold(false);
    small.setPixelSize(qMax(6, letter.pixelSize() - 2));
    const int half = height() / 2;
    for (int k = 0; k < m_entries.size() && k < 26; ++k) {
        const SolveGame::StripEntry &e = m_entries[k];
        const QRect c = cell(k).adjusted(0, 0, -1, -1);
        p.setPen(QColor(0, 64, 0, 60));
        p.setBrush(QColor(255, 255, 255, e.conflict ? 200 : 140));
        p.drawRect(c);
        const QColor ink = e.count ? Ink : Faint;
        // The cipher letter, with its count beside it.
        p.setPen(ink);
        p.setFont(letter);
        const QRect top(c.left() + 1, c.top(), c.width() - 1, half);
        p.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, QString(e.cipher));
        p.setFont(small);
        p.drawText(top.adjusted(0, 0, -1, 0), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(e.count));
        // The plain letter given to it, or the unsolved mark.
        p.setFont(letter);
        p.setPen(e.conflict ? Conflict : ink);
        const QRect bottom(c.left(), c.top() + half, c.width(), c.height() - half);
        p.drawText(bottom, Qt::AlignCenter,
                   e.plain.isNull() ? QString(SolveGame::Unsolved) : QString(e.plain));
        if (e.conflict)
            p.drawLine(bottom.left() + 3, bottom.bottom(), bottom.right() - 3, bottom.bottom());
    }
}
