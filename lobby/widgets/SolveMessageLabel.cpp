#include "SolveMessageLabel.h"

#include <QFontMetrics>
#include <QPainter>

SolveMessageLabel::SolveMessageLabel(QWidget *parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A result can be copied; a click on the label still leaves the focus
    // where the player types.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::NoFocus);
}

void SolveMessageLabel::setGapEnd(int x) {
    m_gapEnd = x;
    update();
}

bool SolveMessageLabel::findGap(int &line, qsizetype &runStart, qsizetype &runEnd) const {
    const QStringList lines = text().split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const qsizetype at = lines[i].indexOf(QLatin1String("  "));
        if (at < 0) continue;
        qsizetype end = at;
        while (end < lines[i].size() && lines[i][end] == QLatin1Char(' '))
            ++end;
        if (end == lines[i].size()) continue; // blanks at the end of a line leave no gap
        line = i, runStart = at, runEnd = end;
        return true;
    }
    return false;
}

QList<QRect> SolveMessageLabel::wordRects() const {
    int line = 0;
    qsizetype runStart = 0, runEnd = 0;
    if (!findGap(line, runStart, runEnd)) return {};
    const QString l = text().split(QLatin1Char('\n'))[line];
    const QFontMetrics fm(font());
    const QRect area = contentsRect();
    const int top = area.top() + line * fm.lineSpacing();
    const int after = qMax(area.left() + fm.horizontalAdvance(l.left(runEnd)), m_gapEnd);
    QList<QRect> out;
    qsizetype i = 0;
    while (i < l.size()) {
        while (i < l.size() && l[i] == QLatin1Char(' '))
            ++i;
        qsizetype j = i;
        while (j < l.size() && l[j] != QLatin1Char(' '))
            ++j;
        if (j > i) {
            const int x = i >= runEnd ? after + fm.horizontalAdvance(l.mid(runEnd, i - runEnd))
                                      : area.left() + fm.horizontalAdvance(l.left(i));
            out << QRect(x, top, fm.horizontalAdvance(l.mid(i, j - i)), fm.height());
        }
        i = j;
    }
    return out;
}

void SolveMessageLabel::paintEvent(QPaintEvent *e) {
    int gapLine = 0;
    qsizetype runStart = 0, runEnd = 0;
    if (!findGap(gapLine, runStart, runEnd)) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics fm(font());
    const QRect area = contentsRect();
    const QStringList lines = text().split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int baseline = area.top() + fm.ascent() + i * fm.lineSpacing();
        if (i != gapLine) {
            p.drawText(QPoint(area.left(), baseline), lines[i]);
            continue;
        }
        p.drawText(QPoint(area.left(), baseline), lines[i].left(runStart));
        const int after = qMax(area.left() + fm.horizontalAdvance(lines[i].left(runEnd)), m_gapEnd);
        p.drawText(QPoint(after, baseline), lines[i].mid(runEnd));
    }
}
