#pragma once

#include "Addition.h"

#include "FreshChoice.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>
#include <future>

namespace stats {
struct Game;
}

// Choosing the quote, an addition to the lobby: "Solve This Quote" in the
// quote list's menu plays the highlighted quote; and a random game plays a
// quote never played yet, or, when every quote has been played, one of those
// played longest ago. It hangs on the list's menu and is the session's choice
// of a random record.
class FreshQuotes : public Addition {
    Q_OBJECT
public:
    explicit FreshQuotes(LobbySeam &lobby);

    void menuSolveThisQuote_Click();

private:
    qint16 drawFresh(qint16 count);
    // The hashes of the list's quotes, made off the window's thread whenever
    // the list was read again, and waited for only if a game is asked for
    // before they are done.
    const QList<play::QuoteHash> &hashes();
    // When each quote was last played, by hash: the record's new games only
    // are folded in.
    const play::LastPlayed &lastPlayed(const QList<stats::Game> &games);

    play::QuoteIndex m_index;
    std::future<play::QuoteIndex> m_making;
    play::LastPlayed m_last;
    qsizetype m_folded = 0;
    QDateTime m_firstFolded;
};
