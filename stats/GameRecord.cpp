#include "GameRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace stats {

namespace {
QString overridePath;

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}
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
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Cipherly/games.csv"));
}

void SetRecordPath(const QString &path) {
    overridePath = path;
}

QString RowOf(const Game &g) {
    return QStringLiteral("%1,%2,%3,%4,%5")
        .arg(g.finished.toString(Qt::ISODate))
        .arg(g.seconds)
        .arg(g.hints)
        .arg(OutcomeName(g.outcome))
        .arg(g.length);
}

std::optional<Game> GameOf(const QString &row) {
    const QStringList f = row.trimmed().split(QLatin1Char(','));
    if (f.size() != 5) return std::nullopt;
    Game g;
    g.finished = QDateTime::fromString(f[0], Qt::ISODate);
    bool secondsOk = false, hintsOk = false, lengthOk = false;
    g.seconds = f[1].toLongLong(&secondsOk);
    g.hints = f[2].toInt(&hintsOk);
    g.length = f[4].toInt(&lengthOk);
    if (!g.finished.isValid() || !secondsOk || !hintsOk || !lengthOk || g.seconds < 0 ||
        g.hints < 0 || g.length < 1 || g.length > 200)
        return std::nullopt;
    if (f[3] == QLatin1String("solved"))
        g.outcome = Outcome::Solved;
    else if (f[3] == QLatin1String("shown"))
        g.outcome = Outcome::Shown;
    else if (f[3] == QLatin1String("abandoned"))
        g.outcome = Outcome::Abandoned;
    else
        return std::nullopt;
    return g;
}

QString AppendGame(const Game &g) {
    const QString path = RecordPath();
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
        return QStringLiteral("the folder %1 cannot be made").arg(folder);
    QByteArray line = RowOf(g).toUtf8() + '\n';
#ifdef Q_OS_UNIX
    // One write of the whole row to the end of the file: a row is there whole
    // or not at all, whatever moment the game is stopped at.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return systemReason(errno);
    const off_t size = ::lseek(fd, 0, SEEK_END);
    if (size == 0) {
        line.prepend(Header.toUtf8() + '\n');
    } else if (size > 0) {
        // A row cut short before (a power cut) ends on its own line.
        char last = '\n';
        if (::pread(fd, &last, 1, size - 1) == 1 && last != '\n') line.prepend('\n');
    }
    const ssize_t n = ::write(fd, line.constData(), size_t(line.size()));
    const int error = errno;
    const bool synced = n == line.size() && ::fsync(fd) == 0;
    ::close(fd);
    if (n != line.size()) return n < 0 ? systemReason(error) : systemReason(ENOSPC);
    if (!synced) return systemReason(errno);
    return {};
#else
    QFile f(path);
    const bool fresh = !f.exists() || f.size() == 0;
    if (!f.open(QIODevice::Append)) return f.errorString();
    if (fresh) line.prepend(Header.toUtf8() + '\n');
    if (f.write(line) != line.size() || !f.flush()) return f.errorString();
    return {};
#endif
}

QList<Game> ReadGames(int *skipped) {
    QList<Game> games;
    int bad = 0;
    QFile f(RecordPath());
    if (f.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> rows = f.readAll().split('\n');
        for (const QByteArray &row : rows) {
            const QString text = QString::fromUtf8(row).trimmed();
            if (text.isEmpty() || text == Header) continue;
            if (auto g = GameOf(text))
                games << *g;
            else
                ++bad;
        }
    }
    if (skipped) *skipped = bad;
    return games;
}

QString ResetRecord() {
    const QString path = RecordPath();
    if (!QFileInfo::exists(path)) return {};
    QSaveFile out(path);
    const QByteArray header = Header.toUtf8() + '\n';
    if (!out.open(QIODevice::WriteOnly) || out.write(header) != header.size() || !out.commit())
        return out.errorString();
    return {};
}

} // namespace stats
