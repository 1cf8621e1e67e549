// Every window as a screen reader meets it, walked through Qt's accessibility
// tree in the process: roles, names, descriptions and actions of everything a
// player operates or reads.
#include "Announcer.h"
#include "Fonts.h"
#include "HelpTopic.h"
#include "KelButton.h"
#include "KelButtonAccessible.h"
#include "Language.h"
#include "LetterStrip.h"
#include "Lobby.h"
#include "LobbyMenu.h"
#include "RecordingOpacity.h"
#include "ScreenReader.h"
#include "SolverAids.h"
#include "Spoken.h"
#include "frmManual.h"
#include "frmNewUser.h"
#include "frmStatistics.h"
#include "frmTitlePage.h"
#include "modSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// Roles a player operates.
bool operable(QAccessible::Role r) {
    return r == QAccessible::Button || r == QAccessible::CheckBox ||
           r == QAccessible::EditableText || r == QAccessible::Table || r == QAccessible::List ||
           r == QAccessible::Link;
}

struct Count {
    int operable = 0, named = 0, pressable = 0, buttons = 0;
    QStringList unnamed;
};

// Walks the tree under `iface`: what is on show and operable, and how much of
// it is named and can be pressed.
void walk(QAccessibleInterface *iface, Count &c) {
    if (!iface || iface->state().invisible) return;
    const QAccessible::Role role = iface->role();
    if (operable(role)) {
        ++c.operable;
        const QString name = iface->text(QAccessible::Name).trimmed();
        if (!name.isEmpty())
            ++c.named;
        else
            c.unnamed << QString::fromLatin1(iface->object()->metaObject()->className()) +
                             QLatin1Char(' ') + iface->object()->objectName();
        if (role == QAccessible::Button || role == QAccessible::CheckBox ||
            role == QAccessible::Link) {
            ++c.buttons;
            if (QAccessibleActionInterface *a = iface->actionInterface();
                a && (a->actionNames().contains(QAccessibleActionInterface::pressAction()) ||
                      a->actionNames().contains(QAccessibleActionInterface::toggleAction())))
                ++c.pressable;
        }
    }
    // Items of a table are the rows' own business: the table is one control.
    if (role == QAccessible::Table) return;
    for (int i = 0; i < iface->childCount(); ++i)
        walk(iface->child(i), c);
}

Count countOf(QWidget *window) {
    Count c;
    walk(QAccessible::queryAccessibleInterface(window), c);
    return c;
}

void checkAllNamed(QWidget *window, const char *what) {
    const Count c = countOf(window);
    qInfo("%s: %d controls a player operates, %d named, %d of %d buttons and links pressable", what,
          c.operable, c.named, c.pressable, c.buttons);
    QVERIFY2(c.unnamed.isEmpty(), qPrintable(QString::fromLatin1(what) + QStringLiteral(": ") +
                                             c.unnamed.join(QStringLiteral(", "))));
    QCOMPARE(c.pressable, c.buttons);
}

QAccessibleInterface *accessible(QObject *o) {
    return QAccessible::queryAccessibleInterface(o);
}

} // namespace

class TestAccess : public QObject, private LobbyFixture {
    Q_OBJECT

    RecordingOpacity opacity;

private slots:
    void initTestCase() {
        RegisterFontSubstitutions();
        language::Install(*qApp, {QStringLiteral("en")}); // counted texts as the program has them
        modFadeInOut::setOpacityControl(&opacity);
        QAccessible::setActive(true);
    }
    void init() { setUpLobby(); }
    void cleanup() { tearDownLobby(); }

    void aKelButtonIsAPushButtonThatCanBePressed() {
        QWidget host;
        auto *b = new KelButton(&host);
        b->InitProperties();
        b->setCaption(QStringLiteral("&Finished, Return\r\n(Esc)"));
        b->setToolTip(QStringLiteral(" Back to the list "));
        host.show();
        QAccessibleInterface *i = accessible(b);
        QCOMPARE(i->role(), QAccessible::Button);
        QCOMPARE(i->text(QAccessible::Name), QStringLiteral("Finished, Return (Esc)"));
        QCOMPARE(i->text(QAccessible::Description), QStringLiteral("Back to the list"));
        QCOMPARE(KelButtonAccessible::spoken(QStringLiteral("Scramble && &Print")),
                 QStringLiteral("Scramble & Print"));
        QVERIFY(i->state().focusable);
        // Press: the design's events, in the order Space gives them.
        QStringList events;
        connect(b, &KelButton::KeyDown,
                [&](qint16 &code, qint16 &) { events << QStringLiteral("down %1").arg(code); });
        connect(b, &KelButton::KeyPress,
                [&](qint16 &ascii) { events << QStringLiteral("press %1").arg(ascii); });
        connect(b, &KelButton::KeyUp,
                [&](qint16 &code, qint16 &) { events << QStringLiteral("up %1").arg(code); });
        connect(b, &KelButton::Click, [&] { events << QStringLiteral("click"); });
        i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(events, QStringList({"down 32", "press 32", "up 32", "click"}));
        // A disabled button says so and does nothing.
        b->setEnabledProperty(false);
        QVERIFY(i->state().disabled);
        events.clear();
        i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(20);
        QVERIFY(events.isEmpty());
        // A button that toggles is a check box, checked as it stands.
        b->setEnabledProperty(true);
        b->setCheckBoxBehaviour(true);
        QCOMPARE(i->role(), QAccessible::CheckBox);
        i->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QTRY_VERIFY(i->state().checkable && i->state().checked);
    }

