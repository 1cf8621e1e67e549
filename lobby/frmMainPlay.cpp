// The Main Lobby's print mode (a scrambled quote on paper) and solve mode (a
// random quote solved on screen).
#include "frmMain.h"

#include "AppInfo.h"
#include "BusyWindow.h"
#include "CryptogramPage.h"
#include "Dialogs.h"
#include "Fonts.h"
#include "HelpTopic.h"
#include "Labels.h"
#include "PrintWrapped.h"
#include "PrinterSurface.h"
#include "WindowSize.h"
#include "WrapCheckBox.h"
#include "modStandard.h"
#include "modSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QGraphicsDropShadowEffect>
#include <QLabel>

using dialogs::Answer;
using dialogs::Buttons;
using dialogs::Icon;
using modFadeInOut::FadeEnabled;

namespace {

void colour(QWidget *w, QPalette::ColorRole role, const QColor &c) {
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
}

} // namespace

void frmMain::buildPlayPanels() {
    // Print panel.
    Label1 = NewLabel(picPrintQuote, 315, 1485, 1170, 270, QStringLiteral("Code Key:"));
    QFont heading(QStringLiteral("Arial"));
    heading.setPointSizeF(11.25);
    heading.setBold(true);
    heading.setItalic(true);
    Label1->setFont(heading);
    colour(Label1, QPalette::WindowText, QColor(255, 255, 0));
    // Yellow on a light panel needs an edge to be read.
    auto *edge = new QGraphicsDropShadowEffect(Label1);
    edge->setOffset(1, 1);
    edge->setBlurRadius(2);
    edge->setColor(QColor(40, 70, 40));
    Label1->setGraphicsEffect(edge);
    lblLetter = NewLabel(picPrintQuote, 450, 1890, 6315, 225,
                         QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U V W X Y Z"));
    lblLetter->setFont(FixedsysFont(9));
    lblCode = NewLabel(picPrintQuote, 450, 2130, 6315, 225);
    lblCode->setFont(FixedsysFont(9));
    colour(lblCode, QPalette::WindowText, QColor(0, 0, 255));
    cmdPrintQuote = designed(QStringLiteral("cmdPrintQuote"), picPrintQuote);
    chkPrintSolutionPage =
        new WrapCheckBox(QStringLiteral("Also print a Solution Page"), picPrintQuote);
    PlaceTwips(chkPrintSolutionPage, 4725, 630, 1590, 540);
    QFont small(QStringLiteral("MS Sans Serif"), 8);
    small.setBold(true);
    chkPrintSolutionPage->setFont(small);

    // Solve panel.
    lblSolveMessage = new SolveMessageLabel(picSolveRandomQuote);
    QFont message(QStringLiteral("MS Sans Serif"), 12);
    message.setBold(true);
    lblSolveMessage->setFont(message);
    colour(lblSolveMessage, QPalette::WindowText, QColor(0, 64, 0));
    PlaceTwips(lblSolveMessage, 1785, 1365, 4320, 1065);
    for (int i : {1, 2}) {
        txtLetter[i] = new LetterBox(i, picSolveRandomQuote);
        txtLetter[i]->setObjectName(QStringLiteral("txtLetter%1").arg(i));
        txtLetter[i]->setFont(QFont(QStringLiteral("Times New Roman"), 18));
        colour(txtLetter[i], QPalette::Base, i == 1 ? Peach : Yellow);
        colour(txtLetter[i], QPalette::Text, GuideText);
        txtLetter[i]->setEnabled(false);
    }
    PlaceTwips(txtLetter[1], 3675, 1785, 435, 540);
    PlaceTwips(txtLetter[2], 4890, 1785, 435, 540);
    // The words after the blanks stand clear of the first box.
    lblSolveMessage->setGapEnd(txtLetter[1]->geometry().right() + 1 - lblSolveMessage->x() + 3);
    cmdHint = designed(QStringLiteral("cmdHint"), picSolveRandomQuote);
    cmdSolve = designed(QStringLiteral("cmdSolve"), picSolveRandomQuote);
    cmdFinishedSolving = designed(QStringLiteral("cmdFinishedSolving"), picSolveRandomQuote);
    AniGiff[1] = new AnimatedPicture(QStringLiteral(":/pictures/watchers/eyes-%1.png"), 8, 140,
                                     picSolveRandomQuote);
    AniGiff[1]->setToolTip(
        QStringLiteral(" Don't mind these guys-- They just like to watch you play! "));
    PlaceTwips(AniGiff[1], 420, 1290, 1080, 1080);
    AniGiff[2] = new AnimatedPicture(QStringLiteral(":/pictures/watchers/shades-%1.png"), 8, 160,
                                     picSolveRandomQuote);
    AniGiff[2]->setToolTip(QStringLiteral(" Why the shades?  Because these guys are SO cool! "));
    PlaceTwips(AniGiff[2], 6060, 1290, 1080, 1080);
    for (int i : {1, 2})
        AniGiff[i]->hide();
    // The solver's letter strip, along the panel's foot below every control.
    stripLetters = new LetterStrip(picSolveRandomQuote);
    stripLetters->setObjectName(QStringLiteral("stripLetters"));
    PlaceTwips(stripLetters, 0, 2445, 7155, 300);
    stripLetters->hide();
    picSolveRandomQuote->setContextMenuPolicy(Qt::CustomContextMenu);
    for (QWidget *w : std::initializer_list<QWidget *>{txtLetter[1], txtLetter[2], lblSolveMessage})
        w->setContextMenuPolicy(Qt::NoContextMenu); // the panel's menu, not a text menu
}

void frmMain::wirePlayHandlers() {
    connect(cmdScrambleAndPrintQuote, &KelButton::Click, this,
            &frmMain::cmdScrambleAndPrintQuote_Click);
    connect(cmdPrintQuote, &KelButton::Click, this, &frmMain::cmdPrintQuote_Click);
    connect(cmdFinishedPrinting, &KelButton::Click, this, &frmMain::cmdFinishedPrinting_Click);
    connect(cmdSolveRandomQuote, &KelButton::Click, this, &frmMain::cmdSolveRandomQuote_Click);
    connect(cmdHint, &KelButton::Click, this, &frmMain::cmdHint_Click);
    connect(cmdSolve, &KelButton::Click, this, &frmMain::cmdSolve_Click);
    connect(cmdFinishedSolving, &KelButton::Click, this, &frmMain::cmdFinishedSolving_Click);
    for (int i : {1, 2}) {
        connect(txtLetter[i], &LetterBox::gotFocus, this, &frmMain::txtLetter_GotFocus);
        connect(txtLetter[i], &LetterBox::keyUp, this, &frmMain::txtLetter_KeyUp);
    }
    connect(picSolveRandomQuote, &QWidget::customContextMenuRequested, this,
            &frmMain::picSolveRandomQuote_ContextMenu);
    connect(txtLetter[1], &QLineEdit::textChanged, this, [this] { UpdateSolverAids(); });
    connect(txtBox[2], &QuoteTextBox::letterHovered, this, &frmMain::txtBox_LetterHovered);
    connect(txtBox[2], &QuoteTextBox::letterClicked, this, &frmMain::txtBox_LetterClicked);
}

// ---- Print mode ------------------------------------------------------------

void frmMain::cmdScrambleAndPrintQuote_Click() {
    fadeOutAndWait();
    HelpTopic = HelpTopics::EncryptingPrinting;
    cmdAddEditQuote[2]->hide();
    cmdDeleteQuote->hide();
    cmdScrambleAndPrintQuote->hide();
    cmdFinishedPrinting->show();
    picQuoteList->hide();
    lblCode->clear();
    picPrintQuote->show();
    modSupport::MakeCodeKey();
    QString code;
    for (int letter = 'A'; letter <= 'Z'; ++letter)
        code += basCipherly::KeyTable(letter, 1) + QLatin1Char(' ');
    lblCode->setText(code);
    txtBox[2]->show();
    txtBox[2]->setText(modSupport::EncipherText(txtBox[1]->text()));
    fadeInAndWait();
}

void frmMain::cmdPrintQuote_Click() {
    const Answer a = dialogs::message(
        this, AppInfo::Title, QStringLiteral("Would you like to personalize this printout?"),
        Icon::Question, Buttons::YesNoCancel, Answer::Yes);
    if (a == Answer::Cancel) return;
    if (a == Answer::Yes) {
        PrintForName =
            dialogs::input(this, QStringLiteral("Personalize this printout"),
                           QStringLiteral("Okay-- Who are you printing\nthis scrambled quote for?"),
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
            surface->setDocumentName(page == 1 ? QStringLiteral("puzzle")
                                               : QStringLiteral("solution"));
            CryptogramPage::print(*surface, page, PrintForName, txtBox[2]->text(),
                                  txtBox[1]->text());
        }
        QApplication::processEvents();
    }
    modStandard::ReportPrinting(this, *surface);
}

void frmMain::cmdFinishedPrinting_Click() {
    fadeOutAndWait();
    cmdAddEditQuote[2]->show();
    cmdDeleteQuote->show();
    cmdScrambleAndPrintQuote->show();
    cmdFinishedPrinting->hide();
    picPrintQuote->hide();
    picQuoteList->show();
    lblCode->clear();
    txtBox[2]->hide();
    txtBox[2]->setText(QString());
    HelpTopic = HelpTopics::MainLobby;
    fadeInAndWait();
}

// ---- Solve mode ------------------------------------------------------------

void frmMain::cmdSolveRandomQuote_Click() {
    fadeOutAndWait();
    HelpTopic = HelpTopics::SolvingOnScreen;
    cmdAddEditQuote[2]->hide();
    cmdDeleteQuote->hide();
    cmdFinishedPrinting->hide();
    cmdScrambleAndPrintQuote->hide();
    picQuoteList->hide();
    lblSolveMessage->setText(
        QStringLiteral("In the scrambled quote below,\n\nshow the letter         as a"));
    cmdHint->show();
    cmdSolve->show();
    setCancelButton(cmdFinishedSolving);
    cmdQuit->setEnabledProperty(false);
    for (int i : {1, 2}) {
        txtLetter[i]->setEnabled(true);
        txtLetter[i]->show();
    }
    picSolveRandomQuote->show();
    QApplication::processEvents();
    for (int i : {1, 2})
        AniGiff[i]->show();
    QApplication::processEvents();

    QString quote;
    quotes::Status s = quotes::OpenQuoteFile();
    if (s && quotes::QuoteCount > 0) {
        s = quotes::ReadQuoteRecord(modStandard::RandomBetween(1, quotes::QuoteCount));
        quote = quotes::QuoteRecord.trimmed();
    }
    quotes::CloseQuoteFile();
    if (!s || quote.isEmpty()) {
        if (!s)
            showStoreError(QStringLiteral("No quote could be read for a game."), s);
        else
            dialogs::message(this, AppInfo::Title,
                             QStringLiteral("The quote list is empty: there is nothing to solve."),
                             Icon::Information);
        fadeInAndWait();
        cmdFinishedSolving_Click();
        return;
    }
    modSupport::MakeCodeKey();
    game.start(quote);
    txtBox[1]->setText(game.SolveProgress());
    txtBox[1]->setBackColor(Yellow);
    txtBox[2]->show();
    txtBox[2]->setText(modSupport::EncipherText(game.SolveQuote()));
    game.startClock(now()); // once the quote is on screen, before the fade-in
    m_gameOpen = true;
    SolverAids = solverAidsOn();
    ApplySolverAids();
    fadeInAndWait();
    txtLetter[1]->setFocus();
}

void frmMain::txtLetter_GotFocus(int index) {
    if (index == 1) {
        txtLetter[1]->clear();
        txtLetter[2]->clear();
    } else if (txtLetter[1]->text().isEmpty()) {
        txtLetter[1]->setFocus();
    }
}

void frmMain::txtLetter_KeyUp(int index, int keyCode) {
    LetterBox *box = txtLetter[index];
    if (keyCode >= 65 && keyCode <= 90) {
        box->setText(box->text().toUpper());
        if (index == 1)
            txtLetter[2]->setFocus();
        else
            UpdateSolution();
    } else if (keyCode == 32 || keyCode == 190) {
        if (index == 1) {
            box->clear();
        } else {
            box->setText(QString(SolveGame::Unsolved));
            UpdateSolution();
        }
    } else {
        box->clear();
    }
}

void frmMain::UpdateSolution() {
    if (cmdSolve->Tag() != QString(SolveGame::Unsolved)) {
        game.applyPair(txtBox[2]->text(), txtLetter[1]->text(), txtLetter[2]->text());
        txtBox[1]->setText(game.SolveProgress());
    }
    UpdateSolverAids();
    if (txtBox[1]->text() == game.SolveQuote()) {
        cmdHint->hide();
        cmdSolve->hide();
        for (int i : {1, 2}) {
            txtLetter[i]->hide();
            txtLetter[i]->setEnabled(false);
            AniGiff[i]->hide();
        }
        QApplication::processEvents();
        if (cmdSolve->Tag() != QString(SolveGame::Unsolved)) {
            lblSolveMessage->setText(
                game.congratulations(now()).replace(QLatin1String("\r\n"), QLatin1String("\n")));
            RecordGame(stats::Outcome::Solved);
        } else {
            RecordGame(stats::Outcome::Shown);
            cmdSolve->setTag(QString());
            lblSolveMessage->setText(QStringLiteral("\nSee the solved message below."));
        }
        cmdFinishedSolving->setFocus();
        ApplySolverAids(); // the game is over: nothing more to light up or pick
    } else {
        // Entering box 1 empties both boxes, also when the focus is there already.
        const bool alreadyThere = txtLetter[1]->hasFocus();
        txtLetter[1]->setFocus();
        if (alreadyThere) txtLetter_GotFocus(1);
    }
}

void frmMain::cmdHint_Click() {
    const QString shown = txtBox[1]->text();
    const int at = game.takeHint(shown, [](int low, int high) {
        return int(modStandard::RandomBetween(qint16(low), qint16(high)));
    });
    if (at < 0) return;
    txtLetter[1]->setText(QString(txtBox[2]->text()[at]));
    txtLetter[2]->setText(QString(game.SolveQuote()[at]));
    UpdateSolution();
}

void frmMain::cmdSolve_Click() {
    txtBox[1]->setText(game.SolveQuote());
    cmdSolve->setTag(QString(SolveGame::Unsolved));
    UpdateSolution();
}

void frmMain::cmdFinishedSolving_Click() {
    RecordGame(stats::Outcome::Abandoned); // returned to the list before the end
    fadeOutAndWait();
    picSolveRandomQuote->hide();
    ApplySolverAids(); // the aids go with the panel
    QApplication::processEvents();
    cmdHint->show();
    cmdSolve->show();
    cmdSolve->setTag(QString());
    for (int i : {1, 2})
        txtLetter[i]->show();
    picQuoteList->show();
    cmdAddEditQuote[2]->show();
    cmdDeleteQuote->show();
    cmdScrambleAndPrintQuote->show();
    setCancelButton(cmdQuit);
    cmdQuit->setEnabledProperty(true);
    txtBox[1]->setText(QString());
    txtBox[1]->setBackColor(Cyan);
    txtBox[2]->setText(QString());
    txtBox[2]->hide();
    HelpTopic = HelpTopics::MainLobby;
    ShowHighlightedQuote();
    fadeInAndWait();
}
