#pragma once

#include "LobbyAddition.h"

#include <QColor>

// Typing on the puzzle: switched on, a click on a letter of either puzzle
// box (or the arrow keys there) picks a scrambled letter, and the letter
// typed next is its pair, placed exactly as the two letter boxes place it; a
// blank or a full stop takes it back. The letter boxes keep working.
class PuzzleTyping : public LobbyAddition<PuzzleTyping> {
    Q_OBJECT
public:
    explicit PuzzleTyping(frmMain &lobby);

    static bool typingOn();
    void menuTypeOnPuzzle_Click();
    // The place (in the quote) of the letter picked, or -1.
    int at() const { return m_at; }
    void pick(int place);

    static const QColor PickedLetter;

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    bool playing() const;
    bool isLetterAt(int place) const;
    // The next letter's place from `place` in `step` (+1, -1), or -1.
    int nextLetter(int place, int step, bool unsolvedOnly) const;
    void apply();

    int m_at = -1;
    bool m_ownsFocus = false;
};
