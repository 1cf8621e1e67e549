#include "Difficulty.h"

#include "CipherWords.h"
#include "Solver.h"
#include "WordModel.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace solver {

namespace {

// The letters a person needs before the rest starts to follow.
constexpr int Opening = 7;
// The most words a person tries in turn; past that it is no way in.
constexpr int MostToTry = 12;
// What a letter only an attribution's names hold adds to a quote's score.
constexpr double NameCost = 0.3;
// A text with fewer of its letters in known words reads as no language.
constexpr double Readable = 0.5;

// How a language's words look to a person: German words are longer (a
// compound of eight letters is no long word), more short words are very
// common, and a compound the word list lacks is read from its parts.
struct Habits {
    int longFrom;     // a word longer than this takes longer to see
    int repeatedRank; // a word that comes back is among this many commonest
    bool compounds;   // a word the list lacks may be two words of it
};
Habits HabitsOf(Language language) {
    return language == Language::German ? Habits{7, 5, true} : Habits{5, 3, false};
}

QString Upper(const std::string &s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size())).toUpper();
}


bool HasRepeats(const CipherWord &w) {
    const std::vector<int> letters = w.letters();
    return letters.size() < size_t(std::count_if(
                                w.text.begin(), w.text.end(), [](char c) { return c != '\''; }));
}

// Everything one look at the board tells about a word.
struct Look {
    const CipherWord *word = nullptr;
    std::string truth;     // its reading, empty when the answer lacks a letter
    int unknown = 0;       // its scrambled letters not yet on the board
    std::vector<int> fits; // common words that fit the board, commonest first
    int rank = -1;         // the truth's place among them, or -1
    int selfRuled = 0;     // words that fit but for a letter standing for itself
    std::string firstRuledOut; // the commonest of those, when commoner than the reading
    bool known = false;    // the reading is a common word at all
    bool rare = false;     // rating: the reading is a word of the list, not a common one
};

// The way a person goes through a cryptogram. Teaching, the rule that no
// letter stands for itself rules candidates out, as it does for the player
// of this key; rating, it does not, so that a quote is as hard under any key.
class Solver {
public:
    Solver(const QString &cipher, const Key &truth, const Key &board, const WordModel &model,
           bool teaching)
        : m_text(cipher), m_truth(truth), m_model(model),
          m_habits(HabitsOf(model.language())), m_teaching(teaching) {
        for (int c = 0; c < 26; ++c)
            if (board[size_t(c)] && board[size_t(c)] == truth[size_t(c)]) place(c);
        for (QChar ch : cipher)
            if (const int c = CipherLetter(ch); c >= 0) ++m_letterCount[size_t(c)];
    }

    int unknownLetters() const {
        int n = 0;
        for (int c = 0; c < 26; ++c)
            n += m_letterCount[size_t(c)] && m_truth[size_t(c)] && !m_board[size_t(c)];
        return n;
    }

    bool done() const {
        for (int c = 0; c < 26; ++c)
            if (m_letterCount[size_t(c)] && m_truth[size_t(c)] && !m_board[size_t(c)]) return false;
        return true;
    }

