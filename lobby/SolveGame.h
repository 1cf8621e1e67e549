#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

// One on-screen game: the quote, the solution in progress, the hints used and
// the clock. Plain state, no display; the lobby's solve panel drives it.
class SolveGame {
public:
    static constexpr QChar Unsolved = QChar(0x00B7);

    // Sets up a game for `quote` (stored text, blanks at both ends removed).
    void start(const QString &quote);
    void startClock(const QDateTime &now) { m_start = now; }

    const QString &SolveQuote() const { return m_quote; }
    const QString &SolveProgress() const { return m_progress; }
    qint16 HintCount() const { return m_hints; }
    const QDateTime &SolveStartTime() const { return m_start; }

    // Writes `plain` wherever `enciphered` holds `cipher`; an empty plain
    // letter changes nothing.
    void applyPair(const QString &enciphered, const QString &cipher, const QString &plain);

    // A position (0-based) of `shown` holding the unsolved mark, drawn with
    // `randomBetween` from 1 to its length until one is found; -1 when none.
    // Counts the hint.
    int takeHint(const QString &shown, const std::function<int(int, int)> &randomBetween);

    // Every place (0-based) of `cipher` in `enciphered`.
    static QList<int> PlacesOf(const QString &enciphered, QChar cipher);

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

    // The closing report of a game the player completed.
    QString congratulations(const QDateTime &now) const;
    // Minutes in the "###.#" pattern: 738 s -> "12.3", 30 s -> ".5", 120 s -> "2.".
    static QString minutesText(qint64 seconds);

private:
    QString m_quote, m_progress;
    qint16 m_hints = 0;
    QDateTime m_start;
};
