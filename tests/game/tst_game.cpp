#include "DailyQuote.h"
#include "Difficulty.h"
#include "FreshChoice.h"
#include "GameFile.h"
#include "GameRecord.h"
#include "GameSession.h"
#include "KeptGames.h"
#include "Language.h"
#include "NoWordBreaks.h"
#include "PuzzleKind.h"
#include "SolveGame.h"
#include "WordModel.h"
#include "modStandard.h"
#include "modSupport.h"

#include <QLocale>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <random>

// The game without a window: its arithmetic, its file and the choice of a
// quote.
class TestGame : public QObject {
    Q_OBJECT
private slots:
    // English as the program speaks it, counted texts and all.
    void initTestCase() { language::Install(*qApp, {QStringLiteral("en")}); }

    void minutesAreShownAsThePatternSays() {
        QCOMPARE(SolveGame::minutesText(738), QStringLiteral("12.3"));
        QCOMPARE(SolveGame::minutesText(30), QStringLiteral(".5"));
        QCOMPARE(SolveGame::minutesText(120), QStringLiteral("2."));
        QCOMPARE(SolveGame::minutesText(3), QStringLiteral(".1")); // 0.05 rounds up
        QCOMPARE(SolveGame::minutesText(6003), QStringLiteral("100.1"));
        SolveGame g;
        g.start(QStringLiteral("  AB, C  "));
        QCOMPARE(g.SolveQuote(), QStringLiteral("AB, C"));
        QCOMPARE(g.SolveProgress(), QStringLiteral("··, ·"));
        const QDateTime t0(QDate(2026, 12, 8), QTime(10, 0, 0));
        g.startClock(t0);
        int draws = 0;
        QCOMPARE(
            g.takeHint(QStringLiteral("A·, C"), [&](int, int) { return ++draws == 1 ? 1 : 2; }), 1);
        QCOMPARE(draws, 2); // the first draw hit a placed letter and was drawn again
        QCOMPARE(g.congratulations(t0.addSecs(30)),
                 QStringLiteral("Congratulations!\r\nYou solved this scrambled quote\r\nin .5 "
                                "minutes, using 1 hints!"));
        QCOMPARE(g.takeHint(QStringLiteral("AX, C"), [](int, int) { return 1; }), -1);
        QCOMPARE(g.HintCount(), qint16(1));
    }

    void hintsFallInProportionToUnsolvedOccurrences() {
        SolveGame g;
        int a = 0, b = 0;
        const QString shown = QStringLiteral("···X·"); // positions 0,1,2 and 4 are open
        for (int i = 0; i < 4000; ++i) {
            const int at = g.takeHint(shown, [](int low, int high) {
                return int(modStandard::RandomBetween(qint16(low), qint16(high)));
            });
            QVERIFY(at != 3);
            (at < 3 ? a : b)++;
        }
        QVERIFY2(a > 2700 && a < 3300, qPrintable(QString::number(a))); // about three in four
    }

    void theChoiceFavoursWhatWasNotPlayed() {
        const QStringList quotes{QStringLiteral("FIRST QUOTE"), QStringLiteral("SECOND QUOTE"),
                                 QStringLiteral("THIRD QUOTE")};
        auto game = [](const QString &q, int minute) {
            stats::Game g;
            g.finished = QDateTime(QDate(2026, 12, 8), QTime(10, minute));
            g.quote = stats::QuoteHash(q);
            return g;
        };
        const auto first = [](int, int) { return 1; };
        // Never played comes first, whatever the draw; rows of the old form name no quote.
        stats::Game old = game(quotes[0], 1);
        old.quote.clear();
        QCOMPARE(play::ChooseFresh(quotes, {game(quotes[0], 5), old, game(quotes[1], 2)}, first),
                 3);
        // All played: the one whose last game is the oldest.
        QCOMPARE(play::ChooseFresh(quotes,
                                   {game(quotes[0], 1), game(quotes[1], 2), game(quotes[2], 3),
                                    game(quotes[0], 4)},
                                   first),
                 2);
        // The hash ignores case and runs of blanks.
        QCOMPARE(stats::QuoteHash(QStringLiteral("a  quote")), stats::QuoteHash("A QUOTE"));
        QCOMPARE(stats::QuoteHash(QStringLiteral("a quote")).size(), 8);
    }

