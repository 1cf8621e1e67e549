#include "CryptogramPage.h"
#include "Fonts.h"
#include "HelpTopic.h"
#include "Language.h"
#include "LetterStrip.h"
#include "Lobby.h"
#include "NoWordBreaks.h"
#include "PrinterSurface.h"
#include "QuoteRules.h"
#include "RecordingPrinter.h"
#include "SavedGame.h"
#include "SolveGame.h"
#include "SolverAids.h"
#include "modStandard.h"
#include "modSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <random>

using dialogs::Answer;
using Piece = RecordingSurface::Piece;

namespace {

// The solver's aids of a lobby.
SolverAidsPanel *aids(const frmMain &m) {
    return Added<SolverAidsPanel>(m);
}

const QString Quote =
    QStringLiteral("THE BEST WAY OUT IS ALWAYS THROUGH, SAID THE POET - ROBERT FROST");

// Forces RandomBetween to give `value` for a draw from low to high.
double drawFor(int value, int low, int high) {
    return (value - low + 0.5) / (high - low + 1);
}

bool near(double a, double b) {
    return std::abs(a - b) < 1e-6;
}

QList<Piece> onDocument(const QList<Piece> &all, int doc) {
    QList<Piece> out;
    for (const auto &p : all)
        if (p.document == doc) out << p;
    return out;
}

} // namespace

class TestPlay : public QObject, private LobbyFixture {
    Q_OBJECT

    RecordingPrinter printer;

    frmMain &open(int records = 12) {
        QFile f(quotes::QuoteFileName);
        if (f.open(QIODevice::WriteOnly)) {
            for (int i = 1; i <= records; ++i)
                f.write(Quote.toLatin1().leftJustified(200, ' '));
            f.close();
        }
        return OpenLobby(lobby);
    }

    // Starts a game on `record`: the first draw is the record, the rest random.
    void startGame(frmMain &m, int record = 3) {
        const int count = quotes::OpenQuoteFile() ? quotes::QuoteCount : 1;
        quotes::CloseQuoteFile();
        auto rng = std::make_shared<std::mt19937>(record);
        int calls = 0;
        modStandard::SetRandomSource([=]() mutable {
            return calls++ == 0 ? drawFor(record, 1, count)
                                : std::uniform_real_distribution<double>(0, 1)(*rng);
        });
        Ui(m).cmdSolveRandomQuote->PerformClick();
        modStandard::SetRandomSource({});
    }

    // The cipher letter that stands for plain `letter` in the game on show.
    static QChar cipherOf(QChar letter) { return cipher::KeyTable(letter.unicode(), 1)[0]; }

private slots:
    void initTestCase() {
        printer.install();
        language::Install(*qApp, {QStringLiteral("en")}); // counted texts as the program has them
    }
    void init() {
        setUpLobby();
        printer.opened = 0;
    }
    void cleanup() {
        tearDownLobby();
        modStandard::SetRandomSource({});
    }

    // ---- Solving on screen ---------------------------------------------------

    void aGameStartsWithTheDrawnQuoteEnciphered() {
        frmMain &m = open();
        startGame(m, 12);
        QCOMPARE(HelpTopic, HelpTopics::SolvingOnScreen);
        QCOMPARE(m.game.SolveQuote(), Quote);
        QString expected = Quote;
        for (QChar &c : expected)
            if (c.isLetter()) c = SolveGame::Unsolved;
        QCOMPARE(Ui(m).txtBox[1]->text(), expected);
        QCOMPARE(Ui(m).txtBox[2]->text(), cipher::EncipherText(Quote));
        QCOMPARE(Ui(m).txtBox[1]->palette().color(QPalette::Base), frmMain::Yellow);
        QVERIFY(Ui(m).picSolveRandomQuote->isVisible() && !Ui(m).picQuoteList->isVisible());
        QVERIFY(!Ui(m).cmdQuit->Enabled());
        QCOMPARE(m.cancelButton(), Ui(m).cmdFinishedSolving);
        QVERIFY(Ui(m).AniGiff[1]->isVisible() && Ui(m).AniGiff[2]->isVisible());
        QCOMPARE(Ui(m).AniGiff[1]->toolTip(),
                 QStringLiteral(" Don't mind these guys-- They just like to watch you play! "));
        QCOMPARE(Ui(m).AniGiff[2]->toolTip(),
                 QStringLiteral(" Why the shades?  Because these guys are SO cool! "));
        QCOMPARE(Ui(m).lblSolveMessage->text(),
                 QStringLiteral("In the scrambled quote below,\n\nshow the letter         as a"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Ui(m).txtLetter[1]));
        QVERIFY(!m.game.SolveStartTime().isNull());
    }

    void everyRecordCanBeDrawn() {
        frmMain &m = open(3);
        QVERIFY(quotes::SaveQuote(
            QStringLiteral("THE FIRST RECORD OF THIS LIST IS A QUOTE THAT ANY GAME MAY DRAW"),
            false, 1));
        startGame(m, 1);
        QVERIFY(m.game.SolveQuote().startsWith(QStringLiteral("THE FIRST RECORD")));
        Ui(m).cmdFinishedSolving->PerformClick();
        startGame(m, 3);
        QCOMPARE(m.game.SolveQuote(), Quote);
    }

