#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>
#include <future>

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
    // A quote's hash (stats::QuoteHash) as the number its eight digits are.
    using Hash = quint32;
    using LastPlayed = QHash<Hash, qint64>; // when each quote was last played, in ms
    // The same as Choose, for the quotes' hashes in list order and when each
    // was last played.
    static int ChooseAmong(const QList<Hash> &hashes, const LastPlayed &last,
                           const std::function<int(int, int)> &randomBetween);

    // The hashes of a list file's quotes, in order, and the file as it was
    // (which, how long, when changed) when they were made; an empty stamp
    // when the file changed meanwhile or could not be read. Any thread.
    struct Index {
        QByteArray stamp;
        QList<Hash> hashes;
    };
    static Index IndexOf(const QString &listPath);
    static QByteArray StampOf(const QString &listPath);

private:
    qint16 drawFresh(qint16 count);
    // The hashes of the list's quotes, made off the window's thread whenever
    // the list was read again, and waited for only if a game is asked for
    // before they are done.
    const QList<Hash> &hashes();
    // When each quote was last played, by hash: the record's new games only
    // are folded in.
    const LastPlayed &lastPlayed(const QList<stats::Game> &games);

    frmMain &m;
    Index m_index;
    std::future<Index> m_making;
    LastPlayed m_last;
    qsizetype m_folded = 0;
    QDateTime m_firstFolded;
};
