// The record of finished games, its figures and the statistics window.
#include "DailyDays.h"
#include "Figures.h"
#include "GameRecord.h"
#include "GamesChart.h"
#include "HelpTopic.h"
#include "RecordingOpacity.h"
#include "RecordingSystem.h"
#include "ScriptedDialogs.h"
#include "Settings.h"
#include "TempFolder.h"
#include "frmStatistics.h"

#include <QApplication>
#include <QChartView>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QPointer>
#include <QScatterSeries>
#include <QTest>
#include <QValueAxis>

#include <csignal>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace stats;

namespace {

// The legend's labels as the chart draws them, shown and laid out: a label
// cut short reads "abando...".
QStringList legendAsDrawn(GamesChart &chart) {
    chart.show();
    QApplication::processEvents();
    chart.grab();
    QMap<qreal, QString> byPlace; // left to right
    for (QGraphicsItem *i : chart.scene()->items())
        if (auto *t = dynamic_cast<QGraphicsTextItem *>(i);
            t && t->isVisible() && chart.chart()->legend()->isAncestorOf(t))
            byPlace.insert(t->sceneBoundingRect().x(), t->toPlainText());
    return byPlace.values();
}

Game game(Outcome o, qint64 seconds = 60, int hints = 0, int minute = 0) {
    Game g;
    g.finished = QDateTime(QDate(2026, 12, 8), QTime(10, minute, 0));
    g.seconds = seconds;
    g.hints = hints;
    g.outcome = o;
    g.length = 117;
    return g;
}

QByteArray recordBytes() {
    QFile f(RecordPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestStats : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> folder;
    RecordingOpacity opacity;

private slots:
    void init() {
        folder = std::make_unique<TempFolder>();
        SetRecordPath(folder->file(QStringLiteral("data/Cipherly/games.csv")));
        opacity.canFade = false;
        opacity.applied.clear();
        modFadeInOut::setOpacityControl(&opacity);
    }
    void cleanup() {
        modFadeInOut::setOpacityControl(nullptr);
        SetRecordPath({});
        folder.reset();
    }

    // ---- The record ----------------------------------------------------------

    void everyOutcomeIsOneRowUnderTheHeader() {
        QVERIFY(AppendGame(game(Outcome::Solved, 738, 2, 1)).isEmpty());
        QVERIFY(AppendGame(game(Outcome::Shown, 95, 0, 2)).isEmpty());
        QVERIFY(AppendGame(game(Outcome::Abandoned, 12, 1, 3)).isEmpty());
        QCOMPARE(recordBytes(), QByteArray("finished,seconds,hints,outcome,length,quote\n"
                                           "2026-12-08T10:01:00,738,2,solved,117\n"
                                           "2026-12-08T10:02:00,95,0,shown,117\n"
                                           "2026-12-08T10:03:00,12,1,abandoned,117\n"));
        QCOMPARE(ReadGames(),
                 QList<Game>({game(Outcome::Solved, 738, 2, 1), game(Outcome::Shown, 95, 0, 2),
                              game(Outcome::Abandoned, 12, 1, 3)}));
    }

    void damagedAndForeignRowsAreSkipped() {
        QDir().mkpath(QFileInfo(RecordPath()).absolutePath());
        QFile f(RecordPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("finished,seconds,hints,outcome,length\n"
                "2026-12-08T10:01:00,738,2,solved,117\n"
                "not a row at all\n"
                "2026-12-08T10:02:00,95,0,given-up,117\n" // an outcome of someone else's
                "2026-12-08T10:03:00,-5,0,shown,117\n"
                "2026-13-08T10:03:00,5,0,shown,117\n"
                "2026-12-08T10:04:00,40,0,shown,117,extra\n"
                "2026-12-08T10:05:00,40,0,sh"); // cut short by a power cut
        f.close();
        int skipped = 0;
        QCOMPARE(ReadGames(&skipped), QList<Game>({game(Outcome::Solved, 738, 2, 1)}));
        QCOMPARE(skipped, 6);
        // A row appended after a row cut short stands on a line of its own.
        QVERIFY(AppendGame(game(Outcome::Abandoned, 7, 0, 9)).isEmpty());
        QCOMPARE(ReadGames().size(), 2);
        QCOMPARE(ReadGames().last(), game(Outcome::Abandoned, 7, 0, 9));
    }

    void aFolderThatCannotBeWrittenSaysWhy() {
        QFile blocker(folder->file(QStringLiteral("blocked")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SetRecordPath(folder->file(QStringLiteral("blocked/Cipherly/games.csv")));
        const QString reason = AppendGame(game(Outcome::Solved));
        QVERIFY(!reason.isEmpty());
        QVERIFY(ReadGames().isEmpty());
    }

    void aKillWhileARowIsWrittenLeavesWholeRows() {
        // A child appends games as fast as it can and is killed at a random
        // moment once it is under way, again and again: every row read back
        // is whole. Each round waits for the child's first row of that round
        // itself, so the kills fall among writes however slow the disk is.
        std::mt19937 random(12345);
        qint64 before = 0;
        for (int round = 0; round < 60; ++round) {
            const pid_t child = fork();
            if (child == 0) {
                for (int i = 0;; ++i)
                    AppendGame(
                        game(i % 3 == 0 ? Outcome::Solved : Outcome::Shown, i, i % 4, i % 60));
            }
            const bool underWay =
                QTest::qWaitFor([&] { return QFileInfo(RecordPath()).size() > before; }, WaitLimit);
            usleep(useconds_t(std::uniform_int_distribution<int>(0, 2000)(random)));
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            QVERIFY2(underWay, "the child wrote no row");
            before = QFileInfo(RecordPath()).size();
        }
        int skipped = -1;
        QVERIFY(ReadGames(&skipped).size() >= 60); // a row in each round at least
        QCOMPARE(skipped, 0);
        QVERIFY(recordBytes().endsWith('\n'));
    }

    void theRecordIsKeptAndFollowsItsFile() {
        // Read once; what the game adds is kept too; what another hand adds
        // or replaces is read again.
        for (int i = 0; i < 3; ++i)
            QVERIFY(AppendGame(game(Outcome::Solved, 60 + i, 0, i)).isEmpty());
        QCOMPARE(ReadGames().size(), 3);
        QVERIFY(AppendGame(game(Outcome::Shown, 99, 1, 3)).isEmpty());
        QCOMPARE(ReadGames().last(), game(Outcome::Shown, 99, 1, 3));
        {
            QFile f(RecordPath());
            QVERIFY(f.open(QIODevice::Append));
            f.write("2026-12-08T10:04:00,5,0,abandoned,117\nnot a row\n");
        }
        int skipped = 0;
        QList<Game> games = ReadGames(&skipped);
        QCOMPARE(games.size(), 5);
        QCOMPARE(games.last(), game(Outcome::Abandoned, 5, 0, 4));
        QCOMPARE(skipped, 1);
        QCOMPARE(ReadGames().size(), 5); // unchanged: the same
        // Replaced by a file of the same length: read anew, not kept.
        const QByteArray old = recordBytes();
        QFile::remove(RecordPath());
        {
            QFile f(RecordPath());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(old).replace("solved", "shown "));
        }
        games = ReadGames(&skipped);
        QCOMPARE(games.size(), 2); // "shown " with a blank is no outcome
        QVERIFY(ResetRecord().isEmpty());
        QVERIFY(ReadGames().isEmpty());
    }

    void rowsOutsideWhatAGameCanBeAreSkipped() {
        QDir().mkpath(QFileInfo(RecordPath()).absolutePath());
        QFile f(RecordPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray later =
            QDateTime::currentDateTime().addDays(2).toString(Qt::ISODate).toLatin1();
        f.write("finished,seconds,hints,outcome,length,quote\n"
                "2026-12-08T10:01:00,9223372036854775807,0,solved,117\n"
                "2026-12-08T10:01:00,31536001,0,solved,117\n"
                "2026-12-08T10:01:00,31536000,200,solved,117\n" // a year and 200 hints: the most
                "2026-12-08T10:01:00,60,201,solved,117\n"
                "2026-12-08T10:01:00,60,0,solved,0\n"
                "2026-12-08T10:01:00,60,0,solved,201\n" +
                later + ",60,0,solved,117\n");
        f.close();
        int skipped = 0;
        const QList<Game> games = ReadGames(&skipped);
        QCOMPARE(skipped, 6);
        QCOMPARE(games.size(), 1);
        QCOMPARE(games[0].seconds, MaxSeconds);
        // The figures of many such games stay what they are.
        const Figures fig = FiguresOf(QList<Game>(100000, games[0]));
        QCOMPARE(*fig.averageSeconds, MaxSeconds);
        QCOMPARE(*fig.hintsPerSolved, 200.0);
    }

    void aRecordThatIsNotAFileIsToldWithoutWaiting() {
        QDir().mkpath(QFileInfo(RecordPath()).absolutePath());
        QCOMPARE(::mkfifo(QFile::encodeName(RecordPath()).constData(), 0600), 0);
        QString problem;
        QVERIFY(ReadGames(nullptr, &problem).isEmpty());
        QCOMPARE(problem, QStringLiteral("It is a pipe, not a file"));
        QCOMPARE(AppendGame(game(Outcome::Solved)), QStringLiteral("It is not a regular file"));
        QVERIFY(!ResetRecord().isEmpty());
    }

    void aFailedAppendLeavesNoPartOfTheRow() {
        QVERIFY(AppendGame(game(Outcome::Solved, 738, 2, 1)).isEmpty());
        const QByteArray before = recordBytes();
        {
            // The disk takes 9 bytes of the row, then is full.
            RecordingSystem rec;
            rec.mostPerWrite = 9;
            int writes = 0;
            rec.failWith = [&](const RecordingSystem::Call &c) {
                return c.name == QLatin1String("pwrite") && ++writes == 2 ? ENOSPC : 0;
            };
            QCOMPARE(AppendGame(game(Outcome::Shown, 95, 0, 2)),
                     QStringLiteral("No space left on device"));
        }
        QCOMPARE(recordBytes(), before);
    }

    void aResetThroughALinkWritesOnlyOverARecord() {
        QDir().mkpath(QFileInfo(RecordPath()).absolutePath());
        const QString other = folder->file(QStringLiteral("notes.txt"));
        QFile notes(other);
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("the player's own notes\n");
        notes.close();
        QVERIFY(QFile::link(other, RecordPath()));
        const QString why = ResetRecord();
        QVERIFY(why.contains(QStringLiteral("not a record of games")));
        QVERIFY(notes.open(QIODevice::ReadOnly));
        QCOMPARE(notes.readAll(), QByteArray("the player's own notes\n"));
        notes.close();
        // A link to a real record (kept on another disk, say) is reset through.
        QVERIFY(QFile::remove(RecordPath()));
        const QString kept = folder->file(QStringLiteral("kept.csv"));
        SetRecordPath(kept);
        QVERIFY(AppendGame(game(Outcome::Solved)).isEmpty());
        SetRecordPath(folder->file(QStringLiteral("data/Cipherly/games.csv")));
        QVERIFY(QFile::link(kept, RecordPath()));
        QVERIFY(ResetRecord().isEmpty());
        QVERIFY(QFileInfo(RecordPath()).isSymLink());
        QCOMPARE(recordBytes(), QByteArray("finished,seconds,hints,outcome,length,quote\n"));
    }

    void resettingKeepsOnlyTheHeader() {
        QVERIFY(AppendGame(game(Outcome::Solved)).isEmpty());
        QVERIFY(ResetRecord().isEmpty());
        QCOMPARE(recordBytes(), QByteArray("finished,seconds,hints,outcome,length,quote\n"));
        QVERIFY(ReadGames().isEmpty());
    }

    // ---- The figures -----------------------------------------------------------

    void streaksEndAtAGameShownOrAbandoned() {
        const QList<Game> games = {
            game(Outcome::Solved, 120, 1), game(Outcome::Solved, 60, 0),
            game(Outcome::Shown, 300),     game(Outcome::Solved, 90, 2),
            game(Outcome::Solved, 30, 0),  game(Outcome::Solved, 600, 3),
            game(Outcome::Abandoned, 5),   game(Outcome::Solved, 45, 1),
        };
        const Figures f = FiguresOf(games);
        QCOMPARE(f.played, 8);
        QCOMPARE(f.solved, 6);
        QCOMPARE(f.shown, 1);
        QCOMPARE(f.abandoned, 1);
        QCOMPARE(f.bestStreak, 3);
        QCOMPARE(f.currentStreak, 1);
        QCOMPARE(*f.bestSeconds, qint64(30));
        QCOMPARE(*f.averageSeconds,
                 qint64((120 + 60 + 90 + 30 + 600 + 45 + 3) / 6)); // 157.5 -> 158
        QCOMPARE(*f.hintsPerSolved, 7.0 / 6);
        QCOMPARE(f.recent.size(), 8); // the abandoned game is a point on the chart too
        QVERIFY(!FiguresOf({game(Outcome::Shown)}).averageSeconds);
        QCOMPARE(FiguresOf({}).currentStreak, 0);
    }

    void daysInARowCountTheDaysQuoteSolvedOnItsDay() {
        // A game of the day: its day (counted from the 7th of December 2026,
        // the first day with a quote of the day), solved on it (or not, or later).
        auto daily = [](int day, Outcome o = Outcome::Solved, int late = 0) {
            Game g = game(o);
            g.day = QDate(2026, 12, 6).addDays(day);
            g.finished = QDateTime(g.day.addDays(late), QTime(20, 0), Qt::UTC);
            g.quote = QStringLiteral("0123abcd");
            return g;
        };
        const QDate twelfth = QDate(2026, 12, 6).addDays(12);
        const QList<Game> games = {daily(1), daily(2),  daily(3), daily(3), // twice, one day
                                   daily(5), daily(6, Outcome::Shown),
                                   daily(7, Outcome::Solved, 2),            // solved later
                                   daily(10), daily(11), game(Outcome::Solved)};
        const Figures f = FiguresOf(games, twelfth);
        QCOMPARE(f.bestDays, 3);
        QCOMPARE(f.currentDays, 2); // 10 and 11: today's still to come
        QCOMPARE(FiguresOf(games, twelfth.addDays(-1)).currentDays, 2);
        QCOMPARE(FiguresOf(games, twelfth.addDays(1)).currentDays, 0);
        // Each day's state, as the calendar shows it, and the game that solved it.
        QList<Game> days = games;
        days << daily(6, Outcome::Solved, 1) << daily(7, Outcome::Abandoned)
             << daily(10, Outcome::Solved, 3);
        days[2].seconds = 77;
        const QHash<QDate, DayResult> states = DaysOf(days);
        auto state = [&](int day) { return DayOf(days, QDate(2026, 12, 6).addDays(day)).state; };
        for (int day : {1, 3, 5, 10, 11}) QCOMPARE(state(day), DayState::SolvedOnDay);
        for (int day : {6, 7}) QCOMPARE(state(day), DayState::SolvedLater);
        for (int day : {4, 8, 12}) QCOMPARE(state(day), DayState::NotPlayed);
        QCOMPARE(DaysOf({daily(8, Outcome::Shown)}).value(daily(8).day).state, DayState::Started);
        QCOMPARE(states.size(), 8);
        for (auto it = states.cbegin(); it != states.cend(); ++it)
            QCOMPARE(it->state, DayOf(days, it.key()).state);
        QCOMPARE(DayOf(days, daily(3).day).solved->seconds, 77); // the first that solved it
        QCOMPARE(DayOf(days, daily(6).day).solved->finished.date(), daily(7).day);
        // Days that had no quote of the day count for nothing: before the
        // first (however many), and still to come.
        QList<Game> crafted = games;
        for (int before = 0; before < 30; ++before) crafted << daily(-before);
        for (int later = 13; later < 21; ++later) crafted << daily(later);
        const Figures c = FiguresOf(crafted, twelfth);
        QCOMPARE(c.bestDays, 3);
        QCOMPARE(c.currentDays, 2);
        // The day is kept in the record, and a row without it is read as ever.
        QVERIFY(AppendGame(daily(5)).isEmpty());
        QVERIFY(AppendGame(game(Outcome::Solved)).isEmpty());
        QVERIFY(recordBytes().contains(",0123abcd,2026-12-11\n"));
        QCOMPARE(ReadGames(), QList<Game>({daily(5), game(Outcome::Solved)}));
        QVERIFY(!GameOf(QStringLiteral("2026-11-05T20:00:00,60,0,solved,117,0123abcd,2026-02-30"),
                        QDateTime(QDate(2026, 12, 1), QTime())));
    }

    void craftedRowsAreSkippedOrReadAsTheyAreWritten() {
        // Rows crafted from sound ones (bytes changed, columns lost, values
        // no game writes): each is skipped, or read as a game whose own row
        // reads back the same; no day counts that had no quote of the day.
        const QDateTime now(QDate(2026, 12, 10), QTime(9, 0));
        const QList<QByteArray> sound = {"2026-12-08T10:01:00,738,2,solved,117,0123abcd,2026-12-08",
                                         "2026-12-09T11:00:00,95,0,abandoned,117,0123abcd"};
        const QList<QByteArray> values = {"", "-1", "99999999999999999999", "2026-12-01",
                                          "2099-01-01", "0000-01-01", "\x01", "shown", "solved ",
                                          "200", "201", "31536001", QByteArray(5000, '9')};
        std::mt19937 random(58);
        const auto any = [&](qsizetype n) {
            return qsizetype(std::uniform_int_distribution<qsizetype>(0, qMax<qsizetype>(0, n - 1))(random));
        };
        QList<Game> read;
        for (int round = 0; round < 4000; ++round) {
            QList<QByteArray> cells = sound[any(sound.size())].split(',');
            for (int edit = 0, edits = 1 + int(any(3)); edit < edits; ++edit) {
                QByteArray &cell = cells[any(cells.size())];
                switch (any(3)) {
                case 0:
                    if (!cell.isEmpty()) cell[any(cell.size())] = char(any(256));
                    break;
                case 1:
                    cell = values[any(values.size())];
                    break;
                default:
                    if (cells.size() > 1) cells.removeAt(any(cells.size()));
                }
            }
            const std::optional<Game> g = GameOf(QString::fromUtf8(cells.join(',')), now);
            if (!g) continue;
            read << *g;
            QVERIFY2(GameOf(RowOf(*g), now) == g,
                     qPrintable(cells.join(',').toPercentEncoding(",:-") + " -> " + RowOf(*g)));
        }
        QVERIFY2(read.size() > 100, QByteArray::number(read.size())); // some read, not only skipped
        const Figures f = FiguresOf(read, now.date());
        QVERIFY(f.bestDays <= 4 && f.currentDays <= 4); // the 7th to the 10th at most
    }

    void theChartTakesTheLast50() {
        QList<Game> games;
        for (int i = 0; i < 70; ++i)
            games << game(i % 2 ? Outcome::Solved : Outcome::Shown, i);
        const Figures f = FiguresOf(games);
        QCOMPARE(f.recent.size(), RecentGames);
        QCOMPARE(f.recent.first().seconds, qint64(20));
        QCOMPARE(f.recent.last().seconds, qint64(69));
    }

    // ---- The window --------------------------------------------------------------

    void theWindowShowsTheFiguresAndTheChart() {
        for (const Game &g : {game(Outcome::Solved, 738, 2), game(Outcome::Shown, 95),
                              game(Outcome::Abandoned, 12), game(Outcome::Solved, 30, 0)})
            AppendGame(g);
        QPointer<frmStatistics> w = new frmStatistics;
        w->show();
        QTRY_VERIFY(w->activated());
        QCOMPARE(w->windowTitle(), QStringLiteral(" Cipherly - Statistics"));
        const QString text = w->lblFigures->text();
        for (const char *line :
             {"Games played: 4", "Solved: 2", "Shown with Solve: 1", "Abandoned: 1",
              "Best time: 30 s", "Average time: 6 min 24 s", "Hints per solved game: 1.0",
              "Solved in a row now: 1", "Most solved in a row: 1"})
            QVERIFY2(text.contains(QLatin1String(line)), line);
        QList<int> points;
        for (QAbstractSeries *s : w->chartGames->chart()->series())
            if (auto *scatter = qobject_cast<QScatterSeries *>(s)) points << int(scatter->count());
        QCOMPARE(points, QList<int>({2, 1, 1})); // solved, shown and abandoned, in three colours
        // Every control inside the window.
        for (QWidget *c : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY(c->size().isEmpty() || w->rect().contains(c->geometry()));
        QTest::keyClick(w, Qt::Key_Escape);
        QTRY_VERIFY(!w);
    }

    void theChartHasWholeEvenTicksAndALegendThatFits() {
        // Scales of whole ticks from 0, lined up with the games.
        QCOMPARE(ScaleFor(0, 4).top, 1);
        QCOMPARE(ScaleFor(0, 4).step, 1);
        QCOMPARE(ScaleFor(12.3, 4).step, 5);
        QCOMPARE(ScaleFor(12.3, 4).top, 15);
        QCOMPARE(ScaleFor(50, 5).step, 10);
        QCOMPARE(ScaleFor(50, 5).top, 50);
        QCOMPARE(ScaleFor(7, 5).step, 2);
        QCOMPARE(ScaleFor(7, 5).top, 8);
        for (double h : {0.2, 1.0, 3.3, 9.9, 17.0, 99.0, 480.0, 5256.0}) {
            const Scale sc = ScaleFor(h, 4);
            QVERIFY(sc.top >= h && sc.top % sc.step == 0 && sc.ticks() >= 2 && sc.ticks() <= 6);
        }
        // An empty chart says there is nothing to show.
        GamesChart chart;
        chart.resize(284, 333);
        chart.plot(FiguresOf({}));
        QVERIFY(chart.empty());
        QCOMPARE(chart.chart()->title(), QStringLiteral("No games played yet"));
        QVERIFY(chart.chart()->axes().isEmpty());
        // Every game, however it ended; the legend names what is there, and fits.
        QList<Game> games;
        for (int i = 0; i < 12; ++i)
            games << game(i % 3 == 0   ? Outcome::Abandoned
                          : i % 3 == 1 ? Outcome::Shown
                                       : Outcome::Solved,
                          60 * i);
        chart.plot(FiguresOf(games));
        QCOMPARE(chart.games().step, 5);
        QCOMPARE(chart.games().top, 15);
        QCOMPARE(chart.minutes().top, 15); // 11 minutes at most: 0, 5, 10, 15
        QVERIFY(chart.summary().contains(QStringLiteral("4 abandoned")));
        // Each game's minutes are heard too, as the points stand.
        QVERIFY(chart.accessibleDescription().endsWith(QStringLiteral("game 12, 11 min, solved.")));
        QCOMPARE(legendAsDrawn(chart), QStringList({"solved", "shown", "abandoned", "average"}));
        // A reset leaves no axis behind.
        QPointer<QAbstractAxis> old = chart.chart()->axes().first();
        chart.plot(FiguresOf({}));
        QVERIFY(!old);
    }

    void f1OpensHelpOnStatistics() {
        QPointer<frmStatistics> w = new frmStatistics;
        qint16 topic = 0;
        w->showHelp = [&](QWidget *) { topic = HelpTopic; };
        HelpTopic = HelpTopics::MainLobby;
        w->show();
        QTRY_VERIFY(w->activated());
        QTest::keyClick(w, Qt::Key_F1);
        QCOMPARE(topic, HelpTopics::Statistics);
        QCOMPARE(HelpTopic, HelpTopics::MainLobby); // the lobby's topic stays its own
        w->close();
    }

    void resetAsksWithNoAsTheDefault() {
        AppendGame(game(Outcome::Solved));
        ScriptedDialogs script;
        QPointer<frmStatistics> w = new frmStatistics;
        w->show();
        QTRY_VERIFY(w->activated());
        w->cmdResetStatistics->PerformClick(); // the default answer: No
        QCOMPARE(script.messages.size(), 1);
        QCOMPARE(script.messages[0].defaultAnswer, dialogs::Answer::No);
        QCOMPARE(script.messages[0].buttons, dialogs::Buttons::YesNo);
        QCOMPARE(ReadGames().size(), 1);
        script.answers << dialogs::Answer::Yes;
        w->cmdResetStatistics->PerformClick();
        QVERIFY(ReadGames().isEmpty());
        QVERIFY(w->lblFigures->text().contains(QStringLiteral("Games played: 0")));
        w->close();
    }

    void theWindowFadesLikeTheOthers() {
        opacity.canFade = true;
        Settings::SaveSetting(Settings::FadeStatusKey, QStringLiteral("True"));
        QPointer<frmStatistics> w = new frmStatistics;
        w->show();
        QTRY_COMPARE(opacity.applied.size(), 1 + 13);
        QCOMPARE(opacity.applied.first(), 0);
        QCOMPARE(opacity.applied.last(), 255);
        // Faded in, the safe button has the focus back: Space presses it.
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTRY_VERIFY(!w->fade.isFading());
        QCOMPARE(QApplication::focusWidget(), w->cmdReturn);
        QTest::keyClick(w->cmdReturn, Qt::Key_Space);
        QTRY_VERIFY(!w);
        QCOMPARE(opacity.applied.size(), 1 + 13 + 13);
        QCOMPARE(opacity.applied.last(), 0);
        Settings::SaveSetting(Settings::FadeStatusKey, QStringLiteral("False"));
    }
};

QTEST_MAIN(TestStats)
#include "tst_stats.moc"