    Step next() {
        std::vector<Look> looks;
        for (const CipherWord &w : m_text.words) {
            Look l = look(w);
            if (l.unknown > 0) looks.push_back(std::move(l));
        }
        Step best;
        best.cost = 1e9;
        auto offer = [&](Step s) {
            if (s.pairs.empty()) return;
            if (s.cost < best.cost || (s.cost == best.cost && s.pairs.size() > best.pairs.size()))
                best = std::move(s);
        };
        for (const Look &l : looks) {
            if (l.truth.empty() || l.rank < 0) continue;
            const CipherWord &w = *l.word;
            const int len = int(w.text.size());
            const bool fresh = l.unknown == int(w.letters().size());
            const int n = int(l.fits.size());
            // A person sees a word's shape easily when it is short; a long
            // word, or many letters to fill at once, takes longer to see.
            const double reach =
                0.3 * std::max(0, len - m_habits.longFrom) + 0.3 * std::max(0, l.unknown - 2);
            if (len == 1)
                // Certain when only one of A and I is still free; else a
                // good guess, A being the commoner.
                offer(make(StepKind::OneLetter, l, n == 1 ? 1.0 : l.rank == 0 ? 2.2 : 2.6));
            else if (n == 1 && !fresh)
                offer(make(StepKind::OnlyFit, l, 1.0 + reach));
            else if (n == 1 && l.selfRuled > 0)
                offer(make(StepKind::OnlyFit, l, 1.5 + reach)); // the rule leaves one
            else if (fresh && w.count >= 2 && n >= 2 && l.rank <= m_habits.repeatedRank &&
                     (len <= 3 || n <= MostToTry))
                // A word that comes back is one of the commonest of its
                // shape: THE is surer than TO, a long one is harder to see.
                offer(make(StepKind::RepeatedWord, l,
                           (len <= 3 && l.rank == 0 ? (len == 3 ? 2.0 : 2.5)
                                                    : 2.5 + 0.5 * l.rank + (len > 3 ? reach : 0))));
            else if (fresh && HasRepeats(w) && len >= 4 && n <= 3 && l.rank == 0)
                offer(make(StepKind::PatternWord, l, (n == 1 ? 2.5 : 3.0) + reach));
            else if (n == 1)
                offer(make(StepKind::OnlyFit, l, 2.0 + reach)); // the one word of its shape
            else if (n <= 3 && l.rank == 0)
                offer(make(StepKind::LikelyFit, l, (fresh ? 3.0 : 2.0) + reach));
            else if (m_teaching ? n <= MostToTry : l.rank < MostToTry)
                // Taught, a guess is among few words; rated, a person tries
                // the words commonest first, and it costs the tries it takes.
                offer(make(StepKind::Guess, l,
                           2.5 + std::log2(double(m_teaching ? n : l.rank + 2)) +
                               (fresh ? 0.5 : 0) + reach));
        }
        offer(frequency());
        if (best.pairs.empty())
            for (const Look &l : looks) {
                if (l.truth.empty()) continue;
                // No way in: a word read from what is left, a name or one
                // of too many words to try, told as a reveal.
                // A word read from words a person knows (a compound, a
                // word shortened or borrowed) costs less than a name.
                offer(make(StepKind::Leftover, l,
                           l.known     ? 4.0 + std::log2(double(l.fits.size() + 1)) + 0.3 * l.unknown
                           : readsFromWords(l) ? 2.5 + 1.0 * l.unknown
                                         : 4.0 + 2.0 * l.unknown));
            }
        return best;
    }

    void apply(const Step &s) {
        for (const auto &[c, p] : s.pairs)
            place(c - 'A');
    }

private:
    // A German word the list lacks that a person still reads from words he
    // knows: a compound (the quote's own text, so a part of three letters is
    // one a person reads), a word shortened with an apostrophe (HAB'S) or
    // one taken from English (SUPPORT).
    bool readsFromWords(const Look &l) const {
        return m_habits.compounds && m_model.find(l.truth) < 0 &&
               (m_model.compound(l.truth, 3) || m_model.elided(l.truth) ||
                m_model.borrowed(l.truth));
    }

    void place(int c) {
        m_board[size_t(c)] = m_truth[size_t(c)];
        m_used[size_t(m_truth[size_t(c)] - 'A')] = true;
    }

    Look look(const CipherWord &w) const {
        Look l;
        l.word = &w;
        std::string truth(w.text.size(), '\'');
        for (size_t k = 0; k < w.text.size(); ++k) {
            if (w.text[k] == '\'') continue;
            const int c = w.text[k] - 'a';
            if (!m_truth[size_t(c)]) return l.truth.clear(), l;
            truth[k] = char(m_truth[size_t(c)] - 'A' + 'a');
        }
        for (int c : w.letters())
            if (!m_board[size_t(c)]) ++l.unknown;
        l.truth = truth;
        if (l.unknown == 0) return l;
        if (const auto *all = m_model.withPattern(w.pattern))
            for (int id : *all) {
                if (m_model.count(id) < m_model.common()) continue;
                // A word of one letter is A or I; the word list's lone
                // letters (initials, numbering) are no reading a player tries.
                if (w.text.size() == 1 && !m_model.loneLetterWord(m_model.text(id)))
                    continue;
                if (m_model.text(id) == truth) l.known = true;
                if (fits(w, m_model.text(id))) {
                    if (m_model.text(id) == truth) l.rank = int(l.fits.size());
                    l.fits.push_back(id);
                } else if (m_teaching && fits(w, m_model.text(id), false)) {
                    // Named only where it is what rules out a commoner word.
                    if (l.selfRuled++ == 0 && !l.known) l.firstRuledOut = m_model.text(id);
                }
            }
        // Rating: a word of the list that is no common one is still a word a
        // person may think of, the last of those that fit, and dearer.
        if (!m_teaching && !l.known && m_model.find(truth) >= 0) {
            l.rare = true;
            l.rank = int(l.fits.size());
            l.fits.push_back(m_model.find(truth));
        }
        return l;
    }

