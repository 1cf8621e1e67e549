#pragma once

#include "GameSession.h"
#include "Levels.h"
#include "PuzzleKind.h"

#include <QColor>
#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

class QWidget;
namespace quotes {
struct Status;
}

// All that the lobby offers the additions that hang on it: items of its two
// menus, keys, checks before a game is left, the game session, playing a
// record, typing a pair, words after the list's status line and the title,
// marks on the puzzle, the letter under the pointer or a click on the puzzle,
// and two places on the quote panel for a widget of an addition's own. The
// window implements it; an addition reaches nothing else of the window, and
// no other addition. Without additions nothing here is used, and the lobby is
// the design.
class LobbySeam : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    enum class Mode { List, Add, Edit, Print, Solve };
    // Asked before the answer is shown (Solve) or an open game is left
    // unfinished (Finished, Return).
    enum class Leaving { ShowAnswer, GiveUp };
    // Marks on the puzzle boxes, a layer for each kind: where two layers mark
    // the same letter, the later one here shows (mistakes above the pointer).
    enum class Marks { Pencil, Lit, Picked, Step, Wrong };
    // Places on the quote panel for a widget of an addition's own.
    enum class Place {
        OverPuzzle,  // over both puzzle boxes
        BesidePuzzle // beside them, where the list's buttons stand in the other modes
    };

    // ---- The window ----------------------------------------------------------

    // The window, for the dialogs an addition shows over it.
    virtual QWidget *window() = 0;
    virtual Mode mode() const = 0;
    bool is(Mode m) const { return mode() == m; }
    virtual GameSession &session() = 0;
    const SolveGame &game() { return session().game(); }
    // A game on show that is still being played: open, and not complete.
    bool playing() { return is(Mode::Solve) && game().isOpen() && !game().isOver(); }
    // The window is minimised, another program has the focus, or a window
    // of the game's own is over the lobby.
    virtual bool away() const = 0;

    // ---- Menus, keys, leaving -------------------------------------------------

    // An item at the end of the quote list's menu (a right click, the Menu
    // key, Shift+F10 or Ctrl+M in list mode); `checked`, when given, says
    // whether it shows a tick.
    virtual void addListMenuItem(const QString &caption, std::function<void()> action,
                                 std::function<bool()> checked = {}) = 0;
    // An item of the solve panel's menu, which the puzzle boxes offer too.
    virtual void addSolveMenuItem(const QString &caption, std::function<bool()> checked,
                                  std::function<void()> action) = 0;
    // A key the window answers with `action` wherever its focus is, before
    // any box of it takes the key for its own typing.
    virtual void addKey(const QKeySequence &key, std::function<void()> action) = 0;
    // A check before the game on show is left; false keeps it as it is.
    virtual void addLeaveCheck(std::function<bool(Leaving)> check) = 0;
    // A game open when the program ends is kept for the next start rather
    // than ended as abandoned.
    virtual void keepOpenGames(bool keep) = 0;

    // ---- The opening -----------------------------------------------------------

    // An owner that asks the player something as the lobby opens (a kept
    // game to continue) holds the opening until the answer is in. What waits
    // for the opening (a game asked for on the command line) runs once no
    // owner holds it, after the lobbyOpened handlers, in the order it came.
    void holdOpening(const QObject *owner);
    void releaseOpening(const QObject *owner);
    void afterOpening(std::function<void()> action);

    // ---- The quote list -------------------------------------------------------

    // The quotes as the list shows them; record n is quotes()[n - 1].
    virtual const QStringList &quotes() const = 0;
    // The highlighted row, from 1 (0 for none).
    virtual int highlightedRow() const = 0;
    // The list read again, `row` highlighted.
    virtual void showList(int row) = 0;
    // Words after the list's status line, one note for each owner, told in
    // the order they first came; an empty note takes it away.
    virtual void setStatusNote(const QString &owner, const QString &note) = 0;
    // A failure of the quote store, told as the lobby tells its own.
    virtual void showStoreError(const QString &what, const quotes::Status &s) = 0;
    // A modal window shown over the lobby, which dims while it is open.
    virtual void showOverLobby(const std::function<void(QWidget *)> &show) = 0;

    // ---- Play -----------------------------------------------------------------

    // A game on record `record` of the list, or, for 0, on one the session
    // draws (at `level`); exactly as the design starts a random game, its
    // board laid out as `kind` lays it out.
    virtual void playRecord(qint16 record, play::Level level = play::Level::Any,
                            const play::PuzzleKind &kind = play::WithWordBreaks()) = 0;
    // The highlighted quote scrambled for printing as Scramble and Print
    // does, laid out as `kind` lays it out; only in list mode, with a quote.
    virtual void scrambleForPrinting(const play::PuzzleKind &kind) = 0;
    // A game on a puzzle that is not the list's: Today's Quote, of `day`.
    virtual void playPuzzle(const play::Puzzle &puzzle, const QDate &day) = 0;
    // The game the session restored, on show again, its clock going on.
    virtual void resumeGame() = 0;
    // Ends the session's open game as abandoned.
    virtual void abandonGame() = 0;
    // A scrambled letter chosen as the player types it into the first
    // letter box: both boxes emptied, the letter in the first.
    virtual void typeCipherLetter(QChar letter) = 0;
    // A whole pair typed into the two letter boxes, as the player types it
    // (a blank takes it back).
    virtual void typePair(QChar cipher, QChar plain) = 0;
    // The scrambled letter in the first letter box, or none.
    virtual QChar cipherLetter() const = 0;
    // The scrambled quote the quote panel shows (printing or solving).
    virtual QString scrambledOnShow() const = 0;
    // Words after the window's title; empty for the design's title.
    virtual void setTitleNote(const QString &note) = 0;
    // Says `text` to a screen reader, where the player is; nothing shows.
    virtual void say(const QString &text) = 0;

    // ---- The puzzle -----------------------------------------------------------

    // The places (in the quote) a layer marks, in its colour; none takes
    // the layer away.
    virtual void setMarks(Marks layer, const QList<int> &places, const QColor &colour) = 0;
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
    // While set, a pair the player types (in the letter boxes or on the
    // puzzle) goes to `take` first; true: taken, and not placed. None ends it.
    virtual void takePairs(std::function<bool(QChar cipher, QChar plain)> take) = 0;
    // `widget`, an addition's own, shown at `where` on the quote panel while
    // the addition shows it; it goes with the lobby.
    virtual void place(QWidget *widget, Place where) = 0;

signals:
    // The lobby is on screen, its first activation done.
    void lobbyOpened();
    // The quote list was read again (at the start, and after any change).
    void quoteListFilled();
    // Another row of the list is highlighted.
    void highlightChanged(int row);
    // Files or text dropped onto the list in list mode.
    void quotesDropped(const QList<QUrl> &files, const QString &text);
    // The controls were arranged for a new mode.
    void modeArranged(LobbySeam::Mode mode);
    // A game is on screen, from its first moment (or from where it stood).
    void gameStarted();
    // What the solution shows changed: a pair, a take-back, a hint, Solve.
    void solutionChanged();
    // The scrambled letter in the first letter box changed.
    void cipherLetterChanged(QChar letter);
    // The letter of the puzzle under the pointer (its place in the quote),
    // -1 for none; a click on one.
    void puzzleHovered(int place);
    void puzzleClicked(int place);
    // The window went away (minimised, another program or a window of the
    // game's own in front) or came back.
    void awayChanged(bool away);

private:
    void runAfterOpening();
    QSet<const QObject *> m_openingHeld;
    QList<std::function<void()>> m_afterOpening;
};
