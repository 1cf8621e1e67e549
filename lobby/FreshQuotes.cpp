#include "FreshQuotes.h"

#include "GameRecord.h"
#include "InputGate.h"
#include "QuoteFile.h"
#include "frmMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <sys/stat.h>

FreshQuotes::FreshQuotes(frmMain &lobby) : QObject(&lobby), m(lobby) {
    setObjectName(QStringLiteral("freshQuotes"));
    m.addListMenuItem(QStringLiteral("Solve &This Quote"), [this] { menuSolveThisQuote_Click(); });
    m.drawRecord = [this](qint16 count) { return drawFresh(count); };
    connect(&m, &frmMain::quoteListFilled, this, [this] {
        if (m_making.valid()) m_making.wait(); // one at a time
        m_making = std::async(std::launch::async, &FreshQuotes::IndexOf,
                              QFileInfo(quotes::QuoteFileName).absoluteFilePath());
    });
}

FreshQuotes *FreshQuotes::of(const frmMain &lobby) {
    return lobby.findChild<FreshQuotes *>(QString(), Qt::FindDirectChildrenOnly);
}

void FreshQuotes::menuSolveThisQuote_Click() {
    const int row = m.grid->row();
    if (row >= 1) m.PlayRecord(qint16(row));
}

namespace {

FreshQuotes::Hash hashOf(const QString &hex) {
    return FreshQuotes::Hash(hex.toUInt(nullptr, 16));
}

// Folds games into when each quote was last played.
void fold(FreshQuotes::LastPlayed &last, const QList<stats::Game> &games, qsizetype from) {
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

} // namespace

int FreshQuotes::Choose(const QStringList &quotes, const QList<stats::Game> &games,
                        const std::function<int(int, int)> &randomBetween) {
    QList<Hash> hashes;
    hashes.reserve(quotes.size());
    for (const QString &q : quotes)
        hashes << hashOf(stats::QuoteHash(q));
    LastPlayed last;
    fold(last, games, 0);
    return ChooseAmong(hashes, last, randomBetween);
}

int FreshQuotes::ChooseAmong(const QList<Hash> &quotes, const LastPlayed &last,
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

QByteArray FreshQuotes::StampOf(const QString &listPath) {
    struct stat st;
    if (::stat(QFile::encodeName(listPath).constData(), &st) != 0) return {};
    return QFile::encodeName(listPath) + ' ' + QByteArray::number(quint64(st.st_dev)) + ' ' +
           QByteArray::number(quint64(st.st_ino)) + ' ' + QByteArray::number(qint64(st.st_size)) +
           ' ' + QByteArray::number(qint64(st.st_mtim.tv_sec)) + '.' +
           QByteArray::number(qint64(st.st_mtim.tv_nsec));
}

FreshQuotes::Index FreshQuotes::IndexOf(const QString &listPath) {
    Index index;
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

const QList<FreshQuotes::Hash> &FreshQuotes::hashes() {
    if (m_making.valid()) m_index = m_making.get();
    const QString path = QFileInfo(quotes::QuoteFileName).absoluteFilePath();
    const QByteArray now = StampOf(path);
    if (now.isEmpty() || now != m_index.stamp) m_index = IndexOf(path);
    return m_index.hashes;
}

const FreshQuotes::LastPlayed &FreshQuotes::lastPlayed(const QList<stats::Game> &games) {
    // The record only grows while it is kept; a shorter one, or another
    // first game, is a record read anew (or reset): all of it is folded again.
    if (games.size() < m_folded || (m_folded > 0 && games.first().finished != m_firstFolded)) {
        m_last.clear();
        m_folded = 0;
    }
    fold(m_last, games, m_folded);
    m_folded = games.size();
    m_firstFolded = games.isEmpty() ? QDateTime() : games.first().finished;
    return m_last;
}

qint16 FreshQuotes::drawFresh(qint16 count) {
    const QList<Hash> &quotes = hashes();
    if (quotes.size() != count) return modStandard::RandomBetween(1, count); // as the design draws
    return qint16(ChooseAmong(quotes, lastPlayed(stats::ReadGames()), [](int low, int high) {
        return int(modStandard::RandomBetween(qint16(low), qint16(high)));
    }));
}