    void aPuzzleHidesEveryLetter() {
        // A typed quote keeps its umlauts and accents in the list; its puzzle
        // shows none of them in clear, on screen or on paper.
        const QString typed = QStringLiteral("SCHÖNE GRÜßE AUS KÖLN, SAGT RENÉ: ÇA VA, ÆSOP?");
        const play::Puzzle p = play::WithWordBreaks().make(typed);
        QCOMPARE(p.board, QStringLiteral("SCHOENE GRUESSE AUS KOELN, SAGT RENE: CA VA, AESOP?"));
        QCOMPARE(p.enciphered.size(), p.board.size());
        for (qsizetype i = 0; i < p.board.size(); ++i) {
            QVERIFY(p.enciphered[i].unicode() < 0x80);
            QCOMPARE(p.enciphered[i].isLetter(), p.board[i].isLetter());
            if (p.board[i].isLetter()) QVERIFY(p.enciphered[i] != p.board[i]);
        }
        // An English quote is laid out as it stands.
        const QString plain = QStringLiteral("IT WAS THE BEST OF TIMES.");
        QCOMPARE(play::WithWordBreaks().make(plain).board, plain);
    }

    void todaysQuoteIsOneForEachDayAndTheSameForEveryone() {
        const QDate monday = play::FirstDailyDate();
        QCOMPARE(monday.dayOfWeek(), 1);
        QVERIFY(!play::DailyPuzzle(monday.addDays(-1)));
        using play::DailyLanguage;
        for (const DailyLanguage language : {DailyLanguage::English, DailyLanguage::German}) {
            const auto daily = [language](const QDate &d) {
                return play::DailyPuzzle(d, language);
            };
            // Two years and more without a quote twice.
            QSet<QString> quotes;
            for (int d = 0; d < play::DailyDays(); ++d)
                quotes.insert(daily(monday.addDays(d))->board);
            QVERIFY(play::DailyDays() >= 731);
            QCOMPARE(quotes.size(), play::DailyDays());
            // The same puzzle whenever asked; the next day another key.
            const QDate day(2027, 1, 15);
            const play::Puzzle p = *daily(day);
            QCOMPARE(daily(day)->enciphered, p.enciphered);
            QVERIFY(daily(day.addDays(1))->key != p.key);
            for (int i = 0; i < 26; ++i)
                QVERIFY(p.key[i] != QChar(u'A' + i)); // none for itself
            QCOMPARE(p.enciphered, cipher::EncipherWith(p.key, p.board));
            // Easier on Mondays than on Sundays, week after week, each read
            // in its own language.
            const solver::Language reads = language == DailyLanguage::German
                                               ? solver::Language::German
                                               : solver::Language::English;
            int monday1 = 0, sunday5 = 0;
            for (int week = 0; week < 8; ++week) {
                const solver::Rating easy = solver::RateQuote(
                    daily(monday.addDays(7 * week))->board, &solver::WordModel::shared(reads));
                monday1 += easy.level;
                sunday5 += solver::RateQuote(daily(monday.addDays(7 * week + 6))->board,
                                             &solver::WordModel::shared(reads))
                               .level;
                QCOMPARE(solver::RateQuote(daily(monday.addDays(7 * week))->board).language, reads);
            }
            QCOMPARE(monday1, 8);
            QCOMPARE(sunday5, 40);
        }
        // A game that speaks German gets the German day; the days differ.
        const QDate day(2027, 1, 15);
        QVERIFY(play::DailyPuzzle(day, DailyLanguage::German)->board !=
                play::DailyPuzzle(day, DailyLanguage::English)->board);
        QCOMPARE(play::DailyPuzzle(day)->board,
                 play::DailyPuzzle(day, DailyLanguage::English)->board);
        const QLocale was;
        QLocale::setDefault(QLocale(QLocale::German));
        const QString german = play::DailyPuzzle(day)->board;
        QLocale::setDefault(was);
        QCOMPARE(german, play::DailyPuzzle(day, DailyLanguage::German)->board);
        // A German day kept is read back as the day's game, in either language.
        const play::KeptGame kept = KeptDaily(day, DailyLanguage::German);
        QCOMPARE(play::ParseGameFile(play::FormatGameFile(kept), QDateTime(day, QTime(22, 0)))->day,
                 day);
        QCOMPARE(play::DayName(day), QStringLiteral("2027-01-15"));
        QCOMPARE(play::DayOf(QStringLiteral("2027-01-15")), day);
        QVERIFY(!play::DayOf(QStringLiteral("15.01.2027")).isValid());
    }

