#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <array>
#include <functional>

// One on-screen game: the quote and its enciphered form, the solution in
// progress, the hints used, whether the answer was shown, the clock, and
// whether the game is over and how it ended. The game's state decides all of
// it; the solve panel only shows it.
class SolveGame {
public:
    static constexpr QChar Unsolved = QChar(0x00B7);
    enum class Outcome { Solved, Shown, Abandoned };

    // Sets up a game for `quote` (blanks at both ends are removed) and its
    // enciphered form; the game is open from now on.
    void start(const QString &quote, const QString &enciphered = {});
    void startClock(const QDateTime &now) { m_start = now; }

    const QString &SolveQuote() const { return m_quote; }
    const QString &SolveProgress() const { return m_progress; }
    const QString &Enciphered() const { return m_enciphered; }
    qint16 HintCount() const { return m_hints; }
    const QDateTime &SolveStartTime() const { return m_start; }

    // What the quote box shows: the solution in progress, or the answer once
    // Solve has shown it.
    const QString &shown() const { return m_answerShown ? m_quote : m_progress; }
    // Solve has shown the answer.
    bool answerShown() const { return m_answerShown; }
    // The quote stands complete: solved by the player, or shown.
    bool isOver() const { return m_answerShown || (!m_quote.isEmpty() && m_progress == m_quote); }
    // How the game ended, or ends if it is left now.
    Outcome outcome() const;

    // Between start() and close(): a game that has not been told as ended.
    bool isOpen() const { return m_open; }
    // Ends the game for good at `at`; true only the first time, so an end is
    // told once.
    bool close(const QDateTime &at = {});
    // When the game ended; invalid while it is open or when no time was given.
    const QDateTime &EndTime() const { return m_ended; }

    // Writes `plain` wherever the enciphered quote holds `cipher`; an empty
    // plain letter changes nothing, nor does anything after the answer was shown.
    void applyPair(const QString &cipher, const QString &plain);
    // Same, for an enciphered text given by the caller.
    void applyPair(const QString &enciphered, const QString &cipher, const QString &plain);

    // A position (0-based) of `shown` holding the unsolved mark, drawn with
    // `randomBetween` from 1 to its length until one is found; -1 when none.
    // Counts the hint.
    int takeHint(const QString &shown, const std::function<int(int, int)> &randomBetween);
    // The same on what the game shows.
    int takeHint(const std::function<int(int, int)> &randomBetween) {
        return takeHint(shown(), randomBetween);
    }
    // A hint aimed at the scrambled letter `cipher`: the first of its places
    // that does not hold the quote's letter yet; -1 (and no hint counted)
    // when every place of it does, or it is no letter of the quote.
    int takeHintOf(QChar cipher);

    // A letter the game gives (an easy game's, at its start): placed as a
    // hint's is, never taken back, but no hint is counted.
    void giveLetter(QChar cipher) {
        m_hintPending = true;
        for (int i = 0; i < m_enciphered.size() && i < m_quote.size(); ++i)
            if (m_enciphered[i] == cipher) return applyPair(QString(cipher), QString(m_quote[i]));
        m_hintPending = false;
    }
    // A hint that gives no letter (a step explained, letters checked): it
    // counts as a hint all the same.
    void countHint();
    // The Solve button: the answer is shown and the game is over.
    void showAnswer() { m_answerShown = true; }

    // Taking back the last pair placed, and putting it back. A hint is no
    // pair: it cannot be taken back, and it still counts. A place the pair
    // changed that has changed again since is left as it is.
    // The history keeps the newest pairs, as many as fit HistoryBytes of its
    // text: the kept game holding it always fits what is read back.
    static constexpr int HistoryBytes = 32 * 1024;
    bool canUndo() const { return !m_done.isEmpty() && !isOver(); }
    bool canRedo() const { return !m_undone.isEmpty() && !isOver(); }
    bool undo();
    bool redo();

    // A game as it was left: its quote, enciphered form, solution so far and
    // hints; open from now on, with nothing to take back.
    void restore(const QString &quote, const QString &enciphered, const QString &progress,
                 qint16 hints);
    // The pairs that can be taken back (`done`) and put back (`undone`), as a
    // kept game holds them: one pair after another, separated by ";", each
    // its places, the letters there before and after ("3,17:··:TT").
    QString historyText(bool undone) const;
    // Takes them back from such text, replayed against the board: a history
    // that does not belong to the game on show is left out whole, a pair
    // that does not fit the board (or would step to the answer) with every
    // one older; false is told for either.
    bool restoreHistory(const QString &done, const QString &undone);

    // Whether `progress` can be the solution in progress of `quote`: the same
    // length, the same characters where the quote has no letter.
    static bool fits(const QString &quote, const QString &progress);

    // Checking the letters placed: the places (0-based) of letters the
    // player placed that are not the quote's, and whether any letter of the
    // quote is placed at all. A full board is one with no letter left to find.
    QList<int> wrongPlaces() const;
    bool anyPlaced() const;
    bool boardFull() const { return !m_progress.isEmpty() && !m_progress.contains(Unsolved); }

    // Every place (0-based) of `cipher` in `enciphered`.
    static QList<int> PlacesOf(const QString &enciphered, QChar cipher);
    // The next place after `from` (going round to the first after the
    // last) of a letter with none placed yet, in what the game shows; -1
    // when none is left. From -1, the first.
    int nextUnsolved(int from) const;

    // What the letter strip shows of one cipher letter: how often it occurs,
    // the plain letter the player has given it so far (null for none), and
    // whether that plain letter is given to another cipher letter too.
    struct StripEntry {
        QChar cipher;
        int count = 0;
        QChar plain;
        bool conflict = false;
    };
    // The 26 cipher letters in alphabetical order, for the enciphered quote
    // and the solution as it is `shown`.
    static QList<StripEntry> LetterStrip(const QString &enciphered, const QString &shown);
    // The 26 plain letters in alphabetical order, the other way round: for
    // each (in `cipher`), about how often it stands in a quote as long as
    // this one in the language (`count`, from each letter's share of text in
    // `shares`), and the cipher letter the player gave it (`plain`; none
    // while it is free, `conflict` when more than one has it).
    static QList<StripEntry> PlainStrip(const QString &enciphered, const QString &shown,
                                        const std::array<double, 26> &shares);

    // The closing report of a game the player completed.
    QString congratulations(const QDateTime &now) const;
    // What the solve panel says when the quote stands complete at `at`: the
    // report of a game solved, or a pointer to the answer Solve showed.
    QString closingMessage(const QDateTime &at) const;
    // Minutes in the "###.#" pattern: 738 s -> "12.3", 30 s -> ".5", 120 s -> "2.".
    static QString minutesText(qint64 seconds);

private:
    // The places one pair changed, and what stood there before and after.
    struct Change {
        QList<int> places;
        QString before, after;
    };
    QList<Change> m_done, m_undone;
    static QString textOf(const Change &c);
    // The oldest pairs go until the history fits HistoryBytes.
    void boundHistory();
    // Moves the last change of `from` to `to`, taking it back or putting it back.
    bool step(QList<Change> &from, QList<Change> &to, bool back);
    bool m_hintPending = false; // the next pair placed is a hint's

    QString m_quote, m_progress, m_enciphered;
    qint16 m_hints = 0;
    QDateTime m_start, m_ended;
    bool m_answerShown = false;
    bool m_open = false;
};
