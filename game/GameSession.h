#pragma once

#include "GameFile.h"
#include "Levels.h"
#include "SolveGame.h"
#include "WordModel.h"
#include "modStandard.h"

#include <QDateTime>
#include <QObject>
#include <QPair>
#include <QString>
#include <functional>
#include <optional>

// The game in progress, owned in one place: its quote and key, the clock,
// the pairs and hints and what can be taken back, and how a random game's
// quote is drawn. Windows show it and send it the player's moves; whatever
// keeps or records games listens to it.
class GameSession : public QObject {
    Q_OBJECT
public:
    explicit GameSession(QObject *parent = nullptr) : QObject(parent) {}

    // What changed the game: each move tells `changed` with its kind.
    enum class Move {
        Pair,        // a pair placed or taken back by the player
        Hint,        // a hint placed a letter
        CountedHint, // a hint that gives no letter (a step explained, letters checked)
        Solve,       // the answer shown
        Undo,        // a pair taken back with the history
        Redo,        // a pair put back with the history
        Rule,        // how the game is played changed, not its board
    };
    Q_ENUM(Move)

    // The clock a game is timed by; replaceable in tests.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };

    // ---- Drawing a random game's quote -----------------------------------

    // The record of the quote list a random game plays, from 1 to `count`:
    // any, as designed, unless a choice is set (setChoice). A game of a level
    // is drawn by that choice until a quote of the level comes; if none comes
    // within a fair number of draws, the nearest level seen.
    qint16 drawRecord(qint16 count, play::Level level = play::Level::Any);
    // How records are drawn from now on (fresh quotes first, say); none for
    // the design's draw.
    void setChoice(std::function<qint16(qint16 count)> choose);
    // The quote of a record (from 1), as the list shows it; what a draw at a
    // level reads. Empty for a record it does not know.
    std::function<QString(qint16 record)> quoteOf;
    // The quotes' difficulties, rated once, for the draw and for whoever shows them.
    play::QuoteLevels &levels() { return m_levels; }

    // ---- The game ---------------------------------------------------------

    const SolveGame &game() const { return m_game; }
    // The key the quote was enciphered with: the scrambled letter of each
    // plain letter A to Z.
    const QString &key() const { return m_key; }
    // When the game began, as the player saw it begin: kept across breaks.
    const QDateTime &began() const { return m_began; }
    // The level the game was asked at (Any for the design's game).
    play::Level level() const { return m_level; }
    // The day of a game of Today's Quote; invalid for any other game.
    const QDate &day() const { return m_day; }
    // The kind of puzzle the board is laid out as (PuzzleKind::id); empty
    // for the design's, with word breaks.
    const QString &kind() const { return m_kind; }
    // Whether the board keeps the quote's word breaks (the design's kind).
    bool hasWordBreaks() const;
    // The quote as written, for a board laid out otherwise (letters in
    // fives): what the board shows once the game is over. Empty for the
    // design's kind.
    const QString &original() const { return m_original; }
    // The language the game's quote is written in, English or German, as
    // the solver reads it: found once a game.
    solver::Language language() const;
    // The player's pencil letters ("XT QH"), kept with the game; not moves.
    const QString &pencil() const { return m_pencil; }
    void setPencil(const QString &pairs);

    // Several changes made as one (pencil letters made firm): while one of
    // these lives, whatever keeps the game waits; `changesMade` tells once
    // the last has gone, so the game reaches the disk whole, in one piece.
    class Changes {
    public:
        explicit Changes(GameSession &session) : m_session(session) { ++m_session.m_changing; }
        ~Changes() {
            if (--m_session.m_changing == 0) emit m_session.changesMade();
        }
        Changes(const Changes &) = delete;
        Changes &operator=(const Changes &) = delete;

    private:
        GameSession &m_session;
    };
    bool changing() const { return m_changing > 0; }

