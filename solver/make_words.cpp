// Builds the solver's word data at build time: every word of a word list,
// with how often each word, and each pair of words in a row, occurs in a
// body of text. Written in the solver's own compact form (WordModel reads
// it).
//
//   cipherly-make-words [--fold] OUT WORDLIST TEXT...
//   cipherly-make-words --letters [--fold] OUT TEXT...
//
// With --letters it counts letters instead: how often each run of four
// letters occurs in the texts' entries, word breaks and marks left out, for
// reading a cipher given without word breaks.
//
// A word the list spells with a capital (Max, Wilde) is marked a name, in
// the top bit of its count, for reading attributions; not with --fold, as
// German spells every noun with a capital.
//
// With --fold the word list and texts are UTF-8 and their letters are
// written plain as the game writes a quote's (Ä as AE, ß as SS, É as E), so
// that a German word is counted as a puzzle spells it.
#include "QuoteRules.h"
#include "SafeFile.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QList>
#include <QSet>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

bool isLetter(char c) {
    return c >= 'a' && c <= 'z';
}

// The words of `text`, lower case: letters with apostrophes inside them.
// A word touching any other byte (a digit, an accented letter) is dropped,
// and so is a break between words across it: ends of entries ('%' lines)
// and blank lines break the chain of pairs too.
void readWords(const QByteArray &text, const std::function<void(const QByteArray &)> &word,
               const std::function<void()> &brk) {
    QByteArray w;
    bool bad = false;
    auto flush = [&] {
        while (w.endsWith('\''))
            w.chop(1);
        while (w.startsWith('\''))
            w.remove(0, 1);
        if (!w.isEmpty() && !bad)
            word(w);
        else if (bad)
            brk();
        w.clear();
        bad = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        if (isLetter(c) || (c == '\'' && !w.isEmpty())) {
            w += c;
        } else if (static_cast<unsigned char>(c) >= 0x80 || (c >= '0' && c <= '9')) {
            bad = true;
        } else {
            flush();
            if (c == '%' || (c == '\n' && i + 1 < text.size() && text[i + 1] == '\n')) brk();
        }
    }
    flush();
}

void put32(QByteArray &out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

} // namespace

// The bytes of the file at `path` as the words are read from them: folded
// to plain letters when asked. False (and told) when it cannot be read.
bool contents(const char *path, bool fold, QByteArray &out) {
    QFile f(QString::fromLocal8Bit(path));
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", path);
        return false;
    }
    const QByteArray raw = f.readAll();
    out = fold ? quotes::PlainLetters(QString::fromUtf8(raw)).toUtf8() : raw;
    return true;
}

// The data written whole, or the exit status of a failure (told).
int writeOut(const char *path, const QByteArray &out) {
    if (const safefile::Result r = safefile::replaceFile(QString::fromLocal8Bit(path), out); !r) {
        std::fprintf(stderr, "cannot write %s: %s\n", path, qPrintable(r.reason));
        return 1;
    }
    return 0;
}

// Runs of four letters in the entries of `texts`, each run's cost (minus the
// log of its chance) scaled by 12 into a byte.
int countLetters(const char *outPath, const QList<QByteArray> &texts) {
    constexpr int N = 26 * 26 * 26 * 26;
    std::vector<double> quad(N, 0.0);
    for (const QByteArray &text : texts) {
        int run = 0, at = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            char c = text[i];
            if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
            if (isLetter(c)) {
                at = (at * 26 + (c - 'a')) % N;
                if (++run >= 4) quad[size_t(at)] += 1;
            } else if (c == '%' && (i == 0 || text[i - 1] == '\n')) {
                run = 0; // a new entry
            }
        }
    }
    // Each run's own chance among all runs: a run never seen is unlikely,
    // not impossible.
    double total = 0;
    for (double q : quad)
        total += q;
    QByteArray out("CPL1");
    for (double q : quad)
        out.append(char(std::clamp(std::lround(-std::log((q + 0.05) / total) * 12), 0L, 255L)));
    return writeOut(outPath, out);
}

