// Builds Today's Quote at build time: a quote for each day, chosen from the
// fortune collections the solver's words are counted in, rated by the solver
// so that each week runs from easier on Monday to harder on Sunday, and no
// quote twice. One quote a line; line n is the puzzle of the first day plus n
// days (DailyQuote reads it).
//
//   cipherly-make-daily [--german] OUT DAYS TEXT...
//
// With --german the quotes are German ones, rated as German.
#include "Difficulty.h"
#include "QuoteImport.h"
#include "QuoteRules.h"
#include "SafeFile.h"
#include "WordModel.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>

#include <array>
#include <cstdio>
#include <random>

namespace {

// A quote for everyone's day: words and the marks of ordinary sentences
// only, no chat logs, markup or addresses.
bool Plain(const QString &q) {
    static const QString marks = QStringLiteral(" .,;:'\"!?-()");
    for (const QChar c : q)
        if (!(c >= u'A' && c <= u'Z') && !marks.contains(c)) return false;
    return !q.contains(QLatin1String("--"));
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const bool german = argc > 1 && QByteArray(argv[1]) == "--german";
    if (german) {
        --argc;
        ++argv;
    }
    if (argc < 4) {
        std::fprintf(stderr, "usage: cipherly-make-daily [--german] OUT DAYS TEXT...\n");
        return 2;
    }
    const solver::WordModel *model =
        german ? &solver::WordModel::shared(solver::Language::German) : nullptr;
    const int days = QByteArray(argv[2]).toInt();
    QStringList quotes;
    QSet<QString> seen;
    for (int a = 3; a < argc; ++a) {
        QFile f(QString::fromLocal8Bit(argv[a]));
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", argv[a]);
            return 1;
        }
        for (const QString &raw : quotes::CandidatesIn(f.readAll())) {
            const QString q =
                quotes::UpperCase(quotes::PlainLetters(quotes::NormalizeQuote(raw).text));
            if (quotes::CheckQuote(q).ok() && quotes::IsProse(q) && Plain(q) &&
                !seen.contains(quotes::QuoteKeyOfUpper(q))) {
                seen.insert(quotes::QuoteKeyOfUpper(q));
                quotes << q;
            }
        }
    }
    // The same order on every machine: std::mt19937's numbers are fixed by
    // the standard (its distributions are not, so none is used).
    std::mt19937 rng(20261207);
    for (qsizetype i = quotes.size() - 1; i > 0; --i)
        quotes.swapItemsAt(i, qsizetype(rng() % uint32_t(i + 1)));

    // The level of each weekday, Monday first.
    static constexpr std::array<int, 7> Week{1, 2, 2, 3, 4, 4, 5};
    std::array<QStringList, 6> byLevel;
    std::array<int, 6> wanted{};
    for (int d = 0; d < days; ++d)
        ++wanted[size_t(Week[size_t(d % 7)])];
    for (const QString &q : quotes) {
        bool full = true;
        for (int l = 1; l <= 5; ++l)
            full = full && byLevel[size_t(l)].size() >= wanted[size_t(l)];
        if (full) break;
        const int level = solver::RateQuote(q, model).level;
        if (level >= 1 && byLevel[size_t(level)].size() < wanted[size_t(level)])
            byLevel[size_t(level)] << q;
    }
    QByteArray out;
    std::array<int, 6> taken{};
    for (int d = 0; d < days; ++d) {
        const size_t level = size_t(Week[size_t(d % 7)]);
        if (taken[level] >= byLevel[level].size()) {
            std::fprintf(stderr, "too few quotes of level %zu for %d days\n", level, days);
            return 1;
        }
        out += byLevel[level][taken[level]++].toUtf8() + '\n';
    }
    if (const safefile::Result r = safefile::replaceFile(QString::fromLocal8Bit(argv[1]), out);
        !r) {
        std::fprintf(stderr, "cannot write %s: %s\n", argv[1], qPrintable(r.reason));
        return 1;
    }
    std::printf("%d days of quotes\n", days);
    return 0;
}
