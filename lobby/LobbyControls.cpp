// The Main Lobby's controls, as the design places them, and their wiring.
#include "frmMain.h"

#include "Fonts.h"
#include "Labels.h"
#include "LetterBox.h"
#include "Palette.h"
#include "Twips.h"
#include "WindowSize.h"
#include "WrapCheckBox.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGraphicsDropShadowEffect>
#include <QHash>
#include <QLabel>
#include <QShortcut>

void frmMain::buildControls() {
    cmdHelp = designed(QStringLiteral("cmdHelp"), this);
    cmdFadeStatus = designed(QStringLiteral("cmdFadeStatus"), this);
    cmdFadeStatus->hide(); // shown only where windows can fade
    cmdEmailFriend = designed(QStringLiteral("cmdEmailFriend"), this);
    cmdgift = designed(QStringLiteral("cmdgift"), this);
    cmdQuit = designed(QStringLiteral("cmdQuit"), this);

    picQuoteList = new QWidget(this);
    picQuoteList->setObjectName(QStringLiteral("picQuoteList"));
    PlaceTwips(picQuoteList, 210, 680, 7155, 2745);
    cmdSolveRandomQuote = designed(QStringLiteral("cmdSolveRandomQuote"), picQuoteList);
    cmdAddEditQuote[1] = designed(QStringLiteral("cmdAddEditQuote1"), picQuoteList);
    grid = new QuoteGrid(picQuoteList);
    grid->setObjectName(QStringLiteral("grid"));
    grid->setFont(QFont(QStringLiteral("Arial"), 8));
    // Tab leaves the list for the next control, as the design's list does.
    grid->setTabKeyNavigation(false);
    PlaceTwips(grid, 105, 795, 6885, 1830);

    picQuote = new QWidget(this);
    picQuote->setObjectName(QStringLiteral("picQuote"));
    PlaceTwips(picQuote, 210, 3570, 7155, 3060);
    for (int i : {1, 2}) {
        txtBox[i] = new QuoteTextBox(i, picQuote);
        txtBox[i]->setObjectName(QStringLiteral("txtBox%1").arg(i));
        txtBox[i]->setFont(FixedsysFont(9));
    }
    PlaceTwips(txtBox[1], 105, 210, 5160, 1275);
    txtBox[1]->setMaxLength(200);
    txtBox[1]->setLocked(true);
    txtBox[1]->setBackColor(Peach);
    PlaceTwips(txtBox[2], 105, 1575, 5160, 1275);
    txtBox[2]->setForeColor(GuideText);
    txtBox[2]->setLocked(true);
    txtBox[2]->hide();
    cmdAddEditQuote[2] = designed(QStringLiteral("cmdAddEditQuote2"), picQuote);
    cmdDeleteQuote = designed(QStringLiteral("cmdDeleteQuote"), picQuote);
    cmdScrambleAndPrintQuote = designed(QStringLiteral("cmdScrambleAndPrintQuote"), picQuote);
    cmdAddEditSave = designed(QStringLiteral("cmdAddEditSave"), picQuote);
    cmdAddEditSave->hide();
    cmdAddEditCancel = designed(QStringLiteral("cmdAddEditCancel"), picQuote);
    cmdAddEditCancel->hide();
    cmdFinishedPrinting = designed(QStringLiteral("cmdFinishedPrinting"), picQuote);
    cmdFinishedPrinting->hide();

    // Designed off the window; placed in the list's stead at load.
    picPrintQuote = new QWidget(this);
    picPrintQuote->setObjectName(QStringLiteral("picPrintQuote"));
    picPrintQuote->setGeometry(-2000, 0, twips::toPixels(7155), twips::toPixels(2745));
    picPrintQuote->hide();
    picSolveRandomQuote = new QWidget(this);
    picSolveRandomQuote->setObjectName(QStringLiteral("picSolveRandomQuote"));
    picSolveRandomQuote->setGeometry(-2000, 0, twips::toPixels(7155), twips::toPixels(2745));
    picSolveRandomQuote->hide();

    buildPlayPanels();

    setCancelButton(cmdQuit);
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WindowShortcut);
    connect(esc, &QShortcut::activated, this, [this] {
        if (m_cancel && m_cancel->isVisible()) m_cancel->PerformClick();
    });
    // The Menu key and Shift+F10 ask for the context menu of what is on show,
    // wherever the focus is; so does Ctrl+M, for desktops that keep the
    // first two for themselves.
    for (const QKeySequence &key :
         {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu),
          QKeySequence(Qt::CTRL | Qt::Key_M)}) {
        auto *menuKey = new QShortcut(key, this);
        menuKey->setContext(Qt::WindowShortcut);
        connect(menuKey, &QShortcut::activated, this, [this] {
            m_menuByKeys = true;
            if (mode.is(LobbyMode::Mode::Solve))
                picSolveRandomQuote_ContextMenu(board.letterBox(1)->geometry().bottomLeft());
            else if (mode.is(LobbyMode::Mode::List))
                grid_ContextMenu(grid->menuPoint(), true);
            m_menuByKeys = false;
        });
    }
    // The window sees these keys before whichever control has the focus.
    for (int key : {Qt::Key_F1, Qt::Key_F4, Qt::Key_F8}) {
        auto *s = new QShortcut(QKeySequence(key), this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, [this, key] { Form_KeyDown(key); });
    }
}

