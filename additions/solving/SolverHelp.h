#pragma once

#include "LobbyAddition.h"

#include <QHash>
#include <QList>

class QColor;

// The solver's help: how hard the highlighted quote is (after the list's
// status line), random games of a chosen difficulty (easy ones start with
// letters given, expert ones give no letter by Hint), a step explained as a
// person would take it, placed letters checked, and a word when a full
// board is not the quote.
class SolverHelp : public LobbyAddition<SolverHelp> {
    Q_OBJECT
public:
    explicit SolverHelp(frmMain &lobby);

    // The choices of the list's menu: Easy, Medium, Hard, Expert.
    enum class Level { Any, Easy, Medium, Hard, Expert };
    void playRandom(Level level);
    // The solve panel's items.
    void menuExplainStep_Click();
    void menuCheckLetters_Click();

    // A quote's level, 1 to 5, once known; 0 until then.
    int knownLevel(const QString &quote) const { return m_levels.value(quote.toUpper()); }
    // The words after the list's status line for a level (empty for 0).
    static QString LevelNote(int level);
    // The level a difficulty (1 to 5) is played at.
    static Level LevelOf(int difficulty);
    // Letters given at the start of a game of `level`.
    static int GivenLetters(Level level);

    static const QColor MarkedLetter, WrongLetter;

signals:
    // A quote's level became known.
    void rated(const QString &quote, int level);

private:
    void showLevel();
    void rateInBackground(const QString &quote);
    qint16 drawAtLevel(qint16 count, const std::function<qint16(qint16)> &draw);
    void gameShown();
    void solutionShown();
    void mark(const QList<int> &places, const QColor &colour);
    bool playing() const;

    QHash<QString, int> m_levels;   // quote (upper case) -> level
    QHash<QString, bool> m_rating;  // quotes being rated
    Level m_wanted = Level::Any;    // while a game of a level is drawn
    Level m_gameLevel = Level::Any; // the game on show
    bool m_marked = false;
    bool m_toldFull = false;
};
