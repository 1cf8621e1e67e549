// The Main Lobby: the window, its quote list and its edit mode.
#include "frmMain.h"

#include "AppInfo.h"
#include "BusyWindow.h"
#include "Dialogs.h"
#include "HelpTopic.h"
#include "Links.h"
#include "LobbyMenu.h"
#include "MenuKeys.h"
#include "QuoteRules.h"
#include "Settings.h"
#include "ShowModal.h"
#include "TilePicture.h"
#include "WindowSize.h"
#include "frmManual.h"
#include "modStandard.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScopedValueRollback>

#include <QTimer>
#include <memory>

using dialogs::Answer;
using dialogs::Buttons;
using dialogs::Icon;
using modFadeInOut::FadeEnabled;

const QColor frmMain::Peach(255, 224, 192);
const QColor frmMain::Yellow(255, 255, 0);
const QColor frmMain::Pink(255, 128, 255);
const QColor frmMain::Cyan(0, 255, 255);
const QColor frmMain::GuideText(128, 64, 64);
QString frmMain::GuideTextForEditing() {
    return tr("A quote should be from 50 to 200 characters in length. Normal letters and "
              "punctuation such as ()',./;!?- etc. are allowed, but numbers and carriage-returns "
              "(the <Enter> key) should not be used.");
}
QString frmMain::SolveInstruction() {
    return tr("In the scrambled quote below,\n\nshow the letter         as a");
}
QString frmMain::GiftReminder() {
    return tr("Before you go: a Cipherly puzzle page, printed and made out to a\n"
              "friend, makes a fine little gift. Try \"Scramble & Print\" next time!");
}

namespace {

QString tile(const char *name) {
    return QStringLiteral(":/pictures/tiles/%1.png").arg(QLatin1String(name));
}

} // namespace

