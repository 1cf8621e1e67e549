#pragma once

#include "BoardPalette.h"

#include <QColor>
#include <QFont>
#include <QMap>
#include <QSet>
#include <QWidget>

#include <functional>

// A letter that has a tile: A to Z of the scrambled text.
inline bool isTileLetter(QChar c) {
    return c.unicode() >= 'A' && c.unicode() <= 'Z';
}

// The puzzle as letter tiles: each letter of the scrambled quote with the
// player's letter directly above it (a line while it has none), words and
// punctuation as they stand, lines broken only at blanks, the letters as
// large as the room lets them be. A cursor stands on one tile. It only
// shows and tells: what a key or a click does is its owner's.
class TileBoard : public QWidget {
    Q_OBJECT
public:
    explicit TileBoard(QWidget *parent = nullptr);

    // What the tiles show: the scrambled quote and the solution laid out the
    // same (a small letter is a pencil letter), each marked place's ground,
    // the places whose letter is given to two scrambled letters, and the
    // cursor's place (-1 for none).
    struct Look {
        QString scrambled, solution;
        QMap<int, QColor> marks;
        QSet<int> clashes;
        int cursor = -1;
        bool operator==(const Look &) const = default;
    };
    void setLook(const Look &look);
    const Look &look() const { return m_look; }
    void setColours(const BoardPalette &colours);

    // The tile of a place of the quote (empty where none stands: a blank),
    // the place under a point (-1), the nearest letter's place on the line
    // above or below (-1), and the size the letters are drawn at.
    QRect tileRect(int place) const;
    int placeAt(const QPoint &point) const;
    int placeOnNextLine(int place, int lines) const;
    int pointSize() const { return m_font.pointSize(); }

    // Keys typed on the tiles go here first (true: taken); Tab and Shift+Tab
    // too, which move the focus on when not taken.
    std::function<bool(int key, Qt::KeyboardModifiers modifiers)> keys;

signals:
    void clicked(int place);

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    // Places each tile, at the largest size that lets every line fit.
    void layOut();

    Look m_look;
    const BoardPalette *m_colours = &BoardPalette::Day();
    QFont m_font;
    QList<QRect> m_tiles; // by place; empty for a blank
    QList<int> m_lineOf;  // the line of each place
};
