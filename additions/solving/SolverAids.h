#pragma once

#include "Addition.h"

#include <QColor>

class LetterStrip;

// The solver's aids, an addition to the solve panel, switched on and off in
// its menu and remembered: every place of a cipher letter lit up in both
// boxes (the one in the first letter box, or the one under the pointer), a
// click on a letter of the puzzle as typing it, and a strip of the 26 cipher
// letters with their counts and the letters given them. It hangs on the
// solve panel's menu, the lobby's game signals and the puzzle's pointer;
// while it is off, nothing of it runs.
class SolverAidsPanel : public BoardAddition {
    Q_OBJECT
public:
    SolverAidsPanel(LobbySeam &lobby, BoardSeam &board);

    // The remembered switch, as a new game finds it.
    static bool solverAidsOn();
    void menuSolverAids_Click();
    // Shows or takes away the aids as the switch and the panel stand.
    void ApplySolverAids();
    // Lights the places of the letter in question and refreshes the strip.
    void UpdateSolverAids();
    void txtBox_LetterHovered(int storedIndex);
    void txtBox_LetterClicked(int storedIndex);

    bool SolverAids = false;
    // The table shows the plain alphabet, with each letter's share of text
    // in the quote's language.
    bool PlainLetters = false;
    void menuPlainLetters_Click();
    LetterStrip *stripLetters;

private:
    int m_hoveredLetter = -1;
};
