#pragma once

#include "Addition.h"

#include <QColor>

// Typing on the puzzle: switched on, a click on a letter of either puzzle
// box (or Left and Right there) picks a scrambled letter, and the letter
// typed next is its pair, placed exactly as the two letter boxes place it;
// a blank or a full stop takes it back. The pick moves on to the next letter
// still to find. The letter boxes keep working.
class PuzzleTyping : public BoardAddition {
    Q_OBJECT
public:
    PuzzleTyping(LobbySeam &lobby, BoardSeam &board);

    static bool typingOn();
    void menuTypeOnPuzzle_Click();
    // The place (in the quote) of the letter picked, or -1.
    int at() const { return m_at; }
    void pick(int place);
    // A key typed on the puzzle; whether it was taken.
    bool key(int key, Qt::KeyboardModifiers modifiers);

private:
    bool isLetterAt(int place) const;
    // The next letter's place from `place` in `step` (+1, -1), or -1.
    int nextLetter(int place, int step) const;
    // Typing on the puzzle as the switch and the game stand, the pick shown.
    void apply();

    int m_at = -1;
};
