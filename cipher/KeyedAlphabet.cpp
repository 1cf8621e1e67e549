#include "KeyedAlphabet.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <vector>
#include <numeric>

namespace cipher {

namespace {

const QString Plain = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");

// How many letters of `row` come before the rest of the alphabet in order:
// the keyword's letters, without repeats. -1 when the row is no keyed
// alphabet (or keyed by nothing, or by fewer than three letters), or when its
// rest is too short to tell it from chance.
int HeadOf(const QString &row) {
    // The alphabet merely turned round (a shift of Caesar's) is keyed by
    // nothing, whatever letters it starts with.
    bool turned = true;
    for (int i = 0; i < 25 && turned; ++i)
        turned = (row[i].unicode() - u'A' + 1) % 26 == row[i + 1].unicode() - u'A';
    if (turned) return -1;
    int h = 25;
    while (h > 0 && row[h - 1] < row[h]) --h;
    constexpr int LeastRest = 10, LeastKeyword = 3;
    return h < LeastKeyword || 26 - h < LeastRest ? -1 : h;
}

bool IsKey(const QString &key) {
    if (key.size() != 26) return false;
    for (const QChar c : Plain)
        if (key.count(c) != 1) return false;
    return true;
}

} // namespace

QString KeyedAlphabet(const QString &keyword) {
    QString row;
    for (const QChar c : keyword.toUpper() + Plain)
        if (c >= u'A' && c <= u'Z' && !row.contains(c)) row += c;
    return row;
}

Rows RowsOf(Keyed kind, const QString &keyword) {
    const QString keyed = KeyedAlphabet(keyword);
    switch (kind) {
    case Keyed::K1:
        return {keyed, Plain};
    case Keyed::K2:
        return {Plain, keyed};
    case Keyed::K3:
        break;
    }
    return {keyed, keyed};
}

QString KeyedKey(Keyed kind, const QString &keyword, int shift) {
    const Rows rows = RowsOf(kind, keyword);
    QString key(26, QChar(u'?'));
    for (int i = 0; i < 26; ++i) key[rows.plain[i].unicode() - u'A'] = rows.cipher[(i + shift) % 26];
    return key;
}

QList<int> SelfFreeShifts(Keyed kind, const QString &keyword) {
    QList<int> shifts;
    for (int s = 1; s < 26; ++s) {
        // Both rows keyed and slid by half the alphabet, the letters only
        // swap in pairs: neither a club's key nor one to read back.
        if (kind == Keyed::K3 && s == 13) continue;
        const QString key = KeyedKey(kind, keyword, s);
        bool free = true;
        for (int i = 0; i < 26 && free; ++i) free = key[i] != Plain[i];
        if (free) shifts << s;
    }
    return shifts;
}

std::optional<KeyedReading> ReadKeyed(const QString &key,
                                      const std::function<bool(const QString &)> &isWord) {
    if (!IsKey(key)) return std::nullopt;
    QString inverse(26, QChar());
    for (int i = 0; i < 26; ++i) inverse[key[i].unicode() - u'A'] = Plain[i];
    QList<KeyedReading> readings;
    const auto consider = [&](Keyed kind, const QString &row, int shift) {
        const int head = HeadOf(row);
        if (head < 0) return;
        // The keyword may run on into letters that happen to come in order:
        // the longest word it makes, else the fewest letters.
        int best = head;
        if (isWord)
            for (int h = 26 - 10; h >= head; --h)
                if (isWord(row.left(h))) {
                    best = h;
                    break;
                }
        readings.append({kind, row.left(best), shift});
    };
    for (int s = 1; s < 26; ++s) {
        QString k1(26, QChar()), k2(26, QChar());
        for (int i = 0; i < 26; ++i) {
            k1[i] = inverse[(i + s) % 26]; // the plain row read under the cipher row
            k2[i] = key[(i - s + 26) % 26];
        }
        consider(Keyed::K1, k1, s);
        consider(Keyed::K2, k2, s);
        // Both rows keyed: stepping by the shift, each letter's cipher
        // letter is the next one along the row. Shifts that split the row
        // into more than two runs leave it unknown where each run begins.
        const int runs = std::gcd(s, 26);
        if (runs > 2) continue;
        for (int first = 0; first < 26; ++first)
            for (int second = 0; second < (runs == 2 ? 26 : 1); ++second) {
                QString row(26, QChar());
                bool whole = true;
                for (int r = 0; r < runs && whole; ++r) {
                    const QChar start = Plain[r == 0 ? first : second];
                    QChar c = start;
                    for (int i = r; whole && row[i].isNull(); i = (i + s) % 26) {
                        whole = !row.contains(c);
                        row[i] = c;
                        c = key[c.unicode() - u'A'];
                    }
                    // The run closes on itself, as the key's own cycle does.
                    whole = whole && c == start;
                }
                if (whole && !row.contains(QChar())) consider(Keyed::K3, row, s);
            }
    }
    if (readings.isEmpty()) return std::nullopt;
    // A word first, the longest; then the shortest keyword.
    const auto better = [&isWord](const KeyedReading &a, const KeyedReading &b) {
        const bool wa = isWord && isWord(a.keyword), wb = isWord && isWord(b.keyword);
        if (wa != wb) return wa;
        return wa ? a.keyword.size() > b.keyword.size() : a.keyword.size() < b.keyword.size();
    };
    return *std::min_element(readings.begin(), readings.end(), better);
}

std::optional<KeyedReading> ReadKeyedFrom(const QString &key, const QStringList &keywords,
                                          int least) {
    if (key.size() != 26) return std::nullopt;
    // The letters known, plain and cipher.
    std::vector<std::pair<int, int>> known;
    for (int i = 0; i < 26; ++i)
        if (key[i] >= u'A' && key[i] <= u'Z') known.emplace_back(i, key[i].unicode() - u'A');
    // A whole key made by a keyword the list lacks still says its letters.
    const auto whole = [&key] { return IsKey(key) ? ReadKeyed(key) : std::nullopt; };
    if (int(known.size()) < least) return whole();
    // A key the solver found may hold a letter or two it misread: the
    // reading that disagrees with fewest, the likeliest keyword of those.
    const int spare = int(known.size()) >= 16 ? 2 : int(known.size()) >= 12 ? 1 : 0;
    std::optional<KeyedReading> best;
    int bestMisses = spare + 1;
    for (const QString &word : keywords) {
        const QString keyed = KeyedAlphabet(word);
        // Where each letter stands in the keyed row.
        std::array<int, 26> at{};
        for (int i = 0; i < 26; ++i) at[size_t(keyed[i].unicode() - u'A')] = i;
        for (const Keyed kind : {Keyed::K1, Keyed::K2, Keyed::K3})
            for (int s = 1; s < 26; ++s) {
                int misses = 0;
                for (const auto &[plain, cipher] : known) {
                    // The place of the plain letter in its row, and what
                    // stands under it in the other row, slid by s.
                    const int i = kind == Keyed::K2 ? plain : at[size_t(plain)];
                    const int j = (i + s) % 26;
                    const int under = kind == Keyed::K1 ? j : keyed[j].unicode() - u'A';
                    if (under != cipher && ++misses >= bestMisses) break;
                }
                if (misses < bestMisses) {
                    best = KeyedReading{kind, word, s};
                    bestMisses = misses;
                    if (misses == 0) return best;
                }
            }
    }
    return best ? best : whole();
}

QString KindName(Keyed kind) {
    switch (kind) {
    case Keyed::K1:
        return QStringLiteral("K1");
    case Keyed::K2:
        return QStringLiteral("K2");
    case Keyed::K3:
        break;
    }
    return QStringLiteral("K3");
}

std::optional<Keyed> KindOf(const QString &name) {
    for (const Keyed k : {Keyed::K1, Keyed::K2, Keyed::K3})
        if (KindName(k).compare(name, Qt::CaseInsensitive) == 0) return k;
    return std::nullopt;
}

} // namespace cipher