frmMain::frmMain(QWidget *parent)
    : DesignedWindow(
          QStringLiteral("frmMain"), Frame::Minimisable, [this] { endProgram(); }, parent) {
    session.now = [this] { return now(); };
    session.quoteOf = [this](qint16 record) { return grid->list()->quotes().value(record - 1); };
    buildControls();
    buildSeam();
    wireHandlers();
    describeControls();
    // However the program ends (a logout, Ctrl+C in a terminal), an open
    // game is kept or ended as on Quit.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &frmMain::leaveGame);
    // A fresh help window each time, at the topic of the mode.
    showHelp = [](QWidget *over) { ShowModal(new frmManual, over); };
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::setCancelButton(KelButton *b) {
    if (m_cancel) m_cancel->setCancel(false);
    m_cancel = b;
    if (m_cancel) m_cancel->setCancel(true);
}

// ---- Load and first activation -----------------------------------------

void frmMain::Form_Load() {
    FadeEnabled = modFadeInOut::SetFormAlpha(this, 0, true);
    if (FadeEnabled) {
        cmdFadeStatus->show();
        if (!Settings::FadeStatus()) {
            modFadeInOut::SetFormAlpha(this, 255, true);
            FadeEnabled = false;
        }
    } else {
        Settings::SetOn(Settings::Keys::FadeStatus, false);
    }
    SetDesignedSize(this, 7660, 7200);
    showTitle();
    PlaceTwips(picPrintQuote, 210, 680, 7155, 2745);
    PlaceTwips(picSolveRandomQuote, 210, 680, 7155, 2745);
    grid->horizontalHeader()->resizeSection(0, grid->width());
    modStandard::TilePicture(tile("lobby"), this);
    modStandard::TilePicture(tile("list"), picQuoteList);
    modStandard::TilePicture(tile("quote"), picQuote);
    modStandard::TilePicture(tile("list"), picPrintQuote);
    modStandard::TilePicture(tile("solve"), picSolveRandomQuote);
    lblSolveMessage->setText(SolveInstruction());
}

void frmMain::Form_Activate() {
    if (!beginActivation()) return;
    cmdHelp->setToolTip(tr(" Need a little information? "));
    cmdQuit->setToolTip(tr(" Click here to exit %1 ").arg(AppInfo::Title));
    cmdEmailFriend->setToolTip(tr(" Tell a friend about %1 ").arg(AppInfo::Title));
    cmdgift->setToolTip(tr(" A gift idea from KEL Software "));
    cmdEmailFriend->show();
    cmdgift->show();

    cmdAddEditQuote[1]->setCaption(KelButton::CaptionLines(tr("&Add a\nNew Quote")));
    cmdAddEditQuote[2]->setCaption(KelButton::CaptionLines(tr("&Edit\nthis\nQuote")));
    cmdDeleteQuote->setCaption(KelButton::CaptionLines(tr("Delete\nthis\nQuote")));
    cmdSolveRandomQuote->setCaption(
        KelButton::CaptionLines(tr("&Solve a Random Quote\nOn-Screen")));
    cmdFinishedPrinting->setCaption(KelButton::CaptionLines(tr("&Finished\nwith\nthis\nQuote")));
    cmdPrintQuote->setCaption(KelButton::CaptionLines(tr("&Print the\nScrambled Message")));
    cmdFinishedSolving->setCaption(KelButton::CaptionLines(tr("&Finished, Return\n(Esc)")));
    cmdSolve->setCaption(KelButton::CaptionLines(tr("&Solve\n(F8)")));
    cmdHint->setCaption(KelButton::CaptionLines(tr("Hin&t\n(F4)")));
    for (KelButton *b :
         {cmdAddEditQuote[1], cmdAddEditQuote[2], cmdDeleteQuote, cmdSolveRandomQuote,
          cmdFinishedPrinting, cmdPrintQuote, cmdFinishedSolving, cmdSolve, cmdHint, cmdAddEditSave,
          cmdAddEditCancel, cmdScrambleAndPrintQuote})
        b->Refresh();

    FillQuoteList();
    ShowHighlightedQuote();
    repaint();
    FadeInIfEnabled();
    emit seam().lobbyOpened();
}

// ---- The list -----------------------------------------------------------

void frmMain::showStoreError(const QString &what, const quotes::Status &s) {
    dialogs::message(this, AppInfo::Title, what + QStringLiteral("\n\n") + s.describe(),
                     Icon::Critical);
}

void frmMain::FillQuoteList() {
    {
        BusyWindow busy(this);
        grid->hide();
        QStringList list;
        const quotes::Status s = quotes::LoadQuoteList(list);
        grid->list()->setQuotes(list);
        if (!s)
            showStoreError(s.whileCreating ? tr("The quote list could not be created.")
                                           : tr("The quote list could not be read."),
                           s);
        ListBusy = true;
        grid->setRow(0);
        ListBusy = false;
        grid->show();
        const int last = grid->list()->rowCount();
        grid->setRow(RowToHighlight > 0 ? qMin<int>(RowToHighlight, last) : last);
        grid->setTopRow(grid->row());
        ShowHighlightedQuote();
    }
    grid->setFocus();
    emit seam().quoteListFilled();
}

void frmMain::ShowHighlightedQuote() {
    if (ListBusy) return;
    const int row = grid->row();
    if (row >= 1) {
        const quotes::Status s = quotes::ReadQuote(qint16(row));
        if (!s) {
            showStoreError(tr("The highlighted quote could not be read."), s);
            return;
        }
    } else {
        quotes::QuoteRecord = QString();
    }
    grid->list()->setStatus(tr("Quote List (Currently Highlighted: %1 of %2 on file)")
                                .arg(row)
                                .arg(grid->list()->rowCount()),
                            tr("Quote %1 of %2").arg(row).arg(grid->list()->rowCount()));
    txtBox[1]->setText(quotes::QuoteRecord.trimmed());
}

void frmMain::grid_RowColChange() {
    ShowHighlightedQuote();
}

void frmMain::txtBox_GotFocus(int index) {
    if (index == 1 && mode.editing()) return;
    if (grid->isVisible() && grid->isEnabled())
        grid->setFocus();
    else if (cmdHelp->isVisible() && cmdHelp->isEnabled())
        cmdHelp->setFocus();
}

void frmMain::Form_KeyDown(int key) {
    const bool solving = mode.is(LobbyMode::Mode::Solve);
    if (key == Qt::Key_F1)
        cmdHelp_Click();
    else if (key == Qt::Key_F4 && solving && !game.isOver())
        cmdHint_Click();
    else if (key == Qt::Key_F8 && solving && !game.isOver())
        cmdSolve_Click();
}

// ---- Help, fading, links, quitting ---------------------------------------

void frmMain::cmdHelp_Click() {
    showOverDimmedLobby(showHelp);
}

void frmMain::showOverDimmedLobby(const std::function<void(QWidget *)> &show) {
    // The lobby dims while a window it opened stands in front of it.
    if (FadeEnabled) fade.StartFade(255, 204, 2, false);
    if (show) show(this);
    if (FadeEnabled) fade.StartFade(204, 255, 3, false);
}

void frmMain::cmdFadeStatus_MouseMove() {
    cmdFadeStatus->setToolTip(FadeEnabled ? tr(" Disable form fade effects ")
                                          : tr(" Enable form fade effects "));
}

void frmMain::cmdFadeStatus_Click() {
    FadeEnabled = !FadeEnabled;
    Settings::SetOn(Settings::Keys::FadeStatus, FadeEnabled);
}

void frmMain::cmdEmailFriend_Click() {
    modStandard::OpenLink(modStandard::EmailLink, this,
                          QStringLiteral("?subject=") + AppInfo::Title + QStringLiteral(" - ") +
                              AppInfo::description());
}

void frmMain::cmdgift_Click() {
    dialogs::message(this, AppInfo::Title, GiftReminder(), Icon::Information);
}

void frmMain::cmdQuit_Click() {
    const bool reminder = clock().second() < 5;
    const QString text = reminder
                             ? GiftReminder() + QStringLiteral("\n\n") + tr("Ready to quit now?")
                             : tr("Are you sure you wish to quit?");
    const QString title = reminder ? tr("Quit %1?").arg(AppInfo::Title) : tr("Confirm");
    if (FadeEnabled) {
        fade.StartFade(255, 204, 2, false);
        fade.WaitForFade();
    }
    const Answer a =
        dialogs::message(this, title, text, reminder ? Icon::Exclamation : Icon::Question,
                         Buttons::YesNo, Answer::Yes);
    if (a == Answer::Yes) {
        quotes::CloseQuoteFile();
        if (FadeEnabled)
            fade.StartFade(204, 0, 20, true);
        else
            endProgram();
    } else if (FadeEnabled) {
        fade.StartFade(204, 255, 3, false);
    }
}

void frmMain::leaveGame() {
    // A game left open by quitting ends as abandoned, unless it is kept for
    // the next start.
    if (!game.isOpen()) return;
    if (m_keepsOpenGames)
        session.suspend();
    else
        endGame(SolveGame::Outcome::Abandoned);
}

void frmMain::endProgram() {
    leaveGame();
    m_quitting = true;
    QApplication::closeAllWindows();
    QApplication::quit();
}

void frmMain::changeEvent(QEvent *e) {
    DesignedWindow::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange)
        setAway(isMinimized() ? LobbySeam::AwayFor::Minimised : LobbySeam::AwayFor::Here);
}