void frmMain::wireHandlers() {
    connect(cmdHelp, &KelButton::Click, this, &frmMain::cmdHelp_Click);
    connect(cmdQuit, &KelButton::Click, this, &frmMain::cmdQuit_Click);
    connect(cmdFadeStatus, &KelButton::Click, this, &frmMain::cmdFadeStatus_Click);
    connect(cmdFadeStatus, &KelButton::MouseMove, this,
            [this](qint16 &, qint16 &, float &, float &) { cmdFadeStatus_MouseMove(); });
    connect(cmdEmailFriend, &KelButton::Click, this, &frmMain::cmdEmailFriend_Click);
    connect(cmdgift, &KelButton::Click, this, &frmMain::cmdgift_Click);
    for (int i : {1, 2}) {
        connect(cmdAddEditQuote[i], &KelButton::Click, this,
                [this, i] { cmdAddEditQuote_Click(i); });
        connect(txtBox[i], &QuoteTextBox::gotFocus, this, &frmMain::txtBox_GotFocus);
        connect(txtBox[i], &QuoteTextBox::keyDown, this,
                [this](int index, int key, Qt::KeyboardModifiers) { txtBox_KeyDown(index, key); });
    }
    connect(cmdAddEditSave, &KelButton::Click, this, &frmMain::cmdAddEditSave_Click);
    connect(cmdAddEditCancel, &KelButton::Click, this, &frmMain::cmdAddEditCancel_Click);
    connect(cmdDeleteQuote, &KelButton::Click, this, &frmMain::cmdDeleteQuote_Click);
    connect(grid, &QuoteGrid::rowChanged, this, &frmMain::grid_RowColChange);
    connect(grid, &QuoteGrid::contextMenuAsked, this, &frmMain::grid_ContextMenu);
    wirePlayHandlers();
}

void frmMain::buildPlayPanels() {
    // Print panel.
    Label1 = NewLabel(picPrintQuote, 315, 1485, 1170, 270,
                      QCoreApplication::translate("frmMain", "Code Key:"));
    QFont heading(QStringLiteral("Arial"));
    heading.setPointSizeF(11.25);
    heading.setBold(true);
    heading.setItalic(true);
    Label1->setFont(heading);
    SetColour(Label1, QPalette::WindowText, QColor(255, 255, 0));
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
    SetColour(lblCode, QPalette::WindowText, QColor(0, 0, 255));
    cmdPrintQuote = designed(QStringLiteral("cmdPrintQuote"), picPrintQuote);
    chkPrintSolutionPage = new WrapCheckBox(
        QCoreApplication::translate("frmMain", "Also print a Solution Page"), picPrintQuote);
    PlaceTwips(chkPrintSolutionPage, 4725, 630, 1590, 540);
    QFont small(QStringLiteral("MS Sans Serif"), 8);
    small.setBold(true);
    chkPrintSolutionPage->setFont(small);

    // Solve panel.
    lblSolveMessage = new SolveMessageLabel(picSolveRandomQuote);
    QFont message(QStringLiteral("MS Sans Serif"), 12);
    message.setBold(true);
    lblSolveMessage->setFont(message);
    SetColour(lblSolveMessage, QPalette::WindowText, QColor(0, 64, 0));
    PlaceTwips(lblSolveMessage, 1785, 1365, 4320, 1065);
    // The board: its puzzle boxes on the quote panel, its letter boxes in
    // the instruction's gaps, above it.
    board.build(picQuote, picSolveRandomQuote);
    // The words after the blanks stand clear of the first box.
    lblSolveMessage->setGapEnd(board.letterBox(1)->geometry().right() + 1 - lblSolveMessage->x() +
                               3);
    cmdHint = designed(QStringLiteral("cmdHint"), picSolveRandomQuote);
    cmdSolve = designed(QStringLiteral("cmdSolve"), picSolveRandomQuote);
    cmdFinishedSolving = designed(QStringLiteral("cmdFinishedSolving"), picSolveRandomQuote);
    AniGiff[1] = new AnimatedPicture(QStringLiteral(":/pictures/watchers/eyes-%1.png"), 8, 140,
                                     picSolveRandomQuote);
    AniGiff[1]->setToolTip(QCoreApplication::translate(
        "frmMain", " Don't mind these guys-- They just like to watch you play! "));
    PlaceTwips(AniGiff[1], 420, 1290, 1080, 1080);
    AniGiff[2] = new AnimatedPicture(QStringLiteral(":/pictures/watchers/shades-%1.png"), 8, 160,
                                     picSolveRandomQuote);
    AniGiff[2]->setToolTip(QCoreApplication::translate(
        "frmMain", " Why the shades?  Because these guys are SO cool! "));
    PlaceTwips(AniGiff[2], 6060, 1290, 1080, 1080);
    for (int i : {1, 2})
        AniGiff[i]->hide();
    picSolveRandomQuote->setContextMenuPolicy(Qt::CustomContextMenu);
    lblSolveMessage->setContextMenuPolicy(Qt::NoContextMenu); // the panel's menu, not a text menu

    // The rest go by their design names too, for whoever must find them.
    Label1->setObjectName(QStringLiteral("Label1"));
    lblLetter->setObjectName(QStringLiteral("lblLetter"));
    lblCode->setObjectName(QStringLiteral("lblCode"));
    chkPrintSolutionPage->setObjectName(QStringLiteral("chkPrintSolutionPage"));
    lblSolveMessage->setObjectName(QStringLiteral("lblSolveMessage"));
    for (int i : {1, 2})
        AniGiff[i]->setObjectName(QStringLiteral("AniGiff%1").arg(i));
}

