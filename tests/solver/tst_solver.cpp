#include "CipherWords.h"
#include "Difficulty.h"
#include "QuoteRules.h"
#include "Solver.h"
#include "Unbroken.h"
#include "LetterModel.h"
#include "WordModel.h"

#include <QProcess>
#include <QSet>
#include <QTest>

#include <cstring>

// The solver, on the words the game ships with.
namespace {

// `plain` scrambled with a fixed key in which no letter stands for itself.
QString Scramble(const QString &plain) {
    static const QString Key = QStringLiteral("QWERTYUIOPASDFGHJKLZXCVBNM");
    QString out = plain;
    for (QChar &c : out)
        if (const int i = solver::CipherLetter(c); i >= 0) c = Key[i];
    return out;
}

// Word data of a few words, in the solver's own form: each word with how
// often it was seen, no pairs.
std::string ToyWords(std::initializer_list<std::pair<const char *, quint32>> words) {
    std::string out("CPW1");
    auto put = [&](quint32 v) {
        for (int i = 0; i < 4; ++i) out += char((v >> (8 * i)) & 0xff);
    };
    put(quint32(words.size()));
    for (const auto &[w, n] : words) {
        out += char(std::strlen(w));
        out += w;
        put(n);
    }
    put(0);
    return out;
}

} // namespace