void frmMain::closeEvent(QCloseEvent *e) {
    // The close box asks as the Quit button does; the program's own closing
    // and the session ending are not stopped.
    if (m_quitting || qApp->isSavingSession()) {
        leaveGame();
        m_quitting = true;
        e->accept();
        return;
    }
    e->ignore();
    QTimer::singleShot(0, this, &frmMain::cmdQuit_Click);
}

void frmMain::fadeOutAndWait() {
    if (!FadeEnabled) return;
    fade.StartFade(255, 0, 20, false);
    fade.WaitForFade();
}

void frmMain::fadeInAndWait() {
    if (!FadeEnabled) return;
    fade.StartFade(0, 255, 20, false);
    fade.WaitForFade();
}

// ---- Editing ---------------------------------------------------------------

namespace {
const char *const ReservedTitle = QT_TRANSLATE_NOOP("frmMain", "Reserved");
const char *const ReservedText = QT_TRANSLATE_NOOP(
    "frmMain",
    "The first 10 quotes are an\nintegral part of Cipherly\nand can not be edited or deleted.");
} // namespace

void frmMain::cmdAddEditQuote_Click(int index) {
    if (index == 2 && grid->row() < 11) {
        dialogs::message(this, tr(ReservedTitle), tr(ReservedText), Icon::Information);
        return;
    }
    mode.set(index == 1 ? LobbyMode::Mode::Add : LobbyMode::Mode::Edit);
    fadeOutAndWait();
    mode.arrange();
    fadeInAndWait();
    txtBox[1]->setFocus();
    txtBox[1]->moveCursor(QTextCursor::End);
}

