#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>

class frmMain;
namespace stats {
struct Game;
}

// Choosing the quote, an addition to the lobby: "Solve This Quote" in the
// quote list's menu plays the highlighted quote; and a random game plays a
// quote never played yet, or, when every quote has been played, one of those
// played longest ago. It hangs on the list's menu and on the lobby's draw of
// a random record.
class FreshQuotes : public QObject {
    Q_OBJECT
public:
    explicit FreshQuotes(frmMain &lobby);
    static FreshQuotes *of(const frmMain &lobby);

    void menuSolveThisQuote_Click();

    // The record (from 1) to play among `quotes`, given the games played so
    // far: one drawn by `randomBetween` among the quotes no game played, else
    // among those whose last game is the oldest.
    static int Choose(const QStringList &quotes, const QList<stats::Game> &games,
                      const std::function<int(int, int)> &randomBetween);

private:
    qint16 drawFresh(qint16 count);

    frmMain &m;
};