    void pairsAreTypedAsAPlayerTypesThem() {
        frmMain &m = open();
        startGame(m);
        const QChar t = cipherOf(QLatin1Char('T'));
        // A lower-case cipher letter, then the plain letter.
        QTest::keyClick(Ui(m).txtLetter[1], t.toLower().toLatin1());
        QCOMPARE(Ui(m).txtLetter[1]->text(), QString(t));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Ui(m).txtLetter[2]));
        QTest::keyClick(Ui(m).txtLetter[2], 't');
        for (int i = 0; i < Quote.size(); ++i)
            QCOMPARE(Ui(m).txtBox[1]->text()[i] == QLatin1Char('T'), Quote[i] == QLatin1Char('T'));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Ui(m).txtLetter[1]));
        QVERIFY(Ui(m).txtLetter[1]->text().isEmpty() && Ui(m).txtLetter[2]->text().isEmpty());
        // Space in box 2 takes the letter back.
        QTest::keyClick(Ui(m).txtLetter[1], t.toLatin1());
        QTest::keyClick(Ui(m).txtLetter[2], Qt::Key_Space);
        QVERIFY(!Ui(m).txtBox[1]->text().contains(QLatin1Char('T')));
        // A cipher letter that is not in the quote changes nothing.
        QChar absent;
        for (char c = 'A'; c <= 'Z'; ++c)
            if (!Ui(m).txtBox[2]->text().contains(QLatin1Char(c))) absent = QLatin1Char(c);
        QVERIFY(!absent.isNull());
        const QString before = Ui(m).txtBox[1]->text();
        QTest::keyClick(Ui(m).txtLetter[1], absent.toLatin1());
        QTest::keyClick(Ui(m).txtLetter[2], 'q');
        QCOMPARE(Ui(m).txtBox[1]->text(), before);
        // Any other key empties the box.
        QTest::keyClick(Ui(m).txtLetter[1], '7');
        QVERIFY(Ui(m).txtLetter[1]->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Ui(m).txtLetter[1]));
        // Box 2 cannot be entered while box 1 is empty.
        Ui(m).txtLetter[2]->setFocus();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Ui(m).txtLetter[1]));
    }

    void theInstructionNeverTakesTheFocus() {
        frmMain &m = open();
        startGame(m);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Ui(m).txtLetter[1]));
        QTest::mouseClick(Ui(m).lblSolveMessage, Qt::LeftButton, {}, QPoint(20, 8));
        QTest::mouseDClick(Ui(m).lblSolveMessage, Qt::LeftButton, {}, QPoint(20, 8));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Ui(m).txtLetter[1]));
        // Typing goes on into the boxes.
        const QChar t = cipherOf(QLatin1Char('T'));
        QTest::keyClick(QApplication::focusWidget(), t.toLatin1());
        QCOMPARE(Ui(m).txtLetter[1]->text(), QString(t));
    }

    void theLetterBoxesStandBetweenTheWords() {
        frmMain &m = open();
        startGame(m);
        SolveMessageLabel *l = Ui(m).lblSolveMessage;
        QCOMPARE(l->text(),
                 QStringLiteral("In the scrambled quote below,\n\nshow the letter         as a"));
        // The third line's words, and the boxes, in the label's own pixels.
        const QList<QRect> words = l->wordRects();
        QCOMPARE(words.size(), 5); // show the letter as a
        const QRect box1 = Ui(m).txtLetter[1]->geometry().translated(-l->pos());
        const QRect box2 = Ui(m).txtLetter[2]->geometry().translated(-l->pos());
        QVERIFY(words[2].right() < box1.left()); // "letter" ends before box 1
        QVERIFY(words[3].left() > box1.right()); // "as" starts after it
        QVERIFY(words[4].right() < box2.left()); // "a" ends before box 2
        // And the glyphs really are drawn so: under either box the label shows
        // only the panel behind it.
        const QImage img = l->grab().toImage();
        const QString text = l->text();
        l->setText(QString());
        const QImage panel = l->grab().toImage();
        l->setText(text);
        const int top = words[3].top(), bottom = words[3].bottom();
        for (const QRect &box : {box1, box2})
            for (int y = qMax(top, 0); y <= qMin(bottom, img.height() - 1); ++y)
                for (int x = qMax(box.left(), 0); x <= qMin(box.right(), img.width() - 1); ++x)
                    QVERIFY2(img.pixel(x, y) == panel.pixel(x, y),
                             qPrintable(QStringLiteral("ink at %1,%2 under a box").arg(x).arg(y)));
    }

    void solvingByPairsEndsWithTheReport() {
        frmMain &m = open();
        QDateTime clock(QDate(2026, 12, 8), QTime(12, 0, 0));
        m.now = [&] { return clock; };
        startGame(m);
        clock = clock.addSecs(738);
        QSet<QChar> letters;
        for (QChar c : Quote)
            if (c.isLetter()) letters.insert(c);
        for (QChar c : letters) {
            QTest::keyClick(Ui(m).txtLetter[1], cipherOf(c).toLatin1());
            QTest::keyClick(Ui(m).txtLetter[2], c.toLatin1());
        }
        QCOMPARE(Ui(m).txtBox[1]->text(), Quote);
        QCOMPARE(Ui(m).lblSolveMessage->text(),
                 QStringLiteral("Congratulations!\nYou solved this scrambled quote\nin 12.3 "
                                "minutes, using 0 hints!"));
        QVERIFY(!Ui(m).cmdHint->isVisible() && !Ui(m).cmdSolve->isVisible());
        QVERIFY(!Ui(m).txtLetter[1]->isVisible() && !Ui(m).AniGiff[1]->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Ui(m).cmdFinishedSolving));
        // F4 and F8 do nothing once solved.
        QTest::keyClick(Ui(m).cmdFinishedSolving, Qt::Key_F4);
        QCOMPARE(m.game.HintCount(), qint16(0));
    }

    void hintsPlaceOnlyUnplacedLettersAndMayFinish() {
        frmMain &m = open();
        startGame(m);
        // Every letter placed, all of them wrong: a hint does nothing.
        for (char c = 'A'; c <= 'Z'; ++c) {
            QTest::keyClick(Ui(m).txtLetter[1], c);
            QTest::keyClick(Ui(m).txtLetter[2], 'z');
        }
        QVERIFY(!Ui(m).txtBox[1]->text().contains(SolveGame::Unsolved));
        QTest::keyClick(Ui(m).txtLetter[1], Qt::Key_F4);
        QCOMPARE(m.game.HintCount(), qint16(0));
        Ui(m).cmdFinishedSolving->PerformClick();
        // A fresh game solved by hints alone reports them all, "hints!" even for one.
        startGame(m);
        int used = 0;
        while (Ui(m).cmdHint->isVisible()) {
            QTest::keyClick(Ui(m).txtLetter[1], Qt::Key_F4);
            ++used;
            QVERIFY(used < 40);
        }
        QCOMPARE(m.game.HintCount(), qint16(used));
        QVERIFY(
            Ui(m).lblSolveMessage->text().endsWith(QStringLiteral("using %1 hints!").arg(used)));
    }

    void solveShowsTheAnswerAndTheNextGameStartsClean() {
        frmMain &m = open();
        startGame(m);
        QTest::keyClick(Ui(m).txtLetter[1], Qt::Key_F8);
        QCOMPARE(Ui(m).txtBox[1]->text(), Quote);
        QCOMPARE(Ui(m).lblSolveMessage->text(), QStringLiteral("\nSee the solved message below."));
        QCOMPARE(Ui(m).cmdSolve->Tag(), QString());
        QTest::keyClick(Ui(m).cmdFinishedSolving, Qt::Key_Escape);
        QVERIFY(Ui(m).picQuoteList->isVisible());
        QCOMPARE(m.cancelButton(), Ui(m).cmdQuit);
        QVERIFY(Ui(m).cmdQuit->Enabled());
        QCOMPARE(Ui(m).txtBox[1]->palette().color(QPalette::Base), frmMain::Cyan);
        QCOMPARE(Ui(m).txtBox[1]->text(), Quote); // the highlighted quote again
        QVERIFY(!Ui(m).txtBox[2]->isVisible());
        QCOMPARE(HelpTopic, HelpTopics::MainLobby);
        startGame(m);
        QCOMPARE(Ui(m).cmdSolve->Tag(), QString());
        QVERIFY(Ui(m).txtBox[1]->text().contains(SolveGame::Unsolved));
    }

    void f4AndF8BelongToSolveModeOnly() {
        frmMain &m = open();
        QTest::keyClick(Ui(m).grid, Qt::Key_F8);
        QTest::keyClick(Ui(m).grid, Qt::Key_F4);
        QVERIFY(Ui(m).picQuoteList->isVisible());
        QCOMPARE(Ui(m).txtBox[1]->text(), Quote);
        QVERIFY(script->messages.isEmpty());
    }

    void copyingFromTheBoxesGivesTheTextWithoutTheWrapBreaks() {
        frmMain &m = open();
        startGame(m, 1);
        for (int i : {1, 2}) {
            QVERIFY(Ui(m).txtBox[i]->document()->toRawText().contains(
                QChar::LineSeparator)); // it wraps
            Ui(m).txtBox[i]->selectAll();
            Ui(m).txtBox[i]->copy();
            QCOMPARE(QApplication::clipboard()->text(), Ui(m).txtBox[i]->text());
            QVERIFY(!QApplication::clipboard()->text().contains(QLatin1Char('\n')));
        }
    }

    void bothBoxesBreakTheirLinesAtTheSamePlaces() {
        frmMain &m = open(1);
        const QString longQuote =
            QStringLiteral("WHOSE WOODS THESE ARE I THINK I KNOW; HIS HOUSE IS IN THE VILLAGE "
                           "THOUGH. HE WILL NOT SEE ME STOPPING "
                           "HERE TO WATCH HIS WOODS FILL UP WITH SNOW-AND-ICE/RAIN... - R. FROST");
        QVERIFY(quotes::SaveQuote(longQuote, false, 1));
        startGame(m, 1);
        QTest::keyClick(Ui(m).txtLetter[1], cipherOf(QLatin1Char('W')).toLatin1());
        QTest::keyClick(Ui(m).txtLetter[2], 'w');
        QApplication::processEvents();
        // Where each character is painted in the two boxes: same line, same column.
        int lines = 0;
        QCOMPARE(Ui(m).txtBox[1]->document()->characterCount(),
                 Ui(m).txtBox[2]->document()->characterCount());
        for (int i = 0; i < Ui(m).txtBox[1]->document()->characterCount() - 1; ++i) {
            QTextCursor a(Ui(m).txtBox[1]->document()), b(Ui(m).txtBox[2]->document());
            a.setPosition(i);
            b.setPosition(i);
            const QRect ra = Ui(m).txtBox[1]->cursorRect(a), rb = Ui(m).txtBox[2]->cursorRect(b);
            QCOMPARE(ra.x(), rb.x());
            QVERIFY(ra.x() <= Ui(m).txtBox[1]->viewport()->width()); // nothing runs past the edge
            QCOMPARE(
                ra.y() - Ui(m).txtBox[1]->cursorRect(QTextCursor(Ui(m).txtBox[1]->document())).y(),
                rb.y() - Ui(m).txtBox[2]->cursorRect(QTextCursor(Ui(m).txtBox[2]->document())).y());
            if (i && ra.x() < Ui(m)
                                  .txtBox[1]
                                  ->cursorRect([&] {
                                      QTextCursor c(Ui(m).txtBox[1]->document());
                                      c.setPosition(i - 1);
                                      return c;
                                  }())
                                  .x())
                ++lines;
        }
        QVERIFY(lines >= 2); // the quote really wraps
        // On the grabbed pictures the text lines are at the same heights too.
        const QImage top = Ui(m).txtBox[1]->viewport()->grab().toImage(),
                     bottom = Ui(m).txtBox[2]->viewport()->grab().toImage();
        // The first pixel row of each band of ink.
        auto inkRows = [](const QImage &img) {
            QList<int> rows;
            const QRgb base = img.pixel(img.width() - 3, img.height() - 3);
            bool inBand = false;
            for (int y = 0; y < img.height(); ++y) {
                bool ink = false;
                for (int x = 0; x < img.width() - 20 && !ink; ++x)
                    ink = img.pixel(x, y) != base;
                if (ink && !inBand) rows << y;
                inBand = ink;
            }
            return rows;
        };
        QCOMPARE(inkRows(top).size(), lines + 1);
        QCOMPARE(inkRows(bottom).size(), lines + 1);
    }

    // ---- Solver's aids ------------------------------------------------------------

    // What the solve panel and both boxes look like, as the player sees them.
    static QList<QImage> looks(frmMain &m) {
        QApplication::processEvents();
        return {Ui(m).picSolveRandomQuote->grab().toImage(), Ui(m).picQuote->grab().toImage()};
    }

    // The point over the guide box's character `index`.
    static QPoint over(QuoteTextBox *box, int index) {
        for (int y = 2; y < box->viewport()->height(); y += 3)
            for (int x = 2; x < box->viewport()->width(); x += 2)
                if (box->storedIndexAt(QPoint(x, y)) == index) return QPoint(x + 1, y + 1);
        return {-1, -1};
    }

    void withTheAidsOffTheGameIsAsItWas() {
        // Off on a new installation.
        QVERIFY(!SolverAidsPanel::solverAidsOn());
        frmMain &m = open();
        startGame(m);
        QVERIFY(!aids(m)->SolverAids);
        QVERIFY(!aids(m)->stripLetters->isVisible());
        const QList<QImage> before = looks(m);
        // The pointer over a letter of the guide box and a click on it change
        // nothing, and a pair still goes in by the keys alone.
        const QPoint at = over(Ui(m).txtBox[2], 0);
        QVERIFY(at.x() >= 0);
        QTest::mouseMove(Ui(m).txtBox[2]->viewport(), at);
        QTest::mouseClick(Ui(m).txtBox[2]->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(Ui(m).txtLetter[1]->text().isEmpty());
        Ui(m).txtLetter[1]->setFocus();
        QCOMPARE(looks(m), before);
        // Switched on and off again through the menu: the same pixels.
        aids(m)->menuSolverAids_Click();
        QVERIFY(aids(m)->stripLetters->isVisible());
        QVERIFY(looks(m) != before);
        aids(m)->menuSolverAids_Click();
        QCOMPARE(looks(m), before);
        QCOMPARE(Settings::GetSetting(QStringLiteral("SolverAids")), QStringLiteral("False"));
    }

    void theSwitchIsInThePanelsMenuAndRemembered() {
        frmMain &m = open();
        startGame(m);
        QString caption;
        bool ticked = true;
        QTimer::singleShot(0, [&] {
            if (QMenu *menu = m.solveMenu()) {
                QAction *a = menu->actions()[0];
                caption = a->text();
                ticked = a->isChecked();
                menu->close();
                a->trigger();
            }
        });
        QTest::keyClick(Ui(m).txtLetter[1], Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(caption, QStringLiteral("&Solver's Aids"));
        QVERIFY(!ticked);
        QVERIFY(aids(m)->SolverAids);
        QCOMPARE(Settings::GetSetting(QStringLiteral("SolverAids")), QStringLiteral("True"));
        // The next game starts with the aids on.
        Ui(m).cmdFinishedSolving->PerformClick();
        QVERIFY(!aids(m)->stripLetters->isVisible());
        startGame(m);
        QVERIFY(aids(m)->SolverAids && aids(m)->stripLetters->isVisible());
        Settings::SaveSetting(QStringLiteral("SolverAids"), QStringLiteral("False"));
    }

    void theStripStaysClearOfEveryControl() {
        Settings::SaveSetting(QStringLiteral("SolverAids"), QStringLiteral("True"));
        frmMain &m = open();
        startGame(m);
        const QRect strip = aids(m)->stripLetters->geometry();
        QVERIFY(Ui(m).picQuote->rect().contains(strip));
        for (QWidget *w : Ui(m).picQuote->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (w != aids(m)->stripLetters && w->isVisibleTo(Ui(m).picQuote))
                QVERIFY2(!w->geometry().intersects(strip), qPrintable(w->objectName()));
        // Its letters and counts are as large as the list's text, and fit their cells.
        QCOMPARE(LetterStrip::countFont().pointSizeF(), Ui(m).grid->font().pointSizeF());
        const QFontMetrics count(LetterStrip::countFont()), letter(LetterStrip::letterFont());
        const QRect cell = aids(m)->stripLetters->cell(0);
        QVERIFY(count.height() <= cell.height() && letter.height() <= cell.height());
        QVERIFY2(letter.horizontalAdvance(QStringLiteral("W")) + count.horizontalAdvance("00") +
                         letter.horizontalAdvance(QStringLiteral("W")) + 12 <=
                     cell.width(),
                 "a letter, a two-digit count and a letter do not crowd");
        Settings::SaveSetting(QStringLiteral("SolverAids"), QStringLiteral("False"));
    }

    void withTheAidsOnClicksKeepTheTyping() {
        // A click in the solution box between letters sends the focus
        // nowhere else; a click on a letter there picks its scrambled letter.
        Settings::SaveSetting(QStringLiteral("SolverAids"), QStringLiteral("True"));
        frmMain &m = open();
        startGame(m);
        QVERIFY(QTest::qWaitForWindowActive(&m));
        Ui(m).txtLetter[1]->setFocus();
        const QPoint blank = over(Ui(m).txtBox[1], int(Quote.indexOf(u' ')));
        QTest::mouseClick(Ui(m).txtBox[1]->viewport(), Qt::LeftButton, {}, blank);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Ui(m).txtLetter[1]));
        QTest::mouseClick(Ui(m).txtBox[1]->viewport(), Qt::LeftButton, {},
                          over(Ui(m).txtBox[1], 0));
        QCOMPARE(Ui(m).txtLetter[1]->text(), QString(cipherOf(u'T')));
        QTest::keyClick(QApplication::focusWidget(), 't');
        QVERIFY(Ui(m).txtBox[1]->text().startsWith(QStringLiteral("T")));
        // The puzzle boxes' own menu offers the switch too.
        QStringList items;
        QTimer::singleShot(0, [&] {
            if (QMenu *menu = m.solveMenu()) {
                for (QAction *a : menu->actions())
                    items << a->text();
                menu->close();
            }
        });
        m.txtBox_ContextMenu(Ui(m).txtBox[1], QPoint(10, 8));
        QVERIFY2(items.contains(QStringLiteral("&Solver's Aids")), qPrintable(items.join('|')));
        // Switched off, the design's rule holds again: the box gives the focus away.
        aids(m)->menuSolverAids_Click();
        Ui(m).txtLetter[1]->setFocus();
        QTest::mouseClick(Ui(m).txtBox[1]->viewport(), Qt::LeftButton, {}, QPoint(10, 8));
        QVERIFY(QApplication::focusWidget() != Ui(m).txtLetter[1]);
    }

    // ---- The board -------------------------------------------------------------------

    void theBoardKeepsAnAdditionsFocusAndShowsWhatItShows() {
        frmMain &m = open();
        BoardSeam &board = m.seam().board();
        QSignalSpy shown(&board, &BoardSeam::shownChanged);
        // A widget of an addition's own over the puzzle holds the board's
        // keyboard: from the game's start, and after each pair placed there.
        auto *own = new QLineEdit;
        board.place(own, BoardSeam::Place::OverPuzzle);
        own->show();
        board.holdFocus(own);
        startGame(m);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(own));
        QCOMPARE(board.scrambledShown(), m.game.Enciphered());
        const QChar t = m.session.key()[u'T' - u'A'];
        shown.clear();
        board.placePair(t, u'T');
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(own));
        QVERIFY(Ui(m).txtLetter[1]->text().isEmpty());
        QVERIFY(!shown.isEmpty());
        QCOMPARE(board.solutionShown(), m.game.shown());
        QCOMPARE(board.solutionShown(), Ui(m).txtBox[1]->text());
        board.setMarks(BoardSeam::Marks::Wrong, {0});
        QCOMPARE(board.marksShown(), (QMap<int, QColor>{{0, board.palette().wrong}}));
        // Let go, the first letter box has it again, as designed.
        board.holdFocus(nullptr);
        board.placePair(t, u' ');
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Ui(m).txtLetter[1]));
        delete own;
    }

    void aPuzzleWithoutWordBreaksIsReadAsWrittenOnceSolved() {
        frmMain &m = open();
        m.PlayRecord(3, play::Level::Any, play::WithoutWordBreaks());
        QCOMPARE(m.game.SolveQuote(), quotes::LettersInFives(Quote));
        QCOMPARE(m.session.original(), Quote);
        // Kept with the game, and back when it is resumed.
        const play::KeptGame kept = *play::ParseGameFile(play::FormatGameFile(m.session.kept()));
        QCOMPARE(kept.original, Quote);
        m.cmdSolve_Click();
        QCOMPARE(Ui(m).txtBox[1]->text(), Quote);
        QCOMPARE(Ui(m).txtBox[2]->text(), cipher::EncipherWith(m.session.key(), Quote));
        m.cmdFinishedSolving_Click();
    }

    // ---- The seam the additions hang on --------------------------------------------

    void theSeamShowsWhatTheAdditionsAsk() {
        frmMain &m = open();
        LobbySeam &seam = m.seam();
        QuoteTextBox *guide = Ui(m).txtBox[2];
        const auto header = [&] {
            return Ui(m).grid->list()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString();
        };
        // Notes after the status line, in the order they first came, heard too.
        const QString designed = header();
        seam.setStatusNote(QStringLiteral("a"), QStringLiteral(" 1"));
        seam.setStatusNote(QStringLiteral("b"), QStringLiteral(" 2"));
        seam.setStatusNote(QStringLiteral("a"), QStringLiteral(" 3"));
        QCOMPARE(header(), designed + QStringLiteral(" 3 2"));
        QCOMPARE(Ui(m).grid->accessibleDescription(), header());
        // The notes are heard with the highlighted quote, without their dots.
        seam.setStatusNote(QStringLiteral("b"), QStringLiteral(" \u00B7 Easy"));
        const QModelIndex row = Ui(m).grid->currentIndex();
        QCOMPARE(row.data(Qt::AccessibleDescriptionRole).toString(), QStringLiteral("3, Easy"));
        seam.setStatusNote(QStringLiteral("a"), {});
        seam.setStatusNote(QStringLiteral("b"), {});
        QCOMPARE(header(), designed);
        // Marks in layers: a mistake shows under the pointer's light, and
        // stays when the light moves on.
        seam.playRecord(3);
        QVERIFY(QTest::qWaitForWindowActive(&m));
        BoardSeam &board = seam.board(); // what acts on the game is the board's
        guide = Ui(m).txtBox[2];
        QVERIFY(guide != Ui(m).txtBox[1] && guide->isVisible());
        const QColor wrong = board.palette().wrong, lit = board.palette().lit;
        board.setMarks(BoardSeam::Marks::Wrong, {0, 1});
        board.setMarks(BoardSeam::Marks::Lit, {1, 2});
        QCOMPARE(guide->markAt(1), wrong);
        QCOMPARE(guide->markAt(2), lit);
        board.setMarks(BoardSeam::Marks::Lit, {});
        QCOMPARE(guide->highlighted(), QList<int>({0, 1}));
        // Words after the title.
        seam.setTitleNote(QStringLiteral("clock"), QStringLiteral(" - 1:00"));
        seam.setTitleNote(QStringLiteral("day"), QStringLiteral(" - today"));
        seam.setTitleNote(QStringLiteral("clock"), QStringLiteral(" - 1:01"));
        QCOMPARE(m.windowTitle(), QStringLiteral(" Cipherly - 1:01 - today"));
        seam.setTitleNote(QStringLiteral("clock"), {});
        seam.setTitleNote(QStringLiteral("day"), {});
        QCOMPARE(m.windowTitle(), QStringLiteral(" Cipherly"));
        // Typing on the puzzle: a click on a letter is told and keeps the
        // focus there, and the keys typed there go to the typing first.
        QList<int> keys;
        board.typeOnPuzzle([&](int k, Qt::KeyboardModifiers) { return keys << k, k == Qt::Key_Q; });
        QSignalSpy clicked(&board, &BoardSeam::puzzleClicked);
        QTest::mouseClick(guide->viewport(), Qt::LeftButton, {}, over(guide, 0));
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked[0][0].toInt(), 0);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(guide));
        QTest::keyClick(QApplication::focusWidget(), 'q');
        QCOMPARE(keys, QList<int>{Qt::Key_Q});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(guide));
        board.typeOnPuzzle({});
        QCOMPARE(guide->focusPolicy(), guide->ownFocusPolicy());
        // The window going away, and coming back; nothing moves while it is
        // away or the game stands still.
        m.setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(seam.away());
        QVERIFY(Ui(m).AniGiff[1]->held() && Ui(m).AniGiff[2]->held());
        m.setWindowState(Qt::WindowNoState);
        QTRY_VERIFY(!seam.away());
        QVERIFY(!Ui(m).AniGiff[1]->held());
        m.session.pause(); // the puzzle hidden from everyone, a screen reader too
        QVERIFY(Ui(m).AniGiff[2]->held() && guide->text().isEmpty());
        QVERIFY(Ui(m).txtBox[1]->accessibleDescription().isEmpty());
        m.session.unpause();
        QCOMPARE(guide->text(), m.game.Enciphered());
        // Tab from an empty first letter box goes on past the second.
        Ui(m).txtLetter[1]->setFocus();
        QTest::keyClick(Ui(m).txtLetter[1], Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != Ui(m).txtLetter[1] &&
                QApplication::focusWidget() != Ui(m).txtLetter[2]);
        // A check before leaving keeps the game as it is.
        seam.addLeaveCheck([](LobbySeam::Leaving) { return false; });
        Ui(m).cmdSolve->PerformClick();
        QTest::keyClick(&m, Qt::Key_Escape);
        QVERIFY(m.mode.is(LobbyMode::Mode::Solve) && !m.game.isOver());
        // A game of a level; an expert's Hint cannot be used, a plain game's can.
        m.abandonGame();
        seam.playRecord(0, play::Level::Expert);
        QVERIFY(!Ui(m).cmdHint->Enabled());
        seam.playRecord(0);
        QVERIFY(Ui(m).cmdHint->Enabled());
    }

    // ---- The record of games --------------------------------------------------------

    void aRecordWithALineBreakMakesAGameThatEnds() {
        // An old or hand-edited list: a record with CR LF and a tab inside.
        QTemporaryDir data;
        stats::SetRecordPath(data.filePath(QStringLiteral("games.csv")));
        {
            QFile f(quotes::QuoteFileName);
            QVERIFY(f.open(QIODevice::WriteOnly));
            for (int i = 1; i <= 11; ++i)
                f.write(QByteArray(
                            i == 11 ? "A QUOTE KEPT OVER\r\nTWO LINES\tOF AN OLD LIST, LONG ENOUGH"
                                    : "THE TENTH AND THE OTHERS, ALL OF THEM QUITE LONG ENOUGH")
                            .leftJustified(200, ' '));
        }
        frmMain &m = OpenLobby(lobby);
        startGame(m, 11);
        QCOMPARE(m.game.SolveQuote(),
                 QStringLiteral("A QUOTE KEPT OVER  TWO LINES OF AN OLD LIST, LONG ENOUGH"));
        Ui(m).cmdSolve->PerformClick();
        QVERIFY(!Ui(m).cmdHint->isVisible() && !Ui(m).cmdSolve->isVisible()); // the game is over
        QCOMPARE(Ui(m).lblSolveMessage->text(), QStringLiteral("\nSee the solved message below."));
        Ui(m).cmdFinishedSolving->PerformClick();
        const QList<stats::Game> games = stats::ReadGames();
        QCOMPARE(games.size(), 1);
        QCOMPARE(games[0].outcome, stats::Outcome::Shown); // not "abandoned"
        stats::SetRecordPath({});
    }

    // ---- Play your way: choose, never the same twice, resume, undo --------------

    void solveThisQuotePlaysTheHighlightedOne() {
        // The last quote of a full list.
        {
            QFile f(quotes::QuoteFileName);
            QVERIFY(f.open(QIODevice::WriteOnly));
            const QByteArray rec = Quote.toLatin1().leftJustified(200, ' ');
            QByteArray all;
            for (int i = 1; i < quotes::MaxRecords; ++i)
                all += rec;
            all += QByteArray("THE VERY LAST QUOTE OF A LIST THAT HOLDS AS MANY AS IT CAN HOLD")
                       .leftJustified(200, ' ');
            QCOMPARE(f.write(all), all.size());
        }
        lobby = NewLobby();
        lobby->show();
        QVERIFY(QTest::qWaitFor([this] { return lobby->activated(); }, WaitLimit));
        frmMain &m = *lobby;
        QCOMPARE(Ui(m).grid->row(), int(quotes::MaxRecords));
        QStringList items;
        QTimer::singleShot(0, [&] {
            if (QMenu *menu = m.listMenu()) {
                for (QAction *a : menu->actions())
                    items << a->text();
                QAction *solve = menu->actions().at(3);
                menu->close();
                solve->trigger();
            }
        });
        QTest::keyClick(Ui(m).grid, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(items.at(3), QStringLiteral("Solve &This Quote"));
        QVERIFY(m.mode.is(LobbyMode::Mode::Solve));
        QCOMPARE(m.game.SolveQuote(),
                 QStringLiteral("THE VERY LAST QUOTE OF A LIST THAT HOLDS AS MANY AS IT CAN HOLD"));
        QCOMPARE(Ui(m).txtBox[2]->text(), cipher::EncipherText(m.game.SolveQuote()));
        QCOMPARE(m.cancelButton(), Ui(m).cmdFinishedSolving); // as a random game plays
    }

    void pairsAreTakenBackAndPutBackThroughAWholeGame() {
        frmMain &m = open();
        startGame(m);
        Ui(m).cmdHint->PerformClick(); // a hint stays, and counts
        const QString afterHint = m.game.SolveProgress();
        // The letters the hint left to find (the hint is drawn at random).
        QList<QChar> letters;
        for (qsizetype i = 0; i < Quote.size(); ++i)
            if (afterHint[i] == SolveGame::Unsolved && !letters.contains(Quote[i]))
                letters << Quote[i];
        // Every letter but the last, then all of them taken back.
        for (qsizetype i = 0; i + 1 < letters.size(); ++i) {
            QTest::keyClick(Ui(m).txtLetter[1], cipherOf(letters[i]).toLatin1());
            QTest::keyClick(Ui(m).txtLetter[2], letters[i].toLatin1());
        }
        const QString nearly = m.game.SolveProgress();
        for (qsizetype i = 0; i + 1 < letters.size(); ++i)
            QTest::keyClick(Ui(m).txtLetter[1], Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m.game.SolveProgress(), afterHint); // the hint's letters stay
        QCOMPARE(Ui(m).txtBox[1]->text(), afterHint);
        QCOMPARE(m.game.HintCount(), qint16(1));
        QVERIFY(!m.game.canUndo());
        // Put back with both keys.
        for (qsizetype i = 0; i + 1 < letters.size(); ++i)
            QTest::keyClick(Ui(m).txtLetter[1], Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(m.game.SolveProgress(), nearly);
        QTest::keyClick(Ui(m).txtLetter[1], Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(Ui(m).txtLetter[1], Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m.game.SolveProgress(), nearly);
        QVERIFY(Ui(m).txtLetter[1]->text().isEmpty()); // the letter boxes empty, ready
        // The last pair ends the game as ever; then there is nothing to take back.
        QTest::keyClick(Ui(m).txtLetter[1], cipherOf(letters.last()).toLatin1());
        QTest::keyClick(Ui(m).txtLetter[2], letters.last().toLatin1());
        QVERIFY(Ui(m).lblSolveMessage->text().startsWith(QStringLiteral("Congratulations!")));
        QVERIFY(!m.game.canUndo());
    }

    void aGameLeftOpenIsKeptAndContinued() {
        frmMain &m = open();
        QDateTime t(QDate(2026, 12, 8), QTime(14, 3, 0));
        m.now = [&] { return t; };
        startGame(m);
        const QString enciphered = Ui(m).txtBox[2]->text();
        QTest::keyClick(Ui(m).txtLetter[1], cipherOf(QLatin1Char('T')).toLatin1());
        QTest::keyClick(Ui(m).txtLetter[2], 't');
        Ui(m).cmdHint->PerformClick();
        t = t.addSecs(95);
        QTest::keyClick(Ui(m).txtLetter[1], cipherOf(QLatin1Char('H')).toLatin1());
        QTest::keyClick(Ui(m).txtLetter[2], 'h');
        const QString progress = m.game.SolveProgress();
        QVERIFY(
            Added<SavedGame>(m)->keeper().Finish().isEmpty()); // written off the window's thread
        QVERIFY(QFile::exists(SavedGame::FileName()));
        // The program is killed: the lobby goes without a word.
        delete lobby;
        QVERIFY(stats::ReadGames().isEmpty());

        script->answers << dialogs::Answer::Yes;
        lobby = NewLobby();
        lobby->now = [&] { return t; };
        lobby->show();
        QTRY_VERIFY(lobby->mode.is(LobbyMode::Mode::Solve));
        const dialogs::Message asked = script->messages.last();
        QCOMPARE(asked.defaultAnswer, dialogs::Answer::Yes);
        QCOMPARE(asked.buttons, dialogs::Buttons::YesNo);
        // T and H typed, a hint between (perhaps on H): pairs, not the places they fill.
        QSet<QChar> pairs;
        for (qsizetype i = 0; i < progress.size(); ++i)
            if (progress[i] != SolveGame::Unsolved && Quote[i].isLetter()) pairs << enciphered[i];
        QVERIFY(pairs.size() >= 2 && pairs.size() <= 3);
        QVERIFY2(asked.text.contains(QStringLiteral("with %1 pairs placed").arg(pairs.size())),
                 qPrintable(asked.text));
        QVERIFY(asked.text.contains(QLocale().toString(QTime(14, 3), QLocale::ShortFormat)));
        frmMain &again = *lobby;
        QCOMPARE(Ui(again).txtBox[2]->text(), enciphered); // the same cipher
        QCOMPARE(Ui(again).txtBox[1]->text(), progress);   // the same letters
        QCOMPARE(again.game.HintCount(), qint16(1));
        QCOMPARE(again.game.SolveStartTime().secsTo(t), qint64(95)); // the time goes on
        // The pairs placed before the break can be taken back, and put back;
        // the hint still counts.
        QTest::keyClick(Ui(again).txtLetter[1], Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(again.game.SolveProgress().count(SolveGame::Unsolved) >
                progress.count(SolveGame::Unsolved));
        QCOMPARE(again.game.HintCount(), qint16(1));
        QTest::keyClick(Ui(again).txtLetter[1], Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Ui(again).txtBox[1]->text(), progress);
        // Finished now: counted once, and nothing kept.
        t = t.addSecs(5);
        Ui(again).cmdSolve->PerformClick();
        QVERIFY(!QFile::exists(SavedGame::FileName()));
        const QList<stats::Game> games = stats::ReadGames();
        QCOMPARE(games.size(), 1);
        QCOMPARE(games[0].outcome, stats::Outcome::Shown);
        QCOMPARE(games[0].seconds, qint64(100));
        QCOMPARE(games[0].hints, 1);
    }

    // ---- Printing a scrambled quote -----------------------------------------

    void printModeShowsTheKeyUnderTheAlphabet() {
        frmMain &m = open();
        Ui(m).cmdScrambleAndPrintQuote->PerformClick();
        QCOMPARE(HelpTopic, HelpTopics::EncryptingPrinting);
        QVERIFY(Ui(m).picPrintQuote->isVisible() && Ui(m).cmdFinishedPrinting->isVisible());
        QVERIFY(!Ui(m).cmdDeleteQuote->isVisible());
        const QString code = Ui(m).lblCode->text();
        QCOMPARE(code.size(), 52);
        for (int k = 0; k < 26; ++k) {
            QCOMPARE(code[2 * k + 1], QLatin1Char(' '));
            QVERIFY(code[2 * k] != QChar('A' + k)); // never a letter under itself
            QCOMPARE(QString(code[2 * k]), cipher::KeyTable('A' + k, 1));
        }
        QCOMPARE(Ui(m).lblLetter->text(),
                 QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U V W X Y Z"));
        QCOMPARE(Ui(m).txtBox[2]->text(), cipher::EncipherText(Quote));
        QCOMPARE(Ui(m).chkPrintSolutionPage->text(), QStringLiteral("Also print a Solution Page"));
        Ui(m).cmdFinishedPrinting->PerformClick();
        QVERIFY(Ui(m).picQuoteList->isVisible() && !Ui(m).txtBox[2]->isVisible());
        QCOMPARE(Ui(m).lblCode->text(), QString());
        QCOMPARE(HelpTopic, HelpTopics::MainLobby);
    }

    void personalisingAsksAndRemembers() {
        frmMain &m = open();
        Ui(m).cmdScrambleAndPrintQuote->PerformClick();
        // Yes, then a cancelled name: nothing printed.
        script->answers << Answer::Yes;
        Ui(m).cmdPrintQuote->PerformClick();
        QCOMPARE(printer.opened, 0);
        QCOMPARE(script->messages[0].text,
                 QStringLiteral("Would you like to personalize this printout?"));
        QCOMPARE(script->messages[0].title, QStringLiteral("Cipherly"));
        QCOMPARE(script->messages[0].buttons, dialogs::Buttons::YesNoCancel);
        QCOMPARE(script->inputs[0].title, QStringLiteral("Personalize this printout"));
        QCOMPARE(script->inputs[0].prompt,
                 QStringLiteral("Okay-- Who are you printing\nthis scrambled quote for?"));
        QCOMPARE(script->inputs[0].initial, QString());
        // A name is printed and offered next time.
        script->answers << Answer::Yes;
        script->entries << QStringLiteral("Grandma Jo");
        Ui(m).cmdPrintQuote->PerformClick();
        QCOMPARE(printer.opened, 1);
        QCOMPARE(printer.last->documents, 1);
        script->answers << Answer::Yes;
        Ui(m).cmdPrintQuote->PerformClick();
        QCOMPARE(script->inputs.last().initial, QStringLiteral("Grandma Jo"));
        // No clears it; Cancel prints nothing.
        script->answers << Answer::No;
        Ui(m).cmdPrintQuote->PerformClick();
        QCOMPARE(m.PrintForName, QString());
        QCOMPARE(printer.opened, 2);
        script->answers << Answer::Cancel;
        Ui(m).cmdPrintQuote->PerformClick();
        QCOMPARE(printer.opened, 2);
        // With the solution page ticked: two documents.
        Ui(m).chkPrintSolutionPage->setChecked(true);
        script->answers << Answer::No;
        Ui(m).cmdPrintQuote->PerformClick();
        QCOMPARE(printer.last->documents, 2);
        QVERIFY(m.isEnabled());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void thePuzzleAndSolutionPagesLineByLine() {
        cipher::MakeCodeKey();
        const QString cipher = cipher::EncipherText(Quote);
        RecordingSurface s;
        CryptogramPage::print(s, 1, QStringLiteral("Sam"), cipher, Quote);
        CryptogramPage::print(s, 2, QStringLiteral("Sam"), cipher, Quote);
        QCOMPARE(s.documents, 2);
        const QList<Piece> p1 = onDocument(s.pieces, 1), p2 = onDocument(s.pieces, 2);
        auto find = [](const QList<Piece> &ps, const QString &text) {
            for (const auto &p : ps)
                if (p.text == text) return p;
            return Piece{};
        };
        const Piece title = find(p1, QStringLiteral("Cipherly"));
        QVERIFY(near(title.x, 1.0) && near(title.y, 1.0));
        QCOMPARE(title.family, QStringLiteral("Arial"));
        QCOMPARE(title.size, 12.0);
        QVERIFY(title.bold && !title.italic);
        const Piece made = find(p1, QStringLiteral("This scrambled message was made"));
        QVERIFY(near(made.x, 1.0) && near(made.y, 1.5));
        const Piece forWhom = find(p1, QStringLiteral("especially for Sam!"));
        QVERIFY(near(forWhom.x, 1.0) && forWhom.y > made.y);
        const Piece solve = find(p1, QStringLiteral("Solve the scrambled message below..."));
        QVERIFY(solve.y > forWhom.y + (forWhom.y - made.y) * 1.5); // an empty line between
        // The quote: Fixedsys 12 bold from 3.5 inches, every character with a blank.
        const Piece q0 = find(p1, QString(cipher[0]) + QLatin1Char(' '));
        QVERIFY(near(q0.x, 1.0) && near(q0.y, 3.5));
        QCOMPARE(q0.family, QStringLiteral("Fixedsys"));
        QVERIFY(q0.bold);
        const Piece notes = find(p1, QStringLiteral("Notes:"));
        QVERIFY(notes.italic && notes.bold && notes.size == 10.0 && near(notes.x, 1.0));
        // The empty key rows: A..M and N..Z at 1.6 .. 6.4 inches.
        for (int k = 1; k <= 13; ++k) {
            const Piece a = find(p1, QString(QChar('A' + k - 1))),
                        n = find(p1, QString(QChar('M' + k)));
            QVERIFY(near(a.x, 1.2 + 0.4 * k) && near(n.x, 1.2 + 0.4 * k));
            QVERIFY(a.bold && !a.italic && n.y > a.y);
        }
        QVERIFY(find(p1, QStringLiteral("A")).y > notes.y);
        // Page 2: its heading, the plain quote, the key under "Code Key:", then "Notes:".
        QVERIFY(!find(p2, QStringLiteral("Cipherly's Solution Page--")).text.isEmpty());
        QVERIFY(near(find(p2, QStringLiteral("Cipherly's Solution Page--")).y, 1.5));
        QVERIFY(find(p2, QStringLiteral("This scrambled message was made")).text.isEmpty());
        QVERIFY(near(find(p2, QString(Quote[0]) + QLatin1Char(' ')).y, 3.5));
        const Piece key = find(p2, QStringLiteral("Code Key:"));
        QVERIFY(key.italic);
        int cipherRows = 0;
        for (const auto &p : p2)
            if (!p.bold && p.family == QStringLiteral("Fixedsys") && p.text.size() == 1) {
                ++cipherRows;
                QVERIFY(p.y > key.y);
            }
        QCOMPARE(cipherRows, 26);
        QCOMPARE(p2.last().text, QStringLiteral("Notes:"));
    }

    void anUnnamedPuzzleStartsWithTheInstruction() {
        RecordingSurface s;
        CryptogramPage::print(s, 1, QString(), QStringLiteral("XYZ"), QStringLiteral("ABC"));
        QCOMPARE(s.pieces[1].text, QStringLiteral("Solve the scrambled message below..."));
        QVERIFY(near(s.pieces[1].y, 1.5));
    }

    void quoteLinesBreakAtBlanksPast65OrAnywherePast8() {
        RecordingSurface s;
        s.setFontName(QStringLiteral("Fixedsys"));
        s.setFontSize(12);
        s.setFontBold(true);
        s.setCurrentX(1.0);
        CryptogramPage::layOutQuote(s,
                                    QStringLiteral("AAAA BBBB CCCC DDDD EEEE FFFF GGGG HHHH IIII"));
        // Where each line starts, and what it starts with.
        QList<QPair<double, QString>> starts;
        double lastY = -1;
        for (const auto &p : s.pieces)
            if (p.y != lastY) {
                starts << qMakePair(p.y, p.text);
                lastY = p.y;
            }
        QVERIFY(starts.size() >= 2);
        for (int i = 1; i < starts.size(); ++i) {
            QVERIFY(near(starts[i].first - starts[i - 1].first, 3 * s.lineHeight()));
            QCOMPARE(starts[i].second.at(0) != QLatin1Char(' '), true);
        }
        for (const auto &p : s.pieces)
            QVERIFY(p.x < 6.5 + 0.25 || p.text == QStringLiteral("  "));
        // Without blanks: cut after the character that passes 8.0 inches.
        RecordingSurface t;
        t.setFontName(QStringLiteral("Fixedsys"));
        t.setFontSize(12);
        t.setCurrentX(1.0);
        CryptogramPage::layOutQuote(t, QString(60, QLatin1Char('W')));
        double maxX = 0;
        int firstLine = 0;
        for (const auto &p : t.pieces) {
            maxX = qMax(maxX, p.x);
            if (near(p.y, t.pieces[0].y)) ++firstLine;
        }
        QVERIFY(maxX > 7.7 && maxX <= 8.0);
        QCOMPARE(firstLine, int(std::floor((8.0 - 1.0) / t.textWidth(QStringLiteral("W ")))) + 1);
    }

    void aRealPdfPutsTheTextWhereTheLayoutSays() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        auto pdf = DeviceSurface::toPdfFolder(folder->path());
        pdf->setDocumentName(QStringLiteral("puzzle"));
        cipher::MakeCodeKey();
        CryptogramPage::print(*pdf, 1, QString(), cipher::EncipherText(Quote), Quote);
        QCOMPARE(pdf->files().size(), 1);
        QVERIFY(pdf->failures().isEmpty());
        QVERIFY(
            QFileInfo(pdf->files()[0]).fileName().startsWith(QStringLiteral("Cipherly puzzle ")));
        QProcess p;
        p.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-bbox"), pdf->files()[0], QStringLiteral("-")});
        QVERIFY(p.waitForFinished(20000));
        const QString xml = QString::fromUtf8(p.readAllStandardOutput());
        const QRegularExpression word(
            QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
        QMap<QString, QList<QPointF>> at;
        for (auto it = word.globalMatch(xml); it.hasNext();) {
            const auto m = it.next();
            at[m.captured(3)] << QPointF(m.captured(1).toDouble() / 72.0,
                                         m.captured(2).toDouble() / 72.0);
        }
        QVERIFY(at.contains(QStringLiteral("Solve")));
        QVERIFY(std::abs(at[QStringLiteral("Solve")][0].y() - 1.5) < 0.03);
        QVERIFY(std::abs(at[QStringLiteral("Solve")][0].x() - 1.0) < 0.03);
        // The key letters of the empty rows at 1.6 .. 6.4 inches.
        for (int k = 1; k <= 13; ++k) {
            const QString letter(QChar('A' + k - 1));
            QVERIFY2(at.contains(letter), qPrintable(letter));
            bool found = false;
            for (const QPointF &pt : at[letter])
                found |= std::abs(pt.x() - (1.2 + 0.4 * k)) < 0.03;
            QVERIFY2(found, qPrintable(letter));
        }
    }

    void anUnwritableFolderIsToldAndGivesTheWindowBack() {
        QFile blocker(folder->file(QStringLiteral("blocked")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto blocked = DeviceSurface::toPdfFolder(
            folder->file(QStringLiteral("blocked"))); // a file, not a folder
        blocked->setDocumentName(QStringLiteral("puzzle"));
        CryptogramPage::print(*blocked, 1, QString(), QStringLiteral("X"), QStringLiteral("A"));
        QVERIFY(blocked->files().isEmpty());
        QCOMPARE(blocked->failures().size(), 1);
        QVERIFY(blocked->report().contains(QStringLiteral("puzzle")));
    }
};

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
