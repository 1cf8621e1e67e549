// cipherly-solve: the game's solver on the command line. Reads cipher texts,
// one per line, and prints for each the solution found ('?' for a letter it
// could not place), a tab, the difficulty from 1 (easiest) to 5 (hardest), a
// tab, the milliseconds it took; with --explain, a tab and the first step a
// person would take, in words.
#include "CipherWords.h"
#include "Difficulty.h"
#include "Solver.h"
#include "WordModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <cstdio>

namespace {
// The longest line solved; a quote is at most 200 characters.
constexpr int MaxLine = 10000;
// The most of one line read: more is passed over.
constexpr qint64 MaxRead = 1 << 20;
} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    bool explain = false;
    for (const QString &a : app.arguments().mid(1)) {
        if (a == QLatin1String("--explain")) {
            explain = true;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::puts("Usage: cipherly-solve [--explain] < CIPHER-TEXTS\n"
                      "Solves cipher texts, one per line, and prints for each: the solution\n"
                      "('?' for a letter not found), the difficulty from 1 (easiest) to 5\n"
                      "(hardest) and the milliseconds taken, separated by tabs; with\n"
                      "--explain, also the first step a person would take, in words.");
            return 0;
        } else {
            std::fprintf(stderr, "cipherly-solve: unknown option %s (try --help)\n", qPrintable(a));
            return 2;
        }
    }
    if (solver::WordModel::shared().empty()) {
        std::fputs("cipherly-solve: the word data is missing or damaged\n", stderr);
        return 1;
    }
    QTextStream in(stdin), out(stdout);
    QString line;
    qint64 number = 0;
    while (in.readLineInto(&line, MaxRead)) {
        ++number;
        // Read in bounded pieces: binary (a device, a program file) is
        // refused, and of a line without end the rest is passed over.
        if (line.contains(QChar(0))) {
            std::fprintf(stderr, "cipherly-solve: line %lld is not text; stopped\n", number);
            return 1;
        }
        for (QString rest = line; rest.size() == MaxRead && in.readLineInto(&rest, MaxRead);) {
        }
        if (line.endsWith(u'\r')) line.chop(1); // a line from a DOS text
        if (line.size() > MaxLine) {
            // Far beyond any quote: told, its letters unread, not rated.
            std::fprintf(stderr, "cipherly-solve: line %lld is over %d characters; not solved\n",
                         number, MaxLine);
            out << solver::CipherText(line).decode({}) << "\t0\t0";
            if (explain) out << '\t';
            out << '\n';
            continue;
        }
        QElapsedTimer t;
        t.start();
        const solver::Solution s = solver::Solve(line);
        const solver::Rating r = solver::Rate(line, s);
        const qint64 ms = t.elapsed();
        out << s.plain << '\t' << r.level << '\t' << ms;
        if (explain) out << '\t' << solver::NextStep(line, s, {}).sentence;
        out << '\n';
        out.flush();
    }
    return 0;
}
