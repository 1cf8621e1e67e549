#include "FreshQuotes.h"

#include "FreshChoice.h"

#include "GameRecord.h"
#include "InputGate.h"
#include "QuoteFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <sys/stat.h>

FreshQuotes::FreshQuotes(LobbySeam &lobby) : Addition(lobby, QStringLiteral("freshQuotes")) {
    lobby.addListMenuItem(tr("Solve &This Quote"), [this] { menuSolveThisQuote_Click(); });
    lobby.setDrawChoice([this](qint16 count) { return drawFresh(count); });
    connect(&lobby, &LobbySeam::quoteListFilled, this, [this] {
        if (m_making.valid()) m_making.wait(); // one at a time
        m_making = std::async(std::launch::async, &play::IndexOf,
                              QFileInfo(quotes::QuoteFileName).absoluteFilePath());
    });
}

void FreshQuotes::menuSolveThisQuote_Click() {
    const int row = lobby.highlightedRow();
    if (row >= 1) lobby.playRecord(qint16(row));
}

const QList<play::QuoteHash> &FreshQuotes::hashes() {
    if (m_making.valid()) m_index = m_making.get();
    const QString path = QFileInfo(quotes::QuoteFileName).absoluteFilePath();
    const QByteArray now = play::StampOf(path);
    if (now.isEmpty() || now != m_index.stamp) m_index = play::IndexOf(path);
    return m_index.hashes;
}

const play::LastPlayed &FreshQuotes::lastPlayed(const QList<stats::Game> &games) {
    // The record only grows while it is kept; a shorter one, or another
    // first game, is a record read anew (or reset): all of it is folded again.
    if (games.size() < m_folded || (m_folded > 0 && games.first().finished != m_firstFolded)) {
        m_last.clear();
        m_folded = 0;
    }
    play::FoldLastPlayed(m_last, games, m_folded);
    m_folded = games.size();
    m_firstFolded = games.isEmpty() ? QDateTime() : games.first().finished;
    return m_last;
}

qint16 FreshQuotes::drawFresh(qint16 count) {
    const QList<play::QuoteHash> &quotes = hashes();
    if (quotes.size() != count) return modStandard::RandomBetween(1, count); // as the design draws
    return qint16(
        play::ChooseFreshAmong(quotes, lastPlayed(stats::ReadGames()), [](int low, int high) {
            return int(modStandard::RandomBetween(qint16(low), qint16(high)));
        }));
}