    void aWholeGameThroughTheSession() {
        // A clock the test moves; a quote enciphered one letter on.
        QDateTime t(QDate(2026, 12, 9), QTime(9, 0, 0));
        GameSession session;
        session.now = [&] { return t; };
        QSignalSpy started(&session, &GameSession::started),
            changed(&session, &GameSession::changed), ended(&session, &GameSession::ended);
        const QString key = QStringLiteral("BCDEFGHIJKLMNOPQRSTUVWXYZA");
        session.start(QStringLiteral("AN APPLE A DAY"), QStringLiteral("BO BQQMF B EBZ"), key);
        QCOMPARE(started.size(), 1);
        session.placePair(QStringLiteral("B"), QStringLiteral("A"));
        session.placePair(QStringLiteral("Q"), QStringLiteral("X")); // a wrong pair
        QCOMPARE(session.game().shown(), QStringLiteral("A· AXX·· A ·A·"));
        QVERIFY(session.undo());
        QCOMPARE(session.game().shown(), QStringLiteral("A· A···· A ·A·"));
        QVERIFY(session.redo() && session.undo());
        QVERIFY(session.hint([](int, int) { return 2; }) == 1); // the N
        QCOMPARE(changed.size(), 6);
        // Kept after five minutes, and back after a break of an hour: the
        // time goes on from five minutes, the key and the history come back.
        t = t.addSecs(300);
        const std::optional<play::KeptGame> kept =
            play::ParseGameFile(play::FormatGameFile(session.kept()));
        QVERIFY(kept);
        QCOMPARE(kept->seconds, qint64(300));
        QCOMPARE(kept->key, key);
        t = t.addSecs(3600);
        GameSession later;
        later.now = [&] { return t; };
        later.restore(*kept);
        later.resume();
        QCOMPARE(later.game().shown(), QStringLiteral("AN A···· A ·A·"));
        QCOMPARE(later.game().HintCount(), qint16(1));
        QVERIFY(later.undo()); // the pair before the break, not the hint
        QCOMPARE(later.game().shown(), QStringLiteral("·N ····· · ···"));
        QCOMPARE(later.began(), QDateTime(QDate(2026, 12, 9), QTime(9, 0, 0)));
        later.solve();
        QVERIFY(later.game().isOver());
        QSignalSpy laterEnded(&later, &GameSession::ended);
        t = t.addSecs(60);
        QVERIFY(later.end(later.game().outcome()));
        QVERIFY(!later.end(SolveGame::Outcome::Abandoned)); // told once
        QCOMPARE(laterEnded.size(), 1);
        QCOMPARE(laterEnded[0][0].value<SolveGame::Outcome>(), SolveGame::Outcome::Shown);
        QCOMPARE(later.game().SolveStartTime().secsTo(later.game().EndTime()), qint64(360));
        QCOMPARE(ended.size(), 0);
    }

