#include "HelpTopic.h"
#include "Language.h"
#include "Lobby.h"
#include "QuoteGrid.h"
#include "QuoteCollections.h"
#include "RecordingOpacity.h"
#include "StringResources.h"
#include "WindowSize.h"
#include "modFadeInOut.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using dialogs::Answer;
using dialogs::Icon;

namespace {

QByteArray record(const QString &text) {
    return text.toLatin1().leftJustified(200, ' ', true);
}

void writeQuotes(int count) {
    QFile f(quotes::QuoteFileName);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (int i = 1; i <= count; ++i)
        f.write(record(i <= 10
                           ? LoadResString(i)
                           : QStringLiteral("USER QUOTE NUMBER %1 OF THE LIST, LONG ENOUGH TO KEEP")
                                 .arg(QString(QChar('A' + i % 26)))));
}

QByteArray fileBytes() {
    QFile f(quotes::QuoteFileName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void typeInto(QWidget *w, const QString &text) {
    for (QChar c : text)
        QTest::keyClick(w, c.toLatin1());
}

} // namespace

class TestLobby : public QObject, private LobbyFixture {
    Q_OBJECT

    RecordingOpacity opacity;

    frmMain &open() { return OpenLobby(lobby, true); }

    static QString settingsFile() {
        return QSettings(QStringLiteral("Cipherly"), QStringLiteral("Cipherly")).fileName();
    }

private slots:
    // English as the program speaks it, counted texts and all.
    void initTestCase() { language::Install(*qApp, {QStringLiteral("en")}); }

    void init() {
        setUpLobby();
        opacity.canFade = false;
        opacity.applied.clear();
        modFadeInOut::setOpacityControl(&opacity);
        QFile::remove(settingsFile());
        HelpTopic = HelpTopics::MainLobby;
    }
    void cleanup() {
        tearDownLobby();
        modFadeInOut::setOpacityControl(nullptr);
    }

    // ---- Fading ----------------------------------------------------------

    void fadesStepExactlyAndEndOnTheirTarget_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("ticks");
        QTest::newRow("dim 255 to 204 by 2") << 255 << 204 << 2 << 26;
        QTest::newRow("undim 204 to 255 by 3") << 204 << 255 << 3 << 17;
        QTest::newRow("out 204 to 0 by 20") << 204 << 0 << 20 << 11;
        QTest::newRow("in 0 to 255 by 20") << 0 << 255 << 20 << 13;
        QTest::newRow("from equals to") << 120 << 120 << 20 << 1;
    }
    void fadesStepExactlyAndEndOnTheirTarget() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, step);
        QFETCH(int, ticks);
        QWidget w;
        int ended = 0;
        FadeMachine m(&w, [&] { ++ended; });
        m.StartFade(from, to, step, false);
        QVERIFY(m.isFading());
        m.timerFadeInOut_Timer();
        QVERIFY(!w.isEnabled() || ticks == 1); // disabled from the first tick
        while (m.isFading())
            m.timerFadeInOut_Timer();
        QCOMPARE(opacity.applied.size(), ticks);
        QCOMPARE(opacity.applied.last(), to);
        if (from != to) QCOMPARE(opacity.applied.first(), from < to ? from + step : from - step);
        QVERIFY(w.isEnabled());
        QCOMPARE(ended, 0);
        // A closing fade ends with the window's end action instead.
        m.StartFade(to, to, step, true);
        m.timerFadeInOut_Timer();
        QCOMPARE(ended, 1);
    }

    void setFormAlphaHonoursTheSetting() {
        QWidget w;
        opacity.canFade = true;
        QVERIFY(!modFadeInOut::SetFormAlpha(&w, 0, false));
        QVERIFY(opacity.applied.isEmpty());
        QVERIFY(modFadeInOut::SetFormAlpha(&w, 0, true));
        Settings::SaveSetting(Settings::FadeStatusKey, QStringLiteral("True"));
        QVERIFY(modFadeInOut::SetFormAlpha(&w, 255, false));
        QCOMPARE(opacity.applied, QList<int>({0, 255}));
        opacity.canFade = false;
        QVERIFY(!modFadeInOut::SetFormAlpha(&w, 255, true));
    }

    void withoutOpacityTheSwitchIsHiddenAndFadingOff() {
        frmMain &m = open();
        QVERIFY(!Ui(m).cmdFadeStatus->isVisible());
        QVERIFY(!modFadeInOut::FadeEnabled);
        QCOMPARE(Settings::GetSetting(Settings::FadeStatusKey), QStringLiteral("False"));
        QVERIFY(opacity.applied.isEmpty());
    }

    void withOpacityTheLobbyFadesInWhenSwitchedOn() {
        opacity.canFade = true;
        Settings::SaveSetting(Settings::FadeStatusKey, QStringLiteral("True"));
        frmMain &m = open();
        QVERIFY(Ui(m).cmdFadeStatus->isVisible());
        QVERIFY(modFadeInOut::FadeEnabled);
        QCOMPARE(opacity.applied.first(), 0);
        QCOMPARE(opacity.applied.mid(1),
                 QList<int>({20, 40, 60, 80, 100, 120, 140, 160, 180, 200, 220, 240, 255}));
        QVERIFY(m.isEnabled());
    }

    void afterEveryFadeTheKeysGoWhereTheyWould() {
        // The lobby is disabled while it fades, which takes its focus: once it
        // shows, the list takes the keys at once, as it does without fading.
        writeQuotes(14);
        opacity.canFade = true;
        Settings::SaveSetting(Settings::FadeStatusKey, QStringLiteral("True"));
        frmMain &m = open();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        QCOMPARE(QApplication::focusWidget(), Ui(m).grid);
        QCOMPARE(Ui(m).grid->row(), 14);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(Ui(m).grid->row(), 11);
        // Through a mode and back: the keys still land.
        Ui(m).cmdScrambleAndPrintQuote->PerformClick();
        QTRY_VERIFY(!m.fade.isFading() && Ui(m).cmdFinishedPrinting->isVisible());
        QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == &m);
        Ui(m).cmdFinishedPrinting->PerformClick();
        QTRY_VERIFY(!m.fade.isFading() && Ui(m).grid->isVisible());
        QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == &m);
        Settings::SaveSetting(Settings::FadeStatusKey, QStringLiteral("False"));
    }

    void noRequestMakesTheLobbyLarger() {
        frmMain &m = open();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        const QSize size = m.size();
        m.setWindowState(Qt::WindowMaximized);
        QTRY_COMPARE(m.windowState(), Qt::WindowNoState);
        QCOMPARE(m.size(), size);
        m.setWindowState(Qt::WindowFullScreen);
        QTRY_COMPARE(m.windowState(), Qt::WindowNoState);
        QCOMPARE(m.size(), size);
        // Help opens centred over the lobby's client area as the player sees
        // it: placed by its frame, which the desktop draws as it draws the
        // lobby's.
        QPoint helpAt;
        m.showHelp = [&](QWidget *over) {
            QWidget help;
            help.setFixedSize(200, 100);
            ShowCentredOver(&help, over);
            const QPoint frame = m.geometry().topLeft() - m.frameGeometry().topLeft();
            helpAt = help.pos() + frame + QPoint(100, 50);
        };
        m.cmdHelp_Click();
        QVERIFY((helpAt - m.geometry().center()).manhattanLength() <= 2);
    }

    void theFadeSwitchTogglesAndSaysWhatItWillDo() {
        opacity.canFade = true;
        frmMain &m = open();
        QVERIFY(Ui(m).cmdFadeStatus->isVisible());
        QCOMPARE(opacity.applied, QList<int>({0, 255})); // made opaque again: fading was off
        QVERIFY(!modFadeInOut::FadeEnabled);
        m.cmdFadeStatus_MouseMove();
        QCOMPARE(Ui(m).cmdFadeStatus->toolTip(), QStringLiteral(" Enable form fade effects "));
        Ui(m).cmdFadeStatus->PerformClick();
        QVERIFY(modFadeInOut::FadeEnabled);
        QCOMPARE(Settings::GetSetting(Settings::FadeStatusKey), QStringLiteral("True"));
        m.cmdFadeStatus_MouseMove();
        QCOMPARE(Ui(m).cmdFadeStatus->toolTip(), QStringLiteral(" Disable form fade effects "));
        Ui(m).cmdFadeStatus->PerformClick();
        QCOMPARE(Settings::GetSetting(Settings::FadeStatusKey), QStringLiteral("False"));
        QCOMPARE(opacity.applied.size(), 2); // the lobby keeps its opacity
    }

    // ---- The list ----------------------------------------------------------

    void firstStartCreatesAndShowsTheReservedQuotes() {
        frmMain &m = open();
        QCOMPARE(fileBytes().size(), 2000);
        QCOMPARE(Ui(m).grid->list()->rowCount(), 10);
        QCOMPARE(Ui(m).grid->row(), 10);
        QCOMPARE(Ui(m).grid->topRow(), 10);
        QCOMPARE(Ui(m).grid->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("Quote List (Currently Highlighted: 10 of 10 on file)"));
        QCOMPARE(Ui(m).txtBox[1]->text(), LoadResString(10));
        QCOMPARE(Ui(m).txtBox[1]->palette().color(QPalette::Base), frmMain::Peach);
        QVERIFY(Ui(m).txtBox[1]->locked());
        QVERIFY(!Ui(m).txtBox[2]->isVisible());
        QCOMPARE(m.windowTitle(), QStringLiteral(" Cipherly"));
        QCOMPARE(Ui(m).cmdQuit->toolTip(), QStringLiteral(" Click here to exit Cipherly "));
        QCOMPARE(Ui(m).cmdHelp->toolTip(), QStringLiteral(" Need a little information? "));
        QCOMPARE(Ui(m).cmdSolveRandomQuote->Caption(),
                 QStringLiteral("&Solve a Random Quote\r\nOn-Screen"));
        QCOMPARE(Ui(m).cmdFinishedPrinting->Caption(),
                 QStringLiteral("&Finished\r\nwith\r\nthis\r\nQuote"));
        QCOMPARE(HelpTopic, HelpTopics::MainLobby);
        QVERIFY(script->messages.isEmpty());
    }

    void movingTheHighlightRereadsTheFile() {
        writeQuotes(12);
        frmMain &m = open();
        // Change record 5 behind the lobby's back: the next highlight shows it.
        QVERIFY(quotes::SaveQuote(QStringLiteral("changed on disk"), false, 5));
        Ui(m).grid->setRow(5);
        QCOMPARE(Ui(m).txtBox[1]->text(), QStringLiteral("CHANGED ON DISK"));
        QCOMPARE(Ui(m).grid->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("Quote List (Currently Highlighted: 5 of 12 on file)"));
        QTest::keyClick(Ui(m).grid, Qt::Key_Down);
        QCOMPARE(Ui(m).grid->row(), 6);
        QCOMPARE(Ui(m).txtBox[1]->text(), LoadResString(6));
    }

    void everyVisibleRowIsWholeWhateverKeyMovedTheHighlight_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Down to the end") << int(Qt::Key_Down) << 0;
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 0;
        QTest::newRow("Ctrl+End") << int(Qt::Key_End) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+Home") << int(Qt::Key_Home) << int(Qt::ControlModifier);
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << 0;
    }
    void everyVisibleRowIsWholeWhateverKeyMovedTheHighlight() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        writeQuotes(40);
        frmMain &m = open();
        Ui(m).grid->setFocus();
        Ui(m).grid->setRow(20);
        for (int i = 0; i < 45; ++i)
            QTest::keyClick(Ui(m).grid, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QApplication::processEvents();
        const int top = Ui(m).grid->topRow();
        // The top visible row starts right under the header, not half under it.
        QCOMPARE(Ui(m).grid->rowViewportPosition(top - 1), 0);
        QVERIFY(Ui(m).grid->rowViewportPosition(Ui(m).grid->row() - 1) >= 0);
        QVERIFY(Ui(m).grid->rowViewportPosition(Ui(m).grid->row() - 1) + Ui(m).grid->rowHeight(0) <=
                Ui(m).grid->viewport()->height());
    }

    void aClickAndHomeAndEndHighlightTheRowTheyMean() {
        writeQuotes(40);
        frmMain &m = open();
        QuoteGrid &g = *Ui(m).grid;
        g.setFocus();
        QTest::keyClick(&g, Qt::Key_End);
        QCOMPARE(g.row(), 40);
        QTest::keyClick(&g, Qt::Key_Home);
        QCOMPARE(g.row(), 1);
        // The row half in sight at the bottom, clicked: that row is the
        // highlight, the status line's and the list's alike, and in sight.
        const QPoint at(5, g.viewport()->height() - 2);
        const int half = g.rowAt(at);
        QVERIFY(g.rowViewportPosition(half - 1) + g.rowHeight(0) > g.viewport()->height());
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(g.row(), half);
        QCOMPARE(g.selectionModel()->selectedRows().value(0).row(), half - 1);
        QVERIFY(g.list()->status().contains(QStringLiteral(": %1 of 40").arg(half)));
        QVERIFY(g.rowViewportPosition(half - 1) + g.rowHeight(0) <= g.viewport()->height());
    }

    void rowsCarryTheirTextAsTooltip() {
        frmMain &m = open();
        const QModelIndex row5 = Ui(m).grid->model()->index(4, 0);
        QCOMPARE(row5.data(Qt::ToolTipRole).toString(),
                 QStringLiteral(" ") + LoadResString(5) + QStringLiteral(" "));
        QVERIFY(!Ui(m).grid->model()->headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
    }

    void theQuoteBoxGivesTheFocusBackInListMode() {
        frmMain &m = open();
        QTest::mouseClick(Ui(m).txtBox[1]->viewport(), Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Ui(m).grid));
    }

    void aDamagedQuoteFileIsToldAndTheLobbyStaysUsable() {
        QVERIFY(QDir().mkdir(quotes::QuoteFileName));
        frmMain &m = open();
        QCOMPARE(script->messages.size(), 1);
        QCOMPARE(script->messages[0].icon, Icon::Critical);
        QVERIFY(script->messages[0].text.contains(QStringLiteral("Cipherly.Dat")));
        QVERIFY(script->messages[0].text.startsWith(
            QStringLiteral("The quote list could not be read.")));
        QCOMPARE(script->pointers[0], Qt::ArrowCursor);
        QCOMPARE(Ui(m).grid->list()->rowCount(), 0);
        QVERIFY(m.isEnabled());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // ---- Quote collections ------------------------------------------------------

    void theListMenuOffersImportAndExportInListModeOnly() {
        frmMain &m = open();
        QStringList items;
        QTimer::singleShot(0, [&] {
            if (QMenu *menu = m.listMenu()) {
                for (QAction *a : menu->actions())
                    items << a->text();
                menu->close();
            }
        });
        Ui(m).grid->setFocus();
        QTest::keyClick(Ui(m).grid, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(items.mid(0, 2), QStringList({"&Import Quotes...", "&Export Quotes..."}));
        // The README's key table and the manual page name every item of it.
        auto read = [](const char *name) {
            QFile f(QStringLiteral(CIPHERLY_SOURCE "/") + QLatin1String(name));
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        };
        const QString readme = read("README.md"), manual = read("packaging/cipherly.6");
        const QString keyRow = readme.section(QStringLiteral("| Menu, Shift+F10, Ctrl+M |"), 1)
                                   .section(QLatin1Char('\n'), 0, 0);
        const QString manualEntry = manual.section(QStringLiteral(".BR Menu "), 1)
                                        .section(QStringLiteral(".TP"), 0, 0)
                                        .simplified();
        for (QString item : std::as_const(items)) {
            if (item.isEmpty()) continue;                 // a separator
            item = item.section(QLatin1Char('\t'), 0, 0); // the key shown beside it
            item.remove(QLatin1Char('&')).remove(QStringLiteral("..."));
            QVERIFY2(keyRow.contains(item),
                     qPrintable(item + QStringLiteral(" not in the README")));
            QVERIFY2(manualEntry.contains(item),
                     qPrintable(item + QStringLiteral(" not in the manual page")));
        }
        // In edit mode the list is away, and so is its menu.
        Ui(m).cmdAddEditQuote[1]->PerformClick();
        bool shown = false;
        QTimer::singleShot(0, [&] {
            if (QMenu *menu = m.listMenu()) {
                shown = true;
                menu->close();
            }
        });
        m.grid_ContextMenu(QPoint(5, 5));
        QApplication::processEvents();
        QVERIFY(!shown);
    }

    void importingThroughTheMenuReportsAndHighlightsTheFirstNewQuote() {
        writeQuotes(12);
        QFile file(folder->file(QStringLiteral("fortunes")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("A fortune of some length that the list will gladly take in.\n\t-- Someone\n%\n"
                   "short\n%\n"
                   "Another fortune of some length, which also finds a place in the list.\n");
        file.close();
        frmMain &m = open();
        script->filesToOpen << QStringList{file.fileName()};
        QTimer::singleShot(0, [&] {
            if (QMenu *menu = m.listMenu()) {
                QAction *import = menu->actions()[0];
                menu->close();
                import->trigger();
            }
        });
        QTest::keyClick(Ui(m).grid, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_COMPARE(script->messages.size(), 1);
        // The file dialog opened at the fortune collections, or home without them.
        QCOMPARE(script->fileRequests[0].folder,
                 QFileInfo(QStringLiteral("/usr/share/games/fortunes")).isDir()
                     ? QStringLiteral("/usr/share/games/fortunes")
                     : QDir::homePath());
        const dialogs::Message report = script->messages[0];
        QCOMPARE(report.title, QStringLiteral("Import Quotes"));
        QVERIFY2(report.text.startsWith(QStringLiteral("2 quotes were added from fortunes.")),
                 qPrintable(report.text));
        QVERIFY(report.text.contains(QStringLiteral("1 too short")));
        QVERIFY(report.details.contains(QStringLiteral("short")));
        QCOMPARE(Ui(m).grid->list()->rowCount(), 14);
        QCOMPARE(Ui(m).grid->row(), 13);
        QCOMPARE(Ui(m).txtBox[1]->text(),
                 QStringLiteral("A FORTUNE OF SOME LENGTH THAT THE LIST WILL "
                                "GLADLY TAKE IN. - SOMEONE"));
        // The next dialog opens where the last file came from.
        script->filesToOpen << QStringList();
        Added<QuoteCollections>(m)->menuImportQuotes_Click();
        QCOMPARE(script->fileRequests.last().folder, folder->path());
    }

    void quotesDroppedOntoTheListAreImported() {
        frmMain &m = open();
        QMimeData data;
        data.setText(
            QStringLiteral("A quote dropped from another program onto the list of quotes.\n"
                           "and a second one, also dropped there, and long enough too."));
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(Ui(m).grid->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QApplication::sendEvent(Ui(m).grid->viewport(), &drop);
        // The drop is over before the import begins.
        QCOMPARE(Ui(m).grid->list()->rowCount(), 10);
        QVERIFY(script->messages.isEmpty());
        QTRY_COMPARE(Ui(m).grid->list()->rowCount(), 12);
        QVERIFY(script->messages.last().text.contains(QStringLiteral("the dropped text")));
        QCOMPARE(Ui(m).grid->row(), 11);
    }

    void exportingWritesThePlayersOwnQuotes() {
        writeQuotes(13);
        frmMain &m = open();
        const QString target = folder->file(QStringLiteral("out.txt"));
        // Not where quotes were imported from: the documents, then the last export's folder.
        Settings::Save(Settings::Keys::QuoteFolder, QStringLiteral("/usr"));
        script->filesToSave << target;
        Added<QuoteCollections>(m)->menuExportQuotes_Click();
        QCOMPARE(script->fileRequests.last().folder,
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        script->filesToSave << QString();
        Added<QuoteCollections>(m)->menuExportQuotes_Click();
        QCOMPARE(script->fileRequests.last().folder, folder->path());
        QFile out(target);
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(out.readAll().count('\n'), 3);
        QVERIFY(Settings::Get(Settings::Keys::ExportPending).isEmpty());
        // What an export killed half way left is removed at the next start,
        // and nothing else of that kind.
        const QString part = folder->file(QStringLiteral(".out.txt.part"));
        const QString foreign = folder->file(QStringLiteral(".download.part"));
        for (const QString &p : {part, foreign}) {
            QFile f(p);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        // As this version keeps it: the file the export replaced, whose
        // temporary files go; a file only named like one stays.
        const QString left = folder->file(QStringLiteral(".out.txt.Zz9Yy8.part"));
        QVERIFY(QFile(left).open(QIODevice::WriteOnly));
        Settings::Save(Settings::Keys::ExportPending, target);
        Added<QuoteCollections>(m)->RemoveLeftoverExport();
        QVERIFY(!QFile::exists(left));
        QVERIFY(QFile::exists(part) && QFile::exists(foreign));
        // As an earlier version kept it: its one temporary file.
        Settings::Save(Settings::Keys::ExportPending, part);
        Added<QuoteCollections>(m)->RemoveLeftoverExport();
        QVERIFY(!QFile::exists(part));
        QVERIFY(QFile::exists(foreign));
        // A setting naming any other file (the quote list, or a part file of
        // another folder) removes nothing.
        QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("other")));
        const QString elsewhere = folder->file(QStringLiteral("other/.out.txt.part"));
        QVERIFY(QFile(elsewhere).open(QIODevice::WriteOnly));
        for (const QString &p : {elsewhere, QFileInfo(quotes::QuoteFileName).absoluteFilePath()}) {
            Settings::Save(Settings::Keys::ExportPending, p);
            Added<QuoteCollections>(m)->RemoveLeftoverExport();
            QVERIFY(QFile::exists(p));
        }
        QVERIFY(
            script->messages.last().text.startsWith(QStringLiteral("3 quotes were written to")));
    }

    // ---- Editing -------------------------------------------------------------

    void addingToAListOf12() {
        writeQuotes(12);
        frmMain &m = open();
        Ui(m).cmdAddEditQuote[1]->PerformClick();
        QVERIFY(m.IsAdding);
        QCOMPARE(HelpTopic, HelpTopics::QuoteListMaintenance);
        QVERIFY(!Ui(m).picQuoteList->isVisible());
        QCOMPARE(Ui(m).picQuote->y(), 680 / 15);
        QCOMPARE(Ui(m).txtBox[1]->palette().color(QPalette::Base), frmMain::Yellow);
        QCOMPARE(Ui(m).txtBox[2]->text(), frmMain::GuideTextForEditing());
        QCOMPARE(Ui(m).cmdAddEditSave->Caption(), QStringLiteral("&Save\r\nNew\r\nQuote"));
        QCOMPARE(Ui(m).cmdAddEditCancel->Caption(), QStringLiteral("&Cancel\r\nNew\r\nQuote"));
        QVERIFY(!Ui(m).cmdDeleteQuote->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Ui(m).txtBox[1]));
        typeInto(Ui(m).txtBox[1],
                 QStringLiteral("the quick brown fox jumps over the lazy dog, twice over!"));
        Ui(m).cmdAddEditSave->PerformClick();
        QVERIFY(script->messages.isEmpty());
        QVERIFY(!m.IsAdding);
        QCOMPARE(Ui(m).grid->list()->rowCount(), 13);
        QCOMPARE(Ui(m).grid->row(), 13);
        QCOMPARE(Ui(m).txtBox[1]->text(),
                 QStringLiteral("THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG, TWICE OVER!"));
        QCOMPARE(Ui(m).txtBox[1]->palette().color(QPalette::Base), frmMain::Cyan);
        QCOMPARE(
            fileBytes().mid(12 * 200),
            record(QStringLiteral("THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG, TWICE OVER!")));
        QCOMPARE(HelpTopic, HelpTopics::MainLobby);
        QVERIFY(Ui(m).picQuoteList->isVisible());
    }

    void editingRow12KeepsItHighlighted() {
        writeQuotes(14);
        frmMain &m = open();
        Ui(m).grid->setRow(12);
        Ui(m).cmdAddEditQuote[2]->PerformClick();
        QVERIFY(m.IsEditing);
        QCOMPARE(Ui(m).txtBox[1]->palette().color(QPalette::Base), frmMain::Pink);
        QCOMPARE(Ui(m).cmdAddEditSave->Caption(), QStringLiteral("&Save\r\nChanges"));
        QCOMPARE(Ui(m).cmdAddEditCancel->Caption(), QStringLiteral("Don't\r\nSave\r\n&Changes"));
        Ui(m).txtBox[1]->setText(
            QStringLiteral("an edited quote which is certainly long enough to keep"));
        Ui(m).cmdAddEditSave->PerformClick();
        QCOMPARE(Ui(m).grid->row(), 12);
        QCOMPARE(Ui(m).grid->list()->rowCount(), 14);
        QCOMPARE(Ui(m).txtBox[1]->text(),
                 QStringLiteral("AN EDITED QUOTE WHICH IS CERTAINLY LONG ENOUGH TO KEEP"));
    }

    void reservedRowsCannotBeEditedOrDeleted() {
        writeQuotes(11);
        frmMain &m = open();
        const QByteArray before = fileBytes();
        Ui(m).grid->setRow(10);
        Ui(m).cmdAddEditQuote[2]->PerformClick();
        Ui(m).cmdDeleteQuote->PerformClick();
        QCOMPARE(script->messages.size(), 2);
        for (const auto &msg : script->messages) {
            QCOMPARE(msg.title, QStringLiteral("Reserved"));
            QCOMPARE(msg.text, QStringLiteral("The first 10 quotes are an\nintegral part of "
                                              "Cipherly\nand can not be edited or deleted."));
            QCOMPARE(msg.icon, Icon::Information);
        }
        QVERIFY(!m.IsEditing);
        QCOMPARE(fileBytes(), before);
        Ui(m).grid->setRow(11);
        Ui(m).cmdAddEditQuote[2]->PerformClick();
        QVERIFY(m.IsEditing);
    }

    void lengthIsMeasuredAfterTrimming() {
        frmMain &m = open();
        Ui(m).cmdAddEditQuote[1]->PerformClick();
        const QString fortyNine = QString(49, QLatin1Char('A'));
        Ui(m).txtBox[1]->setText(QStringLiteral("   ") + fortyNine + QStringLiteral("    "));
        Ui(m).cmdAddEditSave->PerformClick();
        QCOMPARE(script->messages.size(), 1);
        QCOMPARE(script->messages[0].title, QStringLiteral("Length too short..."));
        QCOMPARE(script->messages[0].text,
                 QStringLiteral("A quote should be at least\n50 characters in length."));
        QCOMPARE(script->messages[0].icon, Icon::Critical);
        QVERIFY(m.IsAdding);
        QCOMPARE(Ui(m).txtBox[1]->text(), fortyNine); // the trimmed text stays
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Ui(m).txtBox[1]));
        Ui(m).txtBox[1]->setText(fortyNine + QStringLiteral("B"));
        Ui(m).cmdAddEditSave->PerformClick();
        QVERIFY(!m.IsAdding);
        QCOMPARE(Ui(m).grid->list()->rowCount(), 11);
    }

    void digitsAndUnstorableCharactersAreRefused() {
        frmMain &m = open();
        Ui(m).cmdAddEditQuote[1]->PerformClick();
        const QString base =
            QStringLiteral("A QUOTE WITH PUNCTUATION ()',./;!?- AND NOTHING ELSE IN IT ");
        Ui(m).txtBox[1]->setText(base + QStringLiteral("0"));
        Ui(m).cmdAddEditSave->PerformClick();
        QCOMPARE(script->messages.last().title, QStringLiteral("Numbers not allowed..."));
        QCOMPARE(script->messages.last().text,
                 QStringLiteral("Please do not include\nnumeral characters in the quote."));
        // The refusal names the first character the list cannot hold: é is fine, ł is not.
        Ui(m).txtBox[1]->setText(base + QString::fromUtf8("café ... łódź \u2603"));
        Ui(m).cmdAddEditSave->PerformClick();
        QCOMPARE(script->messages.last().title, QStringLiteral("Characters not allowed..."));
        QCOMPARE(script->messages.last().text,
                 QString::fromUtf8("Please do not include\nthe character \"ł\" in the quote."));
        QCOMPARE(script->messages.last().icon, Icon::Critical);
        QVERIFY(m.IsAdding);
        // An emoji is named whole, and a control character by its code.
        Ui(m).txtBox[1]->setText(base + QString::fromUtf8("and a smile 😀"));
        Ui(m).cmdAddEditSave->PerformClick();
        QCOMPARE(script->messages.last().text,
                 QString::fromUtf8("Please do not include\nthe character \"😀\" in the quote."));
        Ui(m).txtBox[1]->setText(base + QStringLiteral("and a bell \a"));
        Ui(m).cmdAddEditSave->PerformClick();
        QCOMPARE(
            script->messages.last().text,
            QStringLiteral("Please do not include\nthe control character U+0007 in the quote."));
        QCOMPARE(fileBytes().size(), 2000);
        Ui(m).txtBox[1]->setText(base + QStringLiteral("É"));
        Ui(m).cmdAddEditSave->PerformClick();
        QVERIFY(!m.IsAdding);
        QCOMPARE(Ui(m).grid->list()->rowCount(), 11);
    }

    void enterKeysBecomeBlanksWithOneMessage() {
        frmMain &m = open();
        Ui(m).cmdAddEditQuote[1]->PerformClick();
        typeInto(Ui(m).txtBox[1], QStringLiteral("FIRST PART OF THE QUOTE"));
        QTest::keyClick(Ui(m).txtBox[1], Qt::Key_Return);
        typeInto(Ui(m).txtBox[1], QStringLiteral("SECOND PART"));
        QTest::keyClick(Ui(m).txtBox[1], Qt::Key_Return);
        typeInto(Ui(m).txtBox[1], QStringLiteral("AND THE THIRD PART OF IT"));
        Ui(m).cmdAddEditSave->PerformClick();
        QCOMPARE(script->messages.size(), 1);
        QCOMPARE(script->messages[0].title, QStringLiteral("Keystroke Entry Error"));
        QCOMPARE(script->messages[0].text,
                 QStringLiteral("The <Enter> keystroke(s)\nin this quote have been removed."));
        QCOMPARE(script->messages[0].icon, Icon::Information);
        QCOMPARE(Ui(m).txtBox[1]->text(),
                 QStringLiteral("FIRST PART OF THE QUOTE SECOND PART AND THE THIRD PART OF IT"));
        QVERIFY(!m.IsAdding);
    }

    void aPastedTabBecomesABlankWithTheSameNotice() {
        frmMain &m = open();
        Ui(m).cmdAddEditQuote[1]->PerformClick();
        QApplication::clipboard()->setText(
            QStringLiteral("WORDS\tTHAT CAME FROM A TABLE, WITH A TAB BETWEEN THEIR COLUMNS"));
        Ui(m).txtBox[1]->paste();
        QVERIFY(Ui(m).txtBox[1]->text().contains(QLatin1Char('\t')));
        Ui(m).cmdAddEditSave->PerformClick();
        QCOMPARE(script->messages.size(), 1);
        QCOMPARE(script->messages[0].title, QStringLiteral("Keystroke Entry Error"));
        QVERIFY(!m.IsAdding);
        const QByteArray stored = fileBytes().mid(10 * 200, 200);
        QVERIFY(!stored.contains('\t'));
        QVERIFY(stored.startsWith("WORDS THAT CAME FROM A TABLE"));
    }

    void pastingWhatHoldsNoTextKeepsTheBoxAsItIs_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("pasted");
        QTest::newRow("nothing at all") << "empty"
                                        << "";
        QTest::newRow("only a picture") << "image"
                                        << "";
        QTest::newRow("only rich text") << "html"
                                        << "RICH WORDS";
        QTest::newRow("only an address") << "urls"
                                         << "https://example.com/quotes";
    }
    void pastingWhatHoldsNoTextKeepsTheBoxAsItIs() {
        QFETCH(QString, kind);
        QFETCH(QString, pasted);
        frmMain &m = open();
        Ui(m).cmdAddEditQuote[1]->PerformClick();
        typeInto(Ui(m).txtBox[1], QStringLiteral("TYPED SO FAR "));
        auto *data = new QMimeData;
        if (kind == QLatin1String("image")) {
            QImage picture(8, 8, QImage::Format_RGB32);
            picture.fill(Qt::red);
            data->setImageData(picture);
        } else if (kind == QLatin1String("html")) {
            data->setHtml(QStringLiteral("<p><b>RICH</b> WORDS</p>"));
        } else if (kind == QLatin1String("urls")) {
            data->setUrls({QUrl(QStringLiteral("https://example.com/quotes"))});
        }
        QApplication::clipboard()->setMimeData(data);
        // As the player pastes: the keys, and the middle button.
        QTest::keyClick(Ui(m).txtBox[1], Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Ui(m).txtBox[1]->text(), QStringLiteral("TYPED SO FAR ") + pasted);
        Ui(m).txtBox[1]->setText(QStringLiteral("TYPED SO FAR "));
        Ui(m).txtBox[1]->moveCursor(QTextCursor::End);
        QTest::keyClick(Ui(m).txtBox[1], Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(Ui(m).txtBox[1]->text(), QStringLiteral("TYPED SO FAR ") + pasted);
        QVERIFY(m.IsAdding);
    }

    void theQuoteBoxHoldsAt200CharactersHoweverTextArrives() {
        frmMain &m = open();
        Ui(m).cmdAddEditQuote[1]->PerformClick();
        QMimeData paste;
        paste.setText(QString(250, QLatin1Char('Q')));
        Ui(m).txtBox[1]->insertPlainText(QString()); // focus on the box
        QMetaObject::invokeMethod(Ui(m).txtBox[1], [&] { Ui(m).txtBox[1]->paste(); });
        QApplication::clipboard()->setMimeData(new QMimeData);
        Ui(m).txtBox[1]->setText(QString());
        QApplication::clipboard()->setText(QString(250, QLatin1Char('Q')));
        Ui(m).txtBox[1]->paste();
        QCOMPARE(Ui(m).txtBox[1]->text().size(), 200);
        Ui(m).txtBox[1]->setText(QString(195, QLatin1Char('R')));
        Ui(m).txtBox[1]->moveCursor(QTextCursor::End);
        QApplication::clipboard()->setText(QStringLiteral("AB\nCDEFG"));
        Ui(m).txtBox[1]->paste();
        QCOMPARE(Ui(m).txtBox[1]->text(),
                 QString(195, QLatin1Char('R')) + QStringLiteral("AB\r\nC"));
        typeInto(Ui(m).txtBox[1], QStringLiteral("XYZ"));
        QCOMPARE(QuoteTextBox::designLength(Ui(m).txtBox[1]->toPlainText()), 200);
        // Tab moves the focus on instead of entering the box.
        QTest::keyClick(Ui(m).txtBox[1], Qt::Key_Tab);
        QVERIFY(!Ui(m).txtBox[1]->toPlainText().contains(QLatin1Char('\t')));
        QVERIFY(QApplication::focusWidget() != Ui(m).txtBox[1]);
    }

    void saveButtonFollowsTheTextOneKeyLate() {
        frmMain &m = open();
        Ui(m).cmdAddEditSave->setEnabledProperty(false);
        Ui(m).cmdAddEditQuote[1]->PerformClick();
        QVERIFY(!Ui(m).cmdAddEditSave->Enabled()); // entering edit mode changes nothing
        QTest::keyClick(Ui(m).txtBox[1], Qt::Key_H);
        QVERIFY(!Ui(m).cmdAddEditSave->Enabled());
        QTest::keyClick(Ui(m).txtBox[1], Qt::Key_I);
        QVERIFY(Ui(m).cmdAddEditSave->Enabled());
    }

    void cancelRestoresTheStoredQuoteEvenAfterARefusedSave() {
        writeQuotes(12);
        frmMain &m = open();
        Ui(m).grid->setRow(12);
        const QString stored = Ui(m).txtBox[1]->text();
        Ui(m).cmdAddEditQuote[2]->PerformClick();
        Ui(m).txtBox[1]->setText(QStringLiteral("too short"));
        Ui(m).cmdAddEditSave->PerformClick();
        QCOMPARE(script->messages.size(), 1);
        Ui(m).cmdAddEditCancel->PerformClick();
        QVERIFY(!m.IsEditing);
        QCOMPARE(Ui(m).txtBox[1]->text(), stored);
        QVERIFY(Ui(m).txtBox[1]->locked());
    }

    void aSaveTheFileRefusesLeavesTheStoredQuoteEverywhere() {
        writeQuotes(12);
        frmMain &m = open();
        Ui(m).grid->setRow(12);
        const QString stored = Ui(m).txtBox[1]->text();
        const QByteArray before = fileBytes();
        Ui(m).cmdAddEditQuote[2]->PerformClick();
        Ui(m).txtBox[1]->setText(
            QStringLiteral("THE WORDS THE DISK WOULD NOT TAKE, TYPED OVER THE STORED QUOTE"));
        quotes::SetFaultInjector([](quotes::Step s) { return s == quotes::Step::Write; });
        Ui(m).cmdAddEditSave->PerformClick();
        quotes::SetFaultInjector({});
        QCOMPARE(script->messages.size(), 1);
        QCOMPARE(script->messages[0].icon, Icon::Critical);
        QVERIFY(m.IsEditing); // the typed text stays on screen to be tried again
        Ui(m).cmdAddEditCancel->PerformClick();
        QCOMPARE(Ui(m).txtBox[1]->text(), stored);
        QCOMPARE(quotes::QuoteRecord.trimmed(), stored);
        // Printing enciphers the stored quote, and a plain Save keeps it.
        Ui(m).cmdScrambleAndPrintQuote->PerformClick();
        QCOMPARE(Ui(m).txtBox[2]->text().size(), stored.size());
        Ui(m).cmdFinishedPrinting->PerformClick();
        Ui(m).cmdAddEditQuote[2]->PerformClick();
        Ui(m).cmdAddEditSave->PerformClick();
        QCOMPARE(fileBytes(), before);
    }

    void storeErrorsComeWithTheNormalPointerAndSayWhatFailed() {
        // The ten reserved quotes cannot be made: the player is told so, with
        // the normal pointer over the message, not the busy one.
        quotes::SetFaultInjector([](quotes::Step s) { return s == quotes::Step::CreateTemp; });
        frmMain &m = open();
        quotes::SetFaultInjector({});
        QCOMPARE(script->messages.size(), 1);
        QVERIFY(script->messages[0].text.startsWith(
            QStringLiteral("The quote list could not be created.")));
        QCOMPARE(script->pointers[0], Qt::ArrowCursor);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(m.isEnabled());
    }

    void deletionAsksWithNoAsTheDefault() {
        writeQuotes(13);
        frmMain &m = open();
        const QByteArray before = fileBytes();
        Ui(m).grid->setRow(12);
        Ui(m).cmdDeleteQuote->PerformClick(); // the default answer: No
        QCOMPARE(script->messages.last().title, QStringLiteral("Confirm Deletion"));
        QCOMPARE(script->messages.last().text,
                 QStringLiteral("Are you SURE you want to\ndelete this quote from the list?"));
        QCOMPARE(script->messages.last().defaultAnswer, Answer::No);
        QCOMPARE(script->messages.last().buttons, dialogs::Buttons::YesNo);
        QCOMPARE(fileBytes(), before);
        script->answers << Answer::Yes;
        Ui(m).cmdDeleteQuote->PerformClick();
        QCOMPARE(fileBytes().size(), 12 * 200);
        QCOMPARE(Ui(m).grid->row(), 11);
        QCOMPARE(Ui(m).grid->list()->rowCount(), 12);
        QVERIFY(m.isEnabled());
    }

    void aFailedDeletionIsToldAndChangesNothing() {
        writeQuotes(13);
        frmMain &m = open();
        const QByteArray before = fileBytes();
        QVERIFY(QDir().mkdir(quotes::TempFileName)); // in the way of the copy
        Ui(m).grid->setRow(12);
        script->answers << Answer::Yes;
        Ui(m).cmdDeleteQuote->PerformClick();
        QCOMPARE(script->messages.last().icon, Icon::Critical);
        QVERIFY(script->messages.last().text.contains(quotes::TempFileName));
        QCOMPARE(fileBytes(), before);
        QCOMPARE(Ui(m).grid->row(), 12);
        QVERIFY(m.isEnabled());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // ---- Keys, help and quitting ---------------------------------------------

    void f1OpensHelpAtTheTopicOfTheMode() {
        frmMain &m = open();
        QList<qint16> topics;
        m.showHelp = [&](QWidget *) { topics << HelpTopic; };
        QTest::keyClick(Ui(m).grid, Qt::Key_F1);
        Ui(m).cmdAddEditQuote[1]->PerformClick();
        QTest::keyClick(Ui(m).txtBox[1], Qt::Key_F1);
        QCOMPARE(topics, QList<qint16>({3, 4}));
    }

    void escAsksToQuitAndNoKeepsThePlaying() {
        frmMain &m = open();
        m.clock = [] { return QTime(10, 20, 30); };
        script->answers << Answer::No;
        QTest::keyClick(Ui(m).grid, Qt::Key_Escape);
        QCOMPARE(script->messages.size(), 1);
        QCOMPARE(script->messages[0].title, QStringLiteral("Confirm"));
        QCOMPARE(script->messages[0].text, QStringLiteral("Are you sure you wish to quit?"));
        QCOMPARE(script->messages[0].icon, Icon::Question);
        QVERIFY(lobby);
        QVERIFY(m.isVisible());
        // Esc in edit mode is still the Quit button.
        Ui(m).cmdAddEditQuote[1]->PerformClick();
        script->answers << Answer::No;
        QTest::keyClick(Ui(m).txtBox[1], Qt::Key_Escape);
        QCOMPARE(script->messages.size(), 2);
    }

    void theFirstSecondsOfAMinuteRemindOfGifts() {
        frmMain &m = open();
        m.clock = [] { return QTime(10, 20, 4); };
        script->answers << Answer::No;
        Ui(m).cmdQuit->PerformClick();
        QCOMPARE(script->messages[0].title, QStringLiteral("Quit Cipherly?"));
        QVERIFY(script->messages[0].text.endsWith(QStringLiteral("\n\nReady to quit now?")));
        QCOMPARE(script->messages[0].icon, Icon::Exclamation);
        m.clock = [] { return QTime(10, 20, 5); };
        script->answers << Answer::No;
        Ui(m).cmdQuit->PerformClick();
        QCOMPARE(script->messages[1].title, QStringLiteral("Confirm"));
    }

    void theCloseBoxAsksAsQuitDoes() {
        frmMain &m = open();
        m.clock = [] { return QTime(10, 20, 30); };
        script->answers << Answer::No;
        QVERIFY(!m.close()); // as the close box asks
        QTRY_COMPARE(script->messages.size(), 1);
        QVERIFY(lobby && m.isVisible());
    }

    void quittingWithFadingDimsAndEnds() {
        opacity.canFade = true;
        Settings::SaveSetting(Settings::FadeStatusKey, QStringLiteral("True"));
        frmMain &m = open();
        m.clock = [] { return QTime(10, 20, 30); };
        opacity.applied.clear();
        // No: dimmed to 204 while asked, then back to full opacity, enabled.
        script->answers << Answer::No;
        Ui(m).cmdQuit->PerformClick();
        QTRY_VERIFY(!m.fade.isFading());
        QCOMPARE(opacity.applied[25], 204);
        QCOMPARE(opacity.applied.last(), 255);
        QVERIFY(m.isEnabled());
        // Yes: faded out to 0 and the program's windows are closed.
        opacity.applied.clear();
        script->answers << Answer::Yes;
        Ui(m).cmdQuit->PerformClick();
        QTRY_VERIFY(!lobby);
        QCOMPARE(opacity.applied.last(), 0);
    }

    void clicksDuringAModeChangeFadeDoNotReachTheWindow() {
        opacity.canFade = true;
        Settings::SaveSetting(Settings::FadeStatusKey, QStringLiteral("True"));
        writeQuotes(12);
        frmMain &m = open();
        Ui(m).grid->setRow(12);
        // While the add button's fade-out runs, the player clicks Delete.
        bool clicked = false;
        QTimer::singleShot(40, &m, [&] {
            clicked = true;
            QTest::mouseClick(Ui(m).cmdDeleteQuote, Qt::LeftButton, {}, QPoint(10, 10));
        });
        Ui(m).cmdAddEditQuote[1]->PerformClick();
        QVERIFY(clicked);
        QVERIFY(m.IsAdding);
        QVERIFY(script->messages.isEmpty()); // no deletion was asked for
        QCOMPARE(fileBytes().size(), 12 * 200);
        QVERIFY(m.isEnabled());
    }
};

QTEST_MAIN(TestLobby)
#include "tst_lobby.moc"
