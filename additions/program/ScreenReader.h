#pragma once

#include "Addition.h"

#include <QString>

// A game as a screen reader hears it, an addition to the lobby: each new
// screen said by its name, every move said where the player is ("X stands
// for T, 3 places", "Undone: ..."), and F6, Shift+F6 and F7 to hear the
// solution so far (in print mode the scrambled quote and its key), the
// scrambled quote and the letters still unknown. The lobby names its own
// controls; this only speaks, and changes no pixel.
class ScreenReader : public BoardAddition {
    Q_OBJECT
public:
    ScreenReader(LobbySeam &lobby, BoardSeam &board);

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
    // The scrambled letters whose letter is not known yet, each with its
    // pencil letter if it has one (`pencil` as a game keeps them: "XT QH").
    static QString UnknownSaid(const QString &shown, const QString &enciphered,
                               const QString &pencil = {});
    // How a game's start is told: which game, its letters on the board.
    static QString StartSaid(const GameSession &session);
    // What was last said; for tests.
    QString lastSaid() const { return m_said; }

    // Says the solution so far (F6; in print mode the scrambled quote and
    // its key), the scrambled quote (Shift+F6), the letters still unknown (F7).
    void SaySolution();
    void SayScrambled();
    void SayUnknown();

private:
    void modeShown(LobbySeam::Mode mode);
    void gameChanged(GameSession::Move move);
    // Says `text` where the player is.
    void say(const QString &text);
    // The puzzle is hidden while the game is paused: said instead.
    bool hidden();

    QString m_before; // the solution before the last change
    QString m_said;
    LobbySeam::Mode m_shownMode = LobbySeam::Mode::List;
};
