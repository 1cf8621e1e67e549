#pragma once

#include "AnimatedPicture.h"
#include "Board.h"
#include "DesignedWindow.h"
#include "GameSession.h"
#include "LobbyControls.h"
#include "OwnedNotes.h"
#include "LobbyMode.h"
#include "LobbySeam.h"
#include "QuoteFile.h"
#include "QuoteGrid.h"
#include "QuoteTextBox.h"
#include "SolveGame.h"
#include "SolveMessageLabel.h"
#include "modStandard.h"

#include <QDateTime>
#include <QTime>

#include <QSet>

#include <array>
#include <functional>
#include <memory>

class QLabel;
class QCheckBox;
class QMenu;

// The Main Lobby: the quote list, the quote panel and the four modes (list,
// edit, print, solve); in the solve mode its board shows the game. Its
// controls are its own (tests find them by name with LobbyControls::of). The
// additions hang on its one narrow seam (seam()), which it implements at the
// end, and on its board's.
class frmMain : public DesignedWindow, private LobbyControls {
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // Routines the modes share.
    void FillQuoteList();
    void ShowHighlightedQuote();

    // The list and edit mode.
    void Form_Load();
    void Form_Activate() override;
    void grid_RowColChange();
    void txtBox_GotFocus(int index);
    void txtBox_KeyDown(int index, int key);
    void Form_KeyDown(int key);
    void cmdHelp_Click();
    void cmdQuit_Click();
    void cmdFadeStatus_Click();
    void cmdFadeStatus_MouseMove();
    void cmdEmailFriend_Click();
    void cmdgift_Click();
    void cmdAddEditQuote_Click(int index);
    void cmdAddEditSave_Click();
    void cmdAddEditCancel_Click();
    void cmdDeleteQuote_Click();

    // Print mode.
    void cmdScrambleAndPrintQuote_Click() { scrambleForPrinting(play::WithWordBreaks()); }
    void scrambleForPrinting(const play::PuzzleKind &kind);
    void cmdPrintQuote_Click();
    void cmdFinishedPrinting_Click();

    // Solve mode.
    void cmdSolveRandomQuote_Click();
    // A game on record `record` of the list, or, for 0, on the record
    // the session draws (at `level`); exactly as the design starts a random game.
    void PlayRecord(qint16 record, play::Level level = play::Level::Any,
                    const play::PuzzleKind &kind = play::WithWordBreaks());
    // The game the session restored on screen again, its clock going on.
    void ResumeGame();
    // A game on a puzzle made elsewhere (Today's Quote, of `day`).
    void PlayPuzzle(const play::Puzzle &puzzle, const QDate &day);
    // A move completed the game on show: the window shows how it ended.
    void showGameEnd();
    // Ends an open game as abandoned.
    void abandonGame();
    void cmdHint_Click();
    void cmdSolve_Click();
    void cmdFinishedSolving_Click();

    // The mode, and the state of the window.
    LobbyMode mode{*this};
    const ModeFlag IsAdding{mode, LobbyMode::Mode::Add};
    const ModeFlag IsEditing{mode, LobbyMode::Mode::Edit};
    qint16 RowToHighlight = 0;
    bool ListBusy = false;
    // The board the game is shown and played on, and the game in progress
    // it holds; `game` is what that holds, to read.
    Board &board = *new Board(this);
    GameSession &session = board.session();
    const SolveGame &game = session.game();

    // The button Esc presses.
    KelButton *cancelButton() const { return m_cancel; }
    void setCancelButton(KelButton *b);

    // The clock the quit question reads its seconds from; replaceable in tests.
    std::function<QTime()> clock = [] { return QTime::currentTime(); };
    // Opens the help window modally at the current topic; replaceable in tests.
    std::function<void(QWidget *)> showHelp;
    // The clock a game is timed by; replaceable in tests.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    QString PrintForName;
    // The quote as the scrambled one on show hides it: the solution page prints
    // this, letter for letter what the puzzle page scrambles.
    QString PrintedBoard;

    static const QColor Peach, Yellow, Pink, Cyan, GuideText;
    // Texts in the player's language.
    static QString GuideTextForEditing();
    static QString GiftReminder();
    // The solve panel's instruction, with room for the two letter boxes.
    static QString SolveInstruction();

    // ---- The seam the additions hang on ---------------------------------------

    LobbySeam &seam() const;
    using Leaving = LobbySeam::Leaving;
    void grid_ContextMenu(const QPoint &at, bool byKeys = false);
    void picSolveRandomQuote_ContextMenu(const QPoint &at);
    // A puzzle box's own menu (Copy, Select All), and in solve mode the solve
    // panel's items after it.
    void txtBox_ContextMenu(QuoteTextBox *box, const QPoint &at);
    // The menus while they are open; for tests.
    QMenu *listMenu() const { return m_listMenu; }
    QMenu *solveMenu() const { return m_solveMenu; }

    // Shows a modal window over the lobby, dimmed while it is open.
    void showOverDimmedLobby(const std::function<void(QWidget *)> &show);
    // A failure of the quote store, told in a critical message.
    void showStoreError(const QString &what, const quotes::Status &s);

protected:
    void closeEvent(QCloseEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void buildControls();
    void buildPlayPanels();
    void wirePlayHandlers();
    void wireHandlers();
    void fadeOutAndWait();
    void fadeInAndWait();
    void endProgram();
    // Tells the game's end, once, at `at` (now, if not given).
    void endGame(SolveGame::Outcome outcome, const QDateTime &at = {});
    void leaveGame();
    // Into the solve mode, the instruction on show, for a game set up in `game`.
    void openSolvePanel();
    void showGame();

    KelButton *m_cancel = nullptr;
    // ---- What the seam holds: frmMainSeam.cpp.
    class Seam;
    friend class Seam;
    Seam *m_seam;
    void buildSeam();
    struct MenuItem {
        QString caption;
        std::function<bool()> checked;
        std::function<void()> action;
    };
    QList<MenuItem> m_listMenuExtras;
    QList<MenuItem> m_solveMenuItems;
    QList<std::function<bool(Leaving)>> m_leaveChecks;
    bool mayLeave(Leaving how);
    bool m_keepsOpenGames = false;
    QList<QKeySequence> m_windowKeys; // the additions' keys, which the letter boxes let pass
    OwnedNotes m_titleNotes;
    void showTitle();
    LobbySeam::AwayFor m_awayFor = LobbySeam::AwayFor::Here;
    void setAway(LobbySeam::AwayFor why);
    void holdWatchers();
    // ---- The window's own words for a screen reader: frmMainAccess.cpp.
    void describeControls();
    void describeForMode();
    void describeGameEnd();
    void describeStatus();
    class Announcer *m_announcer = nullptr;
    void fillMenu(QMenu &menu, const QList<MenuItem> &items);
    void runMenu(QMenu &menu, const QPoint &at);
    bool m_menuByKeys = false;
    QMenu *m_listMenu = nullptr;
    QMenu *m_solveMenu = nullptr;
    bool m_saved = false; // a save is returning to the list (the design's "Saved" tag)
    bool m_quitting = false;

    friend class LobbyMode;
};
