#pragma once

#include "BoardSeam.h"
#include "Levels.h"
#include "PuzzleKind.h"

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
// menus, keys, checks before a game is left, the opening, the quote list and
// how a random game draws from it, starting a game, words after the list's
// status line and the title, and its board (whose own seam holds what acts
// on a game). The window implements it; an addition reaches nothing else of
// the window, and no other addition. Without additions nothing here is used,
// and the lobby is the design.
class LobbySeam : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    enum class Mode { List, Add, Edit, Print, Solve };
    // Asked before the answer is shown (Solve) or an open game is left
    // unfinished (Finished, Return).
    enum class Leaving { ShowAnswer, GiveUp };

    // ---- The window ----------------------------------------------------------

    // The window, for the dialogs an addition shows over it.
    virtual QWidget *window() = 0;
    virtual Mode mode() const = 0;
    bool is(Mode m) const { return mode() == m; }
    // The board a game is shown and played on, and what it offers.
    virtual BoardSeam &board() = 0;
    // The window is minimised, another program has the focus, or a window
    // of the game's own is over the lobby; and which of them.
    virtual bool away() const = 0;
    enum class AwayFor { Here, Minimised, OwnWindow, OtherProgram };
    virtual AwayFor awayFor() const = 0;

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
    // The quotes' difficulties, rated once, for whoever shows or draws them.
    virtual play::QuoteLevels &levels() = 0;
    // How a random game draws its record from now on (fresh quotes first,
    // say); none for the design's draw.
    virtual void setDrawChoice(std::function<qint16(qint16 count)> choose) = 0;

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
    // The game the board's session restored, on show again, its clock going on.
    virtual void resumeGame() = 0;
    // Ends the board's open game as abandoned.
    virtual void abandonGame() = 0;
    // The scrambled quote on show (printing or solving).
    virtual QString scrambledOnShow() const = 0;
    // Words after the window's title, one note for each owner, told in the
    // order they first came; with none, the design's title.
    virtual void setTitleNote(const QString &owner, const QString &note) = 0;
    // Says `text` to a screen reader, where the player is; nothing shows.
    virtual void say(const QString &text) = 0;

    // ---- The opening -----------------------------------------------------------

    // An owner that asks the player something as the lobby opens (a kept
    // game to continue) holds the opening until the answer is in. What waits
    // for the opening (a game asked for on the command line) runs once no
    // owner holds it, after the lobbyOpened handlers, in the order it came.
    void holdOpening(const QObject *owner);
    void releaseOpening(const QObject *owner);
    void afterOpening(std::function<void()> action);

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
    // The window went away (minimised, another program or a window of the
    // game's own in front), came back, or went from one of them to another.
    void awayChanged(bool away);

private:
    void runAfterOpening();
    QSet<const QObject *> m_openingHeld;
    QList<std::function<void()>> m_afterOpening;
};
