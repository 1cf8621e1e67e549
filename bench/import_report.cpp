// What an import of real collections brings in: every file given is imported
// into a fresh list of ten, and the counts, the time and the memory it took
// are printed (the median time of five imports). `make bench` runs it on the fortune collections
// when they are installed (/usr/share/games/fortunes), on /dev/zero and on a 64 MiB text. Usage:
// cipherly-import-report FILE...
#include "QuoteFile.h"
#include "QuoteImport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A figure of /proc/self/status, in KiB.
long statusKiB(const char *field) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ')[0].toLong();
    return 0;
}

// The baseline: the same files read a piece at a time and split into lines,
// each line decoded, and nothing else; how many lines there were.
qint64 plainReadAndSplit(const QList<quotes::ImportSource> &sources) {
    qint64 lines = 0;
    for (const quotes::ImportSource &s : sources) {
        QFile f(s.path);
        if (!f.open(QIODevice::ReadOnly)) continue;
        QByteArray rest;
        while (!f.atEnd()) {
            rest += f.read(1 << 20);
            qsizetype from = 0, nl;
            while ((nl = rest.indexOf('\n', from)) >= 0) {
                lines += !QString::fromUtf8(rest.constData() + from, nl - from).isNull();
                from = nl + 1;
            }
            rest.remove(0, from);
        }
    }
    return lines;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE...\n", argv[0]);
        return 2;
    }
    QList<quotes::ImportSource> sources;
    for (int i = 1; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        sources.append({QFileInfo(path).fileName(), {}, path});
    }
    plainReadAndSplit(sources); // both read from the page cache
    QElapsedTimer plain;
    plain.start();
    const qint64 lines = plainReadAndSplit(sources);
    const double plainMs = plain.nsecsElapsed() / 1e6;
    // The import into a fresh list of ten, five times over: the median time
    // is told, as the script beside it tells its own.
    const long rssBefore = statusKiB("VmRSS:");
    quotes::ImportResult r;
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        QStringList ten;
        quotes::LoadQuoteList(ten);
        QElapsedTimer clock;
        clock.start();
        r = quotes::ImportQuotes(sources);
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    const double ms = times[times.size() / 2];
    const long peak = statusKiB("VmHWM:");
    const int entries = r.added + r.skippedCount();
    std::printf("%d files (%lld not read): %d entries, %d added (%.1f %%), %d skipped",
                int(sources.size()), (long long)r.notRead.size(), entries, r.added,
                entries ? 100.0 * r.added / entries : 0.0, r.skippedCount());
    for (auto it = r.skipped.cbegin(); it != r.skipped.cend(); ++it)
        std::printf(", %d %s", *it, qPrintable(quotes::SkipReason(it.key())));
    std::printf("\n  %.0f ms (the median of five), peak memory %ld MiB above the %ld MiB before\n",
                ms, (peak - rssBefore) / 1024, rssBefore / 1024);
    std::printf("  a plain read and split of the same (%lld lines): %.0f ms; the import takes "
                "%.2fx that\n",
                (long long)lines, plainMs, plainMs > 0 ? ms / plainMs : 0.0);
    for (const QString &n : r.notRead)
        std::printf("  not read: %s\n", qPrintable(n));
    return r.status ? 0 : 1;
}
