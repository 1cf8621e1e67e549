#include "GameRecord.h"

#include "DataFolder.h"
#include "InputGate.h"
#include "SafeFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>

namespace stats {

namespace {
QString overridePath;
} // namespace

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
    g.finished = finished;
    g.seconds = qBound<qint64>(0, seconds, MaxSeconds);
    g.hints = qBound(0, hints, MaxHints);
    g.outcome = outcome;
    g.length = int(quote.size());
    g.quote = QuoteHash(quote);
    return g;
}

QString RowOf(const Game &g) {
    QString row = QStringLiteral("%1,%2,%3,%4,%5")
                      .arg(g.finished.toString(Qt::ISODate))
                      .arg(g.seconds)
                      .arg(g.hints)
                      .arg(OutcomeName(g.outcome))
                      .arg(g.length);
    if (!g.quote.isEmpty()) row += QLatin1Char(',') + g.quote;
    return row;
}

std::optional<Game> GameOf(const QString &row, const QDateTime &now) {
    const QStringList f = row.trimmed().split(QLatin1Char(','));
    if (f.size() != 5 && f.size() != 6) return std::nullopt;
    Game g;
    g.finished = QDateTime::fromString(f[0], Qt::ISODate);
    bool secondsOk = false, hintsOk = false, lengthOk = false;
    g.seconds = f[1].toLongLong(&secondsOk);
    g.hints = f[2].toInt(&hintsOk);
    g.length = f[4].toInt(&lengthOk);
    // A row outside what a game can be (a year at one quote, more hints than
    // letters, a date to come) is damage, not a game.
    if (!g.finished.isValid() || !secondsOk || !hintsOk || !lengthOk || g.seconds < 0 ||
        g.seconds > MaxSeconds || g.hints < 0 || g.hints > MaxHints || g.length < 1 ||
        g.length > 200 || g.finished > now.addDays(1))
        return std::nullopt;
    if (f[3] == QLatin1String("solved"))
        g.outcome = Outcome::Solved;
    else if (f[3] == QLatin1String("shown"))
        g.outcome = Outcome::Shown;
    else if (f[3] == QLatin1String("abandoned"))
        g.outcome = Outcome::Abandoned;
    else
        return std::nullopt;
    if (f.size() == 6) {
        static const QRegularExpression hash(QStringLiteral("^[0-9a-f]{8}$"));
        if (!hash.match(f[5]).hasMatch()) return std::nullopt;
        g.quote = f[5];
    }
    return g;
}

QString AppendGame(const Game &g) {
    const QString path = RecordPath();
    const QString folder = QFileInfo(path).absolutePath();
    if (!safefile::makeFolder(folder))
        return QStringLiteral("the folder %1 cannot be made").arg(folder);
    const QByteArray row = RowOf(g).toUtf8() + '\n';
    // The whole row or nothing: a failed append is cut back to where it began.
    return safefile::append(path, [&](qint64 size, char last) {
        if (size == 0) return Header.toUtf8() + '\n' + row;
        // A row cut short before (a power cut) ends on its own line.
        return last == '\n' ? row : '\n' + row;
    });
}

QList<Game> ReadGames(int *skipped, QString *problem) {
    QList<Game> games;
    int bad = 0;
    QByteArray bytes;
    QString why;
    if (QFileInfo::exists(RecordPath()) || QFileInfo(RecordPath()).isSymLink())
        why = gate::readFile(RecordPath(), bytes);
    const QDateTime now = QDateTime::currentDateTime();
    if (why.isEmpty()) {
        for (const QByteArray &row : bytes.split('\n')) {
            const QString text = QString::fromUtf8(row).trimmed();
            if (text.isEmpty() || text == Header || text == OldHeader) continue;
            if (auto g = GameOf(text, now))
                games << *g;
            else
                ++bad;
        }
    }
    if (skipped) *skipped = bad;
    if (problem) *problem = why;
    return games;
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
            return QStringLiteral("It leads to %1, which is not a record of games; it is left "
                                  "alone")
                .arg(info.symLinkTarget());
    }
    const safefile::Result r = safefile::replaceFile(path, Header.toUtf8() + '\n');
    return r.reason;
}

} // namespace stats
