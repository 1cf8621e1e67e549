#pragma once

#include "Addition.h"

#include "WordModel.h"

// Pattern words, an addition to the solve panel: the words a pattern stands
// for, commonest first, from the solve panel's menu. The pattern offered is
// that of the word last under the pointer (or else of the word holding the
// scrambled letter in the first letter box), with the letters already
// placed; asked as offered, the words are those that fit the board there
// (its repeated letters, no letter placed elsewhere, none for itself). A
// pattern typed anew is read as cipherly-solve --words reads one.
class PatternWords : public BoardAddition {
    Q_OBJECT
public:
    PatternWords(LobbySeam &lobby, BoardSeam &board);
    void menuPatternWords_Click();

    // The pattern the board gives the scrambled word at `place` of the
    // puzzle: its placed letters, '?' for the rest (?HE).
    static QString BoardPattern(const QString &enciphered, const QString &shown, int place);
    // The words as told: at most `most`, and how many more.
    static QString WordsText(const QString &pattern, const std::vector<int> &words,
                             const solver::WordModel &model, int most = 40);

private:
    int m_place = -1; // the letter of the puzzle last under the pointer
};
