#pragma once

#include <QString>

#include <array>
#include <string>
#include <vector>

namespace solver {

// A word of a cipher text: its scrambled letters in lower case ('a' to 'z',
// apostrophes kept), their pattern, and how often it occurs.
struct CipherWord {
    std::string text;
    std::string pattern;
    int count = 0;
    // The scrambled letters it holds, each once, as 0 to 25.
    std::vector<int> letters() const;
};

// A cipher text as words: each different word once, and the order they
// come in. Letters A to Z are the cipher's; anything else divides words,
// but an apostrophe between letters is part of its word.
struct CipherText {
    explicit CipherText(const QString &cipher);

    std::vector<CipherWord> words;
    std::vector<int> sequence; // indices into words, in reading order
    // The text with each scrambled letter replaced through `key` (the letter
    // for each of A to Z, 0 where unknown, shown as '?').
    QString decode(const std::array<char, 26> &key) const;

private:
    QString m_cipher;
};

// Where the attribution of a quote starts (its " - "), or -1: the last
// " - " with letters before it and at most a few words after it. The words
// after it are names, read last.
qsizetype AttributionAt(const QString &text);

// A scrambled letter of the text (either case) as 0 to 25, or -1.
inline int CipherLetter(QChar c) {
    const char16_t u = c.unicode();
    if (u >= 'A' && u <= 'Z') return u - 'A';
    if (u >= 'a' && u <= 'z') return u - 'a';
    return -1;
}

// A quote (plain text) enciphered each letter as the next, Z as A: a key in
// which no letter stands for itself, for reading a quote as its own answer.
inline QString NextLetterCipher(const QString &quote) {
    QString cipher = quote.toUpper();
    for (QChar &ch : cipher)
        if (const int c = CipherLetter(ch); c >= 0) ch = QChar('A' + (c + 1) % 26);
    return cipher;
}

} // namespace solver
