#include "FreshQuotes.h"

#include "GameRecord.h"
#include "QuoteFile.h"
#include "frmMain.h"

#include <QHash>

FreshQuotes::FreshQuotes(frmMain &lobby) : QObject(&lobby), m(lobby) {
    setObjectName(QStringLiteral("freshQuotes"));
    m.addListMenuItem(QStringLiteral("Solve &This Quote"), [this] { menuSolveThisQuote_Click(); });
    m.drawRecord = [this](qint16 count) { return drawFresh(count); };
}

FreshQuotes *FreshQuotes::of(const frmMain &lobby) {
    return lobby.findChild<FreshQuotes *>(QString(), Qt::FindDirectChildrenOnly);
}

void FreshQuotes::menuSolveThisQuote_Click() {
    const int row = m.grid->row();
    if (row >= 1) m.PlayRecord(qint16(row));
}

int FreshQuotes::Choose(const QStringList &quotes, const QList<stats::Game> &games,
                        const std::function<int(int, int)> &randomBetween) {
    // When each quote was last played; a quote no game played is missing.
    QHash<QString, QDateTime> last;
    for (const stats::Game &g : games)
        if (!g.quote.isEmpty() && (!last.contains(g.quote) || last[g.quote] < g.finished))
            last[g.quote] = g.finished;
    QList<int> fresh, oldest;
    QDateTime earliest;
    for (int i = 0; i < quotes.size(); ++i) {
        const auto it = last.constFind(stats::QuoteHash(quotes[i]));
        if (it == last.constEnd()) {
            fresh << i + 1;
        } else if (fresh.isEmpty()) {
            if (oldest.isEmpty() || *it < earliest) {
                oldest = {i + 1};
                earliest = *it;
            } else if (*it == earliest) {
                oldest << i + 1;
            }
        }
    }
    const QList<int> &among = fresh.isEmpty() ? oldest : fresh;
    if (among.isEmpty()) return randomBetween(1, int(quotes.size()));
    return among[randomBetween(1, int(among.size())) - 1];
}

qint16 FreshQuotes::drawFresh(qint16 count) {
    QStringList quotes;
    if (!quotes::LoadQuoteList(quotes) || quotes.size() != count)
        return modStandard::RandomBetween(1, count); // as the design draws
    return qint16(Choose(quotes, stats::ReadGames(), [](int low, int high) {
        return int(modStandard::RandomBetween(qint16(low), qint16(high)));
    }));
}
