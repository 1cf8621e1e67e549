#pragma once

#include "WordModel.h"

#include <QString>

#include <array>
#include <vector>

namespace solver {

struct Solution;

// A deduction a person makes on a cryptogram, from easiest to hardest.
enum class StepKind {
    OneLetter,    // a word of one letter is A or I
    OnlyFit,      // with the letters known, one common word fits
    RepeatedWord, // a short word that recurs is the commonest of its shape
    PatternWord,  // a word whose repeated letters few words share
    LikelyFit,    // of the few words that fit, the commonest
    Frequency,    // the commonest scrambled letter is E
    Guess,        // a word tried among many that fit
    Leftover,     // a name or rare word, read from what is left
    // Without word breaks:
    LetterGroup, // a group of letters that recurs is a common one (THE, TH)
    Doubled,     // a doubled letter is one of the common doubles (LL)
};

// One step: the word it reads (scrambled), the pairs it gives (scrambled
// letter, letter, both upper case), what it costs a person, and the step
// said in a sentence a player learns from, each pair as "X=T".
struct Step {
    StepKind kind = StepKind::Guess;
    QString word;
    QString reading;
    std::vector<std::pair<char, char>> pairs;
    double cost = 0;
    QString sentence;
    // How many common words fit the word, with the letters known then.
    int candidates = 0;
};

// A step's kind as `cipherly-solve --steps` names it: lone, only, repeated,
// pattern, likeliest, letter, guess, name (and group, double).
const char *KindName(StepKind kind);
// How often something stands, as a step says it: "twice", "3 times".
QString Times(int n);
// A step's pairs as its sentence names them: "X=T, Q=H".
QString PairsText(const std::vector<std::pair<char, char>> &pairs);

// How hard a quote is to solve by hand: the steps a person takes, their
// cost, and a level from 1 (easiest) to 5 (hardest); 0 for a text that
// reads as no language the solver knows (no level is claimed for it).
struct Rating {
    int level = 0;
    Language language = Language::English;
    double score = 0;
    std::vector<Step> steps;
};

// The answer as a key: the letter (upper case) each scrambled letter A to Z
// stands for, 0 where unknown.
using Key = std::array<char, 26>;

// The steps a person would take from `board` (the letters placed, 0 where
// none; wrong ones are ignored) to the answer `truth`, and how hard that is.
// Without a `model`, in the language the answer is written in.
Rating Rate(const QString &cipher, const Key &truth, const Key &board = {},
            const WordModel *model = nullptr);
// From a solution: no level when it reads as no language.
Rating Rate(const QString &cipher, const Solution &solved);
// The next step from `board`; a step with no pairs when nothing is left.
// Every claim its sentence makes holds for the counts it names.
Step NextStep(const QString &cipher, const Key &truth, const Key &board,
              const WordModel *model = nullptr);
Step NextStep(const QString &cipher, const Solution &solved, const Key &board);

// How hard a quote (plain text) is, whatever key scrambles it.
Rating RateQuote(const QString &quote, const WordModel *model = nullptr);
// The answer and the board of a game, as keys: `quote` and `progress` (what
// the board shows, letters or anything else) read against `cipher`.
Key KeyOf(const QString &cipher, const QString &text);

// Whether scrambled word `cipher` (lower case, as CipherWord::text) could be
// `word` with the letters on `board`: each letter placed stands where it is,
// no letter `used` for another scrambled letter comes in, and (with
// `selfRule`) no letter stands for itself.
bool FitsBoard(const std::string &cipher, const std::string &word, const Key &board,
               const std::array<bool, 26> &used, bool selfRule = true);
// The words a scrambled word of the puzzle could be, with the letters on
// `board` (the player's, right or wrong), commonest first.
std::vector<int> WordsThatFit(const QString &cipherWord, const Key &board,
                              const WordModel &model);

// The level for a score: the bounds are the fifths of the scores of the
// quotes the language's word counts come from (the fortunes collections for
// English, fortunes-de's quotations for German), so that each level holds
// about a fifth of them.
int LevelOf(double score, Language language = Language::English);

} // namespace solver
