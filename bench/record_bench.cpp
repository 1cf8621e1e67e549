// The record of games at 100,000 rows against an empty record, with a full
// list of 32,767 quotes: how long the statistics window takes to open and a
// random game to show its quote, each as a ratio to the same with no games.
// The longest single freeze of the window is printed too. Times are the
// median of several runs, in milliseconds.
#include "Additions.h"
#include "Controls.h"
#include "GameRecord.h"
#include "QuoteFile.h"
#include "frmMain.h"
#include "frmStatistics.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

// A quote of its own for every record, told apart by its letters.
QByteArray quoteNumber(int i) {
    QByteArray tag;
    for (int k = 0; k < 4; ++k, i /= 26)
        tag += char('A' + i % 26);
    return ("A QUOTE OF THE BENCHMARK LIST, WHICH HAS A NAME OF ITS OWN: " + tag)
        .leftJustified(200, ' ');
}

void writeList() {
    QFile f(quotes::QuoteFileName);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    for (int i = 0; i < quotes::MaxRecords; ++i)
        f.write(quoteNumber(i));
}

void writeRecord(int rows) {
    QFile f(stats::RecordPath());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    f.write("finished,seconds,hints,outcome,length,quote\n");
    QByteArray all;
    const QDateTime start(QDate(2020, 1, 1), QTime(8, 0));
    for (int i = 0; i < rows; ++i) {
        stats::Game g;
        g.finished = start.addSecs(qint64(i) * 600);
        g.seconds = 60 + i % 900;
        g.hints = i % 5;
        g.outcome = i % 7 ? stats::Outcome::Solved : stats::Outcome::Shown;
        const QString quote = QString::fromLatin1(quoteNumber(i % 30000)).trimmed();
        g.length = int(quote.size());
        g.quote = stats::QuoteHash(quote);
        all += stats::RowOf(g).toUtf8() + '\n';
    }
    f.write(all);
}

double median(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Figures {
    double firstRead = 0, statistics = 0, random = 0, longest = 0;
};

Figures measure(int rows) {
    writeRecord(rows);
    Figures f;
    QElapsedTimer t;
    t.start();
    stats::ReadGames(); // as the game's first look at the record
    f.firstRead = t.nsecsElapsed() / 1e6;
    auto *lobby = NewLobby();
    lobby->show();
    while (!lobby->activated())
        QApplication::processEvents();
    // A player's first key comes later than this; what the lobby does
    // meanwhile off its thread is done by then.
    t.restart();
    while (t.elapsed() < 500)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QList<double> statistics, random;
    for (int run = 0; run < 7; ++run) {
        t.restart();
        auto *w = new frmStatistics;
        w->show();
        while (!w->activated())
            QApplication::processEvents();
        statistics << t.nsecsElapsed() / 1e6;
        delete w;
        t.restart();
        Ui(lobby).cmdSolveRandomQuote->PerformClick(); // the quote is on show when it returns
        random << t.nsecsElapsed() / 1e6;
        Ui(lobby).cmdFinishedSolving->PerformClick(); // abandoned: one row more
    }
    f.statistics = median(statistics);
    f.random = median(random);
    f.longest = std::max(*std::max_element(statistics.begin(), statistics.end()),
                         *std::max_element(random.begin(), random.end()));
    delete lobby;
    return f;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    stats::SetRecordPath(dir.filePath(QStringLiteral("games.csv")));
    writeList();
    const Figures none = measure(0), many = measure(100000);
    std::printf("The record of games, 100,000 rows against none, with 32,767 quotes (ms):\n");
    std::printf("  first read of the record:   %7.1f against %5.1f\n", many.firstRead,
                none.firstRead);
    std::printf("  statistics window open:     %7.1f against %5.1f: %.2fx\n", many.statistics,
                none.statistics, many.statistics / none.statistics);
    std::printf("  random game's quote shown:  %7.1f against %5.1f: %.2fx\n", many.random,
                none.random, many.random / none.random);
    std::printf("  longest freeze of the window: %.1f\n", many.longest);
    return 0;
}
