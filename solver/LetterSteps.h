#pragma once

#include "Difficulty.h"

#include <QString>

namespace solver {

// The next step on a puzzle without word breaks, from `board` towards
// `truth` (wrong letters on the board are ignored): taught from letters, not
// words. A group of three letters or a pair that recurs and reads as one of
// the language's commonest (THE, ING, TH), a doubled letter (LL), the
// commonest scrambled letter left as one of the commonest letters (E, T),
// and what is left read from the letters around it. Every claim holds for
// the counts the solver's letters come from. No pairs when nothing is left.
Step NextLetterStep(const QString &cipher, const Key &truth, const Key &board,
                    Language language);

// The language a run of plain letters without breaks is written in: the
// one whose words cover more of it.
Language LanguageOfLetters(const QString &letters);

} // namespace solver
