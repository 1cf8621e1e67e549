#pragma once

#include "Addition.h"

#include "Levels.h"

class QColor;

// The solver's help: how hard the highlighted quote is (after the list's
// status line), random games of a chosen difficulty (easy ones start with
// letters given, expert ones give no letter by Hint), a step explained as a
// person would take it, placed letters checked, and a word when a full
// board is not the quote.
class SolverHelp : public BoardAddition {
    Q_OBJECT
public:
    SolverHelp(LobbySeam &lobby, BoardSeam &board);

    using Level = play::Level;
    void playRandom(Level level);
    // The solve panel's items.
    void menuExplainStep_Click();
    void menuCheckLetters_Click();

    // The words after the list's status line for a difficulty (empty for 0
    // and for a quote of no level).
    static QString LevelNote(int level);
    // "Medium (3/5)".
    static QString LevelName(int level);

private:
    void showLevel();
    void solutionShown();
    // A game of a level asked for that came out of another: said, not hidden.
    void tellOtherLevel();
    // The marks of a step or a check, on the board they were made for.
    void mark(BoardSeam::Marks layer, const QList<int> &places);

    QString m_explainedFor; // the board the last step was explained on
    Level m_asked = Level::Any; // the level of the game being drawn
    bool m_marked = false;
    bool m_toldFull = false;
};