LobbyControls::Shown LobbyControls::of(const QWidget &lobby) {
    QHash<QString, QWidget *> named;
    for (QWidget *w : lobby.findChildren<QWidget *>()) {
        if (w->objectName().isEmpty()) continue;
        // Of two of one name, the one on show (else the first made, the lobby's).
        QWidget *&seen = named[w->objectName()];
        if (!seen || (!seen->isVisibleTo(&lobby) && w->isVisibleTo(&lobby))) seen = w;
    }
    auto find = [&]<class T>(T *&control, const QString &name) {
        control = qobject_cast<T *>(named.value(name));
        Q_ASSERT_X(control, "LobbyControls::of", qPrintable(name));
    };
    Shown c;
    find(c.cmdHelp, QStringLiteral("cmdHelp"));
    find(c.cmdQuit, QStringLiteral("cmdQuit"));
    find(c.cmdFadeStatus, QStringLiteral("cmdFadeStatus"));
    find(c.cmdEmailFriend, QStringLiteral("cmdEmailFriend"));
    find(c.cmdgift, QStringLiteral("cmdgift"));
    find(c.picQuoteList, QStringLiteral("picQuoteList"));
    find(c.picQuote, QStringLiteral("picQuote"));
    find(c.picPrintQuote, QStringLiteral("picPrintQuote"));
    find(c.picSolveRandomQuote, QStringLiteral("picSolveRandomQuote"));
    find(c.grid, QStringLiteral("grid"));
    find(c.cmdSolveRandomQuote, QStringLiteral("cmdSolveRandomQuote"));
    find(c.cmdDeleteQuote, QStringLiteral("cmdDeleteQuote"));
    find(c.cmdScrambleAndPrintQuote, QStringLiteral("cmdScrambleAndPrintQuote"));
    find(c.cmdAddEditSave, QStringLiteral("cmdAddEditSave"));
    find(c.cmdAddEditCancel, QStringLiteral("cmdAddEditCancel"));
    find(c.cmdFinishedPrinting, QStringLiteral("cmdFinishedPrinting"));
    find(c.Label1, QStringLiteral("Label1"));
    find(c.lblLetter, QStringLiteral("lblLetter"));
    find(c.lblCode, QStringLiteral("lblCode"));
    find(c.cmdPrintQuote, QStringLiteral("cmdPrintQuote"));
    find(c.chkPrintSolutionPage, QStringLiteral("chkPrintSolutionPage"));
    find(c.lblSolveMessage, QStringLiteral("lblSolveMessage"));
    find(c.cmdHint, QStringLiteral("cmdHint"));
    find(c.cmdSolve, QStringLiteral("cmdSolve"));
    find(c.cmdFinishedSolving, QStringLiteral("cmdFinishedSolving"));
    for (int i : {1, 2}) {
        find(c.cmdAddEditQuote[i], QStringLiteral("cmdAddEditQuote%1").arg(i));
        find(c.txtBox[i], QStringLiteral("txtBox%1").arg(i));
        find(c.txtLetter[i], QStringLiteral("txtLetter%1").arg(i));
        find(c.AniGiff[i], QStringLiteral("AniGiff%1").arg(i));
    }
    return c;
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
    connect(&board, &Board::gameOver, this, &frmMain::showGameEnd);
    connect(&session, &GameSession::pausedChanged, this, &frmMain::holdWatchers);
    connect(picSolveRandomQuote, &QWidget::customContextMenuRequested, this,
            &frmMain::picSolveRandomQuote_ContextMenu);
    // The quote panel's boxes, the lobby's and the board's, each with its
    // own menu; the board's pass the focus on as the lobby's do, unless the
    // puzzle is typed on.
    for (int i : {1, 2}) {
        for (QuoteTextBox *box : {txtBox[i], board.puzzleBox(i)}) {
            box->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(box, &QWidget::customContextMenuRequested, this,
                    [this, box](const QPoint &at) { txtBox_ContextMenu(box, at); });
        }
        connect(board.puzzleBox(i), &QuoteTextBox::gotFocus, this, [this](int index) {
            if (!board.keepsPuzzleFocus()) txtBox_GotFocus(index);
        });
    }
}
