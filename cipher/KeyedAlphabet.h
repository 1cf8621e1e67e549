#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// Keyed alphabets, as cipher clubs set them: an alphabet keyed by a keyword
// is the keyword's letters without repeats, then the rest of the alphabet in
// order (KANGAROO: KANGROBCDEFHIJLMPQSTUVWXYZ). A key is then read from two
// rows slid against each other by a shift:
// - K1: the plain row keyed, the cipher row the plain alphabet;
// - K2: the plain row the plain alphabet, the cipher row keyed;
// - K3: both rows keyed by the same keyword.
// A shift is only ever one under which no letter stands for itself.
namespace cipher {

enum class Keyed { K1, K2, K3 };

// "KANGROBCDE...": the alphabet keyed by `keyword` (its letters A-Z only).
QString KeyedAlphabet(const QString &keyword);

// The two rows of a keyed key before they are slid: plain over cipher.
struct Rows {
    QString plain, cipher;
};
Rows RowsOf(Keyed kind, const QString &keyword);

// The shifts (1 to 25) under which no letter of the two rows stands for
// itself (for K3 all but 13, which only swaps letters in pairs).
QList<int> SelfFreeShifts(Keyed kind, const QString &keyword);

// The key (the cipher letter of A, of B, ... of Z) the rows give slid by
// `shift`: the plain row's letter at i stands over the cipher row's at
// i + shift.
QString KeyedKey(Keyed kind, const QString &keyword, int shift);

// What made a key, read back from the key alone: its kind, its keyword and
// its shift. `isWord`, where given, tells a keyword from letters that only
// look like one; the likeliest reading is the longest keyword it knows.
struct KeyedReading {
    Keyed kind = Keyed::K1;
    QString keyword;
    int shift = 0;
};
std::optional<KeyedReading> ReadKeyed(const QString &key,
                                      const std::function<bool(const QString &)> &isWord = {});

// The same from a key known only in part, as a solved quote gives it ('?' for
// a letter whose cipher letter is not known): the first of `keywords` (the
// likeliest first) that, as some kind and shift, agrees with every letter
// known; for a whole key that none makes, its reading as ReadKeyed gives it.
// Nothing when fewer than `least` letters are known, or none agrees.
std::optional<KeyedReading> ReadKeyedFrom(const QString &key, const QStringList &keywords,
                                          int least = 12);

// "K1", "K2", "K3", and back (case ignored); nothing for another name.
QString KindName(Keyed kind);
std::optional<Keyed> KindOf(const QString &name);

} // namespace cipher
