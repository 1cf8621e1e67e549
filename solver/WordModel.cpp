#include "WordModel.h"

#include <QFile>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace solver {

Language SpokenLanguage() {
    return QLocale().language() == QLocale::German ? Language::German : Language::English;
}

namespace {

uint64_t pairKey(int a, int b) {
    return (uint64_t(uint32_t(a)) << 32) | uint32_t(b);
}

// Reads the compact form, bounds-checked: any damage leaves the reader failed.
struct Reader {
    const std::string &d;
    size_t at = 0;
    bool ok = true;
    uint32_t u32() {
        if (!ok || at + 4 > d.size()) return ok = false, 0;
        uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | uint8_t(d[at + size_t(i)]);
        at += 4;
        return v;
    }
    std::string str() {
        if (!ok || at + 1 > d.size()) return ok = false, std::string();
        const size_t n = uint8_t(d[at++]);
        if (at + n > d.size()) return ok = false, std::string();
        std::string s = d.substr(at, n);
        at += n;
        return s;
    }
};

// Smoothing: a word of the list never seen counts as half a sighting; the
// chance of a word after another mixes the pair's own count with its own.
constexpr double Unseen = 0.5;
// A compound of common words reads likelier than one of rare words.
constexpr float CompoundPartWeight = 0.3f;
// German's pairs are counted in far less text, and weigh less.
double PairWeight(Language language) {
    return language == Language::German ? 0.4 : 0.55;
}

} // namespace

