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
// How many other first words a text that does not read is tried from.
constexpr int OtherWaysIn = 3;
// German's word list fits a rare word to almost any shape, and a word taken
// as none (a name) costs more than any of them: a reading that took a name
// would leave the beam at once, though the words after it bear it out. The
// best readings with one, two and three such words keep places of their own,
// each this share of the beam.
constexpr size_t NamesShare = 8; // one eighth
// The body's readings nearly as likely as its best, up to this many and at
// most this much less likely, are each read on into the attribution: the
// names decide what the body's words alone hardly tell apart.
constexpr size_t NearBodies = 10;
constexpr float NearBody = 3.0f;
// What a word of an attribution counts for beside a word of the quote.
constexpr float NameWeight = 0.75f;
// How much likelier a name of the word list is in an attribution than its
// count in running text says (MAX STIRNER, not CAN STIRNER).
constexpr float NameBonus = 3.0f;

// What word `id` adds to its log likelihood where it stands: in an
// attribution, a name counts for more.
float NameBonusOf(const WordModel &model, int id, bool attribution) {
    return attribution && model.name(id) ? NameBonus : 0.0f;
}

struct Reading {
    std::array<uint8_t, 26> fwd{}; // scrambled letter -> letter + 1, 0 unknown
    std::array<uint8_t, 26> inv{}; // letter -> scrambled letter + 1
    float score = 0;
    uint8_t unknowns = 0; // words taken as none the model knows
};

uint64_t keyHash(const Reading &r) {
    uint64_t h = 1469598103934665603ull;
    for (uint8_t v : r.fwd)
        h = (h ^ v) * 1099511628211ull;
    return h;
}

