#include "AppInfo.h"
#include "DataFolder.h"
#include "InstanceChannel.h"
#include "ListFolder.h"
#include "QuoteFile.h"
#include "RecordingSystem.h"
#include "ScriptedDialogs.h"
#include "Settings.h"
#include "SingleInstance.h"
#include "TempFolder.h"
#include "Windows.h"
#include "basCipherly.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <future>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
void writeFile(const QString &name) {
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

void put(const QString &name, const QByteArray &bytes) {
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Sends `bytes` on the local socket at `path` and gives what comes back
// before it closes ("unconnected" when nothing listens).
QByteArray rawExchange(const QString &path, const QByteArray &bytes) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un at{};
    at.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(at.sun_path, name.constData(),
                std::min(name.size(), qsizetype(sizeof at.sun_path - 1)));
    const timeval limit{10, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    if (::connect(fd, reinterpret_cast<sockaddr *>(&at), sizeof at) != 0) {
        ::close(fd);
        return "unconnected";
    }
    ::send(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL);
    QByteArray back;
    char buffer[64];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        back.append(buffer, n);
    ::close(fd);
    return back;
}

QByteArray bytesOf(const QString &name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestApp : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> folder;

    static QString settingsFile() { return QSettings(AppInfo::Title, AppInfo::Title).fileName(); }

private slots:
    void initTestCase() {
        // A data folder of this program's own: the real game started here
        // must not meet another test's list.
        static QTemporaryDir data;
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    }
    void init() {
        folder = std::make_unique<TempFolder>();
        QFile::remove(settingsFile());
    }
    void cleanup() {
        CloseAllWindows();
        folder.reset();
    }

    void applicationFacts() {
        QCOMPARE(AppInfo::Title, QStringLiteral("Cipherly"));
        QCOMPARE(AppInfo::versionString(), QStringLiteral("3.28.18"));
        QCOMPARE(AppInfo::description(), QStringLiteral("Encryption Word Game"));
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

    void aSettingsFileThatIsNoFileIsSetAsideAndTheDefaultsHold() {
        QCOMPARE(Settings::FilePath(), settingsFile());
        QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
        // A giant (sparse, so the test stays small) and then a folder.
        {
            QFile giant(settingsFile());
            QVERIFY(giant.open(QIODevice::WriteOnly));
            QVERIFY(giant.resize(100 << 20));
        }
        QVERIFY(Settings::CheckFile().contains(QStringLiteral("set aside as")));
        QVERIFY(QFileInfo(settingsFile() + QStringLiteral(".set-aside")).size() == (100 << 20));
        Settings::SaveSetting(Settings::FadeStatusKey, QStringLiteral("True"));
        QVERIFY(Settings::FadeStatus());
        QFile::remove(settingsFile());
        QVERIFY(QDir().mkdir(settingsFile()));
        QVERIFY(!Settings::FadeStatus()); // not read, nor written, until it is put right
        Settings::SaveSetting(Settings::NewUserKey, Settings::NoShow);
        QVERIFY(Settings::ShowWelcome());
        QVERIFY(Settings::CheckFile().contains(QStringLiteral("It is a folder")));
        QVERIFY(QFileInfo(settingsFile() + QStringLiteral(".set-aside (2)")).isDir());
        QVERIFY(Settings::CheckFile().isEmpty());
        QFile::remove(settingsFile() + QStringLiteral(".set-aside"));
        QDir().rmdir(settingsFile() + QStringLiteral(".set-aside (2)"));
        // A plain file where the settings' folder belongs is said, not passed over.
        const QString folder = QFileInfo(settingsFile()).absolutePath();
        QVERIFY(QDir(folder).removeRecursively());
        QFile plain(folder);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QVERIFY(Settings::CheckFile().contains(QStringLiteral("it is not a folder")));
        QVERIFY(QFile::remove(folder));
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

    // ---- One lock per list ----------------------------------------------------

    void aLockLeftByACrashedCopyDoesNotBlock() {
        // The real program, killed outright, leaves its lock file behind.
        QProcess crashed;
        crashed.setWorkingDirectory(folder->path());
        crashed.start(QStringLiteral(CIPHERLY_EXE), {});
        QVERIFY(crashed.waitForStarted());
        const QString lock = SingleInstance::lockPath(DataFolder());
        QTRY_VERIFY(QFile::exists(lock));
        SingleInstance whileItRuns(DataFolder());
        QTRY_COMPARE(whileItRuns.acquire(), SingleInstance::Result::HeldByAnother);
        crashed.kill();
        QVERIFY(crashed.waitForFinished());
        QVERIFY(QFile::exists(lock));
        SingleInstance next(DataFolder());
        QCOMPARE(next.acquire(), SingleInstance::Result::Acquired);
    }

    void twoCopiesOnOneListSeeEachOther() {
        const QString list = folder->file(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(list));
        SingleInstance first(list), second(list);
        QCOMPARE(first.acquire(), SingleInstance::Result::Acquired);
        QCOMPARE(second.acquire(), SingleInstance::Result::HeldByAnother);
        first.release();
        QCOMPARE(second.acquire(), SingleInstance::Result::Acquired);
        second.release();
        // Where the lock file cannot be made, the folder's own lock still
        // meets a copy that could make it.
        QVERIFY(QFile::remove(SingleInstance::lockPath(list)));
        QVERIFY(QDir().mkdir(SingleInstance::lockPath(list)));
        SingleInstance withoutFile(list), other(list);
        QCOMPARE(withoutFile.acquire(), SingleInstance::Result::Acquired);
        QVERIFY(QDir().rmdir(SingleInstance::lockPath(list)));
        QCOMPARE(other.acquire(), SingleInstance::Result::HeldByAnother);
    }

    void aLaterCopyHandsItsRequestToTheOneThatRuns() {
        const QString list = folder->file(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(list));
        // From another thread, as another process would: this one serves.
        const auto hand = [&list](const QString &request) {
            auto answered = std::async(std::launch::async, [&list, request] {
                return instancechannel::Hand(list, request);
            });
            while (answered.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
                QCoreApplication::processEvents();
            return answered.get();
        };
        QVERIFY(!hand(QStringLiteral("daily 2026-12-08"))); // nobody listens
        // A socket left by a copy that crashed is taken over.
        put(instancechannel::Path(list), "left over");
        QVERIFY(instancechannel::Listen(list));
        QStringList taken;
        QVERIFY(hand(QStringLiteral("daily 2026-12-08"))); // waits for a handler
        instancechannel::SetHandler([&taken](const QString &r) { taken << r; });
        QTRY_COMPARE(taken, QStringList{QStringLiteral("daily 2026-12-08")});
        QVERIFY(hand(QStringLiteral("daily 2026-12-09")));
        QTRY_COMPARE(taken.size(), 2);
        // Only short lines of the channel's form are taken, whoever sends.
        QVERIFY(!hand(QStringLiteral("daily 2026-12-09; rm -rf ~")));
        for (const QByteArray &raw : {QByteArray("daily\x01 x\n"), QByteArray(500, 'a') + '\n'}) {
            auto sent = std::async(std::launch::async, [&list, raw] {
                return rawExchange(instancechannel::Path(list), raw);
            });
            while (sent.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
                QCoreApplication::processEvents();
            QCOMPARE(sent.get(), QByteArray());
        }
        QTest::qWait(20);
        QCOMPARE(taken.size(), 2);
        // Another list's copy is another channel.
        const QString other = folder->file(QStringLiteral("other"));
        QVERIFY(QDir().mkpath(other));
        QVERIFY(instancechannel::Path(other) != instancechannel::Path(list));
        QVERIFY(!instancechannel::Hand(other, QStringLiteral("daily 2026-12-08")));
        instancechannel::SetHandler({});
        instancechannel::Close();
        QVERIFY(!hand(QStringLiteral("daily 2026-12-08")));
    }

    void noLockMeansNoStart() {
        writeFile(QStringLiteral("a"));
        SingleInstance guard(folder->file(QStringLiteral("a")));
        QCOMPARE(guard.acquire(), SingleInstance::Result::Unavailable);
        QVERIFY(guard.reason().contains(folder->file(QStringLiteral("a"))));
        QVERIFY(!guard.held());
    }

    // ---- One list per player ----------------------------------------------------

    void aListBesideAWritableProgramFolderIsAPortableCopy() {
        const QString program = folder->file(QStringLiteral("unpacked"));
        QVERIFY(QDir().mkpath(program));
        const QString data = folder->file(QStringLiteral("data"));
        QCOMPARE(ListFolder::Choose(program, data, QStringLiteral("Cipherly.Dat")), data);
        writeFile(program + QStringLiteral("/Cipherly.Dat"));
        QCOMPARE(ListFolder::Choose(program, data, QStringLiteral("Cipherly.Dat")), program);
        if (!RunningAsRoot()) {
            QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
            QCOMPARE(ListFolder::Choose(program, data, QStringLiteral("Cipherly.Dat")), data);
            QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

    void theCurrentFolderListMovesInAndTheHomeOneIsNamed() {
        const QString here = folder->file(QStringLiteral("here")), home = folder->file("home");
        const QString data = folder->file(QStringLiteral("home/.local/share/Cipherly"));
        QVERIFY(QDir().mkpath(here) && QDir().mkpath(home));
        put(here + "/Cipherly.Dat", QByteArray(2400, 'C'));
        put(home + "/Cipherly.Dat", QByteArray(2200, 'H'));
        const ListFolder::Outcome o =
            ListFolder::Prepare(data, {here, home}, QStringLiteral("Cipherly.Dat"));
        QVERIFY2(o.problem.isEmpty(), qPrintable(o.problem));
        QCOMPARE(o.movedFrom, here + "/Cipherly.Dat");
        QCOMPARE(o.leftAlone, QStringList{home + "/Cipherly.Dat"});
        QCOMPARE(bytesOf(data + "/Cipherly.Dat"), QByteArray(2400, 'C'));
        QVERIFY(!QFile::exists(here + "/Cipherly.Dat"));
        QCOMPARE(bytesOf(home + "/Cipherly.Dat"), QByteArray(2200, 'H'));
        // One message names both places, and the list left alone.
        QVERIFY(o.message().contains(data));
        QVERIFY(o.message().contains(here + "/Cipherly.Dat"));
        QVERIFY(o.message().contains(home + "/Cipherly.Dat"));
        // Once the data folder has its list, nothing more is moved or said.
        const ListFolder::Outcome again =
            ListFolder::Prepare(data, {here, home}, QStringLiteral("Cipherly.Dat"));
        QVERIFY(again.message().isEmpty());
        QCOMPARE(bytesOf(home + "/Cipherly.Dat"), QByteArray(2200, 'H'));
    }

    void aLinkIsMovedAsALinkToTheSameFile() {
        const QString home = folder->file(QStringLiteral("home"));
        const QString data = folder->file(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(home + "/lists"));
        put(home + "/lists/mine.Dat", QByteArray(2600, 'M'));
        QVERIFY(QFile::link(QStringLiteral("lists/mine.Dat"), home + "/Cipherly.Dat")); // relative
        const ListFolder::Outcome o =
            ListFolder::Prepare(data, {home}, QStringLiteral("Cipherly.Dat"));
        QVERIFY2(o.problem.isEmpty(), qPrintable(o.problem));
        const QFileInfo moved(data + "/Cipherly.Dat");
        QVERIFY(moved.isSymLink());
        QCOMPARE(moved.symLinkTarget(), home + "/lists/mine.Dat");
        QCOMPARE(bytesOf(moved.filePath()), QByteArray(2600, 'M'));
        QVERIFY(!QFileInfo(home + "/Cipherly.Dat").isSymLink());
        QVERIFY(QFile::exists(home + "/lists/mine.Dat"));
    }

    void aDataFolderThatCannotBeMadeKeepsEverythingWhereItIs() {
        const QString home = folder->file(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(home));
        writeFile(folder->file(QStringLiteral("blocked")));
        put(home + "/Cipherly.Dat", QByteArray(2000, 'Q'));
        const ListFolder::Outcome o =
            ListFolder::Prepare(folder->file(QStringLiteral("blocked/Cipherly")), {home},
                                QStringLiteral("Cipherly.Dat"));
        QVERIFY(!o.problem.isEmpty());
        QCOMPARE(bytesOf(home + "/Cipherly.Dat"), QByteArray(2000, 'Q'));
    }

    void theGamesOwnLeftoversAreClearedAndNeverFollowed() {
        const QString data = folder->file(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(data));
        put(data + "/Cipherly.Dat", QByteArray(2000, 'L'));
        put(data + "/TempFile.$$$", QByteArray(6500000, 'T'));
        put(folder->file("precious"), "the player's");
        QVERIFY(QFile::link(folder->file("precious"), data + "/.games.csv.Ab12Cd.part"));
        put(data + "/.Cipherly.Dat.part", "an earlier version's"); // beside its list
        put(data + "/.notes.part", "the player's own, no game's");
        ListFolder::Prepare(data, {}, QStringLiteral("Cipherly.Dat"));
        QVERIFY(!QFileInfo(data + "/TempFile.$$$").exists());
        QVERIFY(!QFileInfo(data + "/.games.csv.Ab12Cd.part").isSymLink());
        QVERIFY(!QFileInfo::exists(data + "/.Cipherly.Dat.part"));
        QCOMPARE(bytesOf(data + "/.notes.part"), QByteArray("the player's own, no game's"));
        QCOMPARE(bytesOf(folder->file("precious")), QByteArray("the player's"));
        QCOMPARE(bytesOf(data + "/Cipherly.Dat"), QByteArray(2000, 'L'));
    }

    void anInterruptedMoveIsFinishedOrUndone() {
        const QString home = folder->file(QStringLiteral("home"));
        const QString data = folder->file(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(home) && QDir().mkpath(data));
        const QString marker = ListFolder::MoveMarker(data, QStringLiteral("Cipherly.Dat"));
        // Killed after the copy was in place: the original goes.
        put(home + "/Cipherly.Dat", QByteArray(2400, 'A'));
        put(data + "/Cipherly.Dat", QByteArray(2400, 'A'));
        put(marker, QFile::encodeName(home + "/Cipherly.Dat"));
        ListFolder::Outcome o = ListFolder::Prepare(data, {home}, QStringLiteral("Cipherly.Dat"));
        QVERIFY(!QFile::exists(home + "/Cipherly.Dat"));
        QVERIFY(!QFile::exists(marker));
        QCOMPARE(bytesOf(data + "/Cipherly.Dat"), QByteArray(2400, 'A'));
        QVERIFY(o.message().isEmpty());
        // Killed while copying: the half copy goes, and the move starts again.
        QVERIFY(QFile::remove(data + "/Cipherly.Dat"));
        put(home + "/Cipherly.Dat", QByteArray(2600, 'B'));
        put(data + "/.Cipherly.Dat.q1W2e3.part", QByteArray(1000, 'B'));
        put(marker, QFile::encodeName(home + "/Cipherly.Dat"));
        o = ListFolder::Prepare(data, {home}, QStringLiteral("Cipherly.Dat"));
        QCOMPARE(bytesOf(data + "/Cipherly.Dat"), QByteArray(2600, 'B'));
        QVERIFY(!QFile::exists(home + "/Cipherly.Dat"));
        QVERIFY(!QFile::exists(data + "/.Cipherly.Dat.q1W2e3.part"));
        QVERIFY(!QFile::exists(marker));
        // A list that differs from the one in place is named, never removed.
        put(home + "/Cipherly.Dat", QByteArray(2800, 'C'));
        put(marker, QFile::encodeName(home + "/Cipherly.Dat"));
        o = ListFolder::Prepare(data, {home}, QStringLiteral("Cipherly.Dat"));
        QCOMPARE(o.leftAlone, QStringList{home + "/Cipherly.Dat"});
        QCOMPARE(bytesOf(home + "/Cipherly.Dat"), QByteArray(2800, 'C'));
    }

    void aListOnAnotherDiskIsCopiedAndSyncedBeforeTheOriginalGoes() {
        // Run by small_disk.sh: the data folder is on a disk of its own.
        const QString disk = qEnvironmentVariable("CIPHERLY_SMALL_DISK");
        if (disk.isEmpty()) QSKIP("needs a disk of its own (tests/small_disk.sh)");
        const QString home = folder->file(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(home));
        put(home + "/Cipherly.Dat", QByteArray(2600, 'Q'));
        RecordingSystem rec;
        const ListFolder::Outcome o =
            ListFolder::Prepare(disk + "/Cipherly", {home}, QStringLiteral("Cipherly.Dat"));
        QVERIFY2(o.problem.isEmpty(), qPrintable(o.problem));
        QCOMPARE(bytesOf(disk + "/Cipherly/Cipherly.Dat"), QByteArray(2600, 'Q'));
        QVERIFY(!QFile::exists(home + "/Cipherly.Dat"));
        QVERIFY(!QFile::exists(ListFolder::MoveMarker(disk + "/Cipherly", "Cipherly.Dat")));
        const int copySynced = rec.find("fsync", safefile::tempPrefixFor("Cipherly.Dat"));
        const int inPlace = rec.find("rename", safefile::tempPrefixFor("Cipherly.Dat"));
        const int folderSynced = rec.findFolderSync(inPlace);
        const int removed = rec.find("unlink", home + "/Cipherly.Dat");
        QVERIFY2(copySynced >= 0 && inPlace > copySynced, "the copy is synced, then put in place");
        QVERIFY2(folderSynced > inPlace, "its folder is synced");
        QVERIFY2(removed > folderSynced, "and only then is the original removed");
        QVERIFY2(rec.findFolderSync(removed) > removed, "whose folder is synced too");
    }

    // Main keeps its lock for the rest of the run: these two come last.
    void aSecondCopyIsRefusedAndTouchesNothing() {
        QVERIFY(QDir().mkpath(DataFolder()));
        SingleInstance other(DataFolder());
        QCOMPARE(other.acquire(), SingleInstance::Result::Acquired);
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
        QVERIFY(!QFile::exists(DataFolder() + QStringLiteral("/Cipherly.Dat")));
        QVERIFY(other.held());
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
        QCOMPARE(QDir::currentPath(), DataFolder());
        SingleInstance other(DataFolder());
        QCOMPARE(other.acquire(), SingleInstance::Result::HeldByAnother);
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
