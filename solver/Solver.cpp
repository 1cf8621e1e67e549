#include "Solver.h"

#include "CipherWords.h"
#include "WordModel.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace solver {

namespace {

// How many readings are kept after each word, and how many words each
// reading may try for the next one.
constexpr size_t Beam = 160;
// A short text gives few words to hold each other: it keeps more readings,
// at little cost, as it has few words to take.
constexpr size_t ShortBeam = 400;
constexpr size_t ShortText = 12; // different words
constexpr int TriesPerReading = 48;

struct Reading {
    std::array<uint8_t, 26> fwd{}; // scrambled letter -> letter + 1, 0 unknown
    std::array<uint8_t, 26> inv{}; // letter -> scrambled letter + 1
    float score = 0;
};

uint64_t keyHash(const Reading &r) {
    uint64_t h = 1469598103934665603ull;
    for (uint8_t v : r.fwd)
        h = (h ^ v) * 1099511628211ull;
    return h;
}

// The order the words are taken in: first the one that says most (many
// letters, few words to fit), then always the one most tied to the letters
// already taken, so that each new word is held by those before it.
std::vector<int> WordOrder(const std::vector<CipherWord> &words, const WordModel &model) {
    std::vector<int> order;
    std::vector<bool> taken(words.size());
    std::array<bool, 26> covered{};
    for (size_t step = 0; step < words.size(); ++step) {
        int best = -1;
        double bestValue = -1e18;
        for (size_t i = 0; i < words.size(); ++i) {
            if (taken[i]) continue;
            const CipherWord &w = words[i];
            int known = 0, fresh = 0;
            for (int c : w.letters())
                (covered[size_t(c)] ? known : fresh)++;
            const auto *fits = model.withPattern(w.pattern);
            const double n = fits ? double(fits->size()) : 0.5;
            const double value = known * 4.0 + fresh - std::log2(n + 1) * (known ? 0.2 : 1.5);
            if (value > bestValue) bestValue = value, best = int(i);
        }
        taken[size_t(best)] = true;
        order.push_back(best);
        for (int c : words[size_t(best)].letters())
            covered[size_t(c)] = true;
    }
    return order;
}

// The word as the reading spells it, '?' for a letter it lacks.
std::string Spelled(const Reading &r, const CipherWord &w) {
    std::string plain(w.text.size(), '?');
    for (size_t k = 0; k < w.text.size(); ++k) {
        const char c = w.text[k];
        if (c == '\'')
            plain[k] = c;
        else if (const uint8_t p = r.fwd[size_t(c - 'a')])
            plain[k] = char('a' + p - 1);
    }
    return plain;
}

// The reading's score for the whole text in order, each word after the
// word before it.
float TextScore(const Reading &r, const std::vector<CipherWord> &words,
                const std::vector<int> &sequence, const WordModel &model) {
    float score = 0;
    int last = -1;
    for (int i : sequence) {
        const CipherWord &w = words[size_t(i)];
        const std::string plain = Spelled(r, w);
        const bool whole = plain.find('?') == std::string::npos;
        const int id = whole ? model.find(plain) : -1;
        if (id < 0) {
            score += whole ? model.spelledLogp(plain) : model.unknownLogp(int(w.text.size()));
            last = -1;
        } else {
            score += last >= 0 ? model.pairLogp(last, id) : model.logp(id);
            last = id;
        }
    }
    return score;
}

// Letters no known word gave (most often in a name): each is read as the
// free letter that makes its words read most like English, the letter with
// most known letters around it first. A letter with no neighbours to go by
// (a lone initial) stays unknown.
void FillLetters(Reading &r, const std::vector<CipherWord> &words, const WordModel &model) {
    for (;;) {
        int bestLetter = -1, bestContext = 0;
        for (int c = 0; c < 26; ++c) {
            if (r.fwd[size_t(c)]) continue;
            int context = 0;
            for (const CipherWord &w : words)
                if (w.text.find(char('a' + c)) != std::string::npos) {
                    int known = 0;
                    for (char ch : w.text)
                        known += ch != '\'' && r.fwd[size_t(ch - 'a')];
                    context = std::max(context, known);
                }
            if (context > bestContext) bestContext = context, bestLetter = c;
        }
        if (bestLetter < 0 || bestContext < 2) return;
        const int c = bestLetter;
        int choice = -1;
        float bestScore = -1e30f;
        for (int p = 0; p < 26; ++p) {
            if (p == c || r.inv[size_t(p)]) continue;
            Reading t = r;
            t.fwd[size_t(c)] = uint8_t(p + 1);
            float score = 0;
            for (const CipherWord &w : words) {
                if (w.text.find(char('a' + c)) == std::string::npos) continue;
                const std::string spelled = Spelled(t, w);
                const int id = spelled.find('?') == std::string::npos ? model.find(spelled) : -1;
                score += w.count * (id >= 0 ? model.logp(id) - model.unknownLogp(0)
                                            : model.lettersLogp(spelled));
            }
            if (score > bestScore) bestScore = score, choice = p;
        }
        if (choice < 0) return;
        r.fwd[size_t(c)] = uint8_t(choice + 1);
        r.inv[size_t(choice)] = uint8_t(c + 1);
    }
}

} // namespace

