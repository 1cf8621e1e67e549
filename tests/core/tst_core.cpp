#include "InputGate.h"
#include "LatestWriter.h"
#include "RecordingSystem.h"
#include "SafeFile.h"
#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray bytesOf(const QString &name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString &name, const QByteArray &bytes) {
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// The folder holds one entry: no temporary file was left beside the target.
bool onlyEntry(const QString &folder) {
    QDir d(folder);
    return d.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size() == 1;
}

} // namespace

class TestCore : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> folder;

private slots:
    void init() { folder = std::make_unique<TempFolder>(); }
    void cleanup() { folder.reset(); }

    // ---- Replacing a file in one step -------------------------------------

    void aReplacementWritesSyncsRenamesThenSyncsTheFolder() {
        const QString target = folder->file(QStringLiteral("list.Dat"));
        put(target, QByteArray(600, 'o'));
        QVERIFY(
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        RecordingSystem rec;
        const QByteArray fresh(3 << 20, 'n'); // more than one piece
        QVERIFY(safefile::replaceFile(target, fresh));
        QCOMPARE(bytesOf(target), fresh);
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(target).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, 0640u); // the old file's mode

        const QString temp = safefile::tempPrefixFor(QStringLiteral("list.Dat"));
        const int created = rec.find(QStringLiteral("open"), temp);
        const int lastWrite = rec.findLast(QStringLiteral("pwrite"), temp);
        const int synced = rec.find(QStringLiteral("fsync"), temp, lastWrite);
        const int closed = rec.find(QStringLiteral("close"), temp, synced);
        const int renamed = rec.find(QStringLiteral("rename"), temp, closed);
        const int folderSynced = rec.findFolderSync(renamed);
        QVERIFY2(created >= 0 && lastWrite > created, "the new content is written");
        QVERIFY2(synced > lastWrite, "the new file is synced after its last write");
        QVERIFY2(closed > synced && renamed > closed, "it is closed, then renamed");
        QVERIFY2(folderSynced > renamed, "the folder is synced after the rename");
        QVERIFY(onlyEntry(folder->path()));
    }

    void aFailureAnywhereLeavesTheOldFileAndNoTemporary_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("pretend");
        QTest::newRow("the temporary cannot be made") << "open" << ENOSPC << false;
        QTest::newRow("a write fails") << "pwrite" << ENOSPC << false;
        QTest::newRow("a write claims bytes it never wrote") << "pwrite" << 0 << true;
        QTest::newRow("the sync fails") << "fsync" << EIO << false;
        QTest::newRow("the close reports a lost write") << "close" << EIO << false;
        QTest::newRow("the mode cannot be kept") << "fchmod" << EPERM << false;
        QTest::newRow("the rename fails") << "rename" << EXDEV << false;
    }
    void aFailureAnywhereLeavesTheOldFileAndNoTemporary() {
        QFETCH(QString, call);
        QFETCH(int, error);
        QFETCH(bool, pretend);
        const QString target = folder->file(QStringLiteral("games.csv"));
        const QByteArray before("finished,seconds\nold row\n");
        put(target, before);
        RecordingSystem rec;
        const QString temp = safefile::tempPrefixFor(QStringLiteral("games.csv"));
        auto onTemp = [&](const RecordingSystem::Call &c) {
            return c.name == call && c.path.contains(temp);
        };
        if (pretend)
            rec.pretendToWrite = onTemp;
        else
            rec.failWith = [&](const RecordingSystem::Call &c) { return onTemp(c) ? error : 0; };
        const safefile::Result r = safefile::replaceFile(target, QByteArray(5000, 'x'));
        QVERIFY2(!r.ok(), "a failed step is never reported as success");
        QVERIFY(!r.reason.isEmpty());
        QCOMPARE(bytesOf(target), before);
        QVERIFY(onlyEntry(folder->path()));
    }

    void aFillThatFailsIsReportedWithItsReason() {
        const QString target = folder->file(QStringLiteral("out.txt"));
        const safefile::Result r = safefile::replaceFile(target, [](const safefile::Put &put) {
            const QString why = put("abc", 3);
            return why.isEmpty() ? QStringLiteral("The source could not be read") : why;
        });
        QCOMPARE(r.reason, QStringLiteral("The source could not be read"));
        QVERIFY(!QFile::exists(target));
        QVERIFY(
            QDir(folder->path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    void aLinkStaysALinkAndItsTargetIsReplaced() {
        QVERIFY(QDir().mkpath(folder->file(QStringLiteral("lists"))));
        put(folder->file(QStringLiteral("lists/mine.Dat")), "old");
        // A relative link, read from the link's own folder.
        QVERIFY(
            QFile::link(QStringLiteral("lists/mine.Dat"), folder->file(QStringLiteral("my.Dat"))));
        QVERIFY(safefile::replaceFile(folder->file(QStringLiteral("my.Dat")), QByteArray("new")));
        QVERIFY(QFileInfo(folder->file(QStringLiteral("my.Dat"))).isSymLink());
        QCOMPARE(bytesOf(folder->file(QStringLiteral("lists/mine.Dat"))), QByteArray("new"));
    }

    void whatStandsWhereATemporaryCouldGoIsNeverTouched() {
        // The player's own files named as temporary files were once named
        // (".t.csv.part"), and a link: each write draws a name of its own and
        // leaves them as they are, however often it writes.
        const QString target = folder->file(QStringLiteral("t.csv"));
        put(folder->file(QStringLiteral("precious")), "keep me");
        put(folder->file(QStringLiteral(".t.csv.part")), "my own notes");
        QVERIFY(QFile::link(folder->file(QStringLiteral("precious")),
                            folder->file(QStringLiteral(".t.csv.AAAAAA.part"))));
        QSet<QString> temps;
        RecordingSystem rec;
        for (int i = 0; i < 20; ++i)
            QVERIFY(safefile::replaceFile(target, QByteArray("row ") + QByteArray::number(i)));
        for (const auto &c : rec.calls)
            if (c.name == QLatin1String("open") && !c.folder && c.path != target)
                temps << QFileInfo(c.path).fileName();
        QCOMPARE(temps.size(), 20); // never the same name twice
        for (const QString &t : temps)
            QVERIFY2(safefile::isTempName(t, QStringLiteral("t.csv")), qPrintable(t));
        QCOMPARE(bytesOf(folder->file(QStringLiteral("precious"))), QByteArray("keep me"));
        QCOMPARE(bytesOf(folder->file(QStringLiteral(".t.csv.part"))), QByteArray("my own notes"));
        QVERIFY(QFileInfo(folder->file(QStringLiteral(".t.csv.AAAAAA.part"))).isSymLink());
        QCOMPARE(bytesOf(target), QByteArray("row 19"));
        QCOMPARE(rec.find(QStringLiteral("unlink"), QStringLiteral(".part")), -1);
        // What a write cut short left of its own goes; nothing else does.
        put(folder->file(QStringLiteral(".t.csv.Qx7b2Z.part")), "half a row");
        put(folder->file(QStringLiteral(".other.csv.Qx7b2Z.part")), "another file's");
        safefile::removeLeftoverTemps(target);
        QVERIFY(!QFile::exists(folder->file(QStringLiteral(".t.csv.Qx7b2Z.part"))));
        QVERIFY(QFile::exists(folder->file(QStringLiteral(".other.csv.Qx7b2Z.part"))));
        QVERIFY(QFile::exists(folder->file(QStringLiteral(".t.csv.part"))));
        QVERIFY(QFileInfo(folder->file(QStringLiteral(".t.csv.AAAAAA.part"))).isSymLink());
    }

    void twoWritesToOneFileAtOnceEachWriteWhole() {
        // Two programs write one file at the same moment (two worksheets to
        // one name): the second begins while the first syncs. Each writes a
        // temporary file of its own; both succeed, and the file is one of
        // them, whole.
        const QString target = folder->file(QStringLiteral("sheet.pdf"));
        const QByteArray first(300000, 'a'), second(200000, 'b');
        RecordingSystem rec;
        bool inSecond = false;
        safefile::Result later;
        rec.failWith = [&](const RecordingSystem::Call &c) {
            if (c.name == QLatin1String("fsync") && !c.folder && !inSecond) {
                inSecond = true;
                later = safefile::replaceFile(target, second);
            }
            return 0;
        };
        const safefile::Result r = safefile::replaceFile(target, first);
        QVERIFY2(r.ok(), qPrintable(r.reason));
        QVERIFY2(later.ok(), qPrintable(later.reason));
        QCOMPARE(bytesOf(target), first); // put in place last
        QVERIFY(onlyEntry(folder->path()));
    }

    void whatMayNotBeReplacedIsLeftAlone() {
        const QString target = folder->file(QStringLiteral("readonly.Dat"));
        put(target, "mine");
        QVERIFY(
            QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        if (!RunningAsRoot()) {
            QVERIFY(!safefile::replaceFile(target, QByteArray("changed")));
            QCOMPARE(bytesOf(target), QByteArray("mine"));
        }
        QVERIFY(QDir().mkdir(folder->file(QStringLiteral("a folder"))));
        QVERIFY(!safefile::replaceFile(folder->file(QStringLiteral("a folder")), QByteArray("x")));
        QVERIFY(QFileInfo(folder->file(QStringLiteral("a folder"))).isDir());
    }

    // ---- Writing in place with undo ----------------------------------------

    void aWriteInPlaceIsSyncedAndUndoneWhenItFails_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("nth"); // which such call fails (1 = the first)
        QTest::addColumn<int>("at");  // 350 runs past the end, 100 stays inside (an edit)
        QTest::newRow("the first write fails") << "pwrite" << 1 << 350;
        QTest::newRow("a later piece of the write fails") << "pwrite" << 2 << 350;
        QTest::newRow("the sync fails") << "fsync" << 1 << 350;
        QTest::newRow("an edit's write fails") << "pwrite" << 2 << 100;
        QTest::newRow("an edit's sync fails") << "fsync" << 1 << 100;
    }
    void aWriteInPlaceIsSyncedAndUndoneWhenItFails() {
        QFETCH(QString, call);
        QFETCH(int, nth);
        QFETCH(int, at);
        const QString name = folder->file(QStringLiteral("Cipherly.Dat"));
        const QByteArray before = QByteArray(400, 'a') + QByteArray(150, 'b');
        put(name, before);
        QFile f(name);
        QVERIFY(f.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
        {
            // Without faults: the bytes are there, and synced after the write.
            RecordingSystem rec;
            QVERIFY(safefile::writeWithUndo(f.handle(), 550, QByteArray(50, 'c')).isEmpty());
            const int wrote = rec.find(QStringLiteral("pwrite"), {});
            QVERIFY(wrote >= 0);
            QVERIFY2(rec.find(QStringLiteral("fsync"), {}, wrote) > wrote, "the write is synced");
        }
        const QByteArray whole = before + QByteArray(50, 'c');
        QCOMPARE(bytesOf(name), whole);

        RecordingSystem rec;
        int seen = 0;
        rec.failWith = [&](const RecordingSystem::Call &c) {
            return c.name == call && ++seen == nth ? ENOSPC : 0;
        };
        // The system takes a hundred bytes a call: a first piece lands before
        // a later one fails.
        rec.mostPerWrite = 100;
        const QString why = safefile::writeWithUndo(f.handle(), at, QByteArray(400, 'z'));
        QVERIFY2(!why.isEmpty(), "a failed write is never reported as success");
        QCOMPARE(bytesOf(name), whole);
        const int cut = rec.find(QStringLiteral("ftruncate"), {});
        QVERIFY2(cut >= 0, "the old length is put back");
        QVERIFY2(rec.find(QStringLiteral("fsync"), {}, cut) > cut, "and synced");
    }

    void anAppendLeavesNoPartialRowBehind() {
        const QString name = folder->file(QStringLiteral("games.csv"));
        // A new file whose first append fails is not left behind, empty or not.
        {
            RecordingSystem rec;
            rec.failWith = [](const RecordingSystem::Call &c) {
                return c.name == QLatin1String("fsync") && !c.folder ? EIO : 0;
            };
            QVERIFY(!safefile::append(name, [](qint64, char) {
                         return QByteArray("header\nrow\n");
                     }).isEmpty());
            QVERIFY(!QFile::exists(name));
        }
        QVERIFY(safefile::append(name, [](qint64 size, char last) {
                    return size == 0 && last == '\n' ? QByteArray("header\nrow 1\n") : QByteArray();
                }).isEmpty());
        QCOMPARE(bytesOf(name), QByteArray("header\nrow 1\n"));
        {
            RecordingSystem rec;
            int writes = 0;
            rec.failWith = [&](const RecordingSystem::Call &c) {
                return c.name == QLatin1String("pwrite") && ++writes == 1 ? ENOSPC : 0;
            };
            QVERIFY(!safefile::append(name, [](qint64, char) {
                         return QByteArray("row 2\n");
                     }).isEmpty());
        }
        QCOMPARE(bytesOf(name), QByteArray("header\nrow 1\n"));
        // It sees the last byte, to start a row cut short on a line of its own.
        put(name, "header\nrow 1\nrow 2 cut sh");
        QVERIFY(safefile::append(name, [](qint64, char last) {
                    return QByteArray(last == '\n' ? "" : "\n") + "row 3\n";
                }).isEmpty());
        QCOMPARE(bytesOf(name), QByteArray("header\nrow 1\nrow 2 cut sh\nrow 3\n"));
    }

    void anAppendToAPipeIsRefusedWithoutWaiting() {
        const QString fifo = folder->file(QStringLiteral("games.csv"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(safefile::append(fifo, [](qint64, char) { return QByteArray("row\n"); }),
                 QStringLiteral("It is not a regular file"));
    }

    void aWriterOffTheWindowsThreadWritesTheLatestWhole() {
        RecordingSystem system;
        // A busy disk: every sync of a file takes a while.
        system.failWith = [](const RecordingSystem::Call &c) {
            if (c.name == QLatin1String("fsync") && !c.folder) QThread::msleep(15);
            return 0;
        };
        const QString name = folder->file(QStringLiteral("Game.sav"));
        LatestWriter writer;
        QSignalSpy failed(&writer, &LatestWriter::failed);
        for (int i = 0; i < 20; ++i)
            writer.write(name, "game " + QByteArray::number(i));
        QCOMPARE(writer.finish(), QString());
        QCOMPARE(bytesOf(name), QByteArray("game 19"));
        // Writes that had not begun gave way to newer ones.
        int renames = 0;
        for (const auto &c : system.calls)
            renames += c.name == QLatin1String("rename");
        QVERIFY2(renames < 20, qPrintable(QString::number(renames)));
        // A failure leaves the last whole file, and is told.
        system.failWith = [](const RecordingSystem::Call &c) {
            return c.name == QLatin1String("pwrite") ? ENOSPC : 0;
        };
        writer.write(name, "game 20");
        QCOMPARE(writer.finish(), QStringLiteral("No space left on device"));
        QCOMPARE(bytesOf(name), QByteArray("game 19"));
        QTRY_COMPARE(failed.size(), 1);
    }

    // ---- Reading through the gate ----------------------------------------------

    void aFileThatChangesWhileItIsReadIsSaidToHaveChanged() {
        const QString name = folder->file(QStringLiteral("quotes.txt"));
        put(name, QByteArray(3000, 'a'));
        for (const bool grows : {true, false}) {
            gate::Source s;
            QVERIFY(s.open(name).isEmpty());
            QByteArray got;
            QVERIFY(s.readPiece(got, 1000).isEmpty());
            QTest::qWait(20); // a later time of change
            if (grows)
                put(name, QByteArray(5000, 'b'));
            else
                QVERIFY(::truncate(QFile::encodeName(name).constData(), 1500) == 0);
            QString why;
            while (!s.atEnd() && why.isEmpty())
                why = s.readPiece(got, 1000);
            QCOMPARE(why, gate::Changed());
        }
        // Unchanged, it reads whole and says nothing; a file that tells no
        // size is read to its end.
        QByteArray all;
        QVERIFY(gate::readFile(name, all).isEmpty());
        QCOMPARE(all.size(), 1500);
        all.clear();
        QVERIFY(gate::readFile(QStringLiteral("/proc/self/status"), all).isEmpty());
        QVERIFY(all.startsWith("Name:"));
        QVERIFY(!gate::readFile(QStringLiteral("/proc/self/status"), all, 10).isEmpty());
    }

    // ---- Links and removal --------------------------------------------------

    void settingAsideNeverOverwritesAndSaysWhenItFails() {
        const QString kept = folder->file(QStringLiteral("Game.sav"));
        // An earlier damaged file and a folder already hold the usual names.
        put(kept + QStringLiteral(".damaged"), "the first damaged game");
        QVERIFY(QDir().mkdir(kept + QStringLiteral(".damaged (2)")));
        put(kept, "the second damaged game");
        const safefile::Aside a = safefile::setAside(kept, QStringLiteral(".damaged"));
        QVERIFY(a.ok());
        QCOMPARE(a.name, kept + QStringLiteral(".damaged (3)"));
        QCOMPARE(bytesOf(a.name), QByteArray("the second damaged game"));
        QCOMPARE(bytesOf(kept + QStringLiteral(".damaged")), QByteArray("the first damaged game"));
        QVERIFY(!QFileInfo::exists(kept));
        const safefile::Aside none = safefile::setAside(kept, QStringLiteral(".damaged"));
        QCOMPARE(none.reason, QStringLiteral("No such file or directory"));
        // A kept file that is a link is never written through.
        QVERIFY(QFile::link(folder->file(QStringLiteral("diary")), kept));
        QCOMPARE(safefile::append(kept, [](qint64, char) { return QByteArray("row\n"); }),
                 safefile::LinkRefused());
        safefile::ReplaceOptions never;
        never.refuseLinks = true;
        QCOMPARE(safefile::replaceFile(kept, "game", never).reason, safefile::LinkRefused());
        QVERIFY(!QFileInfo::exists(folder->file(QStringLiteral("diary"))));
    }

    void aLinkIsMadeInOneStepAndRemovalNeverFollowsOne() {
        put(folder->file(QStringLiteral("real")), "data");
        const QString at = folder->file(QStringLiteral("link"));
        put(at, "an old file in the way");
        QVERIFY(safefile::makeLink(folder->file(QStringLiteral("real")), at).isEmpty());
        QVERIFY(QFileInfo(at).isSymLink());
        QCOMPARE(bytesOf(at), QByteArray("data"));
        QVERIFY(safefile::remove(at).isEmpty());
        QVERIFY(!QFileInfo(at).isSymLink());
        QCOMPARE(bytesOf(folder->file(QStringLiteral("real"))), QByteArray("data"));
        QVERIFY(safefile::remove(at).isEmpty()); // already gone: no failure
    }

    void aRenameSyncsBothFoldersAndTellsAMoveAcrossDisks() {
        QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("aside")));
        const QString from = folder->file(QStringLiteral("Game.sav"));
        const QString to = folder->file(QStringLiteral("aside/Game.sav.damaged"));
        put(from, "kept");
        {
            RecordingSystem rec;
            bool acrossDisks = true;
            QVERIFY(safefile::rename(from, to, &acrossDisks).isEmpty());
            QVERIFY(!acrossDisks);
            const int renamed = rec.find(QStringLiteral("rename"), QStringLiteral("Game.sav"));
            QVERIFY(renamed >= 0);
            const int first = rec.findFolderSync(renamed);
            QVERIFY(first > renamed);
            QVERIFY(rec.findFolderSync(first + 1) > first);
        }
        QCOMPARE(bytesOf(to), QByteArray("kept"));
        RecordingSystem rec;
        rec.failWith = [](const RecordingSystem::Call &c) {
            return c.name == QLatin1String("rename") ? EXDEV : 0;
        };
        bool acrossDisks = false;
        QVERIFY(!safefile::rename(to, from, &acrossDisks).isEmpty());
        QVERIFY(acrossDisks);
        QVERIFY(QFileInfo::exists(to));
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
