#pragma once

#include "AnimatedPicture.h"
#include "GameRecord.h"
#include "KelButton.h"
#include "LetterBox.h"
#include "LetterStrip.h"
#include "QuoteFile.h"
#include "QuoteGrid.h"
#include "QuoteTextBox.h"
#include "SolveGame.h"
#include "SolveMessageLabel.h"
#include "modFadeInOut.h"

#include <QDateTime>
#include <QTime>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QCheckBox;
class QLineEdit;
class QMenu;

// The Main Lobby: the quote list, the quote panel and the four modes (list,
// edit, print, solve). The controls are public as a form's controls are, so
// that tests can drive and read them as a player would.
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // Routines the modes share.
    void FillQuoteList();
    void ShowHighlightedQuote();

    // Handlers.
    void Form_Load();
    void Form_Activate();
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
    void cmdScrambleAndPrintQuote_Click();
    void cmdPrintQuote_Click();
    void cmdFinishedPrinting_Click();

    // The list's context menu and quote collections.
    void grid_ContextMenu(const QPoint &at);
    void menuImportQuotes_Click();
    void menuExportQuotes_Click();
    void grid_QuotesDropped(const QList<QUrl> &files, const QString &text);
    // Imports files and text into the list, with one report at the end.
    void ImportQuotesFrom(const QList<QUrl> &files, const QString &text);
    // Adds an item at the end of the list's context menu.
    void addListMenuItem(const QString &caption, std::function<void()> action);
    // The list's context menu while it is open; for tests.
    QMenu *listMenu() const { return m_listMenu; }

    // Solver's aids, a switch of the solve panel's context menu.
    void picSolveRandomQuote_ContextMenu(const QPoint &at);
    void menuSolverAids_Click();
    void ApplySolverAids();
    void UpdateSolverAids();
    void txtBox_LetterHovered(int storedIndex);
    void txtBox_LetterClicked(int storedIndex);
    static bool solverAidsOn();
    bool SolverAids = false;
    static const QColor LitLetter;
    QMenu *solveMenu() const { return m_solveMenu; }

    // The record of finished games, and the statistics window.
    void RecordGame(stats::Outcome outcome);
    void menuStatistics_Click();
    // Opens the statistics window modally; replaceable in tests.
    std::function<void(QWidget *)> showStatistics;

    // Solve mode.
    void cmdSolveRandomQuote_Click();
    void txtLetter_GotFocus(int index);
    void txtLetter_KeyUp(int index, int keyCode);
    void UpdateSolution();
    void cmdHint_Click();
    void cmdSolve_Click();
    void cmdFinishedSolving_Click();

    // Window state.
    bool IsAdding = false;
    bool IsEditing = false;
    qint16 RowToHighlight = 0;
    bool ListBusy = false;
    bool activated() const { return m_activated; }

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
    SolveGame game;

    FadeMachine fade;

    // Controls.
    KelButton *cmdHelp, *cmdQuit, *cmdFadeStatus, *cmdEmailFriend, *cmdgift;
    QWidget *picQuoteList, *picQuote, *picPrintQuote, *picSolveRandomQuote;
    QuoteGrid *grid;
    KelButton *cmdSolveRandomQuote;
    std::array<KelButton *, 3> cmdAddEditQuote{}; // [1] add, [2] edit
    std::array<QuoteTextBox *, 3> txtBox{};       // [1] quote box, [2] guide box
    KelButton *cmdDeleteQuote, *cmdScrambleAndPrintQuote, *cmdAddEditSave, *cmdAddEditCancel,
        *cmdFinishedPrinting;
    // Print panel.
    QLabel *Label1, *lblLetter, *lblCode;
    KelButton *cmdPrintQuote;
    QCheckBox *chkPrintSolutionPage;
    // Solve panel.
    SolveMessageLabel *lblSolveMessage;
    std::array<LetterBox *, 3> txtLetter{}; // [1] cipher letter, [2] plain letter
    KelButton *cmdHint, *cmdSolve, *cmdFinishedSolving;
    std::array<AnimatedPicture *, 3> AniGiff{};
    LetterStrip *stripLetters;

    static const QColor Peach, Yellow, Pink, Cyan, GuideText;
    static const QString GuideTextForEditing;
    static const QString GiftReminder;

protected:
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    void buildControls();
    void buildPlayPanels();
    void wirePlayHandlers();
    void wireHandlers();
    // Fades out and waits, when fading is on.
    void fadeOutAndWait();
    // Shows a modal window over the lobby, dimmed while it is open.
    void showOverDimmedLobby(const std::function<void(QWidget *)> &show);
    void fadeInAndWait();
    void showStoreError(const QString &what, const quotes::Status &s);
    void endProgram();
    KelButton *designed(const QString &name, QWidget *parent);

    WindowDesign m_design;
    KelButton *m_cancel = nullptr;
    QList<QPair<QString, std::function<void()>>> m_listMenuExtras;
    QMenu *m_listMenu = nullptr;
    QMenu *m_solveMenu = nullptr;
    bool m_gameOpen = false; // a game is on and not yet in the record
    int m_hoveredLetter = -1;
    bool m_activated = false;
    bool m_quitting = false;
};
