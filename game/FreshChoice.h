#pragma once

#include "GameRecord.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// The fresh-first choice of a random game: a quote never played yet, or,
// when every quote has been played, one of those played longest ago.
namespace play {

// A quote's hash (stats::QuoteHash) as the number its eight digits are.
using QuoteHash = quint32;
using LastPlayed = QHash<QuoteHash, qint64>; // when each quote was last played, in ms

// The record (from 1) to play among `quotes`, given the games played so far:
// one drawn by `randomBetween` among the quotes no game played, else among
// those whose last game is the oldest.
int ChooseFresh(const QStringList &quotes, const QList<stats::Game> &games,
                const std::function<int(int, int)> &randomBetween);
// The same, for the quotes' hashes in list order and when each was last played.
int ChooseFreshAmong(const QList<QuoteHash> &hashes, const LastPlayed &last,
                     const std::function<int(int, int)> &randomBetween);
// Every record (from 1) in fresh-first order: the quotes no game played,
// shuffled by `randomBetween`, then the others, the one played longest ago
// first.
QList<int> FreshOrder(const QList<QuoteHash> &hashes, const LastPlayed &last,
                      const std::function<int(int, int)> &randomBetween);
// Folds the games from `from` on into when each quote was last played.
void FoldLastPlayed(LastPlayed &last, const QList<stats::Game> &games, qsizetype from);

// What the record says of one quote: games played, solved, and the best
// time of a solve.
struct QuoteHistory {
    int played = 0;
    int solved = 0;
    qint64 bestSeconds = -1;
};
using QuoteHistories = QHash<QuoteHash, QuoteHistory>;
// Folds the games from `from` on into each quote's history.
void FoldHistories(QuoteHistories &h, const QList<stats::Game> &games, qsizetype from);
// A quote's hash as the record and the histories know it.
QuoteHash HashOfQuote(const QString &quote);

// The hashes of a list file's quotes, in order, and the file as it was
// (which, how long, when changed) when they were made; an empty stamp when
// the file changed meanwhile or could not be read. Any thread.
struct QuoteIndex {
    QByteArray stamp;
    QList<QuoteHash> hashes;
};
QuoteIndex IndexOf(const QString &listPath);
QByteArray StampOf(const QString &listPath);

} // namespace play