    // A new game is set up: nothing of the last one is left.
    void clear();
    // Starts a game on `quote`, enciphered with `key`; its clock starts now.
    // A game of a level starts with its letters given (never taken back, no
    // hint counted), and an expert's gives no letter by Hint. A game of
    // Today's Quote names its `day`; a board of another kind than the
    // design's names its `kind`, and the quote as written (`original`).
    void start(const QString &quote, const QString &enciphered, const QString &key = {},
               play::Level level = play::Level::Any, const QDate &day = {},
               const QString &kind = {}, const QString &original = {});
    // A kept game, set up as it was left, its clock going on from its seconds.
    void restore(const play::KeptGame &kept);
    // Whether the game on show is a kept one, restored, not started afresh.
    bool restored() const { return m_restored; }
    // The restored game comes back on show: its clock goes on from its
    // seconds, the time the player took to decide not counted.
    void resume();

    // The player's moves; each tells `changed`.
    void placePair(const QString &cipher, const QString &plain);
    // The pair placed last, by the player or a hint: the scrambled letter and
    // its letter.
    QPair<QString, QString> lastPair() const { return m_lastPair; }
    // A hint: aimed at the scrambled letter `aimed`, a place of it whose
    // letter is not the quote's yet; with none aimed (or none such left), the
    // place drawn with `randomBetween`. -1 when none is left (or the game
    // gives none).
    int hint(const std::function<int(int, int)> &randomBetween, QChar aimed = {});
    // A hint that gives no letter; it counts as one.
    void countHint();
    // Whether Hint gives a letter: a game without (an expert's) teaches only.
    // Every new game gives them; a kept game as it was kept.
    void setHintsGiveLetters(bool on);
    bool hintsGiveLetters() const { return m_hintsGiveLetters; }
    // A day already solved, played again for fun: its end is recorded nowhere.
    bool replay() const { return m_replay; }
    void setReplay(bool on);
    void solve();
    bool undo();
    bool redo();

    // Ends the game for good at `at` (now, if not given), told once: false
    // when it had ended already.
    bool end(SolveGame::Outcome outcome, const QDateTime &at = {});
    // The game that ended last, as the game file and the record keep it:
    // when it ended, how, and its seconds.
    play::KeptGame endedGame() const;
    // The program ends with the game open: it is kept for later.
    void suspend();

    // The clock stops while the player is away, and goes on when they come
    // back: time paused counts in no minutes and no record. A move (a pair,
    // a hint, Solve, a take-back) or the end of the game ends a pause.
    void pause();
    void unpause();
    bool paused() const { return m_pausedAt.isValid(); }
    // The time stands still while a window of the game's own is over the
    // board, the board staying on show; a pause, a move or the end of the
    // game ends the hold, as does `release`.
    void hold();
    void release();
    bool held() const { return m_heldAt.isValid(); }
    // The seconds the game has been played, pauses and holds left out.
    qint64 seconds() const;

    // The game as the game file keeps it.
    play::KeptGame kept() const;

signals:
    // A game begins, or comes back after a break.
    void started();
    // The game changed, and how.
    void changed(GameSession::Move move);
    // A game ends, told in three steps that no kill can reorder: `ending`
    // for what must be on disk before it is recorded, `ended` to record it,
    // `closed` for what goes once it is recorded.
    void ending(SolveGame::Outcome outcome);
    void ended(SolveGame::Outcome outcome);
    void closed();
    void suspended();
    // The clock stopped or went on.
    void pausedChanged(bool paused);
    // Hint was asked for in a game that gives no letter by it.
    void hintRefused();
    // The changes made as one are all made.
    void changesMade();

private:
    SolveGame m_game;
    QString m_key;
    QDateTime m_began;
    qint64 m_keptSeconds = 0; // of a restored game
    bool m_restored = false;
    QPair<QString, QString> m_lastPair;
    bool m_hintsGiveLetters = true;
    bool m_replay = false;
    play::Level m_level = play::Level::Any;
    QDate m_day;
    QString m_kind;
    QString m_original;
    mutable std::optional<solver::Language> m_language;
    QString m_pencil;
    int m_changing = 0;
    SolveGame::Outcome m_outcome = SolveGame::Outcome::Abandoned; // of the game that ended
    QDateTime m_pausedAt, m_heldAt;
    std::function<qint16(qint16)> m_choose;
    play::QuoteLevels m_levels;
    // Ends a pause as of `at`, the clock moved on past it.
    void unpauseAt(const QDateTime &at);
    // The clock moved on past the time it stood still `since` (a pause or a
    // hold), up to `until`; `since` is cleared.
    void standStill(QDateTime &since, const QDateTime &until);
};
