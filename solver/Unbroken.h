#pragma once

#include "Solver.h"

#include <QString>

namespace solver {

// The quote behind a cipher text given without word breaks (its letters in
// groups of five, marks dropped), from the cipher alone: the key that makes
// the likeliest run of letters, found by climbing from many starts, then the
// words found in what it reads. Solution::plain keeps the cipher's layout;
// Solution::words holds the letters read with the word breaks found. Without
// a `model`, English is tried first and German where English does not read.
Solution SolveUnbroken(const QString &cipher, const WordModel *model = nullptr);

// The likeliest words of a run of letters (any case; anything but letters
// is passed over), upper case with a blank between words: "THEQU ICK" reads
// "THE QUICK". `known`, when given, gets the share of letters in words the
// model knows.
QString WordsIn(const QString &letters, const WordModel &model, double *known = nullptr);

} // namespace solver