    void givenLettersAndTeachingHints() {
        const QString key = QStringLiteral("BCDEFGHIJKLMNOPQRSTUVWXYZA"); // each letter the next
        const QString quote = QStringLiteral("AN APPLE A DAY"), enciphered = "BO BQQMF B EBZ";
        GameSession session;
        session.now = [] { return QDateTime(QDate(2026, 12, 9), QTime(9, 0, 0)); };
        // A medium game starts with its two commonest scrambled letters given.
        session.start(quote, enciphered, key, play::Level::Medium);
        QCOMPARE(session.game().shown(), QStringLiteral("A· APP·· A ·A·"));
        QCOMPARE(session.game().HintCount(), qint16(0));
        session.placePair(QStringLiteral("O"), QStringLiteral("N"));
        QVERIFY(session.undo()); // the player's pair, not what was given
        QVERIFY(!session.undo());
        QCOMPARE(session.game().shown(), QStringLiteral("A· APP·· A ·A·"));
        session.countHint(); // a step explained: no letter, one hint
        QCOMPARE(session.game().HintCount(), qint16(1));
        // An expert game gives nothing, and Hint gives no letter.
        session.start(quote, enciphered, key, play::Level::Expert);
        QCOMPARE(session.game().shown(), QStringLiteral("·· ····· · ···"));
        QCOMPARE(session.hint([](int, int) { return 2; }), -1);
        QCOMPARE(session.game().HintCount(), qint16(0));
        // Kept and restored, an expert game is one still; the file of any
        // other game is as it always was.
        const QByteArray file = play::FormatGameFile(session.kept());
        QVERIFY(file.contains("letterhints=no\n"));
        const std::optional<play::KeptGame> parsed = play::ParseGameFile(file);
        QVERIFY(parsed);
        GameSession later;
        later.restore(*parsed);
        QVERIFY(!later.hintsGiveLetters());
        session.start(quote, enciphered, key);
        QVERIFY(session.hintsGiveLetters()); // every new game gives them again
        QVERIFY(!play::FormatGameFile(session.kept()).contains("letterhints"));
    }

    void timePausedCountsNowhere() {
        QDateTime t(QDate(2026, 12, 9), QTime(9, 0, 0));
        GameSession session;
        session.now = [&] { return t; };
        QSignalSpy toggled(&session, &GameSession::pausedChanged);
        session.start(QStringLiteral("AN APPLE A DAY"), QStringLiteral("BO BQQMF B EBZ"));
        t = t.addSecs(60);
        session.pause();
        t = t.addSecs(600); // ten minutes away
        QCOMPARE(session.seconds(), qint64(60));
        QCOMPARE(session.kept().seconds, qint64(60)); // kept while paused: the minute played
        session.placePair(QStringLiteral("B"), QStringLiteral("A")); // back: a move ends the pause
        QVERIFY(!session.paused());
        t = t.addSecs(30);
        QCOMPARE(session.seconds(), qint64(90));
        session.pause();
        t = t.addSecs(300);
        QVERIFY(session.end(SolveGame::Outcome::Abandoned)); // ended while away
        QCOMPARE(session.game().SolveStartTime().secsTo(session.game().EndTime()), qint64(90));
        QCOMPARE(toggled.size(), 4);
        session.pause(); // nothing to pause once it ended
        QVERIFY(!session.paused());
    }

    void eachQuotesHistoryFromTheRecord() {
        const QDateTime t(QDate(2026, 12, 9), QTime(9, 0, 0));
        const QString a = QStringLiteral("AN APPLE A DAY"), b = QStringLiteral("ANOTHER ONE");
        using O = stats::Outcome;
        const QList<stats::Game> games = {
            stats::PlayedGame(t, 300, 0, O::Solved, a), stats::PlayedGame(t, 90, 1, O::Solved, a),
            stats::PlayedGame(t, 60, 0, O::Shown, a), stats::PlayedGame(t, 10, 0, O::Abandoned, b)};
        play::QuoteHistories h;
        play::FoldHistories(h, games, 0);
        const play::QuoteHistory ha = h.value(play::HashOfQuote(QStringLiteral("an  apple a day")));
        QCOMPARE(ha.played, 3);
        QCOMPARE(ha.solved, 2);
        QCOMPARE(ha.bestSeconds, qint64(90)); // a game shown is no best time
        QCOMPARE(h.value(play::HashOfQuote(b)).solved, 0);
        QCOMPARE(h.value(play::HashOfQuote(QStringLiteral("NEVER"))).played, 0);
    }

