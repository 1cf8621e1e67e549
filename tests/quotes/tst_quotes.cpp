#include "InputGate.h"
#include "QuoteFile.h"
#include "QuoteImport.h"
#include "QuoteRules.h"
#include "SafeFile.h"
#include "StringResources.h"
#include "TempFolder.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <sys/resource.h>

#include <sys/stat.h>

using namespace quotes;

namespace {

QByteArray fileBytes(const QString &name = QuoteFileName) {
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void writeBytes(const QByteArray &bytes, const QString &name = QuoteFileName) {
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray record(const QByteArray &text) {
    return text.leftJustified(RecordLength, ' ', true);
}

// A quote file of the given texts, one record each.
void writeQuotes(const QList<QByteArray> &texts, const QString &name = QuoteFileName) {
    QByteArray all;
    for (const auto &t : texts)
        all += record(t);
    writeBytes(all, name);
}

// Fills the disk that holds `folder` to its last byte.
void fillDisk(const QString &folder, const QString &name = QStringLiteral("filler")) {
    QFile filler(QDir(folder).filePath(name));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray page(4096, 'f');
    while (filler.write(page) == page.size()) {
    }
    // Whatever room is left is less than a page; take it byte by byte.
    while (filler.write("f", 1) == 1) {
    }
}

QList<QByteArray> numberedQuotes(int count) {
    QList<QByteArray> texts;
    for (int i = 1; i <= count; ++i)
        texts << QByteArray("QUOTE NUMBER ") + QByteArray(i % 26 + 1, char('A' + (i % 26))) +
                     " OF THE LIST";
    return texts;
}

} // namespace

class TestQuotes : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> folder;

private slots:
    void init() {
        folder = std::make_unique<TempFolder>();
        QuoteFileName = QStringLiteral("Cipherly.Dat");
    }
    void cleanup() {
        SetFaultInjector({});
        CloseQuoteFile();
        folder.reset();
    }

    void reservedQuotesFollowTheRules() {
        const QList<int> lengths{117, 82, 131, 101, 121, 95, 136, 124, 100, 165};
        const QRegularExpression attribution(QStringLiteral(" - [A-Z][A-Z. ]*[A-Z]$"));
        for (int i = 1; i <= 10; ++i) {
            const QString q = LoadResString(i);
            QCOMPARE(q.size(), lengths[i - 1]);
            QCOMPARE(q, q.toUpper());
            QVERIFY2(!q.contains(QRegularExpression(QStringLiteral("[0-9\\r\\n]"))), qPrintable(q));
            QVERIFY2(attribution.match(q).hasMatch(), qPrintable(q));
        }
    }

    void firstFillCreatesTheTenReservedQuotes() {
        QStringList list;
        QVERIFY(LoadQuoteList(list));
        QCOMPARE(list.size(), 10);
        const QByteArray bytes = fileBytes();
        QCOMPARE(bytes.size(), 2000);
        for (int i = 1; i <= 10; ++i) {
            QCOMPARE(list[i - 1], LoadResString(i));
            QCOMPARE(bytes.mid((i - 1) * 200, 200), record(LoadResString(i).toLatin1()));
        }
        QCOMPARE(QuoteFileNumber, qint16(0)); // closed again
    }

    void recordCountRoundsHalfToEven_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("listed");
        QTest::newRow("empty file is refilled") << 0 << 10;
        QTest::newRow("100 bytes count 0, refilled") << 100 << 10;
        QTest::newRow("99 bytes refilled") << 99 << 10;
        QTest::newRow("101 bytes count 1") << 101 << 1;
        QTest::newRow("250 bytes count 1") << 250 << 1;
        QTest::newRow("300 bytes count 2") << 300 << 2;
        QTest::newRow("600 bytes, three quotes, nothing added") << 600 << 3;
    }
    void recordCountRoundsHalfToEven() {
        QFETCH(int, size);
        QFETCH(int, listed);
        QByteArray bytes(size, 'X');
        writeBytes(bytes);
        QStringList list;
        QVERIFY(LoadQuoteList(list));
        QCOMPARE(list.size(), listed);
        if (listed == 10)
            QCOMPARE(fileBytes().size(), 2000);
        else
            QCOMPARE(fileBytes(), bytes); // a file with records is used unchanged
    }

    void addingAppendsOneUpperCasePaddedRecord() {
        writeQuotes(numberedQuotes(12));
        const QByteArray before = fileBytes();
        QVERIFY(SaveQuote(QStringLiteral("a new quote, in lower case; with punctuation ()',./;!?-"),
                          true, 0));
        const QByteArray after = fileBytes();
        QCOMPARE(after.size(), 13 * 200);
        QCOMPARE(after.left(before.size()), before);
        QCOMPARE(after.mid(12 * 200),
                 record("A NEW QUOTE, IN LOWER CASE; WITH PUNCTUATION ()',./;!?-"));
        QCOMPARE(QuoteCount, qint16(13));
    }

    void editingRewritesOnlyItsOwnBytes() {
        writeQuotes(numberedQuotes(14));
        QByteArray expected = fileBytes();
        QVERIFY(SaveQuote(QStringLiteral("an edited quote that is long enough to be stored here"),
                          false, 12));
        expected.replace(11 * 200, 200,
                         record("AN EDITED QUOTE THAT IS LONG ENOUGH TO BE STORED HERE"));
        QCOMPARE(fileBytes(), expected);
    }

    void aQuoteOfExactly200CharactersHasNoPadding() {
        writeQuotes(numberedQuotes(10));
        const QString full = QString(199, QLatin1Char('Q')) + QLatin1Char('!');
        QVERIFY(SaveQuote(full, true, 0));
        QCOMPARE(fileBytes().mid(2000), full.toLatin1());
        QVERIFY(ReadQuote(11));
        QCOMPARE(QuoteRecord.trimmed(), full);
        // The buffer never holds more than one record.
        QuoteRecord = full + QStringLiteral("EXTRA");
        QCOMPARE(QuoteRecord.text(), full);
    }

    void accentedLettersAreStoredAsSingleBytes() {
        writeQuotes(numberedQuotes(10));
        QVERIFY(SaveQuote(
            QStringLiteral("Café crème – déjà vu, naïve piñata and œuvre for everyone"), true, 0));
        const QByteArray stored = fileBytes().mid(2000, 200);
        QVERIFY(stored.startsWith("CAF\xC9 CR\xC8ME \x96 D\xC9J\xC0 VU"));
        QVERIFY(ReadQuote(11));
        QVERIFY(QuoteRecord.trimmed().startsWith(QStringLiteral("CAFÉ CRÈME – DÉJÀ VU")));
    }

