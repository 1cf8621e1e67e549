#include "QuoteFile.h"
#include "StringResources.h"
#include "TempFolder.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

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
void writeQuotes(const QList<QByteArray> &texts) {
    QByteArray all;
    for (const auto &t : texts)
        all += record(t);
    writeBytes(all);
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
        QFile::setPermissions(QuoteFileName, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(fileBytes(), before);
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
