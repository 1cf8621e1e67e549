#pragma once

#include "BoardPalette.h"
#include "GameSession.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <functional>

class QWidget;

// All that a board offers the additions that act on its game: the game
// session, typing a pair, marks on the puzzle as layers per owner, the
// letter under the pointer or a click on the puzzle, typing on the puzzle,
// pencil letters, places on the board for a widget of an addition's own, and
// the board's colours. A board implements it; an addition reaches nothing
// else of the board, of the lobby around it, or of another addition. Each
// board hands out its own: two boards are two games.
class BoardSeam : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Marks on the puzzle boxes, a layer for each kind: where two layers mark
    // the same letter, the later one here shows (mistakes above the pointer).
    // Each layer is drawn in the board's colour for it (BoardPalette).
    enum class Marks { Pencil, Lit, Picked, Step, Wrong };
    // Places on the board for a widget of an addition's own.
    enum class Place {
        OverPuzzle,  // over both puzzle boxes
        BesidePuzzle // beside them, where the list's buttons stand in the lobby's other modes
    };

    // ---- The game ---------------------------------------------------------------

    virtual GameSession &session() = 0;
    const SolveGame &game() { return session().game(); }
    // The board is on show (the lobby's solve mode).
    virtual bool onShow() const = 0;
    // A game on show that is still being played: open, and not complete.
    bool playing() { return onShow() && game().isOpen() && !game().isOver(); }
    // The board's colours: the puzzle's, the letter boxes' and each layer's.
    virtual const BoardPalette &palette() const = 0;

    // ---- Typing -------------------------------------------------------------------

    // A scrambled letter chosen as the player types it into the first
    // letter box: both boxes emptied, the letter in the first.
    virtual void typeCipherLetter(QChar letter) = 0;
    // A whole pair typed into the two letter boxes, as the player types it
    // (a blank takes it back).
    virtual void typePair(QChar cipher, QChar plain) = 0;
    // The scrambled letter in the first letter box, or none.
    virtual QChar cipherLetter() const = 0;
    // While set, a pair the player types (in the letter boxes or on the
    // puzzle) goes to `take` first; true: taken, and not placed. None ends it.
    virtual void takePairs(std::function<bool(QChar cipher, QChar plain)> take) = 0;
    // A pair placed as the player types it on the board itself (on a tile):
    // the pair takers first, as from the letter boxes; the letter boxes and
    // the focus are left as they are. A blank takes it back.
    virtual void placePair(QChar cipher, QChar plain) = 0;
    // While set, the board's focus goes to `holder` (an addition's own
    // widget on the board) at a game's start and stays there after each
    // move, rather than going to the first letter box. None ends it.
    virtual void holdFocus(QWidget *holder) = 0;
    // The keyboard to the board: to the holder, or the first letter box.
    virtual void takeFocus() = 0;
    // While set, Hint gives the letter `aim` names (a scrambled letter whose
    // places do not all hold the quote's letter yet), rather than one the
    // game draws; a null letter leaves it to the draw. None ends it.
    virtual void aimHints(std::function<QChar()> aim) = 0;

    // ---- The puzzle -----------------------------------------------------------

    // The places (in the quote) a layer marks; none takes the layer away.
    virtual void setMarks(Marks layer, const QList<int> &places) = 0;
    // While any owner is on, the puzzle is for pointing at while a game is
    // played: the boxes tell the letter under the pointer (puzzleHovered)
    // and a click on a letter (puzzleClicked), and a click takes no focus
    // from the letter boxes.
    virtual void usePuzzlePointer(const QObject *owner, bool on) = 0;
    // Typing on the puzzle: while `keys` is set, a click or Tab gives a
    // puzzle box the focus and it keeps it; a click on a letter is told
    // (puzzleClicked), and every key typed there goes to `keys` first (true:
    // taken). None ends it.
    virtual void typeOnPuzzle(std::function<bool(int key, Qt::KeyboardModifiers)> keys) = 0;
    virtual bool puzzleTakesKeys() const = 0;
    // Pencil letters: tentative letters the solution shows at their places
    // (where no letter of the game stands), in small letters; they are not
    // the game's. None takes them away.
    virtual void setPencilLetters(const QHash<int, QChar> &letters) = 0;
    // `widget`, an addition's own, shown at `where` on the board while the
    // addition shows it; it goes with the board.
    virtual void place(QWidget *widget, Place where) = 0;
    // What the puzzle boxes show (shownChanged tells each change): the
    // solution, pencil letters in small letters (once a game of another
    // kind than the design's is over, the quote as written); the scrambled
    // quote laid out the same; both empty while the game is paused. And the
    // colour each marked place shows in, its highest layer's.
    virtual QString solutionShown() const = 0;
    virtual QString scrambledShown() const = 0;
    virtual QMap<int, QColor> marksShown() const = 0;

signals:
    // A game is on the board, from its first moment (or from where it stood).
    void gameStarted();
    // The board came on show, went, or its game ended.
    void arranged();
    // What the solution shows changed: a pair, a take-back, a hint, Solve.
    void solutionChanged();
    // The scrambled letter in the first letter box changed.
    void cipherLetterChanged(QChar letter);
    // The letter of the puzzle under the pointer (its place in the quote),
    // -1 for none; a click on one.
    void puzzleHovered(int place);
    void puzzleClicked(int place);
    // What the puzzle boxes show changed: their texts or their marks.
    void shownChanged();
};
