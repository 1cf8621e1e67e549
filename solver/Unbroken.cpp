#include "Unbroken.h"

#include "CipherWords.h"
#include "LetterModel.h"

#include <QHashFunctions>
#include <QStringList>

#include <algorithm>
#include <array>
#include <random>

namespace solver {

namespace {

using LetterKey = std::array<int, 26>; // the plain letter of each scrambled one

// The climb's fixed part: the cipher's letters and where each run of four
// starts, so that a key is scored by table look-ups alone.
struct Climb {
    const LetterModel &model;
    std::vector<int> cipher;
    std::vector<int> present; // the scrambled letters the text holds

    float score(const LetterKey &k) const {
        float sum = 0;
        for (size_t i = 3; i < cipher.size(); ++i)
            sum += model.logp(k[size_t(cipher[i - 3])], k[size_t(cipher[i - 2])],
                              k[size_t(cipher[i - 1])], k[size_t(cipher[i])]);
        return sum;
    }

    // Swaps of two letters' readings while any makes the text likelier; a
    // letter never reads as itself, as in the game's keys.
    float climb(LetterKey &k) const {
        float best = score(k);
        for (bool better = true; better;) {
            better = false;
            for (int a : present)
                for (int b = 0; b < 26; ++b) {
                    if (b == a || (b < a && std::binary_search(present.begin(), present.end(), b)))
                        continue;
                    if (k[size_t(b)] == a || k[size_t(a)] == b) continue;
                    std::swap(k[size_t(a)], k[size_t(b)]);
                    const float s = score(k);
                    if (s > best + 1e-4f) {
                        best = s, better = true;
                    } else {
                        std::swap(k[size_t(a)], k[size_t(b)]);
                    }
                }
        }
        return best;
    }
};

// A key in which no letter reads as itself, drawn at random.
LetterKey RandomKey(std::mt19937 &rng) {
    LetterKey k;
    for (int i = 0; i < 26; ++i)
        k[size_t(i)] = i;
    // Sattolo's shuffle: one cycle through all 26, so none stays put.
    for (int i = 25; i > 0; --i)
        std::swap(k[size_t(i)], k[std::uniform_int_distribution<size_t>(0, size_t(i) - 1)(rng)]);
    return k;
}

// How much less likely a run of letters the word by word reading may make
// the text, as a log likelihood.
constexpr float Slack = 8;

// Climbs from many starts; the best key found. It stops once the best has
// been reached again from enough starts, or after the most starts allowed.
LetterKey BestKey(const Climb &c, uint32_t seed) {
    constexpr int Agree = 4, MostStarts = 400;
    std::mt19937 rng(seed);
    LetterKey best = RandomKey(rng);
    float bestScore = c.climb(best);
    int agreed = 1;
    for (int start = 1; start < MostStarts && agreed < Agree; ++start) {
        LetterKey k = RandomKey(rng);
        const float s = c.climb(k);
        if (s > bestScore + 1e-3f) {
            best = k, bestScore = s, agreed = 1;
        } else if (s > bestScore - 1e-3f) {
            ++agreed;
        }
    }
    return best;
}

// What each letter of a word the model does not know costs beyond its cost
// in a text with breaks.
constexpr float Unbroken = 1.5f;

} // namespace

QString WordsIn(const QString &text, const WordModel &model, double *known) {
    std::string s;
    for (const QChar ch : text)
        if (const int c = CipherLetter(ch); c >= 0) s += char('a' + c);
    constexpr size_t Longest = 24;
    const size_t n = s.size();
    std::vector<float> best(n + 1, -1e30f);
    std::vector<size_t> from(n + 1, 0);
    std::vector<bool> knownWord(n + 1, false);
    best[0] = 0;
    for (size_t end = 1; end <= n; ++end)
        for (size_t len = 1; len <= std::min(end, Longest); ++len) {
            const std::string w = s.substr(end - len, len);
            int id = model.find(w);
            if (id < 0) id = model.findUnmarked(w);
            const bool lone = len == 1 && !model.loneLetterWord(w);
            // A word the model does not know costs more by the letter than
            // in a text with breaks: here it could swallow a run of words.
            const float cost =
                id >= 0 && !lone ? model.logp(id) : model.spelledLogp(w) - Unbroken * float(len);
            if (best[end - len] + cost > best[end]) {
                best[end] = best[end - len] + cost;
                from[end] = end - len;
                knownWord[end] = id >= 0 && !lone;
            }
        }
    QStringList words;
    size_t knownLetters = 0;
    for (size_t end = n; end > 0; end = from[end]) {
        words.prepend(QString::fromLatin1(s.substr(from[end], end - from[end])).toUpper());
        if (knownWord[end]) knownLetters += end - from[end];
    }
    if (known) *known = n ? double(knownLetters) / double(n) : 1.0;
    return words.join(QLatin1Char(' '));
}

namespace {

Solution SolveIn(const QString &cipher, const WordModel &words, const LetterModel &letters) {
    Climb c{letters, {}, {}};
    std::array<bool, 26> seen{};
    for (const QChar ch : cipher)
        if (const int l = CipherLetter(ch); l >= 0) c.cipher.push_back(l), seen[size_t(l)] = true;
    for (int l = 0; l < 26; ++l)
        if (seen[size_t(l)]) c.present.push_back(l);
    Solution out;
    out.language = words.language();
    if (letters.empty() || c.cipher.size() < 4) {
        out.plain = CipherText(cipher).decode({});
        return out;
    }
    const LetterKey k = BestKey(c, uint32_t(qHash(cipher)));
    out.score = c.score(k);
    for (int l : c.present)
        out.key[size_t(l)] = char('A' + k[size_t(l)]);
    out.plain = CipherText(cipher).decode(out.key);
    out.words = WordsIn(out.plain, words, &out.known);
    // A short text's likeliest letters may miss a word or two: the cipher
    // cut where the words found break is read again word by word, and
    // that reading kept where more of it stands in words.
    QString cut;
    qsizetype at = 0;
    for (const QChar ch : out.words) {
        if (ch == u' ') {
            cut += ch;
            continue;
        }
        while (at < cipher.size() && CipherLetter(cipher[at]) < 0)
            ++at;
        cut += cipher[at++];
    }
    const Solution byWords = Solve(cut, {}, &words);
    double known = 0;
    const QString again = WordsIn(byWords.plain, words, &known);
    LetterKey byKey = k;
    bool whole = true;
    for (int l : c.present) {
        whole = whole && byWords.key[size_t(l)];
        if (whole) byKey[size_t(l)] = byWords.key[size_t(l)] - 'A';
    }
    // Kept only where its letters read almost as likely as the best found:
    // known words bought with unlikely letters are a misreading.
    if (whole && known > out.known + 1e-9 && c.score(byKey) > out.score - Slack) {
        out.key = byWords.key;
        out.plain = CipherText(cipher).decode(out.key);
        out.words = again;
        out.known = known;
    }
    out.reads = out.known >= 0.8;
    return out;
}

} // namespace

Solution SolveUnbroken(const QString &cipher, const WordModel *model) {
    if (model) return SolveIn(cipher, *model, LetterModel::shared(model->language()));
    const Solution english = SolveIn(cipher, WordModel::shared(Language::English),
                                     LetterModel::shared(Language::English));
    if (english.known >= 0.5) return english;
    const Solution german =
        SolveIn(cipher, WordModel::shared(Language::German), LetterModel::shared(Language::German));
    return german.known > english.known ? german : english;
}

} // namespace solver
