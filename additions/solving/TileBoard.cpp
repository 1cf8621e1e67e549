#include "TileBoard.h"

#include "Fonts.h"
#include "QuoteTextBox.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

namespace {

constexpr int Margin = 3;
// The sizes tried, largest first; the smallest is drawn even where a quote
// of many short words would want less.
constexpr int Sizes[] = {12, 11, 10, 9, 8, 7};

} // namespace

TileBoard::TileBoard(QWidget *parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TileBoard::setLook(const Look &look) {
    if (look == m_look) return;
    const bool relayout = look.scrambled != m_look.scrambled;
    m_look = look;
    if (relayout) layOut();
    update();
}

void TileBoard::setColours(const BoardPalette &colours) {
    m_colours = &colours;
    update();
}

void TileBoard::resizeEvent(QResizeEvent *) {
    layOut();
}

void TileBoard::layOut() {
    const QString &text = m_look.scrambled;
    for (const int points : Sizes) {
        m_font = FixedsysFont(points);
        const QFontMetrics fm(m_font);
        const int cellW = fm.horizontalAdvance(QLatin1Char('W')) + 1;
        const int tileH = 2 * fm.height() + 1, lineH = tileH + 2;
        const int columns = qMax(1, (width() - 2 * Margin) / cellW);
        // Lines break only at blanks, as the puzzle boxes break them.
        const QString wrapped = QuoteTextBox::wrapAtBlanks(text, columns);
        m_tiles = QList<QRect>(text.size());
        m_lineOf = QList<int>(text.size());
        int line = 0, column = 0, place = 0;
        for (const QChar c : wrapped) {
            if (c == QChar::LineSeparator) {
                ++line;
                column = 0;
                continue;
            }
            if (c != QLatin1Char(' '))
                m_tiles[place] =
                    QRect(Margin + column * cellW, Margin + line * lineH, cellW - 1, tileH);
            m_lineOf[place] = line;
            ++column;
            ++place;
        }
        if (Margin * 2 + (line + 1) * lineH <= height() || points == Sizes[std::size(Sizes) - 1])
            return;
    }
}

QRect TileBoard::tileRect(int place) const {
    return place >= 0 && place < m_tiles.size() ? m_tiles[place] : QRect();
}

int TileBoard::placeAt(const QPoint &point) const {
    for (int i = 0; i < m_tiles.size(); ++i)
        if (m_tiles[i].contains(point)) return i;
    return -1;
}

int TileBoard::placeOnNextLine(int place, int lines) const {
    if (place < 0 || place >= m_tiles.size()) return -1;
    const int line = m_lineOf[place] + lines, x = m_tiles[place].center().x();
    int best = -1;
    for (int i = 0; i < m_tiles.size(); ++i)
        if (m_lineOf[i] == line && i < m_look.scrambled.size() &&
            isTileLetter(m_look.scrambled[i]) &&
            (best < 0 || qAbs(m_tiles[i].center().x() - x) < qAbs(m_tiles[best].center().x() - x)))
            best = i;
    return best;
}

void TileBoard::paintEvent(QPaintEvent *) {
    QPainter p(this);
    // By night the board's night colours, and the tiles' own white, black
    // and blue made night colours too.
    const bool night = nightscheme::on();
    const BoardPalette &c = night ? BoardPalette::Night() : *m_colours;
    const QColor white = nightscheme::Shown(Qt::white, QPalette::Base);
    const QColor black = nightscheme::Shown(Qt::black, QPalette::Text);
    const QColor blue = nightscheme::Shown(QColor(0, 0, 160), QPalette::Text);
    p.fillRect(rect(), white);
    p.setPen(c.puzzleText);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    QFont bold = m_font;
    bold.setBold(true);
    const int half = QFontMetrics(m_font).height();
    for (int i = 0; i < m_tiles.size() && i < m_look.scrambled.size(); ++i) {
        const QRect tile = m_tiles[i];
        if (tile.isEmpty()) continue;
        const QChar cipher = m_look.scrambled[i];
        const QChar plain = i < m_look.solution.size() ? m_look.solution[i] : QChar();
        const QRect top(tile.left(), tile.top(), tile.width(), half),
            bottom(tile.left(), tile.top() + half + 1, tile.width(), half);
        if (isTileLetter(cipher)) {
            p.fillRect(top, m_look.marks.value(i, c.solutionGround));
            p.fillRect(bottom, m_look.marks.value(i, white));
            p.setPen(c.puzzleText);
            p.drawLine(bottom.topLeft() - QPoint(0, 1), bottom.topRight() - QPoint(0, 1));
            if (plain.isLetter()) {
                const bool pencilled = plain.isLower();
                p.setFont(pencilled ? m_font : bold);
                p.setPen(m_look.clashes.contains(i) ? c.clash
                         : pencilled                ? c.puzzleText.lighter(160)
                                                    : black);
                p.drawText(top, Qt::AlignCenter, QString(plain));
            } else {
                p.setPen(c.puzzleText);
                const int y = top.bottom() - 2;
                p.drawLine(top.left() + 2, y, top.right() - 2, y);
            }
        } else {
            // Punctuation stands in both rows, as the puzzle boxes show it.
            p.setFont(m_font);
            p.setPen(black);
            p.drawText(top, Qt::AlignCenter, QString(cipher));
        }
        p.setFont(m_font);
        p.setPen(c.puzzleText);
        p.drawText(bottom, Qt::AlignCenter, QString(cipher));
    }
    // The cursor: a frame round its tile, bold while the tiles have the focus.
    const QRect at = tileRect(m_look.cursor);
    if (!at.isEmpty()) {
        QPen pen(blue);
        pen.setWidth(hasFocus() ? 2 : 1);
        if (!hasFocus()) pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(at.adjusted(0, 0, -1, -1));
    }
}

void TileBoard::keyPressEvent(QKeyEvent *e) {
    // Function keys and Esc belong to the window.
    if ((e->key() >= Qt::Key_F1 && e->key() <= Qt::Key_F35) || e->key() == Qt::Key_Escape ||
        !keys || !keys(e->key(), e->modifiers())) {
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
}

bool TileBoard::focusNextPrevChild(bool next) {
    // Tab goes word by word while there is a word to go to, then on.
    if (keys && keys(next ? Qt::Key_Tab : Qt::Key_Backtab, {})) return true;
    return QWidget::focusNextPrevChild(next);
}

void TileBoard::mousePressEvent(QMouseEvent *e) {
    setFocus(Qt::MouseFocusReason);
    const int place = placeAt(e->position().toPoint());
    if (place >= 0) emit clicked(place);
}

void TileBoard::focusInEvent(QFocusEvent *e) {
    QWidget::focusInEvent(e);
    update();
}

void TileBoard::focusOutEvent(QFocusEvent *e) {
    QWidget::focusOutEvent(e);
    update();
}
