#include "AnimatedPicture.h"
#include "AppInfo.h"
#include "Fonts.h"
#include "HelpTopic.h"
#include "Links.h"
#include "PrinterSurface.h"
#include "RecordingOpacity.h"
#include "RecordingPrinter.h"
#include "ScriptedDialogs.h"
#include "Settings.h"
#include "StringResources.h"
#include "TempFolder.h"
#include "Windows.h"
#include "frmManual.h"
#include "frmNewUser.h"
#include "frmTitlePage.h"
#include "modFadeInOut.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTest>

class TestHelp : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> folder;
    std::unique_ptr<ScriptedDialogs> script;
    RecordingOpacity opacity;
    RecordingPrinter printer;

private slots:
    void initTestCase() {
        printer.install();
        modFadeInOut::setOpacityControl(&opacity);
    }
    void init() {
        folder = std::make_unique<TempFolder>();
        script = std::make_unique<ScriptedDialogs>();
        QFile::remove(QSettings(QStringLiteral("Cipherly"), QStringLiteral("Cipherly")).fileName());
        opacity.canFade = false;
        opacity.applied.clear();
        HelpTopic = HelpTopics::MainLobby;
    }
    void cleanup() {
        CloseAllWindows();
        script.reset();
        folder.reset();
    }

    // ---- The help window ---------------------------------------------------

    void opensAtTheTopicOfTheMode() {
        auto *w = new frmManual;
        w->show();
        QVERIFY(WaitSettled(w));
        QCOMPARE(w->windowTitle(), QStringLiteral("Cipherly - Help Window"));
        QCOMPARE(w->currentTopic, qint16(3));
        QVERIFY(w->menuHelpTopic[3]->isChecked());
        for (int i : {1, 4, 5, 6, 9})
            QVERIFY(!w->menuHelpTopic[i]->isChecked());
        QCOMPARE(w->labelHelpTopic->text(), QStringLiteral("The Main Lobby"));
        // The topic names the folder the list is really read from.
        const QString shown = w->txtManual->toPlainText();
        const QRegularExpression stated(QStringLiteral("Cipherly\\.Dat, in the folder ([^)]+)\\)"));
        const QRegularExpressionMatch found = stated.match(shown);
        QVERIFY2(found.hasMatch(), qPrintable(shown));
        QString folderStated = found.captured(1);
        if (folderStated.startsWith(QLatin1Char('~')))
            folderStated = QDir::homePath() + folderStated.mid(1);
        QCOMPARE(QFileInfo(folderStated + QStringLiteral("/Cipherly.Dat")).absoluteFilePath(),
                 QFileInfo(QStringLiteral("Cipherly.Dat")).absoluteFilePath());
        QCOMPARE(QString(shown).replace(found.captured(1), QStringLiteral("%LISTFOLDER%")),
                 LoadResString(3000).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        QCOMPARE(w->cmdHelpTopic->Caption(), QStringLiteral("Help Topics\r\n(F1)"));
        QCOMPARE(w->cmdReturn->Caption(), QStringLiteral("&Return\r\n(Esc)"));
        QCOMPARE(w->cmdPrintHelp->toolTip(), QStringLiteral(" Be sure your printer is ready! "));
        QCOMPARE(
            w->aboutText,
            QStringLiteral("Cipherly\r\nVersion w3.28.18\r\n\r\nEncryption Word Game\r\n\u00A9") +
                AppInfo::Copyright + QStringLiteral("\r\n\r\n"));
    }

    void theMenuHoldsItsFifteenItems() {
        QStringList captions;
        QList<int> numbers;
        for (int i = 1; i <= 15; ++i) {
            captions << frmManual::itemCaption(i);
            numbers << frmManual::itemNumber(i);
        }
        QCOMPARE(captions,
                 QStringList({"Overview", "-", "The Main Lobby", "Quote List Maintenance",
                              "Encrypting && Printing a Quote", "Solving a Quote On-Screen", "-",
                              "About Cipherly", "About KEL Software", "-", "Email KEL Software",
                              "Visit KEL Software's Web Page",
                              "Order Cipherly Online (w/ Credit Card)", "-", "Exit this Menu"}));
        QCOMPARE(numbers, QList<int>({1000, -1, 3000, 4000, 5000, 6000, -1, 7777, 8000, -1, 1111,
                                      2222, 3333, -1, 0}));
        frmManual w;
        QVERIFY(!w.menuHelpTopic[13]->isVisible());
        QVERIFY(w.menuHelpTopic[2]->isSeparator());
        for (int id : {1000, 3000, 4000, 5000, 6000, 8000})
            QVERIFY(!LoadResString(id).isEmpty());
        // The texts say what the game does: Esc while solving returns to the
        // list, and a hint fills in every place of one scrambled letter.
        QVERIFY(LoadResString(3000).contains(QStringLiteral("Esc takes you back to the list")));
        QVERIFY(LoadResString(6000).contains(QStringLiteral("everywhere it appears")));
        QVERIFY(!LoadResString(6000).contains(QStringLiteral("one more letter")));
    }

    void theAdditionsHaveTopicsOfTheirOwn() {
        // After the design's topic on solving, before its separator; the
        // design's fifteen items keep their places.
        frmManual w;
        QStringList shown;
        for (QAction *a : w.menuHelpMenu->actions())
            if (a->isVisible()) shown << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(shown.mid(5, 6),
                 QStringList({"Solving a Quote On-Screen", "Quote Collections", "Statistics",
                              "Solver's Aids", "Difficulty and Teaching Hints", "-"}));
        QCOMPARE(frmManual::itemCaption(8), QStringLiteral("About Cipherly"));
        QVERIFY(LoadResString(6100).contains(QStringLiteral("Import Quotes")));
        QVERIFY(LoadResString(6100).contains(QStringLiteral("Export Quotes")));
        QVERIFY(LoadResString(6200).contains(QStringLiteral("Reset Statistics")));
        QVERIFY(LoadResString(6300).contains(QStringLiteral("never count as hints")));
        QVERIFY(LoadResString(6400).contains(QStringLiteral("Check My Letters")));
        // Playing your way is told where a player looks for it: in solving.
        for (const char *words :
             {"Solve This Quote", "never played yet", "Ctrl+Z", "Ctrl+Y", "A game is never lost"})
            QVERIFY2(LoadResString(6000).contains(QLatin1String(words)), words);
        // Chosen, a topic shows its text and prints under its caption.
        HelpTopic = HelpTopics::Statistics;
        auto *help = new frmManual;
        help->show();
        QVERIFY(WaitSettled(help));
        QCOMPARE(help->labelHelpTopic->text(), QStringLiteral("Statistics"));
        QVERIFY(help->menuHelpTopic[HelpTopics::Statistics]->isChecked());
        QVERIFY(!help->menuHelpTopic[3]->isChecked());
        help->menuHelpTopic[HelpTopics::QuoteCollections]->trigger();
        QCOMPARE(help->labelHelpTopic->text(), QStringLiteral("Quote Collections"));
        QVERIFY(help->txtManual->toPlainText().startsWith(QStringLiteral("Quote Collections")));
        help->close();
    }

    void theMenuTicksOnlyTheShownTopicAndDrawsNoEmptyBoxes() {
        HelpTopic = HelpTopics::MainLobby;
        auto *w = new frmManual;
        w->show();
        QVERIFY(WaitSettled(w));
        w->cmdHelpTopic_Click();
        QTRY_VERIFY(w->menuHelpMenu->isVisible());
        const QImage menu = w->menuHelpMenu->grab().toImage();
        // The front of a row, up to where the captions start: where a tick or
        // a box would stand.
        auto front = [&](int index) {
            const QRect r = w->menuHelpMenu->actionGeometry(w->menuHelpTopic[index]);
            return menu.copy(QRect(r.left(), r.top(), r.height(), r.height()));
        };
        // A topic not shown looks in front like an item that is no topic...
        QCOMPARE(front(4), front(9));
        QCOMPARE(front(5), front(12));
        // ...and the shown topic carries its tick.
        QVERIFY(front(3) != front(4));
        w->menuHelpMenu->hide();
        w->close();
    }

    void choosingTheShownTopicKeepsItsPlace() {
        auto *w = new frmManual;
        w->show();
        QVERIFY(WaitSettled(w));
        w->resize(w->width(), w->height());
        w->txtManual->verticalScrollBar()->setValue(w->txtManual->verticalScrollBar()->maximum());
        const int scrolled = w->txtManual->verticalScrollBar()->value();
        QVERIFY(scrolled > 0);
        w->menuHelpTopic[3]->trigger();
        QCOMPARE(w->txtManual->verticalScrollBar()->value(), scrolled);
        // Exit this Menu and About change nothing shown.
        w->menuHelpTopic[15]->trigger();
        w->menuHelpTopic[8]->trigger();
        QCOMPARE(w->currentTopic, qint16(3));
        QVERIFY(w->menuHelpTopic[3]->isChecked());
        QCOMPARE(w->txtManual->verticalScrollBar()->value(), scrolled);
        QCOMPARE(script->messages.size(), 1);
        QCOMPARE(script->messages[0].title, QStringLiteral("About Cipherly"));
        QCOMPARE(script->messages[0].icon, dialogs::Icon::Information);
        QVERIFY(script->messages[0].text.startsWith(QStringLiteral("Cipherly\nVersion w3.28.18")));
        // Another topic moves the tick.
        w->menuHelpTopic[5]->trigger();
        QCOMPARE(w->labelHelpTopic->text(), QStringLiteral("Encrypting && Printing a Quote"));
        QVERIFY(w->menuHelpTopic[5]->isChecked() && !w->menuHelpTopic[3]->isChecked());
    }

    void linksOpenTheMakersAddresses() {
        QList<QUrl> opened;
        modStandard::SetUrlOpener([&](const QUrl &u) {
            opened << u;
            return true;
        });
        frmManual w;
        w.menuHelpTopic[11]->trigger();
        w.menuHelpTopic[12]->trigger();
        QCOMPARE(opened,
                 QList<QUrl>({modStandard::LinkTarget(1, {}), modStandard::LinkTarget(2, {})}));
        modStandard::SetUrlOpener({});
    }

    void f1PopsUpTheTopicsFromTheTextBox() {
        auto *w = new frmManual;
        w->show();
        QVERIFY(WaitSettled(w));
        w->txtManual->setFocus();
        QTest::keyClick(w->txtManual, Qt::Key_F1);
        QTRY_VERIFY(w->menuHelpMenu->isVisible());
        const QPoint expected = w->mapToGlobal(
            QPoint(w->cmdHelpTopic->x() + 700 / 15, w->cmdHelpTopic->y() + 340 / 15));
        QCOMPARE(w->menuHelpMenu->pos(), expected);
        w->menuHelpMenu->close();
    }

    void printingUsesTheCaptionUnderlinedWithOneAmpersand() {
        HelpTopic = HelpTopics::EncryptingPrinting;
        auto *w = new frmManual;
        w->show();
        QVERIFY(WaitSettled(w));
        w->cmdPrintHelp->PerformClick();
        QVERIFY(printer.last);
        QCOMPARE(printer.last->pieces[0].text,
                 QStringLiteral("Cipherly, Help Section: Encrypting & Printing a Quote"));
        // On screen the heading, a buddy, shows "&&" as one "&" and reads so.
        QCOMPARE(w->labelHelpTopic->text(), QStringLiteral("Encrypting && Printing a Quote"));
        QCOMPARE(w->txtManual->accessibleName(), QStringLiteral("Encrypting & Printing a Quote"));
        QVERIFY(printer.last->pieces[0].underline);
        QCOMPARE(printer.last->pieces[0].family, QStringLiteral("Arial"));
        QCOMPARE(printer.last->pieces[0].size, 10.0);
        QVERIFY(!printer.last->pieces[0].bold);
        QVERIFY(!printer.last->pieces[1].underline);
        w->menuHelpTopic[3]->trigger();
        w->cmdPrintHelp->PerformClick();
        QCOMPARE(printer.last->pieces[0].text,
                 QStringLiteral("Cipherly, Help Section: The Main Lobby"));
        QVERIFY(w->isEnabled());
    }

    void escReturnsAndAFreshWindowOpensAtTheNewTopic() {
        QPointer<frmManual> w = new frmManual;
        w->show();
        QVERIFY(WaitSettled(w.data()));
        w->menuHelpTopic[9]->trigger();
        QTest::keyClick(w->txtManual, Qt::Key_Escape);
        QTRY_VERIFY(!w);
        HelpTopic = HelpTopics::SolvingOnScreen;
        auto *again = new frmManual;
        again->show();
        QVERIFY(WaitSettled(again));
        QCOMPARE(again->currentTopic, qint16(6));
        QCOMPARE(again->labelHelpTopic->text(), QStringLiteral("Solving a Quote On-Screen"));
    }

    void withFadingTheHelpWindowFadesInAndOut() {
        opacity.canFade = true;
        Settings::SaveSetting(Settings::FadeStatusKey, QStringLiteral("True"));
        QPointer<frmManual> w = new frmManual;
        QCOMPARE(opacity.applied, QList<int>({0})); // invisible at load
        w->show();
        QVERIFY(WaitSettled(w.data()));
        QCOMPARE(opacity.applied.last(), 255);
        QCOMPARE(opacity.applied.size(), 1 + 13);
        w->cmdReturn->PerformClick();
        QTRY_VERIFY(!w);
        QCOMPARE(opacity.applied.last(), 0);
        QCOMPARE(opacity.applied.size(), 1 + 13 + 13);
    }

    void afterTheFadeTheKeysWork() {
        // A window is disabled while it fades, and that takes its focus; once
        // it shows, the keys must work at once.
        opacity.canFade = true;
        Settings::SaveSetting(Settings::FadeStatusKey, QStringLiteral("True"));
        QPointer<frmManual> help = new frmManual;
        help->show();
        QVERIFY(QTest::qWaitForWindowActive(help));
        QTRY_VERIFY(WaitSettled(help.data()) && !help->fade.isFading());
        QVERIFY(help->focusWidget());
        QTest::keyClick(help->focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!help);

        QPointer<frmNewUser> welcome = new frmNewUser;
        welcome->show();
        QVERIFY(QTest::qWaitForWindowActive(welcome));
        QTRY_VERIFY(welcome->activated() && !welcome->fade.isFading());
        QWidget *focused = welcome->focusWidget();
        QVERIFY2(focused == welcome->chk || focused == welcome->cmdContinue,
                 "the welcome screen's first control has the focus");
        // Tab to Continue and Space: the screen goes.
        if (focused == welcome->chk) QTest::keyClick(focused, Qt::Key_Tab);
        QCOMPARE(welcome->focusWidget(), welcome->cmdContinue);
        QTest::keyClick(welcome->cmdContinue, Qt::Key_Space);
        QTRY_VERIFY(!welcome);
    }

    // ---- Title page and welcome screen ---------------------------------------

    void labelsDrawTheirTextFromTheTop() {
        auto *t = new frmTitlePage;
        t->show();
        QVERIFY(WaitSettled(t));
        // The first row with ink lies near the label's top, not in its middle
        // (the description's label is twice as tall as its line).
        for (QLabel *l : {t->labelAppDescription}) {
            const QImage img = l->grab().toImage();
            const QRgb paper = img.pixel(img.width() - 1, img.height() - 1);
            int firstInk = -1;
            for (int y = 0; y < img.height() && firstInk < 0; ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (qGray(img.pixel(x, y)) < qGray(paper) - 80) {
                        firstInk = y;
                        break;
                    }
            QVERIFY2(
                firstInk >= 0 && firstInk <= 4,
                qPrintable(QStringLiteral("%1: ink from row %2").arg(l->text()).arg(firstInk)));
        }
        // The copyright line keeps its designed width and its text fits it.
        QCOMPARE(t->labelCopyright->width(), 2115 / 15);
        QVERIFY(t->labelCopyright->fontMetrics().horizontalAdvance(t->labelCopyright->text()) <=
                t->labelCopyright->width());
        t->close();
    }

    void theMakersNameFitsInWhateverFontStandsIn() {
        // Without the informal font the name comes in a wide one; it still
        // fits, and keeps its last letter.
        const QStringList before = QFont::substitutes(QStringLiteral("Comic Sans MS"));
        QFont::removeSubstitutions(QStringLiteral("Comic Sans MS"));
        QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("DejaVu Sans"));
        auto *t = new frmTitlePage;
        t->show();
        const bool up = WaitSettled(t);
        const QLabel *name = t->labelKelSoftware;
        const int need = name->fontMetrics().horizontalAdvance(name->text());
        const int room = name->contentsRect().width();
        QFont::removeSubstitutions(QStringLiteral("Comic Sans MS"));
        QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), before);
        QVERIFY(up);
        QVERIFY2(need <= room, qPrintable(QStringLiteral("%1 > %2").arg(need).arg(room)));
        QVERIFY(name->font().pointSizeF() < 21.75);
        t->close();
    }

    void aFadingWindowKeepsTheColoursOfItsTexts() {
        opacity.canFade = true;
        Settings::SaveSetting(Settings::FadeStatusKey, QStringLiteral("True"));
        QPointer<frmTitlePage> t = new frmTitlePage;
        t->showWelcome = [] {};
        t->openLobby = [] {};
        t->show();
        QVERIFY(WaitSettled(t.data()));
        const QImage before = t->labelAppDescription->grab().toImage();
        const QImage version = t->labelVersion->grab().toImage();
        t->cmdContinue->PerformClick();
        QTRY_VERIFY(opacity.applied.size() >= 3);
        QVERIFY(!t->isEnabled()); // it takes no input while it fades...
        QCOMPARE(t->labelAppDescription->grab().toImage(), before); // ...and looks the same
        QCOMPARE(t->labelVersion->grab().toImage(), version);
        QTRY_VERIFY(!t);

        // The welcome screen's check box while it fades in.
        QPointer<frmNewUser> w = new frmNewUser;
        const QImage box = [&] {
            w->chk->ensurePolished();
            return w->chk->grab().toImage();
        }();
        w->show();
        QTRY_VERIFY(w->fade.isFading());
        QTRY_VERIFY(!w->isEnabled());
        QCOMPARE(w->chk->grab().toImage(), box);
        QTRY_VERIFY(!w->fade.isFading());
        QVERIFY(w->isEnabled());
        w->close();
    }

    void theTitlePageSaysWhatItIs() {
        auto *t = new frmTitlePage;
        t->show();
        QVERIFY(WaitSettled(t));
        QCOMPARE(t->windowTitle(), QStringLiteral("Cipherly - Encryption Word Game"));
        QCOMPARE(t->labelAppDescription->text(), QStringLiteral("Encryption Word Game"));
        QCOMPARE(t->labelVersion->text(), QStringLiteral("Version w3.28.18"));
        QCOMPARE(frmTitlePage::versionLine(), QStringLiteral("Version w3.28.18"));
        QCOMPARE(t->labelCopyright->text(), QStringLiteral("\u00A9") + AppInfo::Copyright);
        QCOMPARE(t->labelKelSoftware->text(), QStringLiteral("KEL Software"));
        QVERIFY(t->labelKelSoftware->font().bold() && t->labelKelSoftware->font().italic());
        QCOMPARE(t->labelKelAddress->text().count(QLatin1Char('\n')), 1);
        QCOMPARE(t->labelKelContact[1]->toolTip(),
                 QStringLiteral(" Click here to Email KEL Software! "));
        QCOMPARE(t->labelKelContact[2]->toolTip(),
                 QStringLiteral(" Click here to visit KEL Software! "));
        QCOMPARE(t->cmdContinue->Caption(), QStringLiteral("&Continue"));
        QVERIFY(!t->cmdOrderInfo->isVisible());
        for (int i = 1; i <= 8; ++i) {
            QCOMPARE(t->gif[i]->x(), 525 * (i - 1) / 15);
            QCOMPARE(t->gif[i]->y(), (i % 2 ? 210 : 105) / 15);
            QVERIFY(t->gif[i]->running());
        }
        QList<QUrl> opened;
        modStandard::SetUrlOpener([&](const QUrl &u) {
            opened << u;
            return true;
        });
        QTest::mouseClick(t->labelKelContact[2], Qt::LeftButton);
        QCOMPARE(opened, QList<QUrl>({modStandard::LinkTarget(2, {})}));
        modStandard::SetUrlOpener({});
    }

    void theLettersMoveOnlyWhereTheyCanBeSeen() {
        QPointer<frmTitlePage> t = new frmTitlePage;
        t->openLobby = [] {};
        t->show();
        QVERIFY(WaitSettled(t.data()));
        auto frames = [&] {
            QList<int> f;
            for (int i = 1; i <= 8; ++i)
                f << t->gif[i]->currentFrame();
            return f;
        };
        const QList<int> first = frames();
        QTRY_VERIFY(frames() != first);
        // A window of the game over the whole page: no letter draws.
        QWidget cover;
        cover.setWindowModality(Qt::ApplicationModal);
        cover.setGeometry(t->frameGeometry().adjusted(-10, -10, 10, 10));
        cover.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cover));
        for (int i = 1; i <= 8; ++i)
            QVERIFY(!t->gif[i]->seen());
        const QList<int> covered = frames();
        QTest::qWait(400);
        QCOMPARE(frames(), covered);
        cover.close();
        QTRY_VERIFY(frames() != covered);
        t->close();
    }

    void continueShowsTheWelcomeThenTheLobbyOnce() {
        QPointer<frmTitlePage> t = new frmTitlePage;
        int welcomes = 0, lobbies = 0;
        bool titleGoneFirst = false;
        t->showWelcome = [&] { ++welcomes; };
        // The title page is closed and discarded before the lobby is made.
        t->openLobby = [&] {
            ++lobbies;
            titleGoneFirst = !t;
        };
        t->show();
        QVERIFY(WaitSettled(t.data()));
        t->cmdContinue->PerformClick();
        QTRY_VERIFY(!t);
        QCOMPARE(welcomes, 1);
        QTRY_COMPARE(lobbies, 1);
        QVERIFY(titleGoneFirst);
        // "NoShow" skips the welcome screen; the lobby still opens once.
        Settings::SaveSetting(Settings::NewUserKey, Settings::NoShow);
        QPointer<frmTitlePage> t2 = new frmTitlePage;
        t2->showWelcome = [&] { ++welcomes; };
        t2->openLobby = [&] { ++lobbies; };
        t2->show();
        QVERIFY(WaitSettled(t2.data()));
        t2->cmdContinue->PerformClick();
        QTRY_VERIFY(!t2);
        QCOMPARE(welcomes, 1);
        QTRY_COMPARE(lobbies, 2);
    }

    void withFadingTheTitlePageFadesOutBy10BeforeTheLobby() {
        opacity.canFade = true;
        Settings::SaveSetting(Settings::FadeStatusKey, QStringLiteral("True"));
        QPointer<frmTitlePage> t = new frmTitlePage;
        int lobbies = 0;
        t->showWelcome = [] {};
        t->openLobby = [&] {
            ++lobbies;
            QCOMPARE(opacity.applied.last(), 0);
        };
        t->show();
        QVERIFY(WaitSettled(t.data()));
        QVERIFY(opacity.applied.isEmpty()); // the title page never fades in
        t->cmdContinue->PerformClick();
        QTRY_VERIFY(!t);
        QTRY_COMPARE(lobbies, 1);
        QCOMPARE(opacity.applied.first(), 255);
        QCOMPARE(opacity.applied.size(), 1 + 26);
    }

    void theWelcomeScreenRemembersOnlyATick() {
        QPointer<frmNewUser> w = new frmNewUser;
        w->show();
        QVERIFY(WaitSettled(w.data()));
        QCOMPARE(w->windowTitle(), QStringLiteral(" Cipherly - New User Overview"));
        // The whole greeting and overview fit the label.
        QVERIFY(w->lbl->heightForWidth(w->lbl->width()) <= w->lbl->height());
        QVERIFY(LoadResString(1000).startsWith(QStringLiteral("Hello, and welcome")));
        QVERIFY(w->lbl->text().startsWith(
            QStringLiteral("Welcome! Are you a new user? If so, then let's take a moment for a "
                           "quick overview.\n\n")));
        QVERIFY(w->lbl->text().endsWith(
            LoadResString(1000).replace(QLatin1String("\r\n"), QLatin1String("\n"))));
        QCOMPARE(w->chk->text(), QStringLiteral("Don't show this Welcome screen again"));
        QVERIFY(!w->chk->isChecked());
        w->cmdContinue->PerformClick();
        QTRY_VERIFY(!w);
        QVERIFY(Settings::ShowWelcome());
        QPointer<frmNewUser> again = new frmNewUser;
        again->show();
        QVERIFY(WaitSettled(again.data()));
        QTest::mouseClick(again->chk, Qt::LeftButton, {}, QPoint(5, again->chk->height() / 2));
        QVERIFY(again->chk->isChecked());
        QTest::keyClick(again, Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!again);
        QCOMPARE(Settings::GetSetting(Settings::NewUserKey), QStringLiteral("NoShow"));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
