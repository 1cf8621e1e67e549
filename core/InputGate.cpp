#include "InputGate.h"

#include "SafeFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gate {

namespace {

// Why a file of this kind is not read, in the player's words.
QString kindRefusal(mode_t mode) {
    if (S_ISDIR(mode)) return QStringLiteral("It is a folder, not a file");
    if (S_ISFIFO(mode)) return QStringLiteral("It is a pipe, not a file");
    if (S_ISSOCK(mode)) return QStringLiteral("It is a socket, not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return QStringLiteral("It is a device, not a file");
    return QStringLiteral("It is not a regular file");
}

QString checked(const struct stat &st, qint64 limit) {
    if (!S_ISREG(st.st_mode)) return kindRefusal(st.st_mode);
    if (qint64(st.st_size) > limit)
        return QStringLiteral("It is larger than %1, the most Cipherly reads").arg(sizeText(limit));
    return {};
}

} // namespace

QString sizeText(qint64 bytes) {
    if (bytes >= (qint64(1) << 20) && bytes % (qint64(1) << 20) == 0)
        return QStringLiteral("%1 MiB").arg(bytes >> 20);
    if (bytes >= 1024 && bytes % 1024 == 0) return QStringLiteral("%1 KiB").arg(bytes >> 10);
    return QStringLiteral("%1 bytes").arg(bytes);
}

Source::~Source() {
    close();
}

void Source::close() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
}

QString Source::open(const QString &path, qint64 limit) {
    close();
    m_size = m_done = 0;
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::stat(name.constData(), &st) != 0) return safefile::reasonOf(errno);
    if (QString why = checked(st, limit); !why.isEmpty()) return why;
    // Non-blocking: whatever replaced the file since the check is never waited on.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return safefile::reasonOf(errno);
    if (::fstat(fd, &st) != 0) {
        const QString why = safefile::reasonOf(errno);
        ::close(fd);
        return why;
    }
    if (QString why = checked(st, limit); !why.isEmpty()) {
        ::close(fd);
        return why;
    }
    m_fd = fd;
    m_size = st.st_size;
    return {};
}

QString Source::readPiece(QByteArray &into, qint64 most) {
    if (m_fd < 0) return QStringLiteral("The file is not open");
    const qint64 want = qMin(most, m_size - m_done);
    if (want <= 0) return {};
    const qsizetype start = into.size();
    into.resize(start + want);
    qint64 got = 0;
    while (got < want) {
        const ssize_t n =
            ::pread(m_fd, into.data() + start + got, size_t(want - got), off_t(m_done + got));
        if (n < 0) {
            if (errno == EINTR) continue;
            into.resize(start + got);
            return safefile::reasonOf(errno);
        }
        if (n == 0) break; // the file shrank: what is there is all there is
        got += n;
    }
    into.resize(start + got);
    m_done += got;
    if (got < want) m_size = m_done;
    return {};
}

QString readFile(const QString &path, QByteArray &into, qint64 limit) {
    Source s;
    if (QString why = s.open(path, limit); !why.isEmpty()) return why;
    into.reserve(into.size() + s.size());
    while (!s.atEnd())
        if (QString why = s.readPiece(into); !why.isEmpty()) return why;
    return {};
}

} // namespace gate
