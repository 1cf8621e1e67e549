// The Main Lobby's print mode (a scrambled quote on paper) and solve mode (a
// random quote solved on screen).
#include "frmMain.h"

#include "AppInfo.h"
#include "BusyWindow.h"
#include "CryptogramPage.h"
#include "Dialogs.h"
#include "PrintWrapped.h"
#include "PrinterSurface.h"
#include "PuzzleKind.h"
#include "modStandard.h"
#include "modSupport.h"

#include <QApplication>
#include <QCheckBox>

using dialogs::Answer;
using dialogs::Buttons;
using dialogs::Icon;
using modFadeInOut::FadeEnabled;

// ---- Print mode ------------------------------------------------------------

void frmMain::scrambleForPrinting(const play::PuzzleKind &kind) {
    fadeOutAndWait();
    mode.set(LobbyMode::Mode::Print);
    lblCode->clear();
    mode.arrange();
    const play::Puzzle puzzle = kind.make(txtBox[1]->text());
    PrintedBoard = puzzle.board;
    QString code;
    for (QChar letter : puzzle.key)
        code += letter + QLatin1Char(' ');
    lblCode->setText(code);
    txtBox[2]->setText(puzzle.enciphered);
    fadeInAndWait();
}

void frmMain::cmdPrintQuote_Click() {
    const Answer a =
        dialogs::message(this, AppInfo::Title, tr("Would you like to personalize this printout?"),
                         Icon::Question, Buttons::YesNoCancel, Answer::Yes);
    if (a == Answer::Cancel) return;
    if (a == Answer::Yes) {
        PrintForName = dialogs::input(this, tr("Personalize this printout"),
                                      tr("Okay-- Who are you printing\nthis scrambled quote for?"),
                                      PrintForName)
                           .value_or(QString());
        if (PrintForName.isEmpty()) return;
    } else {
        PrintForName.clear();
    }
    std::unique_ptr<PrinterSurface> surface;
    {
        BusyWindow busy(this);
        surface = PrinterSurface::open();
        const int pages = chkPrintSolutionPage->isChecked() ? 2 : 1;
        for (int page = 1; page <= pages; ++page) {
            surface->setDocumentName(page == 1
                                         ? QCoreApplication::translate("printing", "puzzle")
                                         : QCoreApplication::translate("printing", "solution"));
            CryptogramPage::print(*surface, page, PrintForName, txtBox[2]->text(),
                                  PrintedBoard);
        }
        QApplication::processEvents();
    }
    modStandard::ReportPrinting(this, *surface);
}

void frmMain::cmdFinishedPrinting_Click() {
    fadeOutAndWait();
    mode.set(LobbyMode::Mode::List);
    mode.arrange();
    lblCode->clear();
    fadeInAndWait();
}

// ---- Solve mode ------------------------------------------------------------

void frmMain::cmdSolveRandomQuote_Click() {
    PlayRecord(0);
}

void frmMain::PlayRecord(qint16 record, play::Level level, const play::PuzzleKind &kind) {
    fadeOutAndWait();
    session.clear(); // a new game: nothing of the last one shows
    openSolvePanel();

    QString quote;
    // The list is opened once: counted, and the quote read.
    quotes::Status s = quotes::OpenQuoteFile();
    const qint16 count = s ? quotes::QuoteCount : 0;
    if (s && count > 0) {
        s = quotes::ReadQuoteRecord(record > 0 ? record : session.drawRecord(count, level));
        quote = quotes::QuoteRecord.trimmed();
    }
    quotes::CloseQuoteFile();
    if (!s || quote.isEmpty()) {
        if (!s)
            showStoreError(tr("No quote could be read for a game."), s);
        else
            dialogs::message(this, AppInfo::Title,
                             tr("The quote list is empty: there is nothing to solve."),
                             Icon::Information);
        fadeInAndWait();
        cmdFinishedSolving_Click();
        return;
    }
    const play::Puzzle puzzle = kind.make(quote);
    // Its clock starts once the quote is on screen, before the fade-in.
    session.start(puzzle.board, puzzle.enciphered, puzzle.key, level, {}, kind.id(), quote);
    showGame();
}

void frmMain::PlayPuzzle(const play::Puzzle &puzzle, const QDate &day) {
    fadeOutAndWait();
    session.clear(); // a new game: nothing of the last one shows
    openSolvePanel();
    session.start(puzzle.board, puzzle.enciphered, puzzle.key, play::Level::Any, day);
    showGame();
}

void frmMain::ResumeGame() {
    fadeOutAndWait();
    openSolvePanel();
    session.resume(); // the time goes on
    showGame();
}

void frmMain::openSolvePanel() {
    lblSolveMessage->setText(SolveInstruction());
    mode.set(LobbyMode::Mode::Solve);
    mode.arrange();
}

void frmMain::showGame() {
    // A game that gives no letter by Hint (an expert's) shows Hint unusable.
    cmdHint->setEnabledProperty(session.hintsGiveLetters());
    board.showGame();
    fadeInAndWait();
    board.focusLetters();
}

void frmMain::showGameEnd() {
    mode.arrange(); // nothing left to play: the letter boxes, Hint and Solve go
    QApplication::processEvents();
    const QDateTime at = now();
    lblSolveMessage->setText(game.closingMessage(at));
    if (game.outcome() != SolveGame::Outcome::Solved) cmdSolve->setTag(QString());
    endGame(game.outcome(), at);
    describeGameEnd();
    cmdFinishedSolving->setFocus();
}

void frmMain::abandonGame() {
    endGame(SolveGame::Outcome::Abandoned);
}

void frmMain::cmdHint_Click() {
    board.hint([](int low, int high) {
        return int(modStandard::RandomBetween(qint16(low), qint16(high)));
    });
}

bool frmMain::mayLeave(Leaving how) {
    for (const auto &check : std::as_const(m_leaveChecks))
        if (!check(how)) return false;
    return true;
}

void frmMain::cmdSolve_Click() {
    if (!mayLeave(Leaving::ShowAnswer)) return;
    cmdSolve->setTag(QString(SolveGame::Unsolved)); // as the design marks it
    session.solve();
}

void frmMain::cmdFinishedSolving_Click() {
    if (game.isOpen() && !game.isOver() && !mayLeave(Leaving::GiveUp)) return;
    endGame(SolveGame::Outcome::Abandoned); // returned to the list before the end
    fadeOutAndWait();
    mode.set(LobbyMode::Mode::List);
    mode.arrange();
    cmdSolve->setTag(QString());
    txtBox[1]->setText(QString());
    ShowHighlightedQuote();
    grid->setFocus(); // back where the player chose the game
    fadeInAndWait();
}