    void theGameFileKeepsAGameAndRefusesOnesThatCouldNotBe() {
        // A state written is read back as it was.
        play::KeptGame s = AppleADay(QStringLiteral("A· A···· A ·A·, A· ···· ·A·"));
        const std::optional<play::KeptGame> back = play::ParseGameFile(play::FormatGameFile(s));
        QVERIFY(back);
        QCOMPARE(back->progress, s.progress);
        QCOMPARE(back->pairsPlaced(), 1); // six places, one pair
        // A game kept before pairs could be taken back loads, with none to take back.
        s.done = QStringLiteral("0,3,9,12,16,25:\u00B7\u00B7\u00B7\u00B7\u00B7\u00B7:AAAAAA");
        QByteArray old = play::FormatGameFile(s);
        QCOMPARE(play::ParseGameFile(old)->done, s.done);
        old.replace("done=" + s.done.toUtf8() + "\nundone=\n", "");
        QVERIFY(play::ParseGameFile(old));
        QVERIFY(play::ParseGameFile(old)->done.isEmpty());
        SolveGame g;
        g.restore(s.quote, s.enciphered, s.progress, s.hints);
        QVERIFY(g.restoreHistory(s.done, {}));
        QVERIFY(g.undo());
        QCOMPARE(g.SolveProgress().count(QLatin1Char('A')), 0);
        // A history that does not belong to the game is left out, the game kept.
        QVERIFY(!g.restoreHistory(QStringLiteral("0,99:AB:CD"), {}));
        QVERIFY(!g.restoreHistory(QStringLiteral("2:A:B"), {})); // a blank's place
        QVERIFY(!g.canUndo());
        s.enciphered[0] = QLatin1Char('C'); // a key and a cipher that do not agree
        QVERIFY(!play::ParseGameFile(play::FormatGameFile(s)));
        s.enciphered[0] = QLatin1Char('B');
        // Kept games that could not have been: hints past what a game can
        // take (65,537 is not 1), a quote complete but not ended, a quote with
        // no letters.
        QVERIFY(play::ParseGameFile(play::FormatGameFile(s)));
        QVERIFY(!play::ParseGameFile(play::FormatGameFile(s).replace("hints=2", "hints=65537")));
        play::KeptGame complete = s;
        complete.progress = s.quote;
        QVERIFY(!play::ParseGameFile(play::FormatGameFile(complete)));
        // A full board with a wrong letter plays on after a break.
        play::KeptGame full = complete;
        full.progress.replace(u'Y', u'Q');
        QVERIFY(play::ParseGameFile(play::FormatGameFile(full)));
        // An end that does not fit the board, or dates out of order or to come.
        full.ended = full.started.addSecs(60);
        full.outcome = SolveGame::Outcome::Solved;
        QVERIFY(!play::ParseGameFile(play::FormatGameFile(full)));
        full.outcome = SolveGame::Outcome::Shown;
        QVERIFY(play::ParseGameFile(play::FormatGameFile(full)));
        for (const QDateTime &ended :
             {full.started.addSecs(-60), QDateTime(QDate(2099, 1, 1), {})}) {
            full.ended = ended;
            QVERIFY(!play::ParseGameFile(play::FormatGameFile(full)));
        }
        // A history replayed against the board: take-backs that would write
        // the answer, or step from letters the board does not hold, go.
        const QString ys = QStringLiteral("13,22,26:YYY:QQQ"), wrong = QStringLiteral("1:N:X");
        SolveGame played;
        played.restore(s.quote, s.enciphered, complete.progress.replace(u'Y', u'Q'), 0);
        QVERIFY(!played.restoreHistory(ys, {}) && !played.canUndo());
        QVERIFY(!played.restoreHistory(wrong + QLatin1Char(';') + ys, {}) && !played.canUndo());
        QVERIFY(played.restoreHistory({}, QStringLiteral("13,22,26:QQQ:XXX")) && played.canRedo());
        play::KeptGame noLetters = s;
        noLetters.quote = noLetters.enciphered = noLetters.progress = QStringLiteral("... !!! ...");
        QVERIFY(!play::ParseGameFile(play::FormatGameFile(noLetters)));
    }