void frmMain::txtBox_KeyDown(int index, int /*key*/) {
    // Sees the text as it was before this key: the button lags one key behind.
    if (index != 1 || !mode.editing()) return;
    cmdAddEditSave->setEnabledProperty(!txtBox[1]->text().trimmed().isEmpty());
}

void frmMain::cmdAddEditSave_Click() {
    // Line breaks, and Tabs pasted in, become blanks: a quote is one line.
    const quotes::Normalized n = quotes::NormalizeQuote(txtBox[1]->text());
    if (n.breaksReplaced)
        dialogs::message(this, tr("Keystroke Entry Error"),
                         tr("The <Enter> keystroke(s)\nin this quote have been removed."),
                         Icon::Information);
    txtBox[1]->setText(n.text);
    const quotes::Verdict v = quotes::CheckQuote(n.text);
    if (v.problem == quotes::Problem::TooShort) {
        dialogs::message(this, tr("Length too short..."),
                         tr("A quote should be at least\n50 characters in length."),
                         Icon::Critical);
        txtBox[1]->setFocus();
        return;
    }
    if (v.problem == quotes::Problem::Digit) {
        dialogs::message(this, tr("Numbers not allowed..."),
                         tr("Please do not include\nnumeral characters in the quote."),
                         Icon::Critical);
        txtBox[1]->setFocus();
        return;
    }
    if (v.problem == quotes::Problem::Unstorable || v.problem == quotes::Problem::Control) {
        dialogs::message(
            this, tr("Characters not allowed..."),
            v.problem == quotes::Problem::Control
                ? tr("Please do not include\nthe control character %1 in the quote.").arg(v.code())
                : tr("Please do not include\nthe character \"%1\" in the quote.").arg(v.character),
            Icon::Critical);
        txtBox[1]->setFocus();
        return;
    }
    // Longer than 200 cannot be typed; the store cuts nothing it was given.
    const bool adding = mode.is(LobbyMode::Mode::Add);
    const quotes::Status s = quotes::SaveQuote(n.text, adding, qint16(grid->row()));
    if (!s) {
        // Nothing was stored: stay in edit mode with the text as typed; the
        // stored quote is still the one a cancel brings back.
        showStoreError(adding ? tr("The new quote could not be saved.")
                              : tr("The changes could not be saved."),
                       s);
        txtBox[1]->setFocus();
        return;
    }
    m_saved = true;
    cmdAddEditSave->setTag(QStringLiteral("Saved"));
    cmdAddEditCancel_Click();
}