WordModel::WordModel(const std::string &data, Language language) : m_language(language) {
    Reader r{data};
    if (data.compare(0, 4, "CPW1") != 0) return;
    r.at = 4;
    const uint32_t n = r.u32();
    if (!r.ok || n > 10'000'000) return;
    std::vector<std::string> words;
    std::vector<uint32_t> counts;
    std::vector<bool> names;
    words.reserve(n);
    counts.reserve(n);
    names.reserve(n);
    double total = 0;
    for (uint32_t i = 0; i < n && r.ok; ++i) {
        words.push_back(r.str());
        const uint32_t c = r.u32(); // the top bit marks a name
        counts.push_back(c & 0x7fffffffu);
        names.push_back(c >> 31);
        total += counts.back();
    }
    const uint32_t np = r.u32();
    std::unordered_map<uint64_t, uint32_t> pairs;
    for (uint32_t i = 0; i < np && r.ok; ++i) {
        const uint32_t a = r.u32(), b = r.u32(), c = r.u32();
        if (a >= n || b >= n) r.ok = false;
        pairs[pairKey(int(a), int(b))] = c;
    }
    if (!r.ok) return;
    m_words = std::move(words);
    m_count = std::move(counts);
    m_name = std::move(names);
    m_pairs = std::move(pairs);
    const double norm = total + Unseen * double(n);
    m_logp.resize(n);
    for (uint32_t i = 0; i < n; ++i) {
        m_logp[i] = float(std::log((m_count[i] + Unseen) / norm));
        m_ids.emplace(m_words[i], int(i));
    }
    m_rare = float(std::log(Unseen / norm));
    m_common = std::max(2u, uint32_t(std::lround(total / 150'000)));
    for (uint32_t i = 0; i < n; ++i) {
        m_patterns[pattern(m_words[i])].push_back(int(i));
        std::string bare = m_words[i];
        if (bare.find('\'') == std::string::npos) continue;
        bare.erase(std::remove(bare.begin(), bare.end(), '\''), bare.end());
        const auto [at, fresh] = m_unmarked.emplace(bare, int(i));
        if (!fresh && m_logp[i] > m_logp[size_t(at->second)]) at->second = int(i);
    }
    // Letters after letters, from every word, the common ones counting more.
    std::vector<double> tri(27 * 27 * 27, 0.1), pair(27 * 27, 0);
    for (uint32_t i = 0; i < n; ++i) {
        const double weight = 1 + std::log1p(double(m_count[i]));
        int a = 26, b = 26;
        for (char ch : m_words[i] + '\0') {
            if (ch == '\'') continue;
            const int c = ch ? ch - 'a' : 26;
            tri[size_t((a * 27 + b) * 27 + c)] += weight;
            a = b, b = c;
        }
    }
    for (size_t i = 0; i < tri.size(); ++i)
        pair[i / 27] += tri[i];
    m_trigram.resize(tri.size());
    for (size_t i = 0; i < tri.size(); ++i)
        m_trigram[i] = float(std::log(tri[i] / pair[i / 27]));
    for (auto &[p, ids] : m_patterns)
        std::stable_sort(ids.begin(), ids.end(),
                         [this](int a, int b) { return m_logp[size_t(a)] > m_logp[size_t(b)]; });
}

namespace {

WordModel load(const char *name, Language language) {
    QFile f(QString::fromLatin1(name));
    f.open(QIODevice::ReadOnly);
    const QByteArray d = f.readAll();
    return WordModel(std::string(d.constData(), size_t(d.size())), language);
}

} // namespace

const WordModel &WordModel::shared(Language language) {
    if (language == Language::German) {
        static const WordModel german = load(":/solver/words-de.bin", Language::German);
        return german;
    }
    static const WordModel english = load(":/solver/words.bin", Language::English);
    return english;
}

bool WordModel::loneLetterWord(const std::string &word) const {
    return m_language == Language::English && (word == "a" || word == "i");
}

float WordModel::unknownLogp(int length) const {
    // Below any word of the list, and more so the longer it is: a name or a
    // word the list lacks is allowed, but only where no word fits.
    return m_rare - 4.0f - 0.8f * float(length);
}

float WordModel::lettersLogp(const std::string &word) const {
    float sum = 0;
    int a = 26, b = 26;
    for (size_t i = 0; i <= word.size(); ++i) {
        const char ch = i < word.size() ? word[i] : '\0';
        if (ch == '\'') continue;
        if (ch == '?') {
            a = b = -1;
            continue;
        }
        const int c = ch ? ch - 'a' : 26;
        if (a >= 0 && b >= 0) sum += m_trigram[size_t((a * 27 + b) * 27 + c)];
        a = b, b = c;
    }
    return sum;
}

float WordModel::spelledLogp(const std::string &word) const {
    // A German compound of known words is a word, if a rare one; so is a
    // word shortened, a little less likely than the word itself, and a
    // common English word German has taken.
    if (m_language == Language::German && find(word) < 0) {
        if (const float parts = compoundPartLogp(word); parts > -1e30f)
            return m_rare - 1.0f + CompoundPartWeight * (parts - m_rare);
        if (const float whole = elidedLogp(word); whole > -1e30f) return whole - 1.0f;
        if (borrowed(word)) return m_rare - 1.0f;
    }
    // A typical word scores about -2.2 a letter; only worse costs more.
    const float english = lettersLogp(word) + 2.2f * float(word.size() + 1);
    return unknownLogp(int(word.size())) + 0.5f * std::min(0.0f, english);
}

bool WordModel::borrowed(const std::string &word) const {
    if (m_language != Language::German) return false;
    const WordModel &english = shared(Language::English);
    const int id = english.find(word);
    return id >= 0 && english.count(id) >= english.common();
}

float WordModel::elidedLogp(const std::string &word) const {
    const size_t at = word.find('\'');
    if (m_language != Language::German || at == std::string::npos || at < 2) return -1e31f;
    const std::string stem = word.substr(0, at), rest = word.substr(at + 1);
    // What the apostrophe leaves out: GAB'S (gab es), VOR'M (vor dem), FUER'N
    // (fuer einen) keep the word whole; HAB' (habe), WAR'N (waren) drop its E.
    std::vector<std::string> whole;
    if (rest == "s" || rest == "m" || rest == "n") whole.push_back(stem);
    if (rest.empty()) whole.push_back(stem + "e");
    if (rest == "n") whole.push_back(stem + "en");
    float best = -1e31f;
    for (const std::string &w : whole)
        if (const int id = find(w); id >= 0) best = std::max(best, logp(id));
    return best;
}

float WordModel::pairLogp(int word, int next) const {
    const uint32_t seen = m_count[size_t(word)];
    const auto it = m_pairs.find(pairKey(word, next));
    if (it == m_pairs.end() || seen == 0) return logp(next);
    return float(
        std::log(PairWeight(m_language) * it->second / seen +
                 (1 - PairWeight(m_language)) * std::exp(double(logp(next)))));
}

int WordModel::find(const std::string &word) const {
    const auto it = m_ids.find(word);
    return it == m_ids.end() ? -1 : it->second;
}

float WordModel::compoundPartLogp(const std::string &word, size_t least, int parts) const {
    float best = -1e31f;
    if (parts < 2 || word.size() < 2 * least) return best;
    for (size_t at = least; at + least <= word.size(); ++at) {
        const std::string head = word.substr(0, at), tail = word.substr(at);
        int h = find(head);
        if (h < 0 && head.size() > least && head.back() == 's') h = find(head.substr(0, at - 1));
        if (h < 0) continue;
        const int t = find(tail);
        const float rest = t >= 0 ? logp(t) : compoundPartLogp(tail, least, parts - 1);
        best = std::max(best, std::min(logp(h), rest));
    }
    return best;
}

int WordModel::findUnmarked(const std::string &letters) const {
    const auto it = m_unmarked.find(letters);
    return it == m_unmarked.end() ? -1 : it->second;
}

const std::vector<int> *WordModel::withPattern(const std::string &p) const {
    const auto it = m_patterns.find(p);
    return it == m_patterns.end() ? nullptr : &it->second;
}

std::vector<int> WordModel::matching(const std::string &typed) const {
    std::string p;
    for (char c : typed)
        p += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    std::vector<int> out;
    for (char c : p)
        if (!(c >= 'a' && c <= 'z') && c != '?' && c != '\'') return out;
    if (p.find('?') == std::string::npos) {
        if (const auto *shaped = withPattern(pattern(p))) out = *shaped;
        return out;
    }
    // Letters as they stand: the words of the same length, the commonest first.
    std::vector<int> all;
    for (int id = 0; id < size(); ++id) {
        const std::string &w = m_words[size_t(id)];
        if (w.size() != p.size()) continue;
        bool fits = true;
        for (size_t k = 0; k < p.size() && fits; ++k)
            fits = p[k] == '?' ? w[k] != '\'' : p[k] == w[k];
        if (fits) all.push_back(id);
    }
    std::stable_sort(all.begin(), all.end(),
                     [this](int a, int b) { return m_logp[size_t(a)] > m_logp[size_t(b)]; });
    return all;
}

std::string WordModel::pattern(const std::string &word) {
    std::string p(word.size(), '\0');
    char order[256];
    std::memset(order, -1, sizeof order);
    char next = 0;
    for (size_t i = 0; i < word.size(); ++i) {
        const auto c = uint8_t(word[i]);
        if (c == '\'') {
            p[i] = '\'';
            continue;
        }
        if (order[c] < 0) order[c] = next++;
        p[i] = order[c];
    }
    return p;
}

} // namespace solver