    void aHintAimedAtALetterGivesThatLetter() {
        GameSession session;
        const QString key = QStringLiteral("BCDEFGHIJKLMNOPQRSTUVWXYZA");
        session.start(QStringLiteral("AN APPLE A DAY"), QStringLiteral("BO BQQMF B EBZ"), key);
        int drawn = 0; // the draw walks the places from the first
        const auto first = [&drawn](int low, int high) { return low + drawn++ % (high - low + 1); };
        // Aimed at Q (the P): every P, counted as a hint; a wrong letter is mended.
        session.placePair(QStringLiteral("Q"), QStringLiteral("X"));
        QCOMPARE(session.hint(first, u'Q'), 4);
        QCOMPARE(session.game().shown(), QStringLiteral("·· ·PP·· · ···"));
        QCOMPARE(session.game().HintCount(), qint16(1));
        // A letter placed right already, or none of the quote's: the draw's.
        QCOMPARE(session.hint(first, u'Q'), 0);
        QCOMPARE(session.game().shown(), QStringLiteral("A· APP·· A ·A·"));
        QCOMPARE(session.hint(first, u'W'), 1);
        QCOMPARE(session.game().HintCount(), qint16(3));
    }

    void whatTheGameKeepsItReadsBack() {
        // A letter changed 1,800 times on a long quote: the history keeps the
        // newest pairs, and the kept game always fits what is read back.
        QString quote;
        while (quote.size() < 190) quote += QStringLiteral("A BAD CAB AND A DAB ");
        quote = quote.trimmed();
        const QString key = QStringLiteral("BCDEFGHIJKLMNOPQRSTUVWXYZA");
        GameSession session;
        session.start(quote, cipher::EncipherWith(key, quote), key);
        for (int i = 0; i < 1800; ++i)
            session.placePair(QStringLiteral("B"), i % 2 ? QStringLiteral("A") : QStringLiteral("E"));
        const QByteArray file = play::FormatGameFile(session.kept());
        QVERIFY2(file.size() < play::KeptFileLimit, QByteArray::number(file.size()));
        const std::optional<play::KeptGame> back = play::ParseGameFile(file);
        QVERIFY(back);
        QVERIFY(back->done.toUtf8().size() <= SolveGame::HistoryBytes);
        SolveGame g;
        g.restore(back->quote, back->enciphered, back->progress, back->hints);
        QVERIFY(g.restoreHistory(back->done, back->undone));
        int steps = 0;
        while (g.undo()) ++steps;
        QVERIFY2(steps > 50, QByteArray::number(steps)); // a long way back all the same
        QCOMPARE(steps, int(back->done.count(u';')) + 1);
    }

