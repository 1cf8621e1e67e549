#pragma once

#include <QHash>
#include <QObject>
#include <QString>

// How hard a quote is, as the game plays it: which level a quote is, how
// many letters a game of a level gives at its start, and whether Hint gives
// letters in it.
namespace play {

// The levels a random game can be asked at; Any is the design's draw.
enum class Level { Any, Easy, Medium, Hard, Expert };

// The level a difficulty (1 to 5) is played at.
Level LevelOf(int difficulty);
// Letters given at the start of a game of `level`.
int GivenLetters(Level level);
// Whether Hint gives a letter in a game of `level`: an expert's teaches only.
bool HintsGiveLetters(Level level);
// The scrambled letters a game of `level` starts with: the commonest of
// `enciphered`, the first of a tie first.
QString LettersGiven(const QString &enciphered, Level level);

// The difficulty (1 to 5) of each quote asked about, rated once: at once
// when a game must know it, or off the window's thread when a line of the
// list only wants to show it.
class QuoteLevels : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // A quote that reads as no language the solver knows has no level.
    static constexpr int NoLevel = -1;

    // The quote's difficulty, 1 to 5 (or NoLevel), once known; 0 until then.
    int known(const QString &quote) const { return m_levels.value(quote.toUpper()); }
    // The quote's difficulty (or NoLevel), rated now if it is not known yet.
    int rate(const QString &quote);
    // Rates the quote off the window's thread, unless it is known or being
    // rated; `rated` tells when it is known.
    void rateLater(const QString &quote);

signals:
    void rated(const QString &quote, int difficulty);

private:
    QHash<QString, int> m_levels;  // quote (upper case) -> difficulty
    QHash<QString, bool> m_rating; // quotes being rated
};

} // namespace play
