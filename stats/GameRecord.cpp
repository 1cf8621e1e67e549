#include "GameRecord.h"

#include "DataFolder.h"
#include "InputGate.h"
#include "SafeFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <limits>
#include <sys/stat.h>

#include <optional>

namespace stats {

namespace {

QString overridePath;

// The record as last read, and what its file was then: while the file is the
// same and has only grown, only what was added is read.
struct Kept {
    bool valid = false;
    QString path;
    dev_t device = 0;
    ino_t inode = 0;
    qint64 size = 0, modified = 0;
    QList<Game> games;
    int skipped = 0;
};
Kept kept;

struct Stamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    qint64 size = 0, modified = 0;
};

Stamp stampOf(const QString &path) {
    Stamp s;
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) return s;
    s.exists = true;
    s.device = st.st_dev;
    s.inode = st.st_ino;
    s.size = st.st_size;
    s.modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return s;
}

void remember(const QString &path, const Stamp &s) {
    kept.valid = true;
    kept.path = path;
    kept.device = s.device;
    kept.inode = s.inode;
    kept.size = s.size;
    kept.modified = s.modified;
}

// Digits at `at`, `n` of them; -1 when not.
int number(QByteArrayView b, qsizetype at, int n) {
    int v = 0;
    for (int i = 0; i < n; ++i) {
        const char c = b[at + i];
        if (c < '0' || c > '9') return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

// "2026-12-08T14:03:00", the form the record writes, read without any
// conversion; that form with more after it (a fraction, a zone) as ISO 8601
// reads it. Nothing else is a time of the record ("+026-12-09T..." would
// read as a year before Christ, and be written back as no time at all).
QDateTime timeOf(QByteArrayView b) {
    if (b.size() < 19 || b[4] != '-' || b[7] != '-' || b[10] != 'T' || b[13] != ':' ||
        b[16] != ':')
        return {};
    const int year = number(b, 0, 4); // -1 for a sign, which QDate would take as a year
    const QDate d(year, number(b, 5, 2), number(b, 8, 2));
    const QTime t(number(b, 11, 2), number(b, 14, 2), number(b, 17, 2));
    if (year < 1 || !d.isValid() || !t.isValid()) return {};
    if (b.size() == 19) return QDateTime(d, t, Qt::UTC);
    const QDateTime zoned = QDateTime::fromString(QString::fromLatin1(b), Qt::ISODate);
    return zoned.isValid() && zoned.date().year() >= 1000 ? WallClock(zoned) : QDateTime();
}

qint64 wholeNumber(QByteArrayView b, bool *ok) {
    *ok = !b.isEmpty() && b.size() <= 19;
    qint64 v = 0;
    for (char c : b) {
        // Past what the number can hold (nineteen nines) is no number either.
        if (c < '0' || c > '9' || v > (std::numeric_limits<qint64>::max() - (c - '0')) / 10) {
            *ok = false;
            return 0;
        }
        v = v * 10 + (c - '0');
    }
    return v;
}

std::optional<Game> gameOfBytes(QByteArrayView row, const QDateTime &latest) {
    QByteArrayView f[8];
    int n = 0;
    qsizetype from = 0;
    for (qsizetype i = 0; i <= row.size(); ++i)
        if (i == row.size() || row[i] == ',') {
            if (n == 8) return std::nullopt;
            f[n++] = row.sliced(from, i - from);
            from = i + 1;
        }
    if (n < 5 || n > 7) return std::nullopt;
    Game g;
    g.finished = timeOf(f[0]);
    bool secondsOk = false, hintsOk = false, lengthOk = false;
    g.seconds = wholeNumber(f[1], &secondsOk);
    g.hints = int(qMin<qint64>(wholeNumber(f[2], &hintsOk), MaxHints + 1));
    g.length = int(qMin<qint64>(wholeNumber(f[4], &lengthOk), 1000));
    // A row outside what a game can be (a year at one quote, more hints than
    // letters, a date to come) is damage, not a game.
    if (!g.finished.isValid() || !secondsOk || !hintsOk || !lengthOk || g.seconds > MaxSeconds ||
        g.hints > MaxHints || g.length < 1 || g.length > 200 || g.finished > latest)
        return std::nullopt;
    if (f[3] == "solved")
        g.outcome = Outcome::Solved;
    else if (f[3] == "shown")
        g.outcome = Outcome::Shown;
    else if (f[3] == "abandoned")
        g.outcome = Outcome::Abandoned;
    else
        return std::nullopt;
    if (n >= 6) {
        if (f[5].size() != 8) return std::nullopt;
        for (char c : f[5])
            if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return std::nullopt;
        g.quote = QString::fromLatin1(f[5]);
    }
    if (n == 7) {
        g.day = f[6].size() == 10 ? QDate::fromString(QString::fromLatin1(f[6]), Qt::ISODate)
                                  : QDate();
        if (!g.day.isValid()) return std::nullopt;
    }
    return g;
}

// Every row of `bytes` into `games`; damaged rows counted in `bad`.
void readRows(QByteArrayView bytes, QList<Game> &games, int &bad) {
    const QDateTime latest = WallClock(QDateTime::currentDateTime()).addDays(1);
    qsizetype from = 0;
    while (from < bytes.size()) {
        qsizetype nl = bytes.indexOf('\n', from);
        if (nl < 0) nl = bytes.size();
        QByteArrayView row = bytes.sliced(from, nl - from).trimmed();
        from = nl + 1;
        if (row.isEmpty() || row == Header.toLatin1() || row == OldHeader.toLatin1()) continue;
        if (auto g = gameOfBytes(row, latest))
            games << *g;
        else
            ++bad;
    }
}

} // namespace

QDateTime WallClock(const QDateTime &t) {
    return t.timeSpec() == Qt::UTC ? t : QDateTime(t.date(), t.time(), Qt::UTC);
}

QString OutcomeName(Outcome o) {
    switch (o) {
    case Outcome::Solved:
        return QStringLiteral("solved");
    case Outcome::Shown:
        return QStringLiteral("shown");
    case Outcome::Abandoned:
        break;
    }
    return QStringLiteral("abandoned");
}

QString RecordPath() {
    if (!overridePath.isEmpty()) return overridePath;
    return QDir(DataFolder()).filePath(QStringLiteral("games.csv"));
}

void SetRecordPath(const QString &path) {
    overridePath = path;
}

QString QuoteHash(const QString &quote) {
    const QByteArray digest =
        QCryptographicHash::hash(quote.simplified().toUpper().toUtf8(), QCryptographicHash::Sha1);
    return QString::fromLatin1(digest.toHex().left(8));
}

Game PlayedGame(const QDateTime &finished, qint64 seconds, int hints, Outcome outcome,
                const QString &quote) {
    Game g;
    g.finished = WallClock(finished);
    g.seconds = qBound<qint64>(0, seconds, MaxSeconds);
    g.hints = qBound(0, hints, MaxHints);
    g.outcome = outcome;
    g.length = int(quote.size());
    g.quote = QuoteHash(quote);
    return g;
}

QString RowOf(const Game &g) {
    QString row = QStringLiteral("%1,%2,%3,%4,%5")
                      .arg(g.finished.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")))
                      .arg(g.seconds)
                      .arg(g.hints)
                      .arg(OutcomeName(g.outcome))
                      .arg(g.length);
    if (!g.quote.isEmpty()) row += QLatin1Char(',') + g.quote;
    if (!g.quote.isEmpty() && g.day.isValid())
        row += QLatin1Char(',') + g.day.toString(Qt::ISODate);
    return row;
}

std::optional<Game> GameOf(const QString &row, const QDateTime &now) {
    const QByteArray bytes = row.trimmed().toUtf8();
    return gameOfBytes(bytes, WallClock(now).addDays(1));
}

QString AppendGame(const Game &g) {
    const QString path = RecordPath();
    const QString folder = QFileInfo(path).absolutePath();
    if (!safefile::makeFolder(folder))
        return QCoreApplication::translate("GameStatistics", "the folder %1 cannot be made")
            .arg(folder);
    const QByteArray row = RowOf(g).toUtf8() + '\n';
    // What is kept stays whole if the file is the one read, and only the
    // row is new; else the next read reads it all again.
    const Stamp before = stampOf(path);
    const bool keptIsFile = kept.valid && kept.path == path &&
                            ((!before.exists && kept.size == 0) ||
                             (before.device == kept.device && before.inode == kept.inode &&
                              before.size == kept.size && before.modified == kept.modified));
    qint64 written = 0;
    // The whole row or nothing: a failed append is cut back to where it began.
    const QString why = safefile::append(path, [&](qint64 size, char last) {
        const QByteArray bytes = size == 0      ? Header.toUtf8() + '\n' + row
                                 : last == '\n' ? row
                                                : '\n' + row; // after a row cut short (a power cut)
        written = bytes.size();
        return bytes;
    });
    const Stamp after = stampOf(path);
    if (why.isEmpty() && keptIsFile && after.size == kept.size + written) {
        kept.games << g;
        kept.games.last().finished = WallClock(g.finished);
        remember(path, after);
    } else {
        kept.valid = false;
    }
    return why;
}

QList<Game> ReadGames(int *skipped, QString *problem) {
    const QString path = RecordPath();
    const Stamp now = stampOf(path);
    QString why;
    if (!now.exists) {
        kept.valid = false;
        // Missing is an empty record; anything else that is not a file says why.
        if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) why = gate::check(path);
        if (why.isEmpty()) {
            remember(path, now);
            kept.games.clear();
            kept.skipped = 0;
        }
    } else if (kept.valid && kept.path == path && now.device == kept.device &&
               now.inode == kept.inode && now.size == kept.size && now.modified == kept.modified) {
        // Unchanged since it was read.
    } else {
        // Only what was added, when the file is the one read and has grown
        // past a whole row; else all of it.
        const bool grown = kept.valid && kept.path == path && now.device == kept.device &&
                           now.inode == kept.inode && now.size > kept.size && kept.size > 0;
        gate::Source source;
        QByteArray bytes;
        why = source.open(path);
        qint64 from = 0;
        if (why.isEmpty() && grown && source.sizeKnown()) {
            // The byte before the new rows ends a row, or all is read again.
            QByteArray last;
            source.seek(kept.size - 1);
            why = source.readPiece(last, 1);
            from = last == "\n" ? kept.size : 0;
            source.seek(from);
        }
        while (why.isEmpty() && !source.atEnd())
            why = source.readPiece(bytes);
        if (!why.isEmpty()) {
            kept.valid = false;
        } else {
            if (from == 0) {
                kept.games.clear();
                kept.skipped = 0;
            }
            readRows(bytes, kept.games, kept.skipped);
            remember(path, stampOf(path));
        }
    }
    if (skipped) *skipped = why.isEmpty() ? kept.skipped : 0;
    if (problem) *problem = why;
    return why.isEmpty() ? kept.games : QList<Game>();
}

QString ResetRecord() {
    const QString path = RecordPath();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return {};
    // Through a link, only a record of games is written over: a link to any
    // other file is left alone.
    if (info.isSymLink()) {
        QByteArray start;
        gate::Source source;
        QString why = source.open(path);
        if (why.isEmpty()) why = source.readPiece(start, OldHeader.size() + 1);
        if (!why.isEmpty()) return why;
        if (!start.startsWith(OldHeader.toUtf8()))
            return QCoreApplication::translate(
                       "GameStatistics",
                       "It leads to %1, which is not a record of games; it is left "
                       "alone")
                .arg(info.symLinkTarget());
    }
    const safefile::Result r = safefile::replaceFile(path, Header.toUtf8() + '\n');
    kept.valid = false;
    return r.reason;
}

} // namespace stats
