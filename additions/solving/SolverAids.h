#pragma once

#include "LobbyAddition.h"

#include "LetterStrip.h"

#include <QColor>
#include <QObject>

class frmMain;

// The solver's aids, an addition to the solve panel, switched on and off in
// its menu and remembered: every place of a cipher letter lit up in both
// boxes (the one in the first letter box, or the one under the pointer), a
// click on a letter of the guide box as typing it, and a strip of the 26
// cipher letters with their counts and the letters given them. It hangs on
// the solve panel's menu and the lobby's game signals; while it is off,
// nothing of it runs.
class SolverAidsPanel : public LobbyAddition<SolverAidsPanel> {
    Q_OBJECT
public:
    explicit SolverAidsPanel(frmMain &lobby);

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
    LetterStrip *stripLetters;
    static const QColor LitLetter;

protected:
    // The pointer over the guide box's letters, while the aids track them.
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    bool playing() const;

    int m_hoveredLetter = -1;
    bool m_tracking = false;
};
