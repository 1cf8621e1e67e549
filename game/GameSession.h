#pragma once

#include "GameFile.h"
#include "SolveGame.h"
#include "modStandard.h"

#include <QDateTime>
#include <QObject>
#include <QPair>
#include <QString>
#include <functional>

// The game in progress, owned in one place: its quote and key, the clock,
// the pairs and hints and what can be taken back. Windows show it and send
// it the player's moves; whatever keeps or records games listens to it.
class GameSession : public QObject {
    Q_OBJECT
public:
    explicit GameSession(QObject *parent = nullptr) : QObject(parent) {}

    // The clock a game is timed by; replaceable in tests.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    // The record of the quote list a random game plays, from 1 to `count`:
    // any, as designed, unless a choice of quotes is set here.
    std::function<qint16(qint16 count)> drawRecord = [](qint16 count) {
        return modStandard::RandomBetween(1, count);
    };

    const SolveGame &game() const { return m_game; }
    // The key the quote was enciphered with: the scrambled letter of each
    // plain letter A to Z.
    const QString &key() const { return m_key; }
    // When the game began, as the player saw it begin: kept across breaks.
    const QDateTime &began() const { return m_began; }

    // A new game is set up: nothing of the last one is left.
    void clear();
    // Starts a game on `quote`, enciphered with `key`; its clock starts now.
    void start(const QString &quote, const QString &enciphered, const QString &key = {});
    // A kept game, set up as it was left, its clock going on from its seconds.
    void restore(const play::KeptGame &kept);
    // The restored game comes back on show: its clock goes on from its
    // seconds, the time the player took to decide not counted.
    void resume();

    // The player's moves; each tells `changed`.
    void placePair(const QString &cipher, const QString &plain);
    // The pair the player placed last: the scrambled letter and its letter.
    QPair<QString, QString> lastPair() const { return m_lastPair; }
    // A hint: the place drawn with `randomBetween`, or -1 when none is left.
    int hint(const std::function<int(int, int)> &randomBetween);
    // Letters the game gives with the quote (an easy game's), each scrambled
    // letter of `cipher` with its own letter: never taken back, no hint.
    void give(const QString &cipher);
    // A hint that gives no letter; it counts as one.
    void countHint();
    // Whether Hint gives a letter: a game without (an expert's) teaches only.
    // Every new game gives them; a kept game as it was kept.
    void setHintsGiveLetters(bool on);
    bool hintsGiveLetters() const { return m_hintsGiveLetters; }
    void solve();
    bool undo();
    bool redo();

    // Ends the game for good at `at` (now, if not given), told once: false
    // when it had ended already.
    bool end(SolveGame::Outcome outcome, const QDateTime &at = {});
    // The program ends with the game open: it is kept for later.
    void suspend();

    // The clock stops while the player is away, and goes on when they come
    // back: time paused counts in no minutes and no record. A move (a pair,
    // a hint, Solve, a take-back) or the end of the game ends a pause.
    void pause();
    void unpause();
    bool paused() const { return m_pausedAt.isValid(); }
    // The seconds the game has been played, pauses left out.
    qint64 seconds() const;

    // The game as the game file keeps it.
    play::KeptGame kept() const;

signals:
    // A game begins, or comes back after a break.
    void started();
    // The solution changed: a pair, a hint, Solve, a take-back.
    void changed();
    // A game ends: `ending` first, for what must be on disk before it is
    // recorded; then `ended`.
    void ending(SolveGame::Outcome outcome);
    void ended(SolveGame::Outcome outcome);
    void suspended();
    // The clock stopped or went on.
    void pausedChanged(bool paused);

private:
    SolveGame m_game;
    QString m_key;
    QDateTime m_began;
    qint64 m_keptSeconds = 0; // of a restored game
    QPair<QString, QString> m_lastPair;
    bool m_hintsGiveLetters = true;
    QDateTime m_pausedAt;
    // Ends a pause as of `at`, the clock moved on past it.
    void unpauseAt(const QDateTime &at);
};