class TestSolver : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(!solver::WordModel::shared().empty()); }

    void findsQuotesFromTheirCipherTextAlone() {
        for (const QString &plain :
             {QStringLiteral("IT IS A TRUTH UNIVERSALLY ACKNOWLEDGED, THAT A SINGLE MAN IN "
                             "POSSESSION OF A GOOD FORTUNE, MUST BE IN WANT OF A WIFE."),
              QStringLiteral("DON'T COUNT YOUR CHICKENS BEFORE THEY'RE HATCHED; THE WORLD IS "
                             "FULL OF SURPRISES AND NOT ALL OF THEM ARE KIND."),
              QStringLiteral("THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG, AND THEN IT RUNS "
                             "AWAY TO THE WOODS."),
              // A rare long word taken first once led to FORTUNE and nonsense.
              QStringLiteral("HE WHO IS DEVOID OF THE POWER TO FORGIVE"),
              // Read with the quote, the name made HATE into HAVE.
              QStringLiteral("HATE DOES NOT PRODUCE LOVE; WE WILL NOT RENEW THE WORLD BY HATE. "
                             "- ERRICO MALATESTA")}) {
            const solver::Solution s = solver::Solve(Scramble(plain));
            QCOMPARE(s.plain, plain); // punctuation, apostrophes and blanks where they were
        }
    }

    void keepsGivenLettersAndMarksWhatItCannotRead() {
        const QString cipher = Scramble(QStringLiteral("THE CAT SAT ON THE MAT."));
        solver::Key given{};
        given[size_t(solver::CipherLetter(cipher[0]))] = 'T';
        const solver::Solution s = solver::Solve(cipher, given);
        QCOMPARE(s.plain[0], QChar(u'T'));
        QCOMPARE(solver::Solve(QStringLiteral("12, -- !")).plain, QStringLiteral("12, -- !"));
    }

    void damagedWordDataIsNoWordsAtAll() {
        for (const std::string &data :
             {std::string(), std::string("CPW1"), std::string("CPW1\xff\xff\xff\x7f", 8),
              std::string("XXXX\x01\0\0\0", 8)}) {
            const solver::WordModel model(data);
            QVERIFY(model.empty());
            QCOMPARE(solver::Solve(QStringLiteral("ABC"), {}, &model).plain, QStringLiteral("???"));
        }
    }

    void anAttributionReadsAsNames() {
        // WAY is much commoner than MAX, but the list spells Max as a name
        // (the count's top bit): after " - " the name is read.
        const solver::WordModel toy(
            ToyWords({{"the", 900}, {"cat", 50}, {"way", 200}, {"max", 23u | 0x80000000u}}));
        QVERIFY(toy.name(toy.find("max")) && !toy.name(toy.find("way")));
        QCOMPARE(toy.count(toy.find("max")), 23u);
        const QString plain = QStringLiteral("THE CAT - MAX");
        QCOMPARE(solver::Solve(Scramble(plain), {}, &toy).plain, plain);
        QCOMPARE(solver::Solve(Scramble(QStringLiteral("THE CAT MAX")), {}, &toy).plain,
                 QStringLiteral("THE CAT WAY"));

        // The body alone hardly tells CAT from BAT; the name after it does:
        // read as CAT, the body would leave CARL no C.
        const solver::WordModel near(ToyWords(
            {{"the", 900}, {"cat", 50}, {"bat", 45}, {"carl", 20u | 0x80000000u}}));
        for (const QString &q : {QStringLiteral("THE BAT - CARL"), QStringLiteral("THE CAT")})
            QCOMPARE(solver::Solve(Scramble(q), {}, &near).plain, q);
    }

    void patternsIgnoreWhichLettersSpellAWord() {
        QCOMPARE(solver::WordModel::pattern("hello"), solver::WordModel::pattern("cheer"));
        QVERIFY(solver::WordModel::pattern("hello") != solver::WordModel::pattern("world"));
        QCOMPARE(solver::WordModel::pattern("don't"), solver::WordModel::pattern("won't"));
        const solver::CipherText t(QStringLiteral("AB AB, 'CD'E-F"));
        QCOMPARE(t.words.size(), size_t(3)); // ab (twice), cd'e, f
        QCOMPARE(t.sequence, (std::vector<int>{0, 0, 1, 2}));
        QCOMPARE(t.words[0].count, 2);
        QCOMPARE(t.words[1].text, std::string("cd'e"));
    }

    void aQuoteWithoutItsShortWordsIsHarder() {
        const QString full = QStringLiteral(
            "THE MEN OF THE FUTURE WILL YET FIGHT THEIR WAY TO MANY A LIBERTY THAT WE DO NOT EVEN "
            "MISS.");
        const QString bare = QStringLiteral("FUTURE WILL FIGHT THEIR MANY LIBERTY THAT EVEN MISS.");
        const solver::Rating a = solver::RateQuote(full), b = solver::RateQuote(bare);
        QVERIFY2(b.score > a.score, qPrintable(QStringLiteral("%1 %2").arg(a.score).arg(b.score)));
        QVERIFY(a.level >= 1 && b.level <= 5 && a.level <= b.level);
        // The way in: THE (twice), surer than A alone.
        QCOMPARE(a.steps[0].kind, solver::StepKind::RepeatedWord);
        QCOMPARE(a.steps[0].reading, QStringLiteral("THE"));
    }

    void harderQuotesRateHarder() {
        // Pairs a person finds easier and harder: repeated short words against
        // none; common words against rare ones; a word no one can read.
        const std::pair<const char *, const char *> pairs[] = {
            {"IT WAS THE BEST OF TIMES, IT WAS THE WORST OF TIMES.",
             "NOTHING IS SO STRONG AS GENTLENESS."},
            {"TO BE OR NOT TO BE, THAT IS THE QUESTION.", "SYZYGY IS A RARE DELIGHT."},
            {"A JOURNEY OF A THOUSAND MILES BEGINS WITH A SINGLE STEP.",
             "QUIXOTIC ZEPHYRS BEWILDER JAUNTY VEXED KNIGHTS."},
            {"WHEREVER YOU GO, THERE YOU ARE.", "NOTHING IS SO STRONG AS GENTLENESS."},
        };
        for (const auto &[easier, harder] : pairs) {
            const solver::Rating a = solver::RateQuote(QLatin1String(easier)),
                                 b = solver::RateQuote(QLatin1String(harder));
            QVERIFY2(a.score < b.score && a.level <= b.level,
                     qPrintable(QStringLiteral("%1 (%2) against %3 (%4)")
                                    .arg(easier).arg(a.score).arg(harder).arg(b.score)));
        }
        // A name after " - " is filled last: it neither makes an easy quote
        // hard nor, as an unknown author, a quote easier.
        const QString body = QStringLiteral("THE ONLY THING WE HAVE TO FEAR IS FEAR ITSELF.");
        const int level = solver::RateQuote(body).level;
        for (const char *name : {" - FRANKLIN D. ROOSEVELT", " - ANONYMOUS"}) {
            const int named = solver::RateQuote(body + QLatin1String(name)).level;
            QVERIFY2(named >= level && named <= level + 1, name);
        }
    }

    void aStepIsTheNextDeductionFromTheRightLettersOnTheBoard() {
        const QString plain = QStringLiteral("THE DOG AND THE CAT AND THE BIRD");
        const QString cipher = Scramble(plain);
        const solver::Key truth = solver::KeyOf(cipher, plain);
        solver::Step s = solver::NextStep(cipher, truth, {});
        QCOMPARE(s.kind, solver::StepKind::RepeatedWord);
        QCOMPARE(s.reading, QStringLiteral("THE"));
        QVERIFY2(s.sentence.contains(QStringLiteral("3 times")), qPrintable(s.sentence));
        QVERIFY(s.sentence.contains(QStringLiteral("%1=T").arg(Scramble(QStringLiteral("T")))));

        // THE on the board, and a wrong letter the step does not build on.
        solver::Key board{};
        for (QChar c : QStringLiteral("THE"))
            board[size_t(solver::CipherLetter(Scramble(QString(c))[0]))] = char(c.unicode());
        board[size_t(solver::CipherLetter(Scramble(QStringLiteral("D"))[0]))] = 'X';
        s = solver::NextStep(cipher, truth, board);
        QVERIFY(!s.pairs.empty());
        for (const auto &[c, p] : s.pairs)
            QVERIFY(!QStringLiteral("THE").contains(QChar(p)));

        QVERIFY(solver::NextStep(cipher, truth, truth).pairs.empty()); // nothing left
    }

    void aRatingIsTheQuotesWhateverTheKey() {
        // A key in which letters stand for themselves rates as a key in which
        // none does: how hard a quote is belongs to the quote.
        const QString plain = QStringLiteral(
            "SO MANY BOOKS, SO LITTLE TIME; A ROOM WITHOUT BOOKS IS LIKE A BODY WITHOUT A SOUL.");
        QString selfish = plain; // A..M kept, N..Z turned round
        for (QChar &c : selfish)
            if (c >= u'N' && c <= u'Z') c = QChar(u'Z' - (c.unicode() - u'N'));
        const double score = solver::RateQuote(plain).score;
        for (const QString &cipher : {Scramble(plain), selfish}) {
            const solver::Rating r = solver::Rate(cipher, solver::KeyOf(cipher, plain));
            QCOMPARE(r.score, score);
        }
    }

    void everyStepSaysWhatHolds() {
        QProcess p;
        p.start(QStringLiteral(CIPHERLY_SOLVE_EXE), {QStringLiteral("--steps")});
        QVERIFY(p.waitForStarted());
        const QString plain = QStringLiteral(
            "WHATEVER YOU ARE, BE A GOOD ONE, SAID ZEBEDIAH QUIRKFIELD TO HIS NEPHEW.");
        const QString cipher = Scramble(plain);
        p.write((cipher + u'\t' + plain + u'\n').toLatin1());
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(30000));
        const QStringList lines =
            QString::fromLatin1(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() > 2);
        QSet<QChar> placed;
        for (const QString &line : lines) {
            const QStringList f = line.split(u'\t');
            QCOMPARE(f.size(), 7);
            QVERIFY2(QStringLiteral("lone only repeated pattern likeliest letter guess name")
                         .split(u' ').contains(f[1]), qPrintable(line));
            if (f[1] == QLatin1String("guess")) // a guess is among few, never a shot in the dark
                QVERIFY2(f[5].toInt() >= 2 && f[5].toInt() <= 12, qPrintable(line));
            if (f[1] == QLatin1String("letter")) { // the commonest letter not placed yet
                const QChar said = f[4].at(0);
                for (QChar c : cipher)
                    if (c.isLetter() && !placed.contains(c))
                        QVERIFY2(cipher.count(c) <= cipher.count(said), qPrintable(line));
            }
            for (const QString &pair : f[4].split(u' ')) {
                QVERIFY2(!placed.contains(pair[0]), qPrintable(line)); // no step gives a pair twice
                placed.insert(pair[0]);
                QCOMPARE(solver::KeyOf(cipher, plain)[size_t(solver::CipherLetter(pair[0]))],
                         char(pair[2].unicode()));
            }
        }
        QCOMPARE(lines.last().split(u'\t')[1], QStringLiteral("name")); // ZEBEDIAH, QUIRKFIELD
    }

    void aStepClaimsOnlyWhatItsWordsShow() {
        // THE is commoner than TOE, but H cannot stand for H: the step says
        // which rule rules THE out rather than call TOE the commonest.
        const solver::WordModel toy(ToyWords({{"the", 900}, {"toe", 40}, {"a", 500}, {"i", 400},
                                              {"to", 300}, {"go", 90}}));
        const QString cipher = QStringLiteral("XHY XH XHY");
        const solver::Key truth = solver::KeyOf(cipher, QStringLiteral("TOE TO TOE"));
        solver::Step s = solver::NextStep(cipher, truth, {}, &toy);
        QCOMPARE(s.reading, QStringLiteral("TOE"));
        QVERIFY2(s.sentence.endsWith(QStringLiteral("(No letter stands for itself, which rules "
                                                    "out THE.)")),
                 qPrintable(s.sentence));
        QVERIFY2(!s.sentence.contains(QStringLiteral("TOE is the commonest")), qPrintable(s.sentence));

        // Sixteen words of one shape (14 where no letter stands for itself):
        // too many to try, so no guess is offered.
        const solver::WordModel many(ToyWords({{"bad", 9}, {"bed", 9}, {"bid", 9}, {"bud", 9},
                                               {"cad", 9}, {"cod", 9}, {"cud", 9}, {"dad", 9},
                                               {"fad", 9}, {"fed", 9}, {"god", 9}, {"had", 9},
                                               {"hid", 9}, {"lad", 9}, {"mad", 9}, {"pad", 9}}));
        const QString word = Scramble(QStringLiteral("HID"));
        s = solver::NextStep(word, solver::KeyOf(word, QStringLiteral("HID")), {}, &many);
        QCOMPARE(s.kind, solver::StepKind::Leftover);
        QVERIFY2(s.sentence.contains(QStringLiteral("too many words")), qPrintable(s.sentence));
    }

    void germanIsReadRatedAndTaughtInGerman() {
        const QString german = QStringLiteral(
            "DAS BESTE AN DER ZUKUNFT IST VIELLEICHT DER UMSTAND, DASS IMMER NUR EIN TAG AUF "
            "EINMAL KOMMT.");
        const solver::Solution s = solver::Solve(Scramble(german));
        QCOMPARE(s.plain, german);
        QCOMPARE(s.language, solver::Language::German);
        QVERIFY(s.reads);
        // English stays English, and the language of a plain quote is its own.
        QCOMPARE(solver::Solve(Scramble(QStringLiteral("THE QUICK BROWN FOX JUMPS OVER THE LAZY "
                                                       "DOG, AND THEN IT RUNS AWAY.")))
                     .language,
                 solver::Language::English);
        QCOMPARE(solver::ReadQuote(german).language, solver::Language::German);

        // Taught in German terms: no lone A or I, E the commonest in German.
        const solver::Rating r = solver::RateQuote(german);
        QCOMPARE(r.language, solver::Language::German);
        QVERIFY(r.level >= 1 && r.level <= 5);
        const QString cipher = Scramble(QStringLiteral("ES IST NICHT GENUG, ZU WISSEN, MAN MUSS "
                                                       "AUCH ANWENDEN; ES IST NICHT GENUG, ZU "
                                                       "WOLLEN, MAN MUSS AUCH TUN."));
        for (const solver::Step &step : solver::Rate(cipher, solver::Solve(cipher)).steps) {
            QVERIFY(step.kind != solver::StepKind::OneLetter);
            QVERIFY2(!step.sentence.contains(QLatin1String("English")), qPrintable(step.sentence));
        }
        const QString choice = QStringLiteral(
            "IN WICHTIGEN FRAGEN HAT MAN MEIST ZWISCHEN PEST UND CHOLERA ZU WAEHLEN.");
        const solver::Step first = solver::NextStep(
            Scramble(choice), solver::KeyOf(Scramble(choice), choice), solver::Key{});
        QCOMPARE(first.kind, solver::StepKind::Frequency);
        QVERIFY2(first.sentence.endsWith(QLatin1String("the commonest letter in German: ") +
                                         first.word + QLatin1String("=E.")),
                 qPrintable(first.sentence));

        // A compound read wrong in both its parts at once (STOKROECHNUNG) is
        // put right part by part.
        for (const QString &q : {QStringLiteral("LIEBE IST DAS LICHT DES LEBENS UND DIE EHE IST "
                                                "DIE STROMRECHNUNG."),
                                 QStringLiteral("DER TEICH KIPPT UM, DIE FISCHE UEBEN BEREITS "
                                                "RUECKENSCHWIMMEN.")})
            QCOMPARE(solver::Solve(Scramble(q)).plain, q);

        // German takes words from English, and reads them.
        const solver::WordModel &deShared = solver::WordModel::shared(solver::Language::German);
        QVERIFY(deShared.borrowed("support") && !deShared.borrowed("xqzt"));
        QVERIFY(!solver::WordModel::shared().borrowed("support"));
        for (const QString &q :
             {QStringLiteral("FAELLT DER SPEICHER AUS DEM TOWER, SIND DIE DATEN NICHT VON DAUER."),
              QStringLiteral("LETZTE WORTE EINES STUNTMAN: \"WIE JETZT? REALITY-TV?\"")})
            QCOMPARE(solver::Solve(Scramble(q)).plain, q);
        // A chat's nick and two names the list lacks (WEASEL, ICQ, IRC): the
        // reading that takes them as names keeps its place in the search. Only
        // the Q, which nothing but a name holds, may be read wrong.
        const QString chat = QStringLiteral("<WEASEL> ICQ IST NETT. IST SO DAS IRC DER ARMEN LEUTE");
        const QString read = solver::Solve(Scramble(chat)).plain;
        int wrong = 0;
        for (qsizetype i = 0; i < chat.size(); ++i)
            wrong += read[i] != chat[i];
        QVERIFY2(wrong <= 1, qPrintable(read));

        // Letters that read as no language have no level, not the hardest.
        QCOMPARE(solver::RateQuote(QStringLiteral("XQZV KWRP ZZQX VVKW PQRZ XKWV QQZP RKZX "
                                                  "VWPQ ZXKR"))
                     .level,
                 0);

        // A compound the list lacks reads from its parts, and a word
        // shortened with an apostrophe as the word, in German only.
        const std::string words = ToyWords({{"kosten", 5}, {"gruenden", 3}, {"verfall", 2},
                                            {"datum", 4}, {"gab", 3}, {"habe", 2}, {"waren", 2}});
        const solver::WordModel de(words, solver::Language::German), en(words);
        QVERIFY(de.knows("kostengruenden") && de.knows("verfallsdatum"));
        QVERIFY(!de.knows("kostenxyz") && !de.knows("datumx"));
        QVERIFY(!en.knows("kostengruenden") && en.knows("kosten"));
        QVERIFY(de.knows("gab's") && de.knows("hab'") && de.knows("war'n"));
        QVERIFY(!de.knows("gib's") && !de.knows("gab'x") && !en.knows("gab's"));
        QVERIFY(!de.loneLetterWord("a") && en.loneLetterWord("a"));
    }

    void patternWordsAreShapesOrLettersAsTheyStand() {
        auto words = [](const QString &pattern) {
            QProcess p;
            p.start(QStringLiteral(CIPHERLY_SOLVE_EXE), {QStringLiteral("--words"), pattern});
            p.waitForFinished(30000);
            return QString::fromLatin1(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        };
        const QStringList shape = words(QStringLiteral("ABCA"));
        QCOMPARE(shape.value(0), QStringLiteral("THAT")); // the commonest first
        for (const QString &w : shape)
            QVERIFY(w.size() == 4 && w[0] == w[3] && w[0] != w[1] && w[1] != w[2] && w[0] != w[2]);
        const QStringList possessive = words(QStringLiteral("?e?'s"));
        QVERIFY(possessive.contains(QStringLiteral("LET'S")) &&
                possessive.contains(QStringLiteral("MEN'S")));
        for (const QString &w : possessive) QVERIFY(w[1] == u'E' && w.endsWith(QLatin1String("'S")));
        QVERIFY(words(QStringLiteral("A1")).isEmpty());
    }

    void readsQuotesGivenWithoutWordBreaks() {
        const QString quote = QStringLiteral(
            "I am not myself free or human until or unless I recognize the freedom and "
            "humanity of all my fellow men.");
        const QString board = quotes::LettersInFives(quote);
        QCOMPARE(board.left(17), QStringLiteral("IAMNO TMYSE LFFRE")); // marks and breaks gone
        const solver::Solution s = solver::SolveUnbroken(Scramble(board));
        QCOMPARE(s.plain, board); // in the cipher's own layout
        QCOMPARE(s.words, QStringLiteral("I AM NOT MYSELF FREE OR HUMAN UNTIL OR UNLESS I "
                                         "RECOGNIZE THE FREEDOM AND HUMANITY OF ALL MY FELLOW MEN"));
        QVERIFY(s.reads);
        // No letters, or damaged letter data: nothing read, nothing made up.
        QCOMPARE(solver::SolveUnbroken(QStringLiteral("12 3")).plain, QStringLiteral("12 3"));
        QVERIFY(solver::LetterModel(std::string("CPL1")).empty());
        QCOMPARE(solver::WordsIn(QStringLiteral("THEQU ICKBR OWNFO X"), solver::WordModel::shared()),
                 QStringLiteral("THE QUICK BROWN FOX"));
    }

    void theCommandPrintsALineForEachCipherText() {
        QProcess p;
        p.start(QStringLiteral(CIPHERLY_SOLVE_EXE), {QStringLiteral("--explain")});
        QVERIFY(p.waitForStarted());
        const QString plain = QStringLiteral(
            "IT IS A TRUTH UNIVERSALLY ACKNOWLEDGED, THAT A SINGLE MAN IN POSSESSION OF A GOOD "
            "FORTUNE, MUST BE IN WANT OF A WIFE.");
        p.write(Scramble(plain).toLatin1() + "\n\nQQQQQ XXXXXXX\n");
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(30000));
        const QStringList lines = QString::fromLatin1(p.readAllStandardOutput()).split(u'\n');
        QCOMPARE(lines.size(), 4); // three lines and the end
        const QStringList first = lines[0].split(u'\t');
        QCOMPARE(first.size(), 4);
        QCOMPARE(first[0], plain);
        QVERIFY(first[1].toInt() >= 1 && first[1].toInt() <= 5);
        QVERIFY(first[3].contains(u'='));
        QCOMPARE(lines[1].split(u'\t').first(), QString()); // an empty line, solved as empty
        // Letters that read as nothing: no step is taught from them.
        QVERIFY2(lines[2].endsWith(QStringLiteral("\t(no step: the solution found does not read)")),
                 qPrintable(lines[2]));

        QProcess huge; // far beyond a quote, in a DOS line: told, not solved
        huge.start(QStringLiteral(CIPHERLY_SOLVE_EXE), {});
        QVERIFY(huge.waitForStarted());
        huge.write(QByteArray(10001, 'Q') + "\r\nABC\r\n");
        huge.closeWriteChannel();
        QVERIFY(huge.waitForFinished(30000));
        const QList<QByteArray> out = huge.readAllStandardOutput().split('\n');
        QCOMPARE(out[0], QByteArray(10001, '?') + "\t0\t0");
        QVERIFY(!out[1].contains('\r'));
        QVERIFY(huge.readAllStandardError().contains("line 1 is over 10000 characters"));

        QProcess device; // no text at all: refused, not read without end
        device.setStandardInputFile(QStringLiteral("/dev/zero"));
        device.start(QStringLiteral(CIPHERLY_SOLVE_EXE), {});
        QVERIFY(device.waitForFinished(30000));
        QCOMPARE(device.exitCode(), 1);

        for (const QStringList &args : {QStringList{QStringLiteral("--fast")},
                                        QStringList{QStringLiteral("--language"),
                                                    QStringLiteral("fr")}}) {
            QProcess bad;
            bad.start(QStringLiteral(CIPHERLY_SOLVE_EXE), args);
            QVERIFY(bad.waitForFinished(30000));
            QCOMPARE(bad.exitCode(), 2);
        }
    }
};

QTEST_GUILESS_MAIN(TestSolver)
#include "tst_solver.moc"