    // Whether a word could be `cand` with the letters on the board, and (if
    // `selfRule`, teaching) no letter standing for itself.
    bool fits(const CipherWord &w, const std::string &cand, bool selfRule = true) const {
        return FitsBoard(w.text, cand, m_board, m_used, selfRule && m_teaching);
    }

    Step make(StepKind kind, const Look &l, double cost) const {
        Step s;
        s.kind = kind;
        s.cost = cost + (l.rare ? 1.0 : 0);
        s.candidates = int(l.fits.size());
        s.word = Upper(l.word->text);
        s.reading = Upper(l.truth);
        for (int c : l.word->letters())
            if (!m_board[size_t(c)]) s.pairs.push_back({char('A' + c), m_truth[size_t(c)]});
        const QString pairs = PairsText(s.pairs);
        const QString &W = s.word, &R = s.reading;
        const int n = int(l.fits.size());
        switch (kind) {
        case StepKind::OneLetter:
            s.sentence =
                n == 1 ? QCoreApplication::translate(
                             "solver", "%1 stands alone, and a word of one letter is A or I; "
                                       "the other is placed already, so %2.")
                             .arg(W, pairs)
                : l.rank == 0
                    ? QCoreApplication::translate(
                          "solver", "%1 stands alone, so it is A or I, and A is the commoner "
                                    "word: %2.")
                          .arg(W, pairs)
                    : QCoreApplication::translate(
                          "solver", "%1 stands alone, so it is A or I; A does not read on "
                                    "here, so %2.")
                          .arg(W, pairs);
            break;
        case StepKind::OnlyFit:
            s.sentence =
                l.unknown == int(l.word->letters().size()) && l.selfRuled == 0
                    ? QCoreApplication::translate(
                          "solver", "Only one common word has the shape of %1: %2, so %3.")
                          .arg(W, R, pairs)
                    : QCoreApplication::translate(
                          "solver", "With the letters you have, only one common word fits "
                                    "%1: %2, so %3.")
                          .arg(W, R, pairs);
            break;
        case StepKind::RepeatedWord:
            s.sentence =
                W.size() > 3 || l.rank > 1
                    ? QCoreApplication::translate(
                          "solver", "%1 appears %2, and a word that comes back is most often a "
                                    "common one: of the %3 common words that fit it, %4 reads on, "
                                    "so %5.")
                          .arg(W, Times(l.word->count), QString::number(n), R, pairs)
                : l.rank == 0
                    ? QCoreApplication::translate(
                          "solver", "%1 appears %2 and has %3 letters: %4 is the commonest "
                                    "such word, so %5.")
                          .arg(W, Times(l.word->count),
                               W.size() == 2 ? QCoreApplication::translate("solver", "two")
                                             : QCoreApplication::translate("solver", "three"),
                               R, pairs)
                    : QCoreApplication::translate(
                          "solver", "%1 appears %2: a short word that comes back is one of the "
                                    "commonest. %3 does not read on here, the next one, %4, does: "
                                    "%5.")
                          .arg(W, Times(l.word->count),
                               Upper(m_model.text(l.fits.front())), R, pairs);
            break;
        case StepKind::PatternWord:
            s.sentence = QCoreApplication::translate(
                             "solver", "Few words repeat their letters as %1 does, and %2 is the "
                                       "commonest of them: %3.")
                             .arg(W, R, pairs);
            break;
        case StepKind::LikelyFit:
            s.sentence = QCoreApplication::translate(
                             "solver", "Only %1 common words fit %2, and %3 is the likeliest: "
                                       "%4.")
                             .arg(QString::number(n), W, R, pairs);
            break;
        case StepKind::Guess:
            s.sentence = QCoreApplication::translate(
                             "solver", "Nothing is certain yet: %1 could be any of %2 common "
                                       "words. Try them in turn; %3 reads on, so %4.")
                             .arg(W, QString::number(n), R, pairs);
            break;
        case StepKind::Leftover:
            s.sentence =
                l.known ? QCoreApplication::translate(
                              "solver", "Nothing gives %1 away yet: too many words fit it to "
                                        "try. It is %2, so %3.")
                              .arg(W, R, pairs)
                        : QCoreApplication::translate(
                              "solver", "The rest is a name or a rare word, which no rule "
                                        "finds: %1 is %2, so %3.")
                              .arg(W, R, pairs);
            break;
        case StepKind::Frequency:
        case StepKind::LetterGroup:
        case StepKind::Doubled:
            break;
        }
        // The rule that no letter stands for itself, named where it is what
        // rules a word out.
        if (!l.firstRuledOut.empty() && kind != StepKind::Leftover &&
            kind != StepKind::OneLetter)
            s.sentence += QLatin1Char(' ') +
                          QCoreApplication::translate(
                              "solver", "(No letter stands for itself, which rules out %1.)")
                              .arg(Upper(l.firstRuledOut));
        return s;
    }