    void aKeptGameNamesOnlyWhatItCanBe() {
        // Letters in fives only on a board laid out so; a kind the game does
        // not know is played as the design's.
        play::KeptGame s = AppleADay(QStringLiteral("A· A···· A ·A·, A· ···· ·A·"));
        s.kind = play::WithoutWordBreaks().id();
        QVERIFY(!play::ParseGameFile(play::FormatGameFile(s)));
        s.kind = QStringLiteral("K9");
        QVERIFY(play::ParseGameFile(play::FormatGameFile(s))->kind.isEmpty());
        s.kind.clear();
        // A day only for the day's own puzzle, begun on it or later.
        const QDate day(2026, 12, 8);
        const play::KeptGame daily = KeptDaily(day);
        const QDateTime now(QDate(2026, 12, 10), QTime(9, 0));
        QCOMPARE(play::ParseGameFile(play::FormatGameFile(daily), now)->day, day);
        for (const QDate &other : {day.addDays(1), QDate(2020, 1, 1), QDate(2027, 6, 1)}) {
            play::KeptGame crafted = daily;
            crafted.day = other;
            const std::optional<play::KeptGame> read =
                play::ParseGameFile(play::FormatGameFile(crafted), now);
            QVERIFY(read); // the game stays, as a game of no day
            QVERIFY2(!read->day.isValid(), qPrintable(other.toString()));
        }
        s.day = day; // a board that is not the day's
        QVERIFY(!play::ParseGameFile(play::FormatGameFile(s), now)->day.isValid());
    }

    void craftedGameFilesAreRefusedOrKeptAsTheyRead() {
        // Kept games crafted from a sound one (bytes changed, lines lost or
        // doubled, values no game writes): each is refused, or played and
        // kept again as a file the game reads back, the same game.
        const QDateTime now(QDate(2026, 12, 10), QTime(9, 0));
        play::KeptGame sound = KeptDaily(QDate(2026, 12, 8));
        sound.pencil = QString(sound.key[0]) + u'A';
        const QByteArray good = play::FormatGameFile(sound);
        QVERIFY(play::ParseGameFile(good, now));
        const QList<QByteArray> values = {"", "-1", "0", "99999999999999999999", "65536", "\x01\x7f",
                                          "\xff\xfe", "2099-01-01T00:00:00", "2020-02-30", "fives",
                                          "words", "AB CD", "AA", "0,1:\xc2\xb7:A",
                                          QByteArray(70000, 'A'), "no", "solved"};
        std::mt19937 random(58);
        const auto any = [&](qsizetype n) {
            return qsizetype(std::uniform_int_distribution<qsizetype>(0, qMax<qsizetype>(0, n - 1))(random));
        };
        int kept = 0;
        for (int round = 0; round < 3000; ++round) {
            QList<QByteArray> lines = good.split('\n');
            for (int edit = 0, edits = 1 + int(any(4)); edit < edits; ++edit) {
                QByteArray &line = lines[any(lines.size())];
                switch (any(4)) {
                case 0: // a byte changed
                    if (!line.isEmpty()) line[any(line.size())] = char(any(256));
                    break;
                case 1: // a value no game writes
                    line = line.left(line.indexOf('=') + 1) + values[any(values.size())];
                    break;
                case 2: // a line lost
                    lines.removeAt(any(lines.size()));
                    break;
                default: // a line twice
                    lines.insert(any(lines.size()), lines[any(lines.size())]);
                }
                if (lines.isEmpty()) lines << QByteArray();
            }
            const std::optional<play::KeptGame> crafted = play::ParseGameFile(lines.join('\n'), now);
            if (!crafted) continue;
            ++kept;
            GameSession session;
            session.now = [&] { return now; };
            session.restore(*crafted);
            const QByteArray again = play::FormatGameFile(session.kept());
            QVERIFY(again.size() < play::KeptFileLimit);
            const std::optional<play::KeptGame> back = play::ParseGameFile(again, now);
            QVERIFY2(back, again.left(400).constData());
            QCOMPARE(back->quote, crafted->quote);
            QCOMPARE(back->progress, crafted->progress);
            QCOMPARE(back->day, crafted->day);
            QCOMPARE(back->kind, crafted->kind);
            QCOMPARE(play::FormatGameFile(*back), again);
        }
        QVERIFY2(kept > 300, QByteArray::number(kept)); // many were played, not only refused
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
