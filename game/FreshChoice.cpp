#include "FreshChoice.h"

#include "InputGate.h"
#include "QuoteFile.h"

#include <QFile>

#include <algorithm>

#include <sys/stat.h>

namespace play {

namespace {

QuoteHash hashOf(const QString &hex) {
    return QuoteHash(hex.toUInt(nullptr, 16));
}

} // namespace

void FoldLastPlayed(LastPlayed &last, const QList<stats::Game> &games, qsizetype from) {
    for (qsizetype i = from; i < games.size(); ++i) {
        const stats::Game &g = games[i];
        if (g.quote.isEmpty()) continue;
        const qint64 when = g.finished.toMSecsSinceEpoch();
        auto it = last.find(hashOf(g.quote));
        if (it == last.end())
            last.insert(hashOf(g.quote), when);
        else if (*it < when)
            *it = when;
    }
}

void FoldHistories(QuoteHistories &h, const QList<stats::Game> &games, qsizetype from) {
    for (qsizetype i = from; i < games.size(); ++i) {
        const stats::Game &g = games[i];
        if (g.quote.isEmpty()) continue;
        QuoteHistory &q = h[hashOf(g.quote)];
        ++q.played;
        if (g.outcome != stats::Outcome::Solved) continue;
        ++q.solved;
        if (q.bestSeconds < 0 || g.seconds < q.bestSeconds) q.bestSeconds = g.seconds;
    }
}

QuoteHash HashOfQuote(const QString &quote) {
    return hashOf(stats::QuoteHash(quote));
}

int ChooseFresh(const QStringList &quotes, const QList<stats::Game> &games,
                const std::function<int(int, int)> &randomBetween) {
    QList<QuoteHash> hashes;
    hashes.reserve(quotes.size());
    for (const QString &q : quotes)
        hashes << hashOf(stats::QuoteHash(q));
    LastPlayed last;
    FoldLastPlayed(last, games, 0);
    return ChooseFreshAmong(hashes, last, randomBetween);
}

int ChooseFreshAmong(const QList<QuoteHash> &quotes, const LastPlayed &last,
                     const std::function<int(int, int)> &randomBetween) {
    // A quote no game played is missing from `last`.
    QList<int> fresh, oldest;
    qint64 earliest = 0;
    for (int i = 0; i < quotes.size(); ++i) {
        const auto it = last.constFind(quotes[i]);
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

QList<int> FreshOrder(const QList<QuoteHash> &hashes, const LastPlayed &last,
                      const std::function<int(int, int)> &randomBetween) {
    QList<int> fresh;
    QList<std::pair<qint64, int>> played;
    for (int i = 0; i < hashes.size(); ++i) {
        const auto it = last.constFind(hashes[i]);
        if (it == last.constEnd())
            fresh << i + 1;
        else
            played.append({*it, i + 1});
    }
    for (qsizetype i = fresh.size() - 1; i > 0; --i)
        fresh.swapItemsAt(i, randomBetween(0, int(i)));
    std::stable_sort(played.begin(), played.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &[when, record] : played)
        fresh << record;
    return fresh;
}

QByteArray StampOf(const QString &listPath) {
    struct stat st;
    if (::stat(QFile::encodeName(listPath).constData(), &st) != 0) return {};
    return QFile::encodeName(listPath) + ' ' + QByteArray::number(quint64(st.st_dev)) + ' ' +
           QByteArray::number(quint64(st.st_ino)) + ' ' + QByteArray::number(qint64(st.st_size)) +
           ' ' + QByteArray::number(qint64(st.st_mtim.tv_sec)) + '.' +
           QByteArray::number(qint64(st.st_mtim.tv_nsec));
}

QuoteIndex IndexOf(const QString &listPath) {
    QuoteIndex index;
    const QByteArray before = StampOf(listPath);
    QByteArray bytes;
    if (before.isEmpty() || !gate::readFile(listPath, bytes).isEmpty()) return index;
    // Each record read as the list reads it, short last record and all.
    quotes::FixedRecord record;
    index.hashes.reserve(bytes.size() / quotes::RecordLength + 1);
    for (qsizetype at = 0; at < bytes.size(); at += quotes::RecordLength) {
        record.setBytes(bytes.constData() + at,
                        qMin<qsizetype>(quotes::RecordLength, bytes.size() - at));
        index.hashes << hashOf(stats::QuoteHash(record.trimmed()));
    }
    if (StampOf(listPath) == before) index.stamp = before; // else it changed while it was read
    return index;
}

} // namespace play