void frmMain::cmdAddEditCancel_Click() {
    const bool wasAdding = mode.is(LobbyMode::Mode::Add);
    mode.set(LobbyMode::Mode::List);
    fadeOutAndWait();
    mode.arrange();
    if (!m_saved) {
        txtBox[1]->setText(quotes::QuoteRecord.trimmed());
    } else {
        RowToHighlight = wasAdding ? quotes::QuoteCount : qint16(grid->row());
        FillQuoteList();
        m_saved = false;
        cmdAddEditSave->setTag(QString());
    }
    fadeInAndWait();
}

void frmMain::cmdDeleteQuote_Click() {
    const int row = grid->row();
    if (row < 11) {
        dialogs::message(this, tr(ReservedTitle), tr(ReservedText), Icon::Information);
        return;
    }
    if (dialogs::message(this, tr("Confirm Deletion"),
                         tr("Are you SURE you want to\ndelete this quote from the list?"),
                         Icon::Question, Buttons::YesNo, Answer::No) != Answer::Yes)
        return;
    quotes::Status s;
    {
        BusyWindow busy(this);
        s = quotes::DeleteQuoteRecord(qint16(row));
    }
    if (!s) {
        showStoreError(tr("The quote could not be deleted; the list is as it was."), s);
        RowToHighlight = qint16(row);
    } else {
        RowToHighlight = qint16(row - 1);
    }
    FillQuoteList();
}

// ---- The menus the additions fill ------------------------------------------------

void frmMain::grid_ContextMenu(const QPoint &at, bool byKeys) {
    // The list's menu belongs to list mode.
    if (!mode.is(LobbyMode::Mode::List) || !isEnabled() || m_listMenuExtras.isEmpty()) return;
    const QScopedValueRollback keys(m_menuByKeys, m_menuByKeys || byKeys);
    LobbyMenu menu(this);
    fillMenu(menu, m_listMenuExtras);
    m_listMenu = &menu;
    runMenu(menu, grid->viewport()->mapToGlobal(at));
    m_listMenu = nullptr;
}

void frmMain::fillMenu(QMenu &menu, const QList<MenuItem> &items) {
    for (const MenuItem &item : items) {
        QAction *a = menu.addAction(item.caption);
        a->setCheckable(bool(item.checked));
        if (item.checked) a->setChecked(item.checked());
        connect(a, &QAction::triggered, this, item.action);
    }
}

void frmMain::picSolveRandomQuote_ContextMenu(const QPoint &at) {
    if (!mode.is(LobbyMode::Mode::Solve) || !isEnabled() || m_solveMenuItems.isEmpty()) return;
    LobbyMenu menu(this);
    fillMenu(menu, m_solveMenuItems);
    m_solveMenu = &menu;
    runMenu(menu, picSolveRandomQuote->mapToGlobal(at));
    m_solveMenu = nullptr;
}

void frmMain::txtBox_ContextMenu(QuoteTextBox *box, const QPoint &at) {
    // The box's own items (Copy, Select All), in a menu of the lobby's.
    const std::unique_ptr<QMenu> standard(box->createStandardContextMenu(at));
    const auto menu = std::make_unique<LobbyMenu>(this);
    menu->addActions(standard->actions());
    // While solving, the puzzle boxes offer what the panel's menu offers too.
    const bool solving = mode.is(LobbyMode::Mode::Solve) && !m_solveMenuItems.isEmpty();
    if (solving) {
        menu->addSeparator();
        fillMenu(*menu, m_solveMenuItems);
        m_solveMenu = menu.get();
    }
    runMenu(*menu, box->viewport()->mapToGlobal(at));
    m_solveMenu = nullptr;
}

void frmMain::runMenu(QMenu &menu, const QPoint &at) {
    // Opened by a key, the menu stands on its first item, which a screen
    // reader says at once.
    if (m_menuByKeys) StandOnFirstItem(menu);
    menu.exec(at);
}

void frmMain::endGame(SolveGame::Outcome outcome, const QDateTime &at) {
    session.end(outcome, at);
}