    void theTitlePageAndTheWelcomeScreen() {
        auto *title = new frmTitlePage;
        title->openLobby = [] {};
        title->show();
        QVERIFY(WaitOpened(title));
        QAccessibleInterface *w = accessible(title);
        QCOMPARE(w->role(), QAccessible::Window);
        QCOMPARE(w->text(QAccessible::Name), QStringLiteral("Cipherly - Encryption Word Game"));
        checkAllNamed(title, "title page");
        // The links: a link each, reached with Tab after Continue, opened with Return.
        QAccessibleInterface *mail = accessible(title->labelKelContact[1]);
        QCOMPARE(mail->role(), QAccessible::Link);
        QCOMPARE(mail->text(QAccessible::Description),
                 QStringLiteral("Click here to Email KEL Software!"));
        QVERIFY(QTest::qWaitForWindowActive(title));
        QCOMPARE(QApplication::focusWidget(), title->cmdContinue);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), title->labelKelContact[1]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), title->labelKelContact[2]);
        // Return presses the button that has the focus, as Space does; with
        // Ctrl it is not Return alone.
        QObject::disconnect(title->cmdContinue, nullptr, title, nullptr);
        QSignalSpy pressed(title->cmdContinue, &KelButton::Click);
        title->cmdContinue->setFocus();
        QTest::keyClick(title->cmdContinue, Qt::Key_Return);
        QTest::keyClick(title->cmdContinue, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(title->cmdContinue, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(pressed.count(), 2);
        title->cmdContinue->setEnabledProperty(false);
        QTest::keyClick(title->cmdContinue, Qt::Key_Return);
        QCOMPARE(pressed.count(), 2);

        auto *welcome = new frmNewUser;
        welcome->setWindowModality(Qt::ApplicationModal);
        welcome->show();
        QVERIFY(WaitOpened(welcome));
        QCOMPARE(accessible(welcome)->role(), QAccessible::Dialog);
        QCOMPARE(accessible(welcome)->text(QAccessible::Name),
                 QStringLiteral("Cipherly - New User Overview"));
        QVERIFY(accessible(welcome->lbl)
                    ->text(QAccessible::Description)
                    .startsWith(QStringLiteral("Welcome!")));
        checkAllNamed(welcome, "welcome screen");
    }

    void menusAreHeardWithTheirKeysAndEverySentenceKeepsItsWords() {
        LobbyMenu menu;
        menu.addAction(QStringLiteral("E&xplain a Step\tF2"));
        menu.addAction(QStringLiteral("&Pencil Marks"));
        QAccessibleInterface *item = accessible(&menu)->child(0);
        QCOMPARE(item->text(QAccessible::Name), QStringLiteral("Explain a Step"));
        const QString press = QAccessibleActionInterface::pressAction();
        // As a screen reader parses it: no mnemonic, no path, the item's key.
        QCOMPARE(item->actionInterface()->keyBindingsForAction(press),
                 QStringList{QStringLiteral(";;F2")});
        QVERIFY(
            accessible(&menu)->child(1)->actionInterface()->keyBindingsForAction(press).isEmpty());
        // Sentences said one after another each keep their own words until
        // the screen reader comes to them.
        QWidget window;
        auto *announcer = new Announcer(&window);
        window.show();
        for (const char *said : {"one", "two", "three"})
            announcer->say(QString::fromLatin1(said));
        QStringList heard;
        for (Announcer *voice : window.findChildren<Announcer *>(QStringLiteral("announcerVoice")))
            heard << accessible(voice)->text(QAccessible::Name);
        heard.sort();
        QCOMPARE(heard, QStringList({QStringLiteral("one"), QStringLiteral("three"),
                                     QStringLiteral("two")}));
        QCOMPARE(announcer->said(), QStringLiteral("three"));
    }

    void theHelpAndStatisticsWindows() {
        HelpTopic = HelpTopics::MainLobby;
        auto *help = new frmManual;
        help->show();
        QVERIFY(WaitOpened(help));
        QCOMPARE(accessible(help)->text(QAccessible::Name),
                 QStringLiteral("Cipherly - Help Window"));
        QCOMPARE(accessible(help->txtManual)->text(QAccessible::Name),
                 QStringLiteral("The Main Lobby"));
        checkAllNamed(help, "help window");
        help->close();

        auto *stats = new frmStatistics;
        stats->show();
        QVERIFY(WaitOpened(stats));
        QCOMPARE(accessible(stats)->text(QAccessible::Name),
                 QStringLiteral("Cipherly - Statistics"));
        QAccessibleInterface *chart = accessible(stats->chartGames);
        QCOMPARE(chart->text(QAccessible::Name), QStringLiteral("Chart of the last 50 games"));
        QCOMPARE(chart->text(QAccessible::Description), QStringLiteral("No games played yet."));
        checkAllNamed(stats, "statistics window");
    }

    void theLobbyInEveryMode() {
        frmMain *m = &OpenLobby(lobby);
        QCOMPARE(accessible(m)->role(), QAccessible::Window);
        QCOMPARE(accessible(m)->text(QAccessible::Name), QStringLiteral("Cipherly"));
        QCOMPARE(accessible(Ui(m).cmdSolveRandomQuote)->text(QAccessible::Name),
                 QStringLiteral("Solve a Random Quote On-Screen"));
        QCOMPARE(accessible(Ui(m).grid)->text(QAccessible::Name), QStringLiteral("Quote list"));
        QVERIFY(accessible(Ui(m).grid)
                    ->text(QAccessible::Description)
                    .startsWith(QStringLiteral("Quote List (Currently Highlighted: 10 of 10")));
        checkAllNamed(m, "lobby, list mode");
        // Tab leaves the list for the next control.
        QVERIFY(QTest::qWaitForWindowActive(m));
        Ui(m).grid->setFocus();
        QTest::keyClick(Ui(m).grid, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != Ui(m).grid);
        // A menu's item that carries a tick is a check box, ticked or not.
        QMap<QString, QPair<QAccessible::Role, bool>> items;
        QTimer::singleShot(0, [&] {
            QAccessibleInterface *menu = accessible(m->listMenu());
            for (int i = 0; i < menu->childCount(); ++i)
                items.insert(menu->child(i)->text(QAccessible::Name),
                             {menu->child(i)->role(), menu->child(i)->state().checked});
            m->listMenu()->close();
        });
        QTest::keyClick(Ui(m).grid, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(items.value(QStringLiteral("Show Played Record")),
                 qMakePair(QAccessible::CheckBox, false));
        QCOMPARE(items.value(QStringLiteral("Import Quotes...")).first, QAccessible::MenuItem);

        m->cmdAddEditQuote_Click(1);
        QCOMPARE(accessible(Ui(m).txtBox[1])->text(QAccessible::Name), QStringLiteral("New quote"));
        QCOMPARE(accessible(Ui(m).txtBox[1])->text(QAccessible::Description),
                 frmMain::GuideTextForEditing());
        checkAllNamed(m, "lobby, edit mode");
        m->cmdAddEditCancel_Click();

        m->cmdScrambleAndPrintQuote_Click();
        QCOMPARE(accessible(Ui(m).txtBox[2])->text(QAccessible::Name),
                 QStringLiteral("Scrambled quote"));
        checkAllNamed(m, "lobby, print mode");
        m->cmdFinishedPrinting_Click();

        m->cmdSolveRandomQuote_Click();
        QCOMPARE(accessible(Ui(m).txtLetter[1])->text(QAccessible::Name),
                 QStringLiteral("Scrambled letter"));
        QCOMPARE(accessible(Ui(m).txtLetter[2])->text(QAccessible::Name),
                 QStringLiteral("Stands for"));
        QVERIFY(!accessible(Ui(m).lblSolveMessage)
                     ->text(QAccessible::Name)
                     .contains(QStringLiteral("   ")));
        QVERIFY(accessible(Ui(m).cmdQuit)->state().disabled);
        checkAllNamed(m, "lobby, solve mode");
    }

    void aGameIsHeardAsItGoes() {
        frmMain *m = &OpenLobby(lobby);
        m->cmdSolveRandomQuote_Click();
        // Letter by letter, the words apart.
        QCOMPARE(ScreenReader::spoken(QStringLiteral("T·E, ·")),
                 QStringLiteral("T blank E comma, blank"));
        QCOMPARE(spoken::Letters(QStringLiteral("I'M ··."), {{5, u'O'}}),
                 QStringLiteral("I apostrophe M, blank pencilled O full stop"));
        QCOMPARE(ScreenReader::UnknownSaid(QStringLiteral("T··"), QStringLiteral("XYY")),
                 QStringLiteral("1 letter unknown: Y"));
        QCOMPARE(ScreenReader::MoveSaid(QStringLiteral("··"), QStringLiteral("··"),
                                        QStringLiteral("AB"), QStringLiteral("Q"),
                                        QStringLiteral("E"), ScreenReader::Move::Typed),
                 QStringLiteral("Q is not in the scrambled quote"));
        QAccessibleInterface *solution = accessible(Ui(m).txtBox[1]);
        QCOMPARE(solution->text(QAccessible::Name), QStringLiteral("Solution so far"));
        // Its text as read: a letter not placed yet is a blank, not a dot.
        QAccessibleTextInterface *read = solution->textInterface();
        QCOMPARE(read->characterCount(), int(Ui(m).txtBox[1]->document()->characterCount() - 1));
        QVERIFY(!read->text(0, read->characterCount()).contains(SolveGame::Unsolved));
        QVERIFY(Ui(m).txtBox[1]->text().contains(SolveGame::Unsolved));
        QVERIFY(solution->text(QAccessible::Description).contains(QStringLiteral("blank")));
        // A pair is told as a change of the solution, read with "blank".
        const QString before = solution->text(QAccessible::Description);
        const QChar first = m->game.SolveQuote()[0];
        m->board.typePair(cipher::KeyTable(first.unicode(), 1)[0], first);
        QVERIFY(solution->text(QAccessible::Description) != before);
        QVERIFY(solution->text(QAccessible::Description).startsWith(QString(first)));
        // A second pair of the same plain letter is a clash, and is told.
        QCOMPARE(ScreenReader::MoveSaid(QStringLiteral("T··"), QStringLiteral("T·T"),
                                        QStringLiteral("XYZ"), QStringLiteral("Z"),
                                        QStringLiteral("T"), ScreenReader::Move::Typed),
                 QStringLiteral("Z stands for T, 1 place. T is also given to X"));
        // The letter table is a table of the 26 letters.
        m->findChild<SolverAidsPanel *>()->menuSolverAids_Click();
        QAccessibleInterface *table = accessible(m->findChild<LetterStrip *>());
        QVERIFY(table && table->tableInterface());
        QCOMPARE(table->tableInterface()->rowCount(), 26);
        QCOMPARE(table->tableInterface()->cellAt(0, 0)->text(QAccessible::Name),
                 QStringLiteral("A"));
        // Reached by Tab, gone through by the arrow keys, each letter heard whole.
        auto *strip = m->findChild<LetterStrip *>();
        QVERIFY(strip->focusPolicy() & Qt::TabFocus);
        // Right goes along the row a screen reader reads (the letter, how
        // often, given to), not to the other half of the alphabet.
        QTest::keyClick(strip, Qt::Key_Down);
        QTest::keyClick(strip, Qt::Key_Right);
        QCOMPARE(strip->current(), 1);
        QCOMPARE(strip->currentColumn(), 1);
        QTest::keyClick(strip, Qt::Key_Right);
        QTest::keyClick(strip, Qt::Key_Right);
        QCOMPARE(strip->current(), 2); // on to C's letter
        QCOMPARE(strip->currentColumn(), 0);
        QTest::keyClick(strip, Qt::Key_Up);
        QTest::keyClick(strip, Qt::Key_PageDown);
        QCOMPARE(strip->current(), 14); // O, beside B
        QVERIFY(table->tableInterface()
                    ->cellAt(14, 0)
                    ->text(QAccessible::Description)
                    .contains(QStringLiteral(" in the quote, ")));
        // The closing message is said, and spoken with the button that takes the focus.
        accessible(Ui(m).cmdSolve)
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(accessible(Ui(m).lblSolveMessage)->text(QAccessible::Name),
                     QStringLiteral("See the solved message below."));
        QCOMPARE(accessible(Ui(m).cmdFinishedSolving)->text(QAccessible::Description),
                 QStringLiteral("See the solved message below."));
        QVERIFY(!Ui(m).cmdSolve->isVisible());
    }
};

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
