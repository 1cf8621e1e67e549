#pragma once

#include "WordModel.h"

#include <QString>

#include <array>

namespace solver {

// What the solver made of a cipher text.
struct Solution {
    // The text with every scrambled letter replaced by the letter found for
    // it, '?' where none was found; everything else as it was.
    QString plain;
    // The letter found for each scrambled letter A to Z, 0 where none was.
    std::array<char, 26> key{};
    // How likely the solution reads, as a log likelihood (higher is better).
    double score = 0;
    // Whether it reads as the language found: most of its letters stand in
    // words the solver knows. A text it does not read is no ground to teach
    // from.
    bool reads = false;
    // The share of its letters that stand in words the solver knows.
    double known = 0;
    // The language it reads as.
    Language language = Language::English;
    // Of a text given without word breaks: its letters read, with the word
    // breaks found ("THE QUICK"); empty otherwise.
    QString words;
};

// The quote behind `cipher`, from the cipher text alone, as a person who
// knows many words and how common they are would find it: candidate words
// by their pattern of letters, the key built word by word, the likeliest
// readings kept. A letter never stands for itself, as in the game's keys.
// `given` holds letters already known (0 where not), which the solution
// keeps. Without a `model`, the cipher is read as English and, unless that
// reads plainly, as German, and the better reading is kept.
Solution Solve(const QString &cipher, const std::array<char, 26> &given = {},
               const WordModel *model = nullptr);

// A quote (plain text) read as its own answer: the language it is written
// in, its score and how much of it stands in words the solver knows.
Solution ReadQuote(const QString &quote);

} // namespace solver
