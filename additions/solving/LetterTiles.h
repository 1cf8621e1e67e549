#pragma once

#include "Addition.h"

class TileBoard;

// Letter Tiles, an addition on the board: switched on (the solve panel's
// menu, Ctrl+L), the puzzle is one board of tiles in place of the two
// puzzle boxes, each guess over its scrambled letter. The tiles have the
// keyboard from a game's start, the cursor on the first letter still to
// find; a letter typed there is the pair of the cursor's scrambled letter,
// and the cursor moves on to the next letter still to find, round to the
// first after the last; Backspace, Delete or a blank takes the pair back;
// the arrows, Home and End move, Tab goes word by word. A click on a tile
// puts the cursor there; the tiles of its scrambled letter are lit, and
// Hint gives that letter. A letter given to two scrambled letters shows
// red. The marks of the other additions show on the tiles, and the letter
// boxes keep working beside them.
class LetterTiles : public BoardAddition {
    Q_OBJECT
public:
    LetterTiles(LobbySeam &lobby, BoardSeam &board);

    static bool tilesOn();
    void menuLetterTiles_Click();
    TileBoard *tiles() const { return m_tiles; }
    // The cursor's place in the quote, or -1.
    int cursor() const { return m_at; }
    void moveTo(int place);
    // A key typed on the tiles; whether it was taken.
    bool key(int key, Qt::KeyboardModifiers modifiers);

    // Where a cursor on the scrambled quote `text` goes from `place`: to the
    // next (`step` 1) or the last before (-1) letter, and to the first
    // letter of the next or the last word before; -1 when there is none.
    static int NextLetter(const QString &text, int place, int step);
    static int NextWord(const QString &text, int place, int step);
    // The places whose letter, in `solution`, is given to two scrambled letters.
    static QSet<int> Clashes(const QString &scrambled, const QString &solution);

private:
    // The tiles as the switch and the board stand: shown or not, the
    // keyboard and Hint's aim held or let go, what they show.
    void apply();
    void show();
    // The cursor's tile, said for a player who cannot see it.
    void sayTile();

    TileBoard *m_tiles;
    int m_at = -1;
    bool m_applied = false; // the tiles shown, holding the board's keyboard
};