Solution Solve(const QString &cipher, const std::array<char, 26> &given, const WordModel *m) {
    const WordModel &model = m ? *m : WordModel::shared();
    const CipherText text(cipher);
    const std::vector<CipherWord> &words = text.words;

    Reading start;
    for (int c = 0; c < 26; ++c)
        if (given[size_t(c)] >= 'A' && given[size_t(c)] <= 'Z') {
            const int p = given[size_t(c)] - 'A';
            start.fwd[size_t(c)] = uint8_t(p + 1);
            start.inv[size_t(p)] = uint8_t(c + 1);
        }
    const size_t width = words.size() <= ShortText ? ShortBeam : Beam;
    std::vector<Reading> beam{start}, next;
    std::unordered_set<uint64_t> seen;
    if (!model.empty())
        for (int wi : WordOrder(words, model)) {
            const CipherWord &w = words[size_t(wi)];
            const float times = float(w.count);
            const float unknown = model.unknownLogp(int(w.text.size())) * times;
            const std::vector<int> *fits = model.withPattern(w.pattern);
            next.clear();
            for (const Reading &r : beam) {
                // Every letter known: the word is what they spell.
                const std::string plain = Spelled(r, w);
                if (plain.find('?') == std::string::npos) {
                    const int id = model.find(plain);
                    Reading n = r;
                    n.score += (id >= 0 ? model.logp(id) : model.spelledLogp(plain)) * times;
                    next.push_back(n);
                    continue;
                }
                int tried = 0;
                if (fits)
                    for (int id : *fits) {
                        const std::string &cand = model.text(id);
                        bool fitsKey = true;
                        for (size_t k = 0; k < cand.size() && fitsKey; ++k) {
                            const char c = w.text[k];
                            if (c == '\'') continue;
                            const int ci = c - 'a', pi = cand[k] - 'a';
                            const uint8_t f = r.fwd[size_t(ci)];
                            fitsKey = ci != pi && (f ? f == pi + 1 : r.inv[size_t(pi)] == 0);
                        }
                        if (!fitsKey) continue;
                        Reading n = r;
                        for (size_t k = 0; k < cand.size(); ++k) {
                            if (cand[k] == '\'') continue;
                            const int ci = w.text[k] - 'a', pi = cand[k] - 'a';
                            n.fwd[size_t(ci)] = uint8_t(pi + 1);
                            n.inv[size_t(pi)] = uint8_t(ci + 1);
                        }
                        n.score += model.logp(id) * times;
                        next.push_back(n);
                        if (++tried >= TriesPerReading) break;
                    }
                // Or a word the model does not know: a name, say.
                Reading n = r;
                n.score += unknown;
                next.push_back(n);
            }
            const size_t keep = std::min(next.size(), width * 2);
            std::partial_sort(next.begin(), next.begin() + long(keep), next.end(),
                              [](const Reading &a, const Reading &b) { return a.score > b.score; });
            beam.clear();
            seen.clear();
            for (size_t i = 0; i < keep && beam.size() < width; ++i)
                if (seen.insert(keyHash(next[i])).second) beam.push_back(next[i]);
        }

    // The readings kept, scored again as running text.
    const Reading *best = &beam.front();
    float bestScore = -1e30f;
    for (const Reading &r : beam) {
        const float s = TextScore(r, words, text.sequence, model);
        if (s > bestScore) bestScore = s, best = &r;
    }
    Reading filled = *best;
    FillLetters(filled, words, model);
    best = &filled;
    Solution out;
    out.score = bestScore;
    for (int c = 0; c < 26; ++c)
        if (best->fwd[size_t(c)]) out.key[size_t(c)] = char('A' + best->fwd[size_t(c)] - 1);
    out.plain = text.decode(out.key);
    return out;
}

} // namespace solver
