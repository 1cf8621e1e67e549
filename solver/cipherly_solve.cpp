// cipherly-solve: the game's solver on the command line. Reads cipher texts,
// one per line, and prints for each the solution found ('?' for a letter it
// could not place), a tab, the difficulty from 1 (easiest) to 5 (hardest), a
// tab, the milliseconds it took; with --explain, a tab and the first step a
// person would take, in words (none when the solution does not read). The
// language, English or German, is told from the cipher text unless
// --language gives it. With --steps it reads CIPHER<TAB>PLAIN lines
// and prints every step Explain a Step gives from an empty board, each one
// followed before the next. With --no-breaks each cipher text is letters
// without word breaks (groups of five, say): it prints the solution in the
// same layout, a tab, its words with the breaks found, a tab, the
// milliseconds. With --keyword it prints after each solution, in a last
// field, the kind and keyword of a keyed alphabet that make its key ("K2
// KANGAROO"), or "none" for a key that no keyword made.
#include "CipherWords.h"
#include "KeyedAlphabet.h"
#include "Keywords.h"
#include "Difficulty.h"
#include "LetterSteps.h"
#include "Solver.h"
#include "Unbroken.h"
#include "WordModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSet>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {
// The longest line solved; a quote is at most 200 characters.
constexpr int MaxLine = 10000;
// The most of one line read: more is passed over.
constexpr qint64 MaxRead = 1 << 20;

// The steps of one CIPHER<TAB>PLAIN line, one line each:
// N, kind, the word, its reading, the pairs, the words that fit, the sentence.
void PrintSteps(QTextStream &out, qint64 number, const QString &line,
                const solver::WordModel *model, bool noBreaks) {
    const QString cipher = line.section(QLatin1Char('\t'), 0, 0).toUpper();
    const QString plain = line.section(QLatin1Char('\t'), 1).toUpper();
    const solver::Key truth = solver::KeyOf(cipher, plain);
    const solver::Language language =
        model ? model->language() : solver::LanguageOfLetters(plain);
    solver::Key board{};
    for (int guard = 0; guard < 26; ++guard) {
        const solver::Step s = noBreaks ? solver::NextLetterStep(cipher, truth, board, language)
                                        : solver::NextStep(cipher, truth, board, model);
        if (s.pairs.empty()) break;
        QStringList pairs;
        for (const auto &[c, p] : s.pairs) {
            pairs << QStringLiteral("%1=%2").arg(QChar(c), QChar(p));
            board[size_t(c - 'A')] = p;
        }
        out << number << '\t' << solver::KindName(s.kind) << '\t' << s.word << '\t' << s.reading
            << '\t' << pairs.join(QLatin1Char(' ')) << '\t' << s.candidates << '\t'
            << QString(s.sentence).replace(QLatin1Char('\t'), QLatin1Char(' ')) << '\n';
    }
    out.flush();
}

// The keywords a key is read against: the common ones first, then every
// other word of the language the solver knows, commonest first.
const QStringList &KeywordsToTry(solver::Language language) {
    static QStringList lists[2];
    QStringList &list = lists[language == solver::Language::German ? 1 : 0];
    if (!list.isEmpty()) return list;
    list = solver::Keywords(language);
    const solver::WordModel &m = solver::WordModel::shared(language);
    std::vector<int> ids;
    for (int id = 0; id < m.size(); ++id)
        if (m.text(id).size() >= 3 && m.text(id).find('\'') == std::string::npos) ids.push_back(id);
    std::stable_sort(ids.begin(), ids.end(), [&m](int a, int b) { return m.count(a) > m.count(b); });
    const QSet<QString> common(list.begin(), list.end());
    for (const int id : ids)
        if (const QString w = QString::fromStdString(m.text(id)).toUpper(); !common.contains(w))
            list << w;
    return list;
}

