#include "LetterSteps.h"

#include "CipherWords.h"
#include "LetterModel.h"
#include "Unbroken.h"

#include <QCoreApplication>
#include <QStringList>

#include <map>

namespace solver {

namespace {

// Ranks within which a group, a pair, a doubled letter and a letter are
// called one of the commonest.
constexpr int Groups = 10, Pairs = 10, Doubles = 5, Letters = 6;

QString In(Language language) {
    return language == Language::German ? QCoreApplication::translate("solver", "in German")
                                        : QCoreApplication::translate("solver", "in English");
}

} // namespace

Step NextLetterStep(const QString &cipher, const Key &truth, const Key &board,
                    Language language) {
    const LetterModel &model = LetterModel::shared(language);
    std::vector<int> run;
    for (const QChar ch : cipher)
        if (const int c = CipherLetter(ch); c >= 0) run.push_back(c);
    // A letter still to find: in the puzzle, known, not placed right.
    const auto open = [&](int c) {
        return truth[size_t(c)] && board[size_t(c)] != truth[size_t(c)];
    };
    const auto plain = [&](int c) { return truth[size_t(c)] - 'A'; };

    Step s;
    auto give = [&](StepKind kind, const std::vector<int> &letters) {
        s.kind = kind;
        for (int c : letters) {
            s.word += QChar('A' + c);
            s.reading += QChar(truth[size_t(c)]);
            bool given = false;
            for (const auto &p : s.pairs)
                given = given || p.first == char('A' + c);
            if (open(c) && !given) s.pairs.push_back({char('A' + c), truth[size_t(c)]});
        }
    };
    if (model.empty()) return s;

    // Groups of three and pairs in a row: how often each stands.
    std::map<std::vector<int>, int> seen;
    for (size_t i = 0; i + 1 < run.size(); ++i) {
        ++seen[{run[i], run[i + 1]}];
        if (i + 2 < run.size()) ++seen[{run[i], run[i + 1], run[i + 2]}];
    }
    const std::vector<int> *best = nullptr;
    int bestCount = 0, bestRank = 0;
    for (const auto &[group, n] : seen) {
        bool fresh = false, known = true;
        for (int c : group)
            fresh = fresh || open(c), known = known && truth[size_t(c)];
        if (!fresh || !known) continue;
        const bool three = group.size() == 3;
        const int rank = three ? model.groupRank(plain(group[0]), plain(group[1]), plain(group[2]))
                               : model.pairRank(plain(group[0]), plain(group[1]));
        if (rank > (three ? Groups : Pairs) || n < (three ? 2 : 3)) continue;
        // A group of three before a pair; then the oftener, then the commoner.
        const bool better = !best || (three && best->size() == 2) ||
                            (group.size() == best->size() &&
                             (n > bestCount || (n == bestCount && rank < bestRank)));
        if (better) best = &group, bestCount = n, bestRank = rank;
    }
    if (best) {
        give(StepKind::LetterGroup, *best);
        const bool three = best->size() == 3;
        const QString said =
            three ? (bestRank == 1
                         ? QCoreApplication::translate(
                               "solver", "%1 stands %2 in the puzzle, and %3 is the commonest "
                                         "group of three letters %4: %5.")
                         : QCoreApplication::translate(
                               "solver", "%1 stands %2 in the puzzle, and %3 is one of the ten "
                                         "commonest groups of three letters %4: %5."))
                  : (bestRank == 1 ? QCoreApplication::translate(
                                         "solver", "%1 stands %2 in the puzzle, and %3 is the "
                                                   "commonest pair of letters %4: %5.")
                                   : QCoreApplication::translate(
                                         "solver", "%1 stands %2 in the puzzle, and %3 is one of "
                                                   "the ten commonest pairs of letters %4: %5."));
        s.sentence = said.arg(s.word, Times(bestCount), s.reading, In(language), PairsText(s.pairs));
        s.candidates = bestRank;
        return s;
    }

    // A doubled letter.
    for (size_t i = 0; i + 1 < run.size(); ++i) {
        const int c = run[i];
        if (run[i + 1] != c || !open(c)) continue;
        const int rank = model.doubleRank(plain(c));
        if (rank > Doubles) continue;
        give(StepKind::Doubled, {c, c});
        s.sentence = (rank == 1 ? QCoreApplication::translate(
                                      "solver", "%1 is a doubled letter, and %2 is the "
                                                "commonest doubled letter %3: %4.")
                                : QCoreApplication::translate(
                                      "solver", "%1 is a doubled letter, and %2 is one of the "
                                                "five commonest doubled letters %3: %4."))
                         .arg(s.word, s.reading, In(language), PairsText(s.pairs));
        s.candidates = rank;
        return s;
    }

    // The commonest scrambled letter not placed yet.
    std::array<int, 26> count{};
    for (int c : run)
        ++count[size_t(c)];
    int top = -1, ties = 0;
    for (int c = 0; c < 26; ++c) {
        if (!count[size_t(c)] || !open(c)) continue;
        if (top < 0 || count[size_t(c)] > count[size_t(top)]) {
            top = c, ties = 0;
        } else if (count[size_t(c)] == count[size_t(top)]) {
            ++ties;
        }
    }
    if (top < 0) return s;
    give(StepKind::Frequency, {top});
    const int rank = model.letterRank(plain(top));
    if (rank <= Letters && count[size_t(top)] >= 3) {
        const QString letter =
            ties ? QCoreApplication::translate(
                       "solver", "%1 is among the commonest scrambled letters not placed yet "
                                 "(%2 times)")
                 : QCoreApplication::translate(
                       "solver", "%1 is the commonest scrambled letter not placed yet (%2 "
                                 "times)");
        const QString common =
            rank == 1 ? QCoreApplication::translate("solver", "%1, and %2 is the commonest "
                                                              "letter %3: %4.")
                      : QCoreApplication::translate("solver", "%1, and %2 is one of the six "
                                                              "commonest letters %3: %4.");
        s.sentence = common.arg(letter.arg(s.word).arg(count[size_t(top)]), s.reading,
                                In(language), PairsText(s.pairs));
        s.candidates = rank;
        return s;
    }
    // Rare letters, and names: read from what stands around them.
    s.kind = StepKind::Leftover;
    s.sentence =
        QCoreApplication::translate("solver", "%1 is read from the letters around it: %2.")
            .arg(s.word, PairsText(s.pairs));
    return s;
}

Language LanguageOfLetters(const QString &letters) {
    double english = 0, german = 0;
    WordsIn(letters, WordModel::shared(Language::English), &english);
    if (english >= 0.8) return Language::English;
    WordsIn(letters, WordModel::shared(Language::German), &german);
    return german > english ? Language::German : Language::English;
}

} // namespace solver