// The order the words are taken in: first the one that says most (many
// letters, few words to fit), then always the one most tied to the letters
// already taken, so that each new word is held by those before it. With
// `firstRank` N the first word is the one that says the (N+1)th most: another
// way in.
std::vector<int> WordOrder(const std::vector<CipherWord> &words, const WordModel &model,
                           const Reading &start, int firstRank = 0) {
    std::vector<int> order;
    std::vector<bool> taken(words.size());
    std::array<bool, 26> covered{}; // the letters read so far, from the start's on
    for (int c = 0; c < 26; ++c)
        covered[size_t(c)] = start.fwd[size_t(c)] != 0;
    std::vector<std::pair<double, int>> firsts; // each word's value as the first
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
            // A word of no known shape reads no letter: it is taken last,
            // and its letters hold no word after it.
            const double n = fits ? double(fits->size()) : 0.5;
            const double value = fits ? known * 4.0 + fresh - std::log2(n + 1) * (known ? 0.2 : 1.5)
                                      : -1e17 + known;
            if (value > bestValue) bestValue = value, best = int(i);
            if (step == 0) firsts.emplace_back(-value, int(i));
        }
        if (step == 0 && firstRank > 0 && size_t(firstRank) < firsts.size()) {
            std::nth_element(firsts.begin(), firsts.begin() + firstRank, firsts.end());
            best = firsts[size_t(firstRank)].second;
        }
        taken[size_t(best)] = true;
        order.push_back(best);
        if (model.withPattern(words[size_t(best)].pattern))
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
// word before it. Words from `names` on (an attribution) are names: they
// count for less, so that whether the word list happens to hold a name does
// not outweigh the words of the quote.
float TextScore(const Reading &r, const std::vector<CipherWord> &words,
                const std::vector<int> &sequence, const WordModel &model,
                size_t names = size_t(-1)) {
    float score = 0;
    int last = -1;
    for (size_t at = 0; at < sequence.size(); ++at) {
        const CipherWord &w = words[size_t(sequence[at])];
        const std::string plain = Spelled(r, w);
        const bool whole = plain.find('?') == std::string::npos;
        const int id = whole ? model.find(plain) : -1;
        float word;
        if (at == names) last = -1;
        if (id < 0) {
            word = whole ? model.spelledLogp(plain) : model.unknownLogp(int(w.text.size()));
            last = -1;
        } else {
            word = (last >= 0 ? model.pairLogp(last, id) : model.logp(id)) +
                   NameBonusOf(model, id, at >= names);
            last = id;
        }
        score += at >= names ? NameWeight * word : word;
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

// A reading with its score as running text.
using Scored = std::pair<float, Reading>;

// The likeliest reading of `text` from `start`, its score as running text
// in `score`. `wide` tries many more words for the first ones: a second way
// in, for a text the first search did not read. An `attribution` is read
// as names. Every reading the search ends with goes to `ends`, if given.
Reading Search(const CipherText &text, const Reading &start, const WordModel &model, bool wide,
               bool attribution, float &score, int firstRank = 0,
               std::vector<Scored> *ends = nullptr) {
    const std::vector<CipherWord> &words = text.words;
    const size_t width = words.size() <= ShortText ? ShortBeam : Beam;
    std::vector<Reading> beam{start}, next;
    std::unordered_set<uint64_t> seen;
    if (!model.empty())
        for (int wi : WordOrder(words, model, start, firstRank)) {
            const CipherWord &w = words[size_t(wi)];
            const float times = float(w.count);
            const float unknown = model.unknownLogp(int(w.text.size())) * times;
            const std::vector<int> *fits = model.withPattern(w.pattern);
            next.clear();
            // Wide, the tries are shared among the readings kept: a first
            // word, from one reading, tries as many words as a later one
            // does from all of them, so a rarer word is not lost at the start.
            const int tries =
                wide ? int(std::max<size_t>(TriesPerReading,
                                            width * TriesPerReading / beam.size() / 4))
                     : TriesPerReading;
            for (const Reading &r : beam) {
                // Every letter known: the word is what they spell.
                const std::string plain = Spelled(r, w);
                if (plain.find('?') == std::string::npos) {
                    const int id = model.find(plain);
                    Reading n = r;
                    n.score += (id >= 0 ? model.logp(id) + NameBonusOf(model, id, attribution)
                                         : model.spelledLogp(plain)) *
                               times;
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
                        n.score += (model.logp(id) + NameBonusOf(model, id, attribution)) * times;
                        next.push_back(n);
                        if (++tried >= tries) break;
                    }
                // Or a word the model does not know: a name, say.
                Reading n = r;
                n.score += unknown;
                ++n.unknowns;
                next.push_back(n);
            }
            const size_t keep = std::min(next.size(), width * 2);
            std::partial_sort(next.begin(), next.begin() + long(keep), next.end(),
                              [](const Reading &a, const Reading &b) { return a.score > b.score; });
            beam.clear();
            seen.clear();
            for (size_t i = 0; i < keep && beam.size() < width; ++i)
                if (seen.insert(keyHash(next[i])).second) beam.push_back(next[i]);
            if (model.language() == Language::German) {
                std::sort(next.begin() + long(keep), next.end(),
                          [](const Reading &a, const Reading &b) { return a.score > b.score; });
                std::array<size_t, 4> places{}; // by how many names, 1 to 3
                for (const Reading &b : beam)
                    if (b.unknowns > 0 && b.unknowns <= 3) ++places[b.unknowns];
                for (const Reading &n : next)
                    if (n.unknowns > 0 && n.unknowns <= 3 &&
                        places[n.unknowns] < width / NamesShare &&
                        seen.insert(keyHash(n)).second)
                        beam.push_back(n), ++places[n.unknowns];
            }
        }

    const Reading *best = &beam.front();
    score = -1e30f;
    for (const Reading &r : beam) {
        const float s = TextScore(r, words, text.sequence, model, attribution ? 0 : size_t(-1));
        if (ends) ends->emplace_back(s, r);
        if (s > score) score = s, best = &r;
    }
    return *best;
}

// How many letters of a compound that reads as no word are tried changed
// at once.
constexpr size_t CompoundPart = WordModel::CompoundPart;
constexpr int CompoundReach = 4;
// How many words of each part's shape are tried, the nearest first.
constexpr size_t CompoundTries = 6;

// How many letters of `word` differ from `now` (as long, or longer).
int Apart(const std::string &word, const std::string &now) {
    int apart = 0;
    for (size_t k = 0; k < word.size(); ++k)
        apart += word[k] != now[k];
    return apart;
}

// The words of the shape of the scrambled `part`, at most CompoundReach
// letters away from how it reads `now`, the nearest (then the commonest)
// first, each with how far it is.
std::vector<std::pair<int, std::string>> NearWords(const std::string &part,
                                                   const std::string &now, const WordModel &model,
                                                   bool joined = false) {
    std::vector<std::pair<int, std::string>> out;
    const std::string shape = WordModel::pattern(part);
    auto near = [&](const std::vector<int> *fits, const char *joint) {
        if (fits)
            for (int id : *fits) { // commonest first
                const std::string cand = model.text(id) + joint;
                const int apart = Apart(cand, now);
                if (apart <= CompoundReach && (!*joint || WordModel::pattern(cand) == shape))
                    out.emplace_back(apart, cand);
            }
    };
    near(model.withPattern(shape), "");
    // A first part may end in a joining S (ARBEITS + ZIMMER).
    if (joined && part.size() > CompoundPart)
        near(model.withPattern(WordModel::pattern(part.substr(0, part.size() - 1))), "s");
    std::stable_sort(out.begin(), out.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    if (out.size() > CompoundTries) out.resize(CompoundTries);
    return out;
}

// The reading made better a letter at a time, as a person going over a
// finished puzzle would: each scrambled letter of the text tried as every
// other letter (exchanged with the one that has it), kept where the whole
// text then reads likelier. Letters in `fixed` stay.
void Polish(Reading &r, const CipherText &text, const std::array<bool, 26> &fixed,
            size_t names, const WordModel &model) {
    std::array<bool, 26> inText{};
    for (const CipherWord &w : text.words)
        for (int c : w.letters())
            inText[size_t(c)] = true;
    float score = TextScore(r, text.words, text.sequence, model, names);
    auto set = [&](Reading &t, int c, int p) { // c reads as p (-1: unknown)
        if (const uint8_t old = t.fwd[size_t(c)]) t.inv[size_t(old - 1)] = 0;
        t.fwd[size_t(c)] = uint8_t(p + 1);
        if (p >= 0) t.inv[size_t(p)] = uint8_t(c + 1);
    };
    // c reads as p, and the scrambled letter that had p takes c's letter.
    auto exchange = [&](Reading &t, int c, int p, int other) {
        const int mine = t.fwd[size_t(c)] - 1;
        if (other >= 0) set(t, other, -1);
        set(t, c, p);
        if (other >= 0 && mine >= 0) set(t, other, mine);
    };
    bool better = false;
    // The word `w` read as `cand`, its letters exchanged with those that had
    // them; kept where the whole text then reads likelier.
    auto tryAs = [&](const CipherWord &w, const std::string &cand) {
        Reading t = r;
        for (size_t k = 0; k < cand.size(); ++k) {
            if (cand[k] == '\'') continue;
            const int c = w.text[k] - 'a', p = cand[k] - 'a';
            if (t.fwd[size_t(c)] == p + 1) continue;
            const int other = t.inv[size_t(p)] - 1;
            if (p == c || fixed[size_t(c)] || (other >= 0 && fixed[size_t(other)])) return;
            exchange(t, c, p, other);
        }
        const float s = TextScore(t, text.words, text.sequence, model, names);
        if (s > score + 1e-3f) r = t, score = s, better = true;
    };
    for (int round = 0; round < 4; ++round) {
        better = false;
        for (int c = 0; c < 26; ++c) {
            if (!inText[size_t(c)] || fixed[size_t(c)]) continue;
            for (int p = 0; p < 26; ++p) {
                if (p == c || r.fwd[size_t(c)] == p + 1) continue;
                const int other = r.inv[size_t(p)] - 1; // the scrambled letter that has p
                if (other >= 0 && (fixed[size_t(other)] || other == r.fwd[size_t(c)] - 1)) continue;
                Reading t = r;
                exchange(t, c, p, other);
                const float s = TextScore(t, text.words, text.sequence, model, names);
                if (s > score + 1e-3f) r = t, score = s, better = true;
            }
        }
        // Each word read as another of its shape, its letters exchanged
        // with those that had them: two letters wrong together (JOKING read
        // as LOVING) are put right at once.
        for (const CipherWord &w : text.words) {
            const std::vector<int> *fits = model.withPattern(w.pattern);
            if (!fits) continue;
            const std::string now = Spelled(r, w);
            // Only words one or two letters away: the rest of the word is
            // held by the words around it. A word that reads as no word
            // holds less: up to four.
            const int reach = model.knows(now) ? 2 : 4;
            for (int id : *fits)
                if (const int apart = Apart(model.text(id), now); apart > 0 && apart <= reach)
                    tryAs(w, model.text(id));
        }
        // A German word that reads as no word may be a compound read wrong in
        // both its parts at once (BELTWEITUNG for WELTZEITUNG): each part
        // read as a word of its shape a few letters away. A word shortened
        // with an apostrophe, likewise, from the word before it.
        if (model.language() == Language::German)
            for (const CipherWord &w : text.words) {
                const std::string now = Spelled(r, w);
                if (model.knows(now)) continue;
                // A word shortened (TREMIT'S): the word before the apostrophe.
                if (const size_t mark = w.text.find('\''); mark != std::string::npos) {
                    for (const auto &[apart, stem] :
                         NearWords(w.text.substr(0, mark), now.substr(0, mark), model))
                        if (apart > 0) tryAs(w, stem);
                    continue;
                }
                if (w.text.size() < 2 * CompoundPart) continue;
                for (size_t at = CompoundPart; at + CompoundPart <= w.text.size(); ++at) {
                    const auto heads = NearWords(w.text.substr(0, at), now.substr(0, at), model, true);
                    const auto tails = NearWords(w.text.substr(at), now.substr(at), model);
                    for (const auto &[hApart, head] : heads)
                        for (const auto &[tApart, tail] : tails)
                            if (hApart + tApart > 0 && hApart + tApart <= CompoundReach)
                                tryAs(w, head + tail);
                }
            }
        if (!better) return;
    }
}

// Whether a reading reads: every word of four letters or more in it is a
// word the model knows. A name does not, and sends the text to a second way
// in, which costs little.
bool Reads(const Reading &r, const std::vector<CipherWord> &words, const WordModel &model) {
    for (const CipherWord &w : words)
        if (w.letters().size() >= 3 && w.text.size() >= 4 && !model.knows(Spelled(r, w)))
            return false;
    return true;
}

// The share of the text's letters that stand in words the model knows.
double KnownShare(const Reading &r, const std::vector<CipherWord> &words, const WordModel &model) {
    double known = 0, all = 0;
    for (const CipherWord &w : words) {
        const double letters = double(w.text.size()) * w.count;
        all += letters;
        if (model.knows(Spelled(r, w))) known += letters;
    }
    return all > 0 ? known / all : 1;
}

// The reading of `text` from `start`: the first search, or the second way
// in when the first does not read and the second reads better. The readings
// every search ended with go to `ends`, if given.
Reading Read(const CipherText &text, const Reading &start, const WordModel &model,
             bool attribution = false, std::vector<Scored> *ends = nullptr) {
    float score = 0, wideScore = 0;
    Reading r = Search(text, start, model, false, attribution, score, 0, ends);
    if (Reads(r, text.words, model)) return r;
    Reading wide = Search(text, start, model, true, attribution, wideScore, 0, ends);
    if (wideScore > score) r = wide, score = wideScore;
    if (Reads(r, text.words, model)) return r;
    // Neither reads: the first word taken may have been read wrong, and
    // every word after it with it. Other first words, each a way in.
    for (int rank = 1; rank <= OtherWaysIn; ++rank) {
        float otherScore = 0;
        Reading other = Search(text, start, model, false, attribution, otherScore, rank, ends);
        if (otherScore > score) r = other, score = otherScore;
    }
    return r;
}

// The whole text read from the body's best reading `best` and those of
// `ends` nearly as likely, each read on into the attribution: the likeliest
// whole. `ends` holds every reading the body's searches ended with, `best`
// the likeliest of them.
Reading WithNames(const Reading &best, std::vector<Scored> &ends, const CipherText &body,
                  const CipherText &names, const CipherText &text, const WordModel &model) {
    std::sort(ends.begin(), ends.end(),
              [](const Scored &a, const Scored &b) { return a.first > b.first; });
    const float top = ends.empty() ? 0.0f : ends.front().first; // best's score
    std::vector<const Reading *> bodies{&best};
    std::unordered_set<uint64_t> seen{keyHash(best)};
    for (const auto &[score, r] : ends)
        if (bodies.size() < NearBodies && score >= top - NearBody && seen.insert(keyHash(r)).second)
            bodies.push_back(&r);
    Reading out = best;
    float outScore = -1e30f;
    for (const Reading *b : bodies) {
        const Reading whole = Read(names, *b, model, true);
        const float s = TextScore(whole, text.words, text.sequence, model, body.sequence.size());
        if (s > outScore) out = whole, outScore = s;
    }
    return out;
}

// An English reading that scores this well a letter is English: read as
// German too only below it. Readings of German text as English score well
// under it, English ones above (on collections the counts never saw).
constexpr double PlainlyEnglish = -1.9;

Solution SolveIn(const QString &cipher, const std::array<char, 26> &given,
                 const WordModel &model) {
    const CipherText text(cipher);

    Reading r;
    for (int c = 0; c < 26; ++c)
        if (given[size_t(c)] >= 'A' && given[size_t(c)] <= 'Z') {
            const int p = given[size_t(c)] - 'A';
            r.fwd[size_t(c)] = uint8_t(p + 1);
            r.inv[size_t(p)] = uint8_t(c + 1);
        }
    // The body first, then the attribution from the body's letters: a
    // name, read last, does not drag the body's words wrong; it only
    // decides between readings of the body nearly as likely.
    const qsizetype at = AttributionAt(cipher);
    const CipherText body(at < 0 ? cipher : cipher.left(at));
    const size_t names = at < 0 ? size_t(-1) : body.sequence.size();
    if (!model.empty()) {
        std::vector<Scored> ends;
        r = Read(body, r, model, false, at >= 0 ? &ends : nullptr);
        if (at >= 0) r = WithNames(r, ends, body, CipherText(cipher.mid(at)), text, model);
    }
    FillLetters(r, text.words, model);
    if (!model.empty()) {
        std::array<bool, 26> fixed{};
        for (int c = 0; c < 26; ++c)
            fixed[size_t(c)] = given[size_t(c)] >= 'A' && given[size_t(c)] <= 'Z';
        Polish(r, text, fixed, names, model);
    }
    Solution out;
    out.score = TextScore(r, text.words, text.sequence, model, names);
    out.known = KnownShare(r, text.words, model);
    out.reads = out.known >= 0.8;
    out.language = model.language();
    for (int c = 0; c < 26; ++c)
        if (r.fwd[size_t(c)]) out.key[size_t(c)] = char('A' + r.fwd[size_t(c)] - 1);
    out.plain = text.decode(out.key);
    return out;
}

} // namespace

Solution Solve(const QString &cipher, const std::array<char, 26> &given, const WordModel *m) {
    if (m) return SolveIn(cipher, given, *m);
    Solution english = SolveIn(cipher, given, WordModel::shared(Language::English));
    int letters = 0;
    for (const QChar c : cipher)
        letters += CipherLetter(c) >= 0;
    if (letters == 0 || english.score >= PlainlyEnglish * letters) return english;
    // Both readings' scores are the log likelihood of the text in their own
    // language: the likelier language is the one it is written in.
    Solution german = SolveIn(cipher, given, WordModel::shared(Language::German));
    return german.score > english.score ? german : english;
}

Solution ReadQuote(const QString &quote) {
    // The whole key given: only the language is left to find.
    const QString cipher = NextLetterCipher(quote);
    std::array<char, 26> key{};
    for (const QChar ch : cipher)
        if (const int c = CipherLetter(ch); c >= 0) key[size_t(c)] = char('A' + (c + 25) % 26);
    return Solve(cipher, key);
}

} // namespace solver