// "K2 KANGAROO" for the key a solution found, or "none".
QString KeywordOf(const solver::Solution &s, solver::Language language) {
    QString key(26, QLatin1Char('?'));
    for (int c = 0; c < 26; ++c)
        if (const char p = s.key[size_t(c)]; p >= 'A' && p <= 'Z')
            key[p - 'A'] = QChar(u'A' + c);
    const auto r = cipher::ReadKeyedFrom(key, KeywordsToTry(language));
    if (!r) return QStringLiteral("none");
    // A keyword read from a whole key keeps only its letters without
    // repeats: the word they spell, where the language has one.
    QString word = r->keyword;
    if (const QString spelled = solver::KeywordSpelled(cipher::KeyedAlphabet(word).left(
            QSet<QChar>(word.begin(), word.end()).size()), language);
        !spelled.isEmpty() && cipher::KeyedAlphabet(spelled) == cipher::KeyedAlphabet(word))
        word = spelled;
    return cipher::KindName(r->kind) + QLatin1Char(' ') + word;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    bool explain = false, steps = false, noBreaks = false, keyword = false;
    QString words; // a pattern whose words are asked for
    const solver::WordModel *model = nullptr; // the language told from each text
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--language") || a.startsWith(QLatin1String("--language="))) {
            const QString lang = a.contains(u'=') ? a.section(u'=', 1)
                                 : i + 1 < args.size() ? args[++i]
                                                       : QString();
            if (lang == QLatin1String("en")) {
                model = &solver::WordModel::shared(solver::Language::English);
            } else if (lang == QLatin1String("de")) {
                model = &solver::WordModel::shared(solver::Language::German);
            } else {
                std::fprintf(stderr, "cipherly-solve: --language takes en or de\n");
                return 2;
            }
        } else if (a == QLatin1String("--explain")) {
            explain = true;
        } else if (a == QLatin1String("--steps")) {
            steps = true;
        } else if (a == QLatin1String("--keyword")) {
            keyword = true;
        } else if (a == QLatin1String("--no-breaks")) {
            noBreaks = true;
        } else if (a == QLatin1String("--words")) {
            if (i + 1 >= args.size()) {
                std::fputs("cipherly-solve: --words takes a pattern, such as ABCA or ?E?'S\n",
                           stderr);
                return 2;
            }
            words = args[++i];
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::puts("Usage: cipherly-solve [--language en|de] [--explain] < CIPHER-TEXTS\n"
                      "       cipherly-solve [--language en|de] --steps < CIPHER<TAB>PLAIN LINES\n"
                      "       cipherly-solve [--language en|de] --words PATTERN\n"
                      "       cipherly-solve [--language en|de] --no-breaks < CIPHER-TEXTS\n"
                      "       cipherly-solve [--language en|de] --keyword < CIPHER-TEXTS\n"
                      "Solves cipher texts, one per line, and prints for each: the solution\n"
                      "('?' for a letter not found), the difficulty from 1 (easiest) to 5\n"
                      "(hardest; 0 when the solution reads as no language) and the\n"
                      "milliseconds taken, separated by tabs; with --explain, also the first\n"
                      "step a person would take, in words (none when the solution does not\n"
                      "read).\n"
                      "Each text is read as English or German, whichever reads better;\n"
                      "--language en or de reads every text in that language.\n"
                      "With --steps, prints the steps Explain a Step gives from an empty\n"
                      "board, one a line: the input line, the kind (lone, only, repeated,\n"
                      "pattern, likeliest, letter, guess, name), the word, its reading, the\n"
                      "pairs, how many words fit and the sentence, separated by tabs.\n"
                      "With --words, prints the words a pattern stands for, commonest first:\n"
                      "a pattern of letters is a shape (ABCA: THAT); with a ? in it, its\n"
                      "letters stand for themselves and ? for any letter (?E?'S: LET'S).\n"
                      "With --no-breaks, each text is letters without word breaks (groups\n"
                      "of five, say): prints the solution in the same layout, the words\n"
                      "read with the breaks found, and the milliseconds, separated by tabs.\n"
                      "With --keyword, adds a last field: the kind (K1, K2, K3) and the\n"
                      "keyword of the keyed alphabet that makes the key found (\"K2 KANGAROO\"),\n"
                      "or \"none\" when no keyword makes it.");
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
    if (!words.isNull()) {
        // The words of a pattern, commonest first, one a line.
        const solver::WordModel &m = model ? *model : solver::WordModel::shared();
        for (int id : m.matching(words.toStdString()))
            std::printf("%s\n", qPrintable(QString::fromStdString(m.text(id)).toUpper()));
        return 0;
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
        if (steps) {
            PrintSteps(out, number, line, model, noBreaks);
            continue;
        }
        QElapsedTimer t;
        t.start();
        if (noBreaks) {
            const solver::Solution s = solver::SolveUnbroken(line, model);
            out << s.plain << '\t' << s.words << '\t' << t.elapsed() << '\n';
            out.flush();
            continue;
        }
        const solver::Solution s = solver::Solve(line, {}, model);
        const solver::Rating r = solver::Rate(line, s);
        const qint64 ms = t.elapsed();
        out << s.plain << '\t' << r.level << '\t' << ms;
        // A step taught from a reading that does not read would teach a
        // wrong answer: none is given then.
        if (explain)
            out << '\t'
                << (s.reads ? solver::NextStep(line, s, {}).sentence
                            : QStringLiteral("(no step: the solution found does not read)"));
        if (keyword) out << '\t' << KeywordOf(s, r.language);
        out << '\n';
        out.flush();
    }
    return 0;
}
