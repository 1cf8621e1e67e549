#include "AppInfo.h"
#include "ListFolder.h"
#include "QuoteFile.h"
#include "ScriptedDialogs.h"
#include "Settings.h"
#include "SingleInstance.h"
#include "TempFolder.h"
#include "basCipherly.h"

#include <QApplication>
#include <QLockFile>
#include <QPointer>
#include <QProcess>
#include <QSettings>
#include <QTest>

namespace {
void writeFile(const QString &name) {
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly));
}
} // namespace

class TestApp : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> folder;

    static QString settingsFile() { return QSettings(AppInfo::Title, AppInfo::Title).fileName(); }

    static void closeAllWindows() {
        QList<QPointer<QWidget>> windows;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (!w->parentWidget()) windows << w;
        for (const auto &w : windows)
            delete w.data();
    }

private slots:
    void init() {
        folder = std::make_unique<TempFolder>();
        QFile::remove(settingsFile());
    }
    void cleanup() {
        closeAllWindows();
        folder.reset();
    }

    void applicationFacts() {
        QCOMPARE(AppInfo::Title, QStringLiteral("Cipherly"));
        QCOMPARE(AppInfo::versionString(), QStringLiteral("3.28.18"));
        QCOMPARE(AppInfo::Description, QStringLiteral("Encryption Word Game"));
        QVERIFY(AppInfo::Copyright.contains(QStringLiteral("KEL Software")));
    }

    void settingsDefaultsOnAFirstRun() {
        QVERIFY(!Settings::FadeStatus());
        QVERIFY(Settings::ShowWelcome());
        QCOMPARE(Settings::GetSetting(QStringLiteral("Missing"), QStringLiteral("dflt")),
                 QStringLiteral("dflt"));
        // Reading writes nothing.
        QVERIFY(!QFile::exists(settingsFile()));
    }

    void settingsAreStoredUnderDefaults() {
        Settings::SaveSetting(Settings::FadeStatusKey, QStringLiteral("True"));
        Settings::SaveSetting(Settings::NewUserKey, Settings::NoShow);
        const QSettings raw(AppInfo::Title, AppInfo::Title);
        QCOMPARE(raw.value(QStringLiteral("Defaults/FadeStatus")).toString(),
                 QStringLiteral("True"));
        QCOMPARE(raw.value(QStringLiteral("Defaults/NewUser")).toString(),
                 QStringLiteral("NoShow"));
        QVERIFY(Settings::FadeStatus());
        QVERIFY(!Settings::ShowWelcome());
    }

    void fadeStatusReadsLeniently_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("on");
        QTest::newRow("True") << "True" << true;
        QTest::newRow("False") << "False" << false;
        QTest::newRow("lower case true") << "true" << true;
        QTest::newRow("padded") << " TRUE " << true;
        QTest::newRow("non-zero number") << "-1" << true;
        QTest::newRow("zero") << "0" << false;
        QTest::newRow("garbage") << "Yes please" << false;
        QTest::newRow("empty") << "" << false;
    }
    void fadeStatusReadsLeniently() {
        QFETCH(QString, stored);
        QFETCH(bool, on);
        Settings::SaveSetting(Settings::FadeStatusKey, stored);
        QCOMPARE(Settings::FadeStatus(), on);
    }

    void newUserIsComparedExactly() {
        Settings::SaveSetting(Settings::NewUserKey, QStringLiteral("noshow"));
        QVERIFY(Settings::ShowWelcome());
    }

    void aLockLeftByACrashedCopyDoesNotBlock() {
        // The real program, killed outright, leaves its lock file behind.
        QProcess crashed;
        crashed.setWorkingDirectory(folder->path());
        crashed.start(QStringLiteral(CIPHERLY_EXE), {});
        QVERIFY(crashed.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(SingleInstance::lockPath()), 10000);
        crashed.kill();
        QVERIFY(crashed.waitForFinished());
        QVERIFY(QFile::exists(SingleInstance::lockPath()));
        SingleInstance next;
        QCOMPARE(next.acquire(), SingleInstance::Result::Acquired);
    }

    void aLockFolderThatFailsFallsBackAndStillSeesTheOtherCopy() {
        // The first place cannot take a lock (it is a file, not a folder): the
        // guard moves on to the next instead of letting every copy run.
        writeFile(QStringLiteral("not-a-folder"));
        const QString good = folder->file(QStringLiteral("second"));
        SingleInstance first({folder->file(QStringLiteral("not-a-folder")), good});
        QCOMPARE(first.acquire(), SingleInstance::Result::Acquired);
        QCOMPARE(first.heldPath(), good + QStringLiteral("/cipherly.lock"));
        // A copy that finds the first place usable again still sees this one.
        SingleInstance second({folder->file(QStringLiteral("first")), good});
        QCOMPARE(second.acquire(), SingleInstance::Result::HeldByAnother);
        QVERIFY(!QFile::exists(folder->file(QStringLiteral("first/cipherly.lock"))));
        first.release();
        QCOMPARE(second.acquire(), SingleInstance::Result::Acquired);
    }

    void noLockAnywhereMeansNoStart() {
        writeFile(QStringLiteral("a"));
        writeFile(QStringLiteral("b"));
        SingleInstance guard({folder->file(QStringLiteral("a")), folder->file(QStringLiteral("b"))});
        QCOMPARE(guard.acquire(), SingleInstance::Result::Unavailable);
        QVERIFY(guard.reason().contains(folder->file(QStringLiteral("a"))));
        QVERIFY(guard.reason().contains(folder->file(QStringLiteral("b"))));
        QVERIFY(guard.heldPath().isEmpty());
    }

    void aMenuStartCarriesTheHomeListToTheDataFolder() {
        const QString home = folder->file(QStringLiteral("home"));
        const QString data = folder->file(QStringLiteral("home/.local/share/Cipherly"));
        QVERIFY(QDir().mkpath(home));
        QFile list(home + QStringLiteral("/Cipherly.Dat"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(QByteArray(2400, 'Q'));
        list.close();
        const ListFolder::Outcome o =
            ListFolder::UseDataFolder(home, data, QStringLiteral("Cipherly.Dat"));
        QVERIFY(o.problem.isEmpty());
        QVERIFY(o.moved);
        QCOMPARE(QDir::currentPath(), data);
        QCOMPARE(QFileInfo(data + QStringLiteral("/Cipherly.Dat")).size(), 2400);
        QVERIFY(!QFile::exists(home + QStringLiteral("/Cipherly.Dat")));
        QDir::setCurrent(folder->path());
    }

    void aListInBothPlacesIsLeftAlone() {
        const QString home = folder->file(QStringLiteral("home"));
        const QString data = folder->file(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(home) && QDir().mkpath(data));
        for (const QString &f : {home, data}) {
            QFile list(f + QStringLiteral("/Cipherly.Dat"));
            QVERIFY(list.open(QIODevice::WriteOnly));
            list.write(f.toLatin1());
        }
        const ListFolder::Outcome o =
            ListFolder::UseDataFolder(home, data, QStringLiteral("Cipherly.Dat"));
        QVERIFY(o.problem.isEmpty());
        QVERIFY(!o.moved);
        QFile kept(home + QStringLiteral("/Cipherly.Dat"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), home.toLatin1()); // the player's other list is not touched
        QDir::setCurrent(folder->path());
    }

    void aDataFolderThatCannotBeMadeKeepsEverythingWhereItIs() {
        const QString home = folder->file(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(home));
        writeFile(folder->file(QStringLiteral("blocked")));
        QFile list(home + QStringLiteral("/Cipherly.Dat"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(QByteArray(2000, 'Q'));
        list.close();
        const QString before = QDir::currentPath();
        const ListFolder::Outcome o = ListFolder::UseDataFolder(
            home, folder->file(QStringLiteral("blocked/Cipherly")), QStringLiteral("Cipherly.Dat"));
        QVERIFY(!o.problem.isEmpty());
        QCOMPARE(QDir::currentPath(), before);
        QCOMPARE(QFileInfo(home + QStringLiteral("/Cipherly.Dat")).size(), 2000);
    }

    void aListOnAnotherDiskIsCopiedWholeThenRemoved() {
        // Run by small_disk.sh: the data folder is on a disk of its own.
        const QString disk = qEnvironmentVariable("CIPHERLY_SMALL_DISK");
        if (disk.isEmpty()) QSKIP("needs a disk of its own (tests/small_disk.sh)");
        const QString home = folder->file(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(home));
        QFile list(home + QStringLiteral("/Cipherly.Dat"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(QByteArray(2600, 'Q'));
        list.close();
        const ListFolder::Outcome o = ListFolder::UseDataFolder(
            home, disk + QStringLiteral("/Cipherly"), QStringLiteral("Cipherly.Dat"));
        QVERIFY2(o.problem.isEmpty(), qPrintable(o.problem));
        QVERIFY(o.moved);
        QCOMPARE(QFileInfo(disk + QStringLiteral("/Cipherly/Cipherly.Dat")).size(), 2600);
        QVERIFY(!QFile::exists(home + QStringLiteral("/Cipherly.Dat")));
        QVERIFY(!QFile::exists(disk + QStringLiteral("/Cipherly/Cipherly.Dat.moving")));
        QDir::setCurrent(folder->path());
    }

    // Main keeps its lock for the rest of the run: these two come last.
    void aSecondCopyIsRefusedAndTouchesNothing() {
        QLockFile other(SingleInstance::lockPath());
        QVERIFY(other.tryLock(0));
        ScriptedDialogs script;
        quotes::QuoteFileName = QStringLiteral("Untouched");
        QVERIFY(!basCipherly::Main());
        QCOMPARE(script.messages.size(), 1);
        const dialogs::Message m = script.messages[0];
        QCOMPARE(m.title, QStringLiteral("Terminating..."));
        QCOMPARE(m.text,
                 QStringLiteral("Cipherly is already loaded\nand running on your computer!"));
        QCOMPARE(m.icon, dialogs::Icon::Critical);
        QCOMPARE(m.buttons, dialogs::Buttons::Ok);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        QCOMPARE(quotes::QuoteFileName, QStringLiteral("Untouched"));
        QVERIFY(!QFile::exists(settingsFile()));
        QCOMPARE(QDir().entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
        QVERIFY(other.isLocked());
    }

    void theFirstCopyStartsAndHoldsTheLock() {
        ScriptedDialogs script;
        QVERIFY(basCipherly::Main());
        QVERIFY(script.messages.isEmpty());
        QCOMPARE(quotes::QuoteFileName, QStringLiteral("Cipherly.Dat"));
        const auto windows = QApplication::topLevelWidgets();
        QCOMPARE(windows.size(), 1);
        QCOMPARE(windows[0]->objectName(), QStringLiteral("frmTitlePage"));
        QVERIFY(windows[0]->isVisible());
        QLockFile other(SingleInstance::lockPath());
        QVERIFY(!other.tryLock(0));
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