    // The commonest scrambled letter not yet placed, when it is clearly the
    // commonest and stands for E.
    Step frequency() const {
        Step s;
        int best = -1, second = 0;
        for (int c = 0; c < 26; ++c) {
            if (m_board[size_t(c)]) continue;
            const int n = m_letterCount[size_t(c)];
            if (best < 0 || n > m_letterCount[size_t(best)]) {
                if (best >= 0) second = std::max(second, m_letterCount[size_t(best)]);
                best = c;
            } else {
                second = std::max(second, n);
            }
        }
        if (best < 0 || m_truth[size_t(best)] != 'E' || m_used['E' - 'A']) return s;
        const int n = m_letterCount[size_t(best)];
        if (n < 4 || n <= second) return s;
        s.kind = StepKind::Frequency;
        s.cost = 3.0;
        s.word = QChar('A' + best);
        s.reading = QStringLiteral("E");
        s.pairs.push_back({char('A' + best), 'E'});
        s.sentence =
            (m_model.language() == Language::German
                 ? QCoreApplication::translate(
                       "solver", "%1 is the commonest scrambled letter not placed yet (%2 "
                                 "times), and E is the commonest letter in German: %1=E.")
                 : QCoreApplication::translate(
                       "solver", "%1 is the commonest scrambled letter not placed yet (%2 "
                                 "times), and E is the commonest letter in English: %1=E."))
                .arg(s.word, QString::number(n));
        return s;
    }

public:
    // Words a person meets rarely or never: each no common word costs, a
    // word no list holds (a name, a coinage) more.
    double rareWords() const {
        double cost = 0;
        for (const CipherWord &w : m_text.words) {
            const Look l = look(w);
            if (l.truth.empty() || w.text.size() < 2) continue;
            const int id = m_model.find(l.truth);
            if (id < 0) cost += readsFromWords(l) ? 1.0 : 1.5;
            else if (m_model.count(id) < m_model.common()) cost += 1.0;
        }
        return std::min(cost, 4.0);
    }

private:
    CipherText m_text;
    Key m_truth;
    Key m_board{};
    std::array<bool, 26> m_used{};
    std::array<int, 26> m_letterCount{};
    const WordModel &m_model;
    Habits m_habits;
    bool m_teaching;
};

} // namespace

Rating Rate(const QString &cipher, const Key &truth, const Key &board, const WordModel *m) {
    if (!m) {
        // The language the answer is written in; a text that reads as none
        // has no level.
        const Solution own = ReadQuote(CipherText(cipher).decode(truth));
        if (own.known < Readable) return Rating{0, own.language, 0, {}};
        m = &WordModel::shared(own.language);
    }
    // The quote's own words: the names of an attribution are filled last,
    // from letters the words give, and cost little each.
    const qsizetype at = AttributionAt(cipher);
    const QString body = at < 0 ? cipher : cipher.left(at);
    Solver s(body, truth, board, *m, false);
    std::array<bool, 26> inBody{};
    for (QChar ch : body)
        if (const int c = CipherLetter(ch); c >= 0) inBody[size_t(c)] = true;
    std::array<bool, 26> named{};
    int names = 0;
    if (at >= 0)
        for (QChar ch : cipher.mid(at))
            if (const int c = CipherLetter(ch); c >= 0 && !inBody[size_t(c)] && truth[size_t(c)] &&
                                                board[size_t(c)] != truth[size_t(c)] &&
                                                !named[size_t(c)])
                named[size_t(c)] = true, ++names;

    // What makes a cryptogram hard is finding a way in, and then the
    // hardest step: the steps until a handful of letters are known count by
    // how hard they are on average (many easy ones are no harder than a
    // few), and the hardest step of all counts whole.
    Rating r;
    const int total = s.unknownLetters();
    const double rare = s.rareWords();
    double opening = 0, hardest = 0;
    int found = 0, openingSteps = 0;
    while (!s.done()) {
        Step step = s.next();
        if (step.pairs.empty()) break;
        s.apply(step);
        if (found < std::min(Opening, total)) opening += step.cost, ++openingSteps;
        hardest = std::max(hardest, step.cost);
        found += int(step.pairs.size());
        r.steps.push_back(std::move(step));
    }
    if (!r.steps.empty()) r.score = 2 * opening / std::max(1, openingSteps) + hardest;
    r.score += rare + NameCost * names;
    r.language = m->language();
    r.level = LevelOf(r.score, r.language);
    return r;
}