int main(int argc, char **argv) {
    const bool letters = argc > 1 && qstrcmp(argv[1], "--letters") == 0;
    if (letters) --argc, ++argv;
    const bool fold = argc > 1 && qstrcmp(argv[1], "--fold") == 0;
    if (fold) --argc, ++argv;
    if (letters) {
        if (argc < 3) {
            std::fprintf(stderr, "usage: cipherly-make-words --letters [--fold] OUT TEXT...\n");
            return 2;
        }
        QList<QByteArray> texts(argc - 2);
        for (int a = 2; a < argc; ++a)
            if (!contents(argv[a], fold, texts[a - 2])) return 1;
        return countLetters(argv[1], texts);
    }
    if (argc < 4) {
        std::fprintf(stderr, "usage: cipherly-make-words [--fold] OUT WORDLIST TEXT...\n");
        return 2;
    }
    QHash<QByteArray, quint32> count;
    QHash<QPair<QByteArray, QByteArray>, quint32> pairs;
    for (int a = 3; a < argc; ++a) {
        QByteArray text, last;
        if (!contents(argv[a], fold, text)) return 1;
        readWords(
            text,
            [&](const QByteArray &w) {
                ++count[w];
                if (!last.isEmpty()) ++pairs[{last, w}];
                last = w;
            },
            [&] { last.clear(); });
    }

    // The vocabulary: the word list's words (any case, letters and
    // apostrophes only), and words of the text seen often enough to be words.
    QList<QByteArray> words;
    QHash<QByteArray, quint32> id;
    auto add = [&](const QByteArray &w) {
        if (w.isEmpty() || w.size() > 30 || id.contains(w)) return;
        id.insert(w, quint32(words.size()));
        words.append(w);
    };
    QByteArray list;
    QSet<QByteArray> names;
    if (!contents(argv[2], fold, list)) return 1;
    for (const QByteArray &line : list.split('\n')) {
        const QByteArray spelled = line.trimmed(), w = spelled.toLower();
        if (!fold && !spelled.isEmpty() && spelled.front() >= 'A' && spelled.front() <= 'Z')
            names.insert(w);
        if (std::all_of(w.begin(), w.end(), [](char c) { return isLetter(c) || c == '\''; }) &&
            !w.startsWith('\'') && !w.endsWith('\'') &&
            // The list's letters and two-letter abbreviations ("q", "dz")
            // are words only where the text uses them.
            (w.size() > 2 || (!fold && (w == "a" || w == "i")) || count.value(w) >= 3))
            add(w);
    }
    // In a fixed order: a hash's order changes from run to run, and the
    // data must be the same from every build.
    QList<QByteArray> seen;
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (it.value() >= 3) seen.append(it.key());
    std::sort(seen.begin(), seen.end());
    for (const QByteArray &w : std::as_const(seen))
        add(w);

    QByteArray out("CPW1");
    put32(out, quint32(words.size()));
    for (const QByteArray &w : words) {
        out.append(char(w.size()));
        out.append(w);
        put32(out, std::min(count.value(w), 0x7fffffffu) | (names.contains(w) ? 0x80000000u : 0));
    }
    QList<std::array<quint32, 3>> kept;
    for (auto it = pairs.cbegin(); it != pairs.cend(); ++it)
        if (it.value() >= 2 && id.contains(it.key().first) && id.contains(it.key().second))
            kept.append({id[it.key().first], id[it.key().second], it.value()});
    std::sort(kept.begin(), kept.end());
    put32(out, quint32(kept.size()));
    for (const auto &p : kept)
        for (quint32 v : p)
            put32(out, v);

    if (const int failed = writeOut(argv[1], out)) return failed;
    std::printf("%lld words, %lld pairs\n", qlonglong(words.size()), qlonglong(kept.size()));
    return 0;
}
