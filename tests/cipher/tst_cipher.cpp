#include "KeyedAlphabet.h"
#include "modStandard.h"
#include "modSupport.h"

#include <QSet>
#include <QTest>

using cipher::EncipherText;
using cipher::KeyTable;
using cipher::MakeCodeKey;
using cipher::TakenMark;

namespace {

// The uniform value that makes RandomBetween(65, 90) draw `letter`.
double drawOf(char letter) {
    return (letter - 'A' + 0.5) / 26.0;
}

QString keyRow() {
    QString s;
    for (int row = 65; row <= 90; ++row)
        s += KeyTable(row, 1);
    return s;
}

} // namespace

class TestCipher : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { modStandard::SetRandomSource({}); }

    void everyKeyIsADerangementOfTheAlphabet() {
        QSet<QString> distinct;
        for (int k = 0; k < 3000; ++k) {
            MakeCodeKey();
            QSet<QChar> used;
            for (int row = 65; row <= 90; ++row) {
                const QString c = KeyTable(row, 1);
                QCOMPARE(c.size(), 1);
                QVERIFY(c[0] >= QLatin1Char('A') && c[0] <= QLatin1Char('Z'));
                QVERIFY2(c[0].unicode() != row, "a letter enciphers to itself");
                used.insert(c[0]);
                QCOMPARE(KeyTable(row, 2), QString(TakenMark));
            }
            QCOMPARE(used.size(), 26);
            distinct.insert(keyRow());
        }
        // Keys come from a random source, not a fixed list.
        QVERIFY(distinct.size() > 2990);
    }

    void aKeyLeavingOnlyZForZStartsAgainFromA() {
        // A..X take B..Y and Y takes A: the only free letter for Z is Z itself.
        QList<double> draws;
        for (char c = 'B'; c <= 'Y'; ++c)
            draws << drawOf(c);
        draws << drawOf('A');
        for (int i = 0; i < 2000; ++i)
            draws << drawOf(i % 2 ? 'Z' : 'M');
        // The next key reuses B for A, which only works on a cleared table.
        for (QChar c : QStringLiteral("BCDEFGHIJKLMNOPQRSTUVWXYZA"))
            draws << drawOf(char(c.unicode()));
        int taken = 0;
        modStandard::SetRandomSource([&] { return draws.value(taken++, drawOf('A')); });
        MakeCodeKey();
        QCOMPARE(taken, 25 + 2000 + 26);
        QCOMPARE(keyRow(), QStringLiteral("BCDEFGHIJKLMNOPQRSTUVWXYZA"));
    }

    void drawsOfTakenOrOwnLettersAreSkipped() {
        // A draws itself, then B. B draws itself, then A. C draws B (taken), then D.
        QList<double> draws{drawOf('A'), drawOf('B'), drawOf('B'), drawOf('A'), drawOf('B')};
        QString rest = QStringLiteral("DCFEHGJILKNMPORQTSVUXWZY");
        for (QChar c : rest)
            draws << drawOf(char(c.unicode()));
        int taken = 0;
        modStandard::SetRandomSource([&] { return draws.value(taken++, drawOf('A')); });
        MakeCodeKey();
        QCOMPARE(keyRow(), QStringLiteral("BA") + rest);
        QCOMPARE(taken, draws.size());
    }

    void encipheringReplacesOnlyCapitalLetters() {
        MakeCodeKey();
        QCOMPARE(EncipherText(QString()), QString());
        const QString plain =
            QStringLiteral("lower case, digits 0123, blanks, ()',./;!?- and ÀÉÎÕÜ çñ ß · €");
        QCOMPARE(EncipherText(plain), plain);

        const QString quote = QStringLiteral("THE QUICK BROWN FOX, SAID O'HARA -- JUMPS! É");
        const QString cipher = EncipherText(quote);
        QCOMPARE(cipher.size(), quote.size());
        for (int i = 0; i < quote.size(); ++i) {
            const QChar p = quote[i];
            if (p >= QLatin1Char('A') && p <= QLatin1Char('Z')) {
                QCOMPARE(cipher[i], KeyTable(p.unicode(), 1)[0]);
                QVERIFY(cipher[i] != p);
            } else {
                QCOMPARE(cipher[i], p);
            }
        }
        // Equal letters give equal cipher letters, different ones different.
        for (int i = 0; i < quote.size(); ++i)
            for (int j = 0; j < quote.size(); ++j)
                if (quote[i].isUpper() && quote[j].isUpper() && quote[i] < QChar(0x80) &&
                    quote[j] < QChar(0x80))
                    QCOMPARE(quote[i] == quote[j], cipher[i] == cipher[j]);
    }

    // ---- Keyed alphabets ---------------------------------------------------------

    void aKeyedAlphabetIsBuiltAsAClubBuildsIt() {
        using namespace cipher;
        QCOMPARE(KeyedAlphabet(QStringLiteral("Kangaroo")),
                 QStringLiteral("KANGROBCDEFHIJLMPQSTUVWXYZ"));
        // K2: the plain alphabet over the keyed one, slid by three.
        const Rows k2 = RowsOf(Keyed::K2, QStringLiteral("KANGAROO"));
        QCOMPARE(k2.plain, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
        QCOMPARE(k2.cipher, QStringLiteral("KANGROBCDEFHIJLMPQSTUVWXYZ"));
        QCOMPARE(KeyedKey(Keyed::K2, QStringLiteral("KANGAROO"), 3),
                 QStringLiteral("GROBCDEFHIJLMPQSTUVWXYZKAN"));
        // K1: the keyed row over the plain one: K stands over D.
        QCOMPARE(KeyedKey(Keyed::K1, QStringLiteral("KANGAROO"), 3)[u'K' - u'A'], QChar(u'D'));
        // Every shift offered leaves no letter for itself, and the keys differ.
        for (const Keyed kind : {Keyed::K1, Keyed::K2, Keyed::K3}) {
            const QList<int> shifts = SelfFreeShifts(kind, QStringLiteral("KANGAROO"));
            QVERIFY(!shifts.isEmpty());
            QSet<QString> keys;
            for (const int shift : shifts) {
                const QString key = KeyedKey(kind, QStringLiteral("KANGAROO"), shift);
                for (int i = 0; i < 26; ++i) QVERIFY(key[i] != QChar(u'A' + i));
                QCOMPARE(QSet<QChar>(key.begin(), key.end()).size(), 26);
                keys << key;
            }
            QCOMPARE(keys.size(), shifts.size());
        }
        // Both rows keyed: every shift but 13, which would pair the letters.
        QCOMPARE(SelfFreeShifts(Keyed::K3, QStringLiteral("KANGAROO")).size(), 24);
    }

    void theKeywordIsReadBackFromTheKeyAlone() {
        using namespace cipher;
        const QStringList words = {QStringLiteral("KANGAROO"), QStringLiteral("FLOWER"),
                                   QStringLiteral("PYTHAGORAS"), QStringLiteral("QUICKLY")};
        // The keyword's letters without repeats, as the key keeps them.
        const auto isWord = [&words](const QString &letters) {
            for (const QString &w : words)
                if (KeyedAlphabet(w).left(QSet<QChar>(w.begin(), w.end()).size()) == letters)
                    return true;
            return false;
        };
        int read = 0;
        for (const QString &word : words)
            for (const Keyed kind : {Keyed::K1, Keyed::K2, Keyed::K3})
                for (const int shift : SelfFreeShifts(kind, word)) {
                    const auto r = ReadKeyed(KeyedKey(kind, word, shift), isWord);
                    QVERIFY2(r, qPrintable(word));
                    // The same key, whichever reading: the keyword's letters
                    // and the key they make.
                    QCOMPARE(KeyedKey(r->kind, r->keyword, r->shift), KeyedKey(kind, word, shift));
                    QCOMPARE(r->keyword, KeyedAlphabet(word).left(r->keyword.size()));
                    QCOMPARE(KindName(r->kind), KindName(kind));
                    QCOMPARE(r->shift, shift);
                    ++read;
                }
        QVERIFY(read > 100);
        // Random keys are read as none.
        int keyed = 0;
        for (int k = 0; k < 500; ++k) {
            MakeCodeKey();
            if (ReadKeyed(keyRow())) ++keyed;
        }
        QCOMPARE(keyed, 0);
        QVERIFY(!ReadKeyed(QStringLiteral("ABC")));
        // A shift of Caesar's is keyed by nothing.
        QVERIFY(!ReadKeyed(QStringLiteral("BCDEFGHIJKLMNOPQRSTUVWXYZA")));
        QVERIFY(!ReadKeyed(QStringLiteral("XYZABCDEFGHIJKLMNOPQRSTUVW")));
        // Known in part, as a solved quote gives it: the letters of the
        // quote only, one of them misread.
        const QStringList list = {QStringLiteral("ORANGE"), QStringLiteral("PICTURE"),
                                  QStringLiteral("WONDERFUL")};
        const QString quote = QStringLiteral("ALL THAT GLITTERS IS NOT GOLD OFTEN HAVE YOU HEARD");
        for (const Keyed kind : {Keyed::K1, Keyed::K2, Keyed::K3}) {
            const QString key = KeyedKey(kind, QStringLiteral("PICTURE"), 7);
            QString part(26, QLatin1Char('?'));
            for (const QChar c : quote)
                if (c.isLetter()) part[c.unicode() - u'A'] = key[c.unicode() - u'A'];
            const auto r = ReadKeyedFrom(part, list);
            QVERIFY(r);
            QCOMPARE(r->keyword, QStringLiteral("PICTURE"));
            QCOMPARE(KindName(r->kind), KindName(kind));
            QCOMPARE(r->shift, 7);
            part[u'L' - u'A'] = part[u'L' - u'A'] == u'Q' ? u'R' : u'Q';
            QCOMPARE(ReadKeyedFrom(part, list)->keyword, QStringLiteral("PICTURE"));
        }
        MakeCodeKey();
        QString random = keyRow();
        for (int i = 0; i < 26; i += 3) random[i] = u'?';
        QVERIFY(!ReadKeyedFrom(random, list));
        QVERIFY(!ReadKeyedFrom(QStringLiteral("??????????????????????????"), list));
        QCOMPARE(KindOf(QStringLiteral("k3")), std::optional<Keyed>(Keyed::K3));
        QVERIFY(!KindOf(QStringLiteral("k4")));
    }
};

QTEST_GUILESS_MAIN(TestCipher)
#include "tst_cipher.moc"