    void textTheFileCannotHoldIsRefused() {
        writeQuotes(numberedQuotes(10));
        const QByteArray before = fileBytes();
        const Status s = SaveQuote(
            QString::fromUtf8("A SNOWMAN \u2603 DOES NOT FIT INTO ONE BYTE OF THE QUOTE FILE"),
            true, 0);
        QVERIFY(!s);
        QVERIFY2(s.reason.contains(QChar(0x2603)), qPrintable(s.reason));
        QCOMPARE(s.file, QuoteFileName);
        QCOMPARE(fileBytes(), before);
    }

    void deletingKeepsTheOrderOfTheOthers() {
        const auto texts = numberedQuotes(15);
        writeQuotes(texts);
        QVERIFY(DeleteQuoteRecord(12));
        QList<QByteArray> expected = texts;
        expected.removeAt(11);
        QByteArray all;
        for (const auto &t : expected)
            all += record(t);
        QCOMPARE(fileBytes(), all);
        QVERIFY(!QFile::exists(TempFileName));
    }

    void deletingTheOnlyUserQuoteLeavesTheReservedOnes() {
        QStringList list;
        QVERIFY(LoadQuoteList(list));
        const QByteArray reserved = fileBytes();
        QVERIFY(SaveQuote(
            QStringLiteral("THE ONLY QUOTE OF THE USER, LONG ENOUGH TO BE KEPT IN THE LIST"), true,
            0));
        QCOMPARE(fileBytes().size(), 2200);
        QVERIFY(DeleteQuoteRecord(11));
        QCOMPARE(fileBytes(), reserved);
    }

    void deletingDropsLeftoverMarkersAndKeepsEveryByte() {
        auto texts = numberedQuotes(14);
        texts[10] = "   $Killed$";
        texts[12] = "$killed$";
        texts[11] = QByteArray("\x80\x81\x8D\x8F\x90\x9D\xFF ODD BYTES SURVIVE THE COPY");
        writeQuotes(texts);
        // The marker is matched exactly: "$killed$" is a quote like any other.
        QVERIFY(DeleteQuoteRecord(14));
        QCOMPARE(fileBytes(), record(texts[0]) + record(texts[1]) + record(texts[2]) +
                                  record(texts[3]) + record(texts[4]) + record(texts[5]) +
                                  record(texts[6]) + record(texts[7]) + record(texts[8]) +
                                  record(texts[9]) + record(texts[11]) + record(texts[12]));
    }

    void aFailedDeletionLeavesTheFileUntouched_data() {
        QTest::addColumn<int>("step");
        QTest::newRow("temporary file cannot be made") << int(Step::CreateTemp);
        QTest::newRow("copy fails midway") << int(Step::WriteTemp);
        QTest::newRow("flush to disk fails") << int(Step::FlushTemp);
        QTest::newRow("rename fails") << int(Step::Rename);
        QTest::newRow("reading the list fails") << int(Step::Read);
        QTest::newRow("opening fails") << int(Step::Open);
    }
    void aFailedDeletionLeavesTheFileUntouched() {
        QFETCH(int, step);
        writeQuotes(numberedQuotes(14));
        const QByteArray before = fileBytes();
        int writes = 0;
        SetFaultInjector([&](Step s) {
            // Fail a copy in the middle, after some records went through.
            if (s == Step::WriteTemp) return Step(step) == s && ++writes == 7;
            return Step(step) == s;
        });
        const Status st = DeleteQuoteRecord(12);
        QVERIFY(!st);
        QVERIFY(!st.reason.isEmpty());
        QVERIFY(!st.describe().isEmpty());
        SetFaultInjector({});
        QCOMPARE(fileBytes(), before);
        QVERIFY(!QFile::exists(TempFileName));
        QCOMPARE(QuoteFileNumber, qint16(0));
    }

    void aTemporaryLinkIsNeverFollowed() {
#ifdef Q_OS_UNIX
        writeQuotes(numberedQuotes(12));
        writeBytes("precious", QStringLiteral("victim.txt"));
        QVERIFY(QFile::link(QStringLiteral("victim.txt"), TempFileName));
        QVERIFY(DeleteQuoteRecord(11));
        QCOMPARE(fileBytes(QStringLiteral("victim.txt")), QByteArray("precious"));
        QCOMPARE(fileBytes().size(), 11 * 200);
#else
        QSKIP("links are a Unix matter here");
#endif
    }

    void aFailedAppendLeavesNoHalfRecord() {
        writeQuotes(numberedQuotes(11));
        const QByteArray before = fileBytes();
        SetFaultInjector([](Step s) { return s == Step::Flush; });
        QVERIFY(!SaveQuote(
            QStringLiteral("THIS QUOTE CANNOT BE WRITTEN BECAUSE THE DISK IS FULL TODAY"), true,
            0));
        SetFaultInjector({});
        QCOMPARE(fileBytes(), before);
    }

    void aFolderNamedLikeTheQuoteFileIsReported() {
        QVERIFY(QDir().mkdir(QuoteFileName));
        QStringList list;
        const Status s = LoadQuoteList(list);
        QVERIFY(!s);
        QCOMPARE(s.file, QuoteFileName);
        QVERIFY(list.isEmpty());
        QVERIFY(!SaveQuote(QStringLiteral("X"), true, 0));
        QVERIFY(!DeleteQuoteRecord(11));
        QVERIFY(QFileInfo(QuoteFileName).isDir());
    }

