#pragma once

#include "LobbyAddition.h"

#include "LobbyMode.h"

#include <QAccessible>
#include <QObject>
#include <QString>

class frmMain;

// The lobby as a screen reader meets it: every control named for what it is
// in the mode on show, the rules tied to the box they explain, and what
// changes in a game told: the solution in progress after each pair, take-back
// or hint (unknown letters read as "blank"), and the closing message as an
// alert, also spoken with the button that takes the focus. It hangs on the
// lobby's mode and game signals and changes no pixel.
class ScreenReader : public LobbyAddition<ScreenReader>, public QAccessible::ActivationObserver {
    Q_OBJECT
public:
    explicit ScreenReader(frmMain &lobby);
    ~ScreenReader() override;
    // A screen reader came or went: with one, the quote boxes are on the Tab
    // path, read-only, with a caret.
    void accessibilityActiveChanged(bool active) override;

    // A solution in progress as it is read, word by word: "T blank E, A" for
    // "T·E A".
    static QString spoken(const QString &solution);
    // What a change of the solution did, in words, from the solution before
    // and after, the enciphered quote, the pair typed (empty for a change
    // that was not typed: a take-back or a putting back) and whether it was a
    // hint, or a pair taken back or put back with the keys: "X stands for
    // T, 3 places", "Q is not in the scrambled quote", "Undone: ...".
    enum class Move { Typed, Hint, Undone, Redone };
    static QString MoveSaid(const QString &before, const QString &after, const QString &enciphered,
                            const QString &cipher, const QString &plain, Move how);
    // The scrambled letters whose letter is not known yet.
    static QString UnknownSaid(const QString &shown, const QString &enciphered);
    // What was last said of a move; for tests.
    QString lastSaid() const { return m_said; }

    // Says the solution so far (F6; in print mode the scrambled quote and
    // its key), the scrambled quote (Shift+F6), the letters still unknown (F7).
    void SaySolution();
    void SayScrambled();
    void SayUnknown();

private:
    void nameForMode();
    void solutionChanged();
    void gameEnded();
    // Says `text` where the player is: as the description of the control
    // with the focus, which a screen reader reads on a change.
    void say(const QString &text);

    class Announcer *m_announcer;
    QString m_before; // the solution before the last change
    int m_hints = 0;  // the hints before it
    QString m_said;
    Move m_next = Move::Typed; // what the next change is, when the keys tell
    LobbyMode::Mode m_shownMode = LobbyMode::Mode::List;
};