Rating Rate(const QString &cipher, const Solution &solved) {
    // A solution that reads as no language is no answer to rate the way to:
    // the same rule as for a quote's own text.
    if (solved.known < Readable) return Rating{0, solved.language, 0, {}};
    return Rate(cipher, solved.key, {}, &WordModel::shared(solved.language));
}

Step NextStep(const QString &cipher, const Key &truth, const Key &board, const WordModel *m) {
    const WordModel &model =
        m ? *m : WordModel::shared(ReadQuote(CipherText(cipher).decode(truth)).language);
    Solver s(cipher, truth, board, model, true);
    return s.done() ? Step{} : s.next();
}

Step NextStep(const QString &cipher, const Solution &solved, const Key &board) {
    return NextStep(cipher, solved.key, board, &WordModel::shared(solved.language));
}

Key KeyOf(const QString &cipher, const QString &text) {
    Key k{};
    for (qsizetype i = 0; i < cipher.size() && i < text.size(); ++i) {
        const int c = CipherLetter(cipher[i]);
        const char16_t p = text[i].unicode();
        if (c >= 0 && p >= 'A' && p <= 'Z') k[size_t(c)] = char(p);
    }
    return k;
}

Rating RateQuote(const QString &quote, const WordModel *model) {
    // Any key will do if no letter stands for itself.
    const QString cipher = NextLetterCipher(quote);
    return Rate(cipher, KeyOf(cipher, quote.toUpper()), {}, model);
}

bool FitsBoard(const std::string &cipher, const std::string &word, const Key &board,
               const std::array<bool, 26> &used, bool selfRule) {
    if (word.size() != cipher.size()) return false;
    for (size_t k = 0; k < word.size(); ++k) {
        if (word[k] == '\'') continue;
        const int c = cipher[k] - 'a', p = word[k] - 'a';
        if (c == p && selfRule) return false;
        if (const char on = board[size_t(c)]) {
            if (on - 'A' != p) return false;
        } else if (used[size_t(p)]) {
            return false;
        }
    }
    return true;
}

std::vector<int> WordsThatFit(const QString &cipherWord, const Key &board,
                              const WordModel &model) {
    const CipherText text(cipherWord);
    std::vector<int> out;
    if (text.words.size() != 1) return out;
    const CipherWord &w = text.words[0];
    std::array<bool, 26> used{};
    for (char on : board)
        if (on >= 'A' && on <= 'Z') used[size_t(on - 'A')] = true;
    if (const auto *all = model.withPattern(w.pattern))
        for (int id : *all)
            if ((w.text.size() > 1 || model.loneLetterWord(model.text(id))) &&
                FitsBoard(w.text, model.text(id), board, used))
                out.push_back(id);
    return out;
}

QString PairsText(const std::vector<std::pair<char, char>> &pairs) {
    QStringList out;
    for (const auto &[c, p] : pairs)
        out << QStringLiteral("%1=%2").arg(QChar(c), QChar(p));
    return out.join(QStringLiteral(", "));
}

QString Times(int n) {
    return n == 2 ? QCoreApplication::translate("solver", "twice")
                  : QCoreApplication::translate("solver", "%1 times").arg(n);
}

const char *KindName(StepKind kind) {
    switch (kind) {
    case StepKind::OneLetter:
        return "lone";
    case StepKind::OnlyFit:
        return "only";
    case StepKind::RepeatedWord:
        return "repeated";
    case StepKind::PatternWord:
        return "pattern";
    case StepKind::LikelyFit:
        return "likeliest";
    case StepKind::Frequency:
        return "letter";
    case StepKind::Guess:
        return "guess";
    case StepKind::Leftover:
        return "name";
    case StepKind::LetterGroup:
        return "group";
    case StepKind::Doubled:
        return "double";
    }
    return "";
}

int LevelOf(double score, Language language) {
    // English: the fifths of the fortunes collections' quotes. German: the
    // fifths of fortunes-de's quotations, each half of them rated with
    // counts made from the other half (counted with its own words, a
    // quotation looks easier than a new one does).
    static constexpr double English[] = {7.83, 9.0, 10.13, 11.74};
    static constexpr double German[] = {8.4, 9.6, 10.78, 12.27};
    int level = 1;
    for (double b : language == Language::German ? German : English)
        if (score >= b) ++level;
    return level;
}

} // namespace solver