    void aReadOnlyQuoteFileIsListedButNotChanged() {
        if (RunningAsRoot()) QSKIP("permissions do not bind the superuser");
        writeQuotes(numberedQuotes(12));
        const QByteArray before = fileBytes();
        QFile::setPermissions(QuoteFileName, QFileDevice::ReadOwner);
        QStringList list;
        QVERIFY(LoadQuoteList(list));
        QCOMPARE(list.size(), 12);
        const Status s = SaveQuote(
            QStringLiteral("THIS QUOTE CANNOT GO INTO A FILE THAT MAY ONLY BE READ"), true, 0);
        QVERIFY(!s);
        QVERIFY(!DeleteQuoteRecord(11));
        // An import is refused as a deletion is, before it reads a thing.
        QVERIFY(!CheckListWritable());
        const ImportResult r =
            ImportQuotes({{QStringLiteral("more.txt"),
                           "A QUOTE FROM A FILE THAT WOULD GO INTO A LIST THAT MAY ONLY BE READ\n",
                           {}}});
        QVERIFY(!r.status);
        QCOMPARE(r.status.reason, QStringLiteral("Permission denied"));
        QCOMPARE(r.added, 0);
        QFile::setPermissions(QuoteFileName, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(fileBytes(), before);
        QVERIFY(CheckListWritable());
    }

    void anUnwritableFolderIsReported() {
        if (RunningAsRoot()) QSKIP("permissions do not bind the superuser");
        writeQuotes(numberedQuotes(12));
        const QByteArray before = fileBytes();
        QFile::setPermissions(folder->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const Status s = DeleteQuoteRecord(11);
        QFile::setPermissions(folder->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
        QVERIFY(!s);
        QCOMPARE(s.file, TempFileName);
        QCOMPARE(fileBytes(), before);
        // No quote file at all in an unwritable folder: the first fill says why.
        QFile::remove(QuoteFileName);
        QFile::setPermissions(folder->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QStringList list;
        QVERIFY(!LoadQuoteList(list));
        QFile::setPermissions(folder->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
    }

    void theListStopsAt32767Quotes() {
        {
            QFile f(QuoteFileName);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(qint64(MaxRecords) * RecordLength));
        }
        const Status s = SaveQuote(
            QStringLiteral("ONE QUOTE TOO MANY FOR A LIST THAT IS ALREADY AS LONG AS IT CAN BE"),
            true, 0);
        QVERIFY(!s);
        QVERIFY(s.reason.contains(QStringLiteral("32767")));
        QCOMPARE(QFileInfo(QuoteFileName).size(), qint64(MaxRecords) * RecordLength);
        // The last record can still be edited.
        QVERIFY(SaveQuote(
            QStringLiteral("THE LAST QUOTE OF A FULL LIST CAN STILL BE CHANGED BY ITS OWNER"),
            false, MaxRecords));
    }

    // ---- What a real machine does to the store ------------------------------

    void aFullDiskLeavesTheFileAsItWas() {
        // Run by small_disk.sh on a tmpfs of its own: the append needs a new
        // page of the disk and gets only part of its record written.
        const QString disk = qEnvironmentVariable("CIPHERLY_SMALL_DISK");
        if (disk.isEmpty()) QSKIP("needs a small disk of its own (tests/small_disk.sh)");
        QDir::setCurrent(disk);
        writeQuotes(numberedQuotes(20)); // 4,000 bytes: the next record crosses a page
        const QByteArray before = fileBytes();
        fillDisk(disk);
        QVERIFY(ReadQuote(12));
        const QString shown = QuoteRecord.text();

        Status s = SaveQuote(
            QStringLiteral("A QUOTE THE PLAYER TYPED ON A DAY WHEN THE DISK WAS FULL TO THE BRIM"),
            true, 0);
        QVERIFY(!s);
        QCOMPARE(s.reason, QStringLiteral("No space left on device"));
        QCOMPARE(fileBytes(), before);
        QCOMPARE(QuoteRecord.text(), shown); // the refused quote is nowhere
        QStringList list;
        QVERIFY(LoadQuoteList(list));
        QCOMPARE(list.size(), 20);

        // A deletion needs a whole new file; it cannot be made, and says why.
        s = DeleteQuoteRecord(15);
        QVERIFY(!s);
        QCOMPARE(s.reason, QStringLiteral("No space left on device"));
        QCOMPARE(fileBytes(), before);
        QVERIFY(!QFile::exists(TempFileName));

        // Nor can the ten reserved quotes be made on a full disk: no file is
        // left with some of them, and none is left empty.
        QVERIFY(QFile::remove(QuoteFileName));
        fillDisk(disk, QStringLiteral("more filler"));
        s = LoadQuoteList(list);
        QVERIFY(!s);
        QVERIFY(s.whileCreating);
        QCOMPARE(s.reason, QStringLiteral("No space left on device"));
        QVERIFY(!QFile::exists(QuoteFileName));
        QVERIFY(!QFile::exists(TempFileName));
        QVERIFY(QFile::remove(QStringLiteral("filler")));
        QVERIFY(QFile::remove(QStringLiteral("more filler")));
        QVERIFY(LoadQuoteList(list));
        QCOMPARE(list.size(), 10);
        QDir::setCurrent(folder->path());
    }

    void aRefusedSaveKeepsTheStoredQuoteInTheBuffer_data() {
        QTest::addColumn<bool>("adding");
        QTest::addColumn<int>("fault");
        QTest::newRow("append, write fails") << true << int(Step::Write);
        QTest::newRow("append, flush fails") << true << int(Step::Flush);
        QTest::newRow("edit, write fails") << false << int(Step::Write);
        QTest::newRow("edit, flush fails") << false << int(Step::Flush);
        QTest::newRow("file cannot be opened") << false << int(Step::Open);
    }
    void aRefusedSaveKeepsTheStoredQuoteInTheBuffer() {
        QFETCH(bool, adding);
        QFETCH(int, fault);
        writeQuotes(numberedQuotes(12));
        const QByteArray before = fileBytes();
        QVERIFY(ReadQuote(12));
        const QString stored = QuoteRecord.text();
        SetFaultInjector([fault](Step s) { return s == Step(fault); });
        QVERIFY(!SaveQuote(
            QStringLiteral("THE PLAYER'S NEW WORDS THAT THE DISK REFUSED TO TAKE IN THIS TIME"),
            adding, 12));
        SetFaultInjector({});
        QCOMPARE(QuoteRecord.text(), stored);
        QCOMPARE(fileBytes(), before);
    }

    void aFullListRefusalKeepsTheStoredQuote() {
        {
            QFile f(QuoteFileName);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(qint64(MaxRecords) * RecordLength));
        }
        QVERIFY(ReadQuote(5));
        const QString stored = QuoteRecord.text();
        QVERIFY(!SaveQuote(
            QStringLiteral("ONE QUOTE TOO MANY FOR A LIST THAT CANNOT GROW ANY MORE"), true, 0));
        QCOMPARE(QuoteRecord.text(), stored);
    }

    void theReservedQuotesComeAllTenOrNotAtAll_data() {
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("existed");
        QTest::newRow("no file, copy fails") << int(Step::WriteTemp) << false;
        QTest::newRow("no file, flush fails") << int(Step::FlushTemp) << false;
        QTest::newRow("no file, rename fails") << int(Step::Rename) << false;
        QTest::newRow("empty file, copy fails") << int(Step::WriteTemp) << true;
        QTest::newRow("empty file, rename fails") << int(Step::Rename) << true;
    }
    void theReservedQuotesComeAllTenOrNotAtAll() {
        QFETCH(int, fault);
        QFETCH(bool, existed);
        if (existed) writeBytes({});
        SetFaultInjector([fault](Step s) { return s == Step(fault); });
        QStringList list;
        const Status s = LoadQuoteList(list);
        SetFaultInjector({});
        QVERIFY(!s);
        QVERIFY(s.whileCreating);
        QVERIFY(list.isEmpty());
        QCOMPARE(QFile::exists(QuoteFileName), existed);
        if (existed) QCOMPARE(fileBytes(), QByteArray());
        QVERIFY(!QFile::exists(TempFileName));
        QVERIFY(LoadQuoteList(list));
        QCOMPARE(fileBytes().size(), 2000);
    }

    void aDeletionKeepsTheFilesPermissions() {
#ifdef Q_OS_UNIX
        writeQuotes(numberedQuotes(13));
        QVERIFY(
            QFile::setPermissions(QuoteFileName, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QVERIFY(DeleteQuoteRecord(12));
        const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                            QFileDevice::WriteOther | QFileDevice::ExeOther;
        const QFileDevice::Permissions now = QFileInfo(QuoteFileName).permissions();
        QVERIFY(!(now & others)); // still private to its owner
        QVERIFY(now & QFileDevice::ReadOwner && now & QFileDevice::WriteOwner);
        QCOMPARE(fileBytes().size(), 12 * 200);
#else
        QSKIP("permissions are a Unix matter here");
#endif
    }

    void aDeletionWritesThroughALink() {
#ifdef Q_OS_UNIX
        QVERIFY(QDir().mkdir(QStringLiteral("lists")));
        writeQuotes(numberedQuotes(13), QStringLiteral("lists/mine.Dat"));
        QVERIFY(QFile::link(QStringLiteral("lists/mine.Dat"), QuoteFileName));
        QVERIFY(DeleteQuoteRecord(12));
        QVERIFY(QFileInfo(QuoteFileName).isSymLink());
        QCOMPARE(fileBytes(QStringLiteral("lists/mine.Dat")).size(), 12 * 200);
        QCOMPARE(fileBytes(), fileBytes(QStringLiteral("lists/mine.Dat")));
        QVERIFY(!QFile::exists(TempFileName));
        QVERIFY(!QFile::exists(QStringLiteral("lists/") + TempFileName));
        // Making the reserved quotes writes through a link as well.
        QVERIFY(QFile::remove(QuoteFileName));
        QVERIFY(QFile::link(QStringLiteral("lists/new.Dat"), QuoteFileName));
        QStringList list;
        QVERIFY(LoadQuoteList(list));
        QVERIFY(QFileInfo(QuoteFileName).isSymLink());
        QCOMPARE(fileBytes(QStringLiteral("lists/new.Dat")).size(), 2000);
#else
        QSKIP("links are a Unix matter here");
#endif
    }

    void aShortLastRecordIsMadeWholeWithBlanks_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("records");
        QTest::newRow("2,150 bytes") << 2150 << 11;
        QTest::newRow("2,350 bytes") << 2350 << 12;
    }
    void aShortLastRecordIsMadeWholeWithBlanks() {
        QFETCH(int, size);
        QFETCH(int, records);
        QByteArray bytes;
        for (const QByteArray &t : numberedQuotes(records))
            bytes += record(t);
        bytes.truncate(size);
        writeBytes(bytes);
        QVERIFY(SaveQuote(
            QStringLiteral("THE QUOTE AFTER A SHORT RECORD STANDS IN A WHOLE RECORD OF ITS OWN"),
            true, 0));
        const QByteArray after = fileBytes();
        QCOMPARE(after.size(), (records + 1) * 200);
        QVERIFY(!after.contains('\0'));
        QCOMPARE(after.left(size), bytes);
        QCOMPARE(after.mid(size, records * 200 - size), QByteArray(records * 200 - size, ' '));
    }

    void onlyBlanksSurroundAMarker() {
        QList<QByteArray> texts = numberedQuotes(14);
        texts[10] = "  $Killed$";
        texts[11] = "$Killed$\t";
        texts[12] = "\t$Killed$";
        writeQuotes(texts);
        QVERIFY(DeleteQuoteRecord(14));
        QStringList list;
        QVERIFY(LoadQuoteList(list));
        // The blank-padded marker went; the ones with a Tab are quotes and stay.
        QCOMPARE(list.size(), 12);
        QCOMPARE(fileBytes().mid(10 * 200, 200), record("$Killed$\t"));
        QCOMPARE(fileBytes().mid(11 * 200, 200), record("\t$Killed$"));
    }

    // ---- The rules every quote meets -----------------------------------------

    void upperCaseNeverLengthensAndStaysStorable_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("sharp s stays") << QStringLiteral("straße") << QStringLiteral("STRAßE");
        QTest::newRow("micro stays") << QStringLiteral("5 µm") << QStringLiteral("5 µM");
        QTest::newRow("florin stays") << QStringLiteral("ƒ") << QStringLiteral("ƒ");
        QTest::newRow("accents rise") << QStringLiteral("café déjà") << QStringLiteral("CAFÉ DÉJÀ");
        QTest::newRow("y diaeresis") << QStringLiteral("ÿ") << QStringLiteral("Ÿ");
        QTest::newRow("ligatures") << QStringLiteral("œuvre šž") << QStringLiteral("ŒUVRE ŠŽ");
    }
    void upperCaseNeverLengthensAndStaysStorable() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(UpperCase(typed), stored);
    }

    void a200CharacterQuoteWithSharpSKeepsEveryCharacter() {
        const QString typed = QString(190, QLatin1Char('a')) + QStringLiteral(" straße z");
        QCOMPARE(typed.size(), 199);
        const QString full = typed + QLatin1Char('!');
        writeQuotes(numberedQuotes(10));
        QVERIFY(SaveQuote(full, true, 0));
        QVERIFY(ReadQuote(11));
        QCOMPARE(QuoteRecord.text(), UpperCase(full));
        QVERIFY(QuoteRecord.text().endsWith(QStringLiteral("STRAßE Z!")));
    }

    void normalizingMakesOneLine() {
        Normalized n = NormalizeQuote(QStringLiteral("  one\r\ntwo\tthree\rfour\nfive  "));
        QCOMPARE(n.text, QStringLiteral("one two three four five"));
        QVERIFY(n.breaksReplaced);
        n = NormalizeQuote(QStringLiteral(" plain words "));
        QCOMPARE(n.text, QStringLiteral("plain words"));
        QVERIFY(!n.breaksReplaced);
    }

    void checkingFindsTheFirstFault() {
        const QString fifty(50, QLatin1Char('x'));
        QCOMPARE(CheckQuote(fifty.left(49)).problem, Problem::TooShort);
        QVERIFY(CheckQuote(fifty).ok());
        QVERIFY(CheckQuote(QString(200, QLatin1Char('x'))).ok());
        QCOMPARE(CheckQuote(QString(201, QLatin1Char('x'))).problem, Problem::TooLong);
        Verdict v = CheckQuote(fifty + QStringLiteral(" in 1999 or 2000"));
        QCOMPARE(v.problem, Problem::Digit);
        QCOMPARE(v.character, QStringLiteral("1"));
        v = CheckQuote(fifty + QStringLiteral(" café ... łódź"));
        QCOMPARE(v.problem, Problem::Unstorable);
        QCOMPARE(v.character, QString(QChar(0x0142))); // ł; é is fine
        QCOMPARE(QuoteKey(QStringLiteral("a  quote\tof  mine")), QStringLiteral("A QUOTE OF MINE"));
    }

    // ---- Quote collections ------------------------------------------------------

    void everyFormatGivesItsQuotes() {
        // Plain text, one quote per line; blank lines are no quotes.
        QCOMPARE(CandidatesIn("first line\n\n  second line  \r\nthird"),
                 QStringList({"first line", "  second line  ", "third"}));
        // A fortune file: entries between "%" lines, their lines joined, the
        // attribution turned into " - " and the name.
        const QByteArray fortune = "The first fortune,\n\tover two lines.\n%\n"
                                   "A saying with its author\n\t\t-- Mark Twain\n%\n%\n"
                                   "Last one\n";
        QCOMPARE(CandidatesIn(fortune),
                 QStringList({"The first fortune, over two lines.",
                              "A saying with its author - Mark Twain", "Last one"}));
        // Another player's list: its records, trimmed; markers are no quotes.
        const QByteArray dat = record("A QUOTE FROM ANOTHER LIST") + record("$Killed$") +
                               record("\xC9LAN AND \xC6THER"); // Windows-1252 bytes
        QCOMPARE(CandidatesIn(dat),
                 QStringList({"A QUOTE FROM ANOTHER LIST", QString::fromUtf8("ÉLAN AND ÆTHER")}));
        // UTF-8 text, and Windows-1252 text where the bytes are not UTF-8.
        QCOMPARE(DecodeText("caf\xC3\xA9"), QString::fromUtf8("café"));
        QCOMPARE(DecodeText("caf\xE9 \x93quoted\x94"), QString::fromUtf8("café “quoted”"));
        QCOMPARE(DecodeText("\xEF\xBB\xBFwith a mark"), QStringLiteral("with a mark"));
    }

    // ---- The gate: what comes in ----------------------------------------------

    void whatIsNoFileIsRefusedAtOnce() {
        writeQuotes(numberedQuotes(12));
        const QByteArray before = fileBytes();
        const QString fifo = folder->file(QStringLiteral("a pipe"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0); // opening it would wait
        QVERIFY(QDir().mkdir(folder->file(QStringLiteral("a folder"))));
        {
            QFile huge(folder->file(QStringLiteral("huge.txt")));
            QVERIFY(huge.open(QIODevice::WriteOnly));
            QVERIFY(huge.resize(gate::MaxBytes + 1)); // sparse: no room taken
        }
        const ImportResult r =
            ImportQuotes({{QStringLiteral("a pipe"), {}, fifo},
                          {QStringLiteral("a folder"), {}, folder->file("a folder")},
                          {QStringLiteral("zero"), {}, QStringLiteral("/dev/zero")},
                          {QStringLiteral("huge.txt"), {}, folder->file("huge.txt")},
                          {QStringLiteral("gone.txt"), {}, folder->file("gone.txt")}});
        QVERIFY(r.status);
        QCOMPARE(r.added, 0);
        QCOMPARE(
            r.notRead,
            QStringList({"a pipe: It is a pipe, not a file", "a folder: It is a folder, not a file",
                         "zero: It is a device, not a file",
                         "huge.txt: It is larger than 64 MiB, the most Cipherly reads",
                         "gone.txt: No such file or directory"}));
        QCOMPARE(fileBytes(), before);
    }

    void anyNumberOfFilesWithFewFilesOpen() {
        // Far more files than may be open at once: each is opened only while
        // it is read.
        writeQuotes(numberedQuotes(10));
        struct rlimit was;
        QVERIFY(::getrlimit(RLIMIT_NOFILE, &was) == 0);
        struct rlimit few = was;
        few.rlim_cur = 64;
        QVERIFY(::setrlimit(RLIMIT_NOFILE, &few) == 0);
        QList<ImportSource> sources;
        for (int i = 0; i < 300; ++i) {
            const QString name = QStringLiteral("q%1").arg(i);
            const QByteArray tag{char('A' + i / 26 % 26), char('A' + i % 26)};
            writeBytes("A quote kept in a file of its own, the one called " + tag + ".\n",
                       folder->file(name));
            sources.append({name, {}, folder->file(name)});
        }
        const ImportResult r = ImportQuotes(sources);
        ::setrlimit(RLIMIT_NOFILE, &was);
        QVERIFY(r.notRead.isEmpty());
        QCOMPARE(r.added, 300);
        // A file that tells no size (the system's own, in /proc) is read all the same.
        const ImportResult proc =
            ImportQuotes({{QStringLiteral("cpuinfo"), {}, QStringLiteral("/proc/self/status")}});
        QVERIFY(proc.notRead.isEmpty());
        QVERIFY(proc.skippedCount() > 0);
    }

    void whatIsNotTextIsRefusedWhole_data() {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray program("\x7F"
                           "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0",
                           16);
        program += "A long run of words that would make a quote of the right length\n";
        QTest::newRow("a program") << program;
        // A fortune index: a header of whole numbers, then offsets.
        QTest::newRow("a fortune index")
            << QByteArray("\0\0\0\x02\0\0\x01\x2C\0\0\x03\xE8", 12) + QByteArray(400, '\x01');
        QTest::newRow("many control bytes")
            << QByteArray("A line of text with\x01\x02\x03\x04\x05\x06\x07\x0E\x0F\x10 junk\n")
                   .repeated(50);
    }
    void whatIsNotTextIsRefusedWhole() {
        QFETCH(QByteArray, bytes);
        writeQuotes(numberedQuotes(12));
        writeBytes(bytes, folder->file(QStringLiteral("thing")));
        const ImportResult r =
            ImportQuotes({{QStringLiteral("thing"), {}, folder->file(QStringLiteral("thing"))}});
        QCOMPARE(r.added, 0);
        QCOMPARE(r.skippedCount(), 0);
        QCOMPARE(r.notRead, QStringList{"thing: it is not a text file"});
    }

    void textIsReadAsItIsWritten() {
        // UTF-16 with its mark is decoded; UTF-8 and Windows-1252 are told
        // apart line by line, so one stray byte spoils no other line.
        const QString quote =
            QString::fromUtf8("A quote of the café, written in UTF-16 with its mark "
                              "at the start");
        QByteArray utf16("\xFF\xFE");
        for (QChar c : quote + QStringLiteral("\r\n"))
            utf16 += char(c.unicode() & 0xFF), utf16 += char(c.unicode() >> 8);
        QCOMPARE(CandidatesIn(utf16), QStringList{quote});
        // UTF-32 by its mark, not taken for UTF-16.
        QByteArray utf32("\xFF\xFE\0\0", 4);
        for (QChar c : quote + QStringLiteral("\n"))
            utf32 += QByteArray(1, char(c.unicode() & 0xFF)) + char(c.unicode() >> 8) +
                     QByteArray(2, '\0');
        QCOMPARE(CandidatesIn(utf32), QStringList{quote});
        // CR LF, LF and CR alone end lines, mixed in one file, in text and
        // fortune files alike.
        QCOMPARE(CandidatesIn("one line\rtwo line\r\nthree line\nfour\r"),
                 QStringList({"one line", "two line", "three line", "four"}));
        QCOMPARE(CandidatesIn("a saying\r\t-- Someone\r%\ranother\r\n%\nthird"),
                 QStringList({"a saying - Someone", "another", "third"}));
        const QByteArray mixed = "Le caf\xC3\xA9 en UTF-8, et encore des mots pour la longueur\n"
                                 "Le caf\xE9 en Windows-1252, et des mots pour la longueur\n";
        QCOMPARE(CandidatesIn(mixed),
                 QStringList(
                     {QString::fromUtf8("Le café en UTF-8, et encore des mots pour la longueur"),
                      QString::fromUtf8("Le café en Windows-1252, et des mots pour la longueur")}));
    }

    void oneSetOfCharacterRules() {
        // Blanks of every kind, and overstrike as fortune files mark bold and
        // underlined words.
        QCOMPARE(NormalizeQuote(QString::fromUtf8("a\u00A0b\vc\fd")).text,
                 QStringLiteral("a b c d"));
        QCOMPARE(NormalizeQuote(QStringLiteral("T\bTH\bHE\bE _\bl_\ba_\bs_\bt")).text,
                 QStringLiteral("THE last"));
        QCOMPARE(NormalizeQuote(QString::fromUtf8("hy\u00ADphen")).text, QStringLiteral("hyphen"));
        const QString fifty(50, QLatin1Char('x'));
        Verdict v = CheckQuote(fifty + QStringLiteral(" and a bell \a"));
        QCOMPARE(v.problem, Problem::Control);
        QCOMPARE(v.code(), QStringLiteral("U+0007"));
        QCOMPARE(CheckQuote(fifty + QString(QChar(0x85))).problem, Problem::Control); // C1
        // An emoji is one character, named whole.
        v = CheckQuote(fifty + QString::fromUtf8(" 😀"));
        QCOMPARE(v.problem, Problem::Unstorable);
        QCOMPARE(v.character, QString::fromUtf8("😀"));
        QCOMPARE(v.code(), QStringLiteral("U+1F600"));
        // What passes never holds a control character, whatever came in.
        writeQuotes(numberedQuotes(10));
        const ImportResult r = ImportQuotes(
            {{QStringLiteral("marked.txt"),
              "THIS IS THE ____\b\b\b\bLAST time the overstrike hides a word in a quote\n"
              "A quote with a bell\a in it, which no list should ever have to hold\n"
              "A quote with an escape \x1B[m of a terminal, long enough to be a quote\n",
              {}}});
        QCOMPARE(r.added, 1);
        QCOMPARE(r.skipped[Skip::Control], 2);
        QStringList list;
        QVERIFY(LoadQuoteList(list));
        for (const QString &q : list)
            for (QChar c : q)
                QVERIFY(!IsControl(c.unicode()));
    }

    void fortuneEntriesKeepTheirWordsAndTheirAuthor() {
        // An attribution over two lines is the name, whole.
        QCOMPARE(FortuneEntry({"\tThe words of a long saying,", "\tover two lines.",
                               "\t\t-- Someone Famous, \"A Book With", "\t\t   A Long Title\""}),
                 QStringLiteral("The words of a long saying, over two lines. - Someone Famous, "
                                "\"A Book With A Long Title\""));
        // A dialogue: the earlier "--" lines are text, in place.
        QCOMPARE(
            FortuneEntry({"-- Is it late?", "-- It is never too late.", "", "    -- An Old Play"}),
            QStringLiteral("-- Is it late? -- It is never too late. - An Old Play"));
        // A "--" line the text goes on after is no attribution.
        QCOMPARE(FortuneEntry({"Question:", "-- What?", "Answer: nothing at all."}),
                 QStringLiteral("Question: -- What? Answer: nothing at all."));
    }

    void aListIsToldByWhatItHolds() {
        const QByteArray list = record("A QUOTE FROM ANOTHER PLAYER'S LIST OF THEM") +
                                record("AND ANOTHER ONE, AS IT IS KEPT IN A LIST");
        QCOMPARE(KindOf(list, list.size()), Kind::List);
        QCOMPARE(CandidatesIn(list).size(), 2);
        // A text whose lines make 200 bytes is still text, whatever its name.
        const QByteArray text = QByteArray(199, 'a') + '\n';
        QCOMPARE(KindOf(text, text.size()), Kind::Text);
        QCOMPARE(CandidatesIn(text), QStringList{QString(199, QLatin1Char('a'))});
        QCOMPARE(KindOf("A fortune\n%\nAnother\n", 22), Kind::Fortune);
        // Backspace to carriage return are text's own, however many; the
        // bytes just beside them, and DEL, are a program's.
        QCOMPARE(KindOf(QByteArray("\b\t\n\v\f\r").repeated(20) + "words", -1), Kind::Text);
        for (const char c : {'\a', '\x0E', '\x1F', '\x7F'})
            QCOMPARE(KindOf(QByteArray(20, c) + "words", -1), Kind::NotText);
    }

    void aLargeFileIsReadInPiecesAndCanBeCancelled() {
        writeQuotes(numberedQuotes(12));
        const QByteArray before = fileBytes();
        QByteArray big;
        while (big.size() < 3 * 1024 * 1024)
            big += "too short to be a quote\n";
        writeBytes(big, folder->file(QStringLiteral("big.txt")));
        QList<qint64> seen;
        ImportResult r = ImportQuotes({{QStringLiteral("big.txt"), {}, folder->file("big.txt")}},
                                      [&](qint64 done, qint64) {
                                          seen << done;
                                          return true;
                                      });
        QVERIFY2(seen.size() > 10, "the reading shows its progress piece by piece");
        QCOMPARE(seen.last(), qint64(big.size()));
        // However many are skipped, the details name the first thousand.
        QCOMPARE(r.skipped[Skip::TooShort], int(big.size() / 24));
        QCOMPARE(r.skippedShown.size(), DetailsShown);
        r = ImportQuotes({{QStringLiteral("big.txt"), {}, folder->file("big.txt")}},
                         [&](qint64 done, qint64 total) { return done < total / 3; });
        QVERIFY(r.cancelled);
        QCOMPARE(fileBytes(), before);
    }

    void importingSkipsWhatTheRulesRefuseAndWhatIsThere() {
        writeQuotes(numberedQuotes(12));
        const QString longOne = QString(201, QLatin1Char('x'));
        const QByteArray text =
            "A fine new quote that is long enough to pass every rule of the list.\n"
            "too short\n" +
            longOne.toLatin1() +
            "\n"
            "A quote with the year 1984 in it, which is long enough to be read.\n"
            "A quote with \xCE\xB5\xCE\xBB\xCE\xBB in it, which the list cannot hold at all.\n"
            // Accented letters made plain, German's umlauts and sharp s as two.
            "\xC3\x87"
            "a ira, said M\xC3\xBC"
            "ller of the caf\xC3\xA9 in \xC5\x81\xC3\xB3"
            "d\xC5\xBA, na\xC3\xAF"
            "ve and gro\xC3\x9F.\n"
            // A drawing: fewer than half of its characters letters.
            "   /\\_/\\    ( o.o )   > ^ <    /  |  \\   (__|__)  ~~ the cat ~~  \n"
            "a  FINE new quote that is long enough to pass every rule of the list.\n" // a repeat
            "QUOTE NUMBER B OF THE LIST\n"                                            // too short
            "Tabs\tand  blanks stay as the rules have them, in a quote of some length.\n"
            // Plain ASCII lines, which an import checks the fast way, meeting
            // the same rules: a drawing, the shortest and the longest quote,
            // and a repeat of a quote that was checked the slow way.
            "<(o.o)> ~~ <(o.o)> ~~ <(o.o)> ~~ <(o.o)> ~~ <(o.o)> ~~ <(o.o)>\n" +
            QByteArray(MinimumLength, 'y') + "\n" + QByteArray(MaximumLength, 'z') +
            "\n"
            "TABS AND BLANKS STAY AS THE RULES HAVE THEM, IN A QUOTE OF SOME LENGTH.\n";
        writeQuotes(numberedQuotes(12));
        const ImportResult r = ImportQuotes({{QStringLiteral("mine.txt"), text, {}}});
        QVERIFY(r.status);
        QCOMPARE(r.added, 5);
        QCOMPARE(r.plainLetters, 1);
        QCOMPARE(r.firstAdded, qint16(13));
        QCOMPARE(r.skipped[Skip::NotProse], 2);
        QCOMPARE(r.skipped[Skip::TooShort], 2);
        QCOMPARE(r.skipped[Skip::TooLong], 1);
        QCOMPARE(r.skipped[Skip::Digits], 1);
        QCOMPARE(r.skipped[Skip::Unstorable], 1);
        QCOMPARE(r.skipped[Skip::Duplicate], 2);
        QStringList list;
        QVERIFY(LoadQuoteList(list));
        QCOMPARE(list.size(), 17);
        QCOMPARE(
            list[12],
            QStringLiteral("A FINE NEW QUOTE THAT IS LONG ENOUGH TO PASS EVERY RULE OF THE LIST."));
        QCOMPARE(list[13],
                 QStringLiteral("CA IRA, SAID MUELLER OF THE CAFE IN LODZ, NAIVE AND GROSS."));
        QCOMPARE(list[14],
                 QStringLiteral(
                     "TABS AND  BLANKS STAY AS THE RULES HAVE THEM, IN A QUOTE OF SOME LENGTH."));
        QCOMPARE(list[15], QString(MinimumLength, QLatin1Char('Y')));
        QCOMPARE(list[16], QString(MaximumLength, QLatin1Char('Z')));
        // The same file again adds nothing: everything is in the list now.
        const ImportResult again = ImportQuotes({{QStringLiteral("mine.txt"), text, {}}});
        QCOMPARE(again.added, 0);
        QCOMPARE(again.skipped[Skip::Duplicate], 7);
        QCOMPARE(fileBytes().size(), 17 * 200);
    }

    void theListNeverGrowsPast32767() {
        {
            QFile f(QuoteFileName);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(qint64(MaxRecords - 2) * RecordLength));
        }
        QByteArray text;
        for (int i = 0; i < 5; ++i)
            text += "A quote among many that came in one file, this one is number " +
                    QByteArray(i + 1, 'I') + ".\n";
        const ImportResult r = ImportQuotes({{QStringLiteral("many.txt"), text, {}}});
        QVERIFY(r.status);
        QCOMPARE(r.added, 2);
        QCOMPARE(r.skipped[Skip::NoRoom], 3);
        QCOMPARE(QFileInfo(QuoteFileName).size(), qint64(MaxRecords) * RecordLength);
    }

    void aCancelOrAFailingWriteLeavesTheListAsItWas_data() {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("fault");
        QTest::newRow("cancelled half way") << true << -1;
        QTest::newRow("the new file cannot be made") << false << int(Step::CreateTemp);
        QTest::newRow("the copy fails") << false << int(Step::WriteTemp);
        QTest::newRow("the rename fails") << false << int(Step::Rename);
    }
    void aCancelOrAFailingWriteLeavesTheListAsItWas() {
        QFETCH(bool, cancel);
        QFETCH(int, fault);
        writeQuotes(numberedQuotes(12));
        const QByteArray before = fileBytes();
        QByteArray text;
        for (int i = 0; i < 2000; ++i)
            text += "One of two thousand quotes of a long file, this one numbered " +
                    QByteArray::number(i)
                        .replace('0', 'O')
                        .replace('1', 'I')
                        .replace('2', 'Z')
                        .replace('3', 'E')
                        .replace('4', 'A')
                        .replace('5', 'S')
                        .replace('6', 'G')
                        .replace('7', 'T')
                        .replace('8', 'B')
                        .replace('9', 'P') +
                    ".\n";
        if (fault >= 0) SetFaultInjector([fault](Step s) { return s == Step(fault); });
        int calls = 0;
        const ImportResult r =
            ImportQuotes({{QStringLiteral("long.txt"), text, {}}}, [&](qint64 done, qint64 total) {
                ++calls;
                return !cancel || done < total / 2;
            });
        SetFaultInjector({});
        QVERIFY(calls > 1);
        QCOMPARE(r.cancelled, cancel);
        if (!cancel) QVERIFY(!r.status);
        QCOMPARE(r.added, 0);
        QCOMPARE(fileBytes(), before);
        QVERIFY(!QFile::exists(TempFileName));
    }

    void exportingThenImportingGivesTheSameList() {
        QList<QByteArray> texts = numberedQuotes(10);
        texts << "A PLAYER'S OWN QUOTE WITH \xC9 AND \x93"
                 "CURLY QUOTES\x94, LONG ENOUGH FOR THE LIST"
              << "ANOTHER OF THE PLAYER'S OWN, WITH A DASH - AND A SEMICOLON; TO TRAVEL WELL";
        writeQuotes(texts);
        int count = 0;
        QVERIFY(ExportQuotes(folder->file(QStringLiteral("mine.txt")), &count));
        QCOMPARE(count, 2);
        QFile exported(folder->file(QStringLiteral("mine.txt")));
        QVERIFY(exported.open(QIODevice::ReadOnly));
        const QByteArray text = exported.readAll();
        QVERIFY(text.contains(QString::fromUtf8("“CURLY QUOTES”").toUtf8())); // UTF-8
        QCOMPARE(text.count('\n'), 2);
        const QByteArray before = fileBytes();
        // Into a fresh list: the same list comes back, but that text brings
        // its accented letters in plain, as any text does.
        QFile::remove(QuoteFileName);
        writeQuotes(numberedQuotes(10));
        const ImportResult r = ImportQuotes({{QStringLiteral("mine.txt"), text, {}}});
        QCOMPARE(r.added, 2);
        QCOMPARE(r.plainLetters, 1);
        QCOMPARE(fileBytes(), QByteArray(before).replace('\xC9', 'E'));
        // A quote list comes back as it was, accents and all.
        writeBytes(before);
        QVERIFY(ExportQuotes(folder->file(QStringLiteral("mine.Dat"))));
        QFile::remove(QuoteFileName);
        writeQuotes(numberedQuotes(10));
        QVERIFY(ImportQuotes(
                    {{QStringLiteral("mine.Dat"), {}, folder->file(QStringLiteral("mine.Dat"))}})
                    .added == 2);
        QCOMPARE(fileBytes(), before);
    }

    void controlBytesOfAStoredRecordReadAsBlanks() {
        QList<QByteArray> texts = numberedQuotes(10);
        texts << "A RECORD OF AN OLD LIST\r\nWITH A BREAK\tAND A BELL\a INSIDE IT";
        writeQuotes(texts);
        const QByteArray before = fileBytes();
        QVERIFY(ReadQuote(11));
        QCOMPARE(QuoteRecord.trimmed(),
                 QStringLiteral("A RECORD OF AN OLD LIST  WITH A BREAK AND A BELL  INSIDE IT"));
        // Reading changes nothing on disk, and an import keeps the bytes as they are.
        QVERIFY(ImportQuotes({{QStringLiteral("more.txt"),
                               "ONE MORE QUOTE FOR THE OLD LIST, WHICH IS LONG ENOUGH FOR IT\n",
                               {}}})
                    .added == 1);
        QCOMPARE(fileBytes().left(before.size()), before);
    }

    void anExportNamedDatIsAQuoteList() {
        QList<QByteArray> texts = numberedQuotes(12);
        writeQuotes(texts);
        int count = 0;
        const QString name = folder->file(QStringLiteral("For my friend.Dat"));
        QVERIFY(ExportQuotes(name, &count));
        QCOMPARE(count, 12);
        QCOMPARE(fileBytes(name), fileBytes()); // the whole list, record for record
        QVERIFY(ExportsAsList(QStringLiteral("x.dat")));
        QVERIFY(!ExportsAsList(QStringLiteral("x.Dat.txt")));
    }

    void anExportOnAFullDiskKeepsTheEarlierOne() {
        // Run by small_disk.sh: the export's folder is on a small disk that fills up.
        const QString disk = qEnvironmentVariable("CIPHERLY_SMALL_DISK");
        if (disk.isEmpty()) QSKIP("needs a small disk of its own (tests/small_disk.sh)");
        writeQuotes(numberedQuotes(60));
        const QString earlier = QDir(disk).filePath(QStringLiteral("mine.txt"));
        writeBytes("AN EARLIER EXPORT THE PLAYER KEEPS\n", earlier);
        fillDisk(disk);
        int count = -1;
        const Status s = ExportQuotes(earlier, &count);
        QVERIFY2(!s, "an export that could not be written is never reported as written");
        QCOMPARE(s.reason, QStringLiteral("No space left on device"));
        QCOMPARE(count, -1);
        QCOMPARE(fileBytes(earlier), QByteArray("AN EARLIER EXPORT THE PLAYER KEEPS\n"));
        QVERIFY(QDir(disk).entryList({safefile::tempPrefixFor("mine.txt") + '*'}, QDir::Hidden | QDir::Files).isEmpty());
    }

    void twoFoldersKeepTwoQuoteFiles() {
        QStringList list;
        QVERIFY(LoadQuoteList(list));
        QVERIFY(SaveQuote(
            QStringLiteral("A QUOTE THAT BELONGS TO THE FIRST FOLDER AND TO NO OTHER ONE"), true,
            0));
        TempFolder other;
        QVERIFY(LoadQuoteList(list));
        QCOMPARE(list.size(), 10);
    }
};

QTEST_GUILESS_MAIN(TestQuotes)
#include "tst_quotes.moc"
