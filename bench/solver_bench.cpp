// The solver measured on quotes it has never seen: every entry of the given
// fortune collections that the game would take as a quote, enciphered with
// the game's own keys (a fixed sequence, so runs compare), solved from the
// cipher text alone and rated. Reports how many come out letter for letter,
// how many with at least 90 % of their letters right, how many hold a letter
// that only a word outside the word data holds (a name's) and how the rest
// fare, the time taken, and whether taking a quote's short words away makes
// it rate harder.
//
//   cipherly-solver-bench [--every N] [--no-breaks] COLLECTION...
//
// With --every N, every Nth quote only (a large collection in fair time).
// With --no-breaks, the quotes of 120 to 200 characters as a puzzle without
// word breaks gives them (letters only, in groups of five), solved so.
#include "CipherWords.h"
#include "Difficulty.h"
#include "QuoteImport.h"
#include "QuoteRules.h"
#include "Solver.h"
#include "Unbroken.h"
#include "WordModel.h"
#include "modStandard.h"
#include "modSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <random>

namespace {

// The solving times, sorted, at their median, 90th percentile and slowest.
void PrintTimes(std::vector<double> &ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("time: median %.1f ms, 90th percentile %.1f ms, slowest %.1f ms\n",
                ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.back());
}

// Quotes without word breaks: how many come out with 90 % of their letters
// right, letter for letter, with every word break found, and the time.
int NoBreaks(const QStringList &quotes) {
    int solved = 0, nearly = 0, exact = 0, broken = 0;
    std::vector<double> ms;
    QStringList misses;
    for (const QString &q : quotes) {
        if (q.size() < 120 || q.size() > 200) continue;
        const QString board = quotes::LettersInFives(q);
        cipher::MakeCodeKey();
        const QString c = cipher::EncipherText(board);
        QElapsedTimer t;
        t.start();
        const solver::Solution s = solver::SolveUnbroken(c);
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
        int letters = 0, right = 0;
        for (qsizetype i = 0; i < board.size(); ++i)
            if (board[i] != u' ') ++letters, right += s.plain[i] == board[i];
        ++solved;
        nearly += right * 10 >= letters * 9;
        exact += right == letters;
        QString words = q;
        words.remove(u'\'');
        for (QChar &ch : words)
            if (ch < u'A' || ch > u'Z') ch = u' ';
        broken += s.words == words.simplified();
        if (right * 10 < letters * 9) misses << board + QStringLiteral("\n   ") + s.words;
    }
    if (ms.empty()) return std::fputs("no quotes of 120 to 200 characters\n", stderr), 1;
    const double n = solved;
    std::printf("%d quotes of 120-200 characters without word breaks: %.1f %% with 90 %% of "
                "their letters right, %.1f %% letter for letter, %.1f %% with every word break "
                "found\n",
                solved, 100 * nearly / n, 100 * exact / n, 100 * broken / n);
    PrintTimes(ms);
    if (qEnvironmentVariableIsSet("CIPHERLY_SOLVER_MISSES"))
        for (const QString &m : misses)
            std::printf("%s\n", qPrintable(m));
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    std::mt19937 rng(20261209);
    std::uniform_real_distribution<double> uniform(0, 1);
    modStandard::SetRandomSource([&] { return uniform(rng); });
    QElapsedTimer load;
    load.start();
    if (solver::WordModel::shared().empty()) return std::fputs("no word data\n", stderr), 1;
    const qint64 english = load.restart();
    if (solver::WordModel::shared(solver::Language::German).empty())
        return std::fputs("no German word data\n", stderr), 1;
    std::printf("word data loaded in %lld ms (German in %lld ms more)\n", english, load.elapsed());

    QStringList paths = app.arguments().mid(1);
    int every = 1;
    if (paths.size() > 1 && paths[0] == QLatin1String("--every")) {
        every = std::max(1, paths[1].toInt());
        paths = paths.mid(2);
    }
    const bool noBreaks = !paths.isEmpty() && paths[0] == QLatin1String("--no-breaks");
    if (noBreaks) paths.removeFirst();
    QStringList quotes;
    int seen = 0;
    for (const QString &path : paths) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) continue;
        for (const QString &raw : quotes::CandidatesIn(f.readAll())) {
            const QString q =
                quotes::UpperCase(quotes::PlainLetters(quotes::NormalizeQuote(raw).text));
            if (quotes::CheckQuote(q).ok() && quotes::IsProse(q) && seen++ % every == 0)
                quotes << q;
        }
    }
    if (quotes.isEmpty()) return std::fputs("no quotes to measure on\n", stderr), 1;
    if (noBreaks) return NoBreaks(quotes);

    // Each quote under several keys: a solver that reads a quote under one
    // key and not under another is caught.
    constexpr int Keys = 3;
    int solves = 0, exact = 0, bodies = 0, nearly = 0, halves = 0, harder = 0, same = 0,
        compared = 0, guessed = 0, bodyGuessed = 0, agree = 0;
    std::vector<double> ms, rateMs, scores;
    std::array<int, 6> levels{}, textLevels{};
    std::array<int, 2> languages{};
    QList<QPair<double, QString>> worst;
    // Only the ratings' fifths (to set the levels' bounds on a collection).
    if (qEnvironmentVariableIsSet("CIPHERLY_SOLVER_FIFTHS")) {
        std::vector<double> all;
        for (const QString &q : quotes) all.push_back(solver::RateQuote(q).score);
        std::sort(all.begin(), all.end());
        std::printf("%zu quotes rated; scores at the fifths: %.2f %.2f %.2f %.2f\n", all.size(),
                    all[all.size() / 5], all[all.size() * 2 / 5], all[all.size() * 3 / 5],
                    all[all.size() * 4 / 5]);
        return 0;
    }
    for (const QString &q : quotes) {
        // The body: the words before an attribution's " - ".
        const qsizetype dash = q.lastIndexOf(QLatin1String(" - "));
        const qsizetype bodyEnd = dash > 0 ? dash : q.size();
        for (int k = 0; k < Keys; ++k) {
            cipher::MakeCodeKey();
            const QString c = cipher::EncipherText(q);
            QElapsedTimer t;
            t.start();
            const solver::Solution s = solver::Solve(c);
            ms.push_back(double(t.nsecsElapsed()) / 1e6);
            ++solves;
            int letters = 0, right = 0, bodyLetters = 0, bodyRight = 0;
            for (qsizetype i = 0; i < q.size(); ++i)
                if (solver::CipherLetter(c[i]) >= 0) {
                    ++letters, right += s.plain[i] == q[i];
                    if (i < bodyEnd) ++bodyLetters, bodyRight += s.plain[i] == q[i];
                }
            exact += right == letters;
            bodies += bodyRight == bodyLetters;
            nearly += right * 10 >= letters * 9;
            halves += right * 2 < letters;
            if (right != letters) {
                QString line = q + QStringLiteral("\n   ") + s.plain;
                if (qEnvironmentVariableIsSet("CIPHERLY_SOLVER_SCORES")) // the truth scores higher?
                    line += QStringLiteral("  [%1 vs truth %2]")
                                .arg(s.score)
                                .arg(solver::Solve(c, solver::KeyOf(c, q)).score);
                worst.append({double(right) / letters, line});
            }
            const int level = solver::Rate(c, s).level;
            if (k == 0) ++levels[size_t(level)];
            agree += level == solver::RateQuote(q).level; // as the lobby rates it
        }
        // A letter held by no word of the word data (only by names, say)
        // can be guessed at, never read: how many quotes have one.
        std::array<bool, 26> read{}, used{}, inBody{};
        const solver::Language language = solver::ReadQuote(q).language;
        ++languages[language == solver::Language::German];
        const solver::WordModel &model = solver::WordModel::shared(language);
        for (const solver::CipherWord &w : solver::CipherText(q).words) {
            const bool known = model.knows(w.text);
            for (int l : w.letters())
                used[size_t(l)] = true, read[size_t(l)] = read[size_t(l)] || known;
        }
        guessed += used != read;
        for (const solver::CipherWord &w : solver::CipherText(q.left(bodyEnd)).words)
            for (int l : w.letters())
                inBody[size_t(l)] = true;
        bool bodyGuess = false;
        for (size_t l = 0; l < 26; ++l)
            bodyGuess = bodyGuess || (inBody[l] && !read[l]);
        bodyGuessed += bodyGuess;

        // A quote rated from its own text, as the lobby rates one.
        QElapsedTimer rt;
        rt.start();
        const solver::Rating rated = solver::RateQuote(q);
        rateMs.push_back(double(rt.nsecsElapsed()) / 1e6);
        if (rated.level > 0) scores.push_back(rated.score);
        ++textLevels[size_t(rated.level)];

        // The same quote without its words of three letters or fewer.
        QString bare = q;
        bare.replace(QRegularExpression(QStringLiteral("\\b[A-Z]{1,3}\\b")), QString());
        bare = bare.simplified();
        if (bare.size() >= 30) {
            const double before = solver::RateQuote(q).score, after = solver::RateQuote(bare).score;
            ++compared;
            harder += after > before;
            same += after == before;
        }
    }
    std::sort(rateMs.begin(), rateMs.end());
    std::sort(scores.begin(), scores.end());
    const double n = double(solves);
    std::printf("%lld quotes, each under %d keys: bodies (before \" - \") %.1f %% letter for "
                "letter, whole quotes %.1f %%, %.1f %% with 90 %% of their letters, %.1f %% "
                "below half\n",
                qlonglong(quotes.size()), Keys, 100 * bodies / n, 100 * exact / n,
                100 * nearly / n, 100 * halves / n);
    std::printf("%d quotes (%.1f %%) have a letter that only words outside the word data hold: "
                "it can be guessed, never read\n",
                guessed, 100.0 * guessed / double(quotes.size()));
    std::printf("%d quotes' bodies (%.1f %%) have such a letter\n", bodyGuessed,
                100.0 * bodyGuessed / double(quotes.size()));
    std::printf("the level from the solution agrees with the level from the quote's text (the "
                "lobby's) for %.1f %%\n",
                100 * agree / n);
    PrintTimes(ms);
    std::printf("a quote rated from its text alone: median %.1f ms, slowest %.1f ms\n",
                rateMs[rateMs.size() / 2], rateMs.back());
    std::printf("scores at the fifths, the bounds of the levels: %.1f %.1f %.1f %.1f\n",
                scores[scores.size() / 5], scores[scores.size() * 2 / 5],
                scores[scores.size() * 3 / 5], scores[scores.size() * 4 / 5]);
    std::printf("levels 1-5 from the solutions: %d %d %d %d %d, no level %d\n", levels[1],
                levels[2], levels[3], levels[4], levels[5], levels[0]);
    std::printf("levels 1-5 from the quotes' texts (the lobby's): %d %d %d %d %d, no level %d\n",
                textLevels[1], textLevels[2], textLevels[3], textLevels[4], textLevels[5],
                textLevels[0]);
    std::printf("read as English %d, as German %d\n", languages[0], languages[1]);
    std::printf("without their words of one to three letters, %d of %d quotes rate harder, %d "
                "the same, %d easier\n",
                harder, compared, same, compared - harder - same);
    if (qEnvironmentVariableIsSet("CIPHERLY_SOLVER_MISSES")) {
        std::sort(worst.begin(), worst.end());
        for (const auto &[share, text] : worst)
            std::printf("%.2f %s\n", share, qPrintable(text));
    }
    return 0;
}
