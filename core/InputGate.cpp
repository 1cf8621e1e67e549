#include "InputGate.h"

#include "SafeFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gate {

namespace {

// Why a file of this kind is not read, in the player's words.
QString kindRefusal(mode_t mode) {
    if (S_ISDIR(mode)) return QCoreApplication::translate("files", "It is a folder, not a file");
    if (S_ISFIFO(mode)) return QCoreApplication::translate("files", "It is a pipe, not a file");
    if (S_ISSOCK(mode)) return QCoreApplication::translate("files", "It is a socket, not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("files", "It is a device, not a file");
    return QCoreApplication::translate("files", "It is not a regular file");
}

QString checked(const struct stat &st, qint64 limit) {
    if (!S_ISREG(st.st_mode)) return kindRefusal(st.st_mode);
    if (qint64(st.st_size) > limit)
        return QCoreApplication::translate("files", "It is larger than %1, the most Cipherly reads")
            .arg(sizeText(limit));
    return {};
}

} // namespace

QString sizeText(qint64 bytes) {
    if (bytes >= (qint64(1) << 20) && bytes % (qint64(1) << 20) == 0)
        return QCoreApplication::translate("files", "%1 MiB").arg(bytes >> 20);
    if (bytes >= 1024 && bytes % 1024 == 0)
        return QCoreApplication::translate("files", "%1 KiB").arg(bytes >> 10);
    return QCoreApplication::translate("files", "%1 bytes").arg(bytes);
}

QString Changed() {
    return QCoreApplication::translate("files", "It changed while it was read");
}

QString check(const QString &path, qint64 *size, qint64 limit) {
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return safefile::reasonOf(errno);
    if (size) *size = st.st_size;
    return checked(st, limit);
}

namespace {
qint64 modifiedOf(const struct stat &st) {
    return qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}
} // namespace

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
    m_sizeKnown = m_size > 0;
    m_ended = false;
    m_limit = limit;
    m_modified = modifiedOf(st);
    return {};
}

QString Source::changedSinceOpen() const {
    struct stat st;
    if (m_fd < 0 || !m_sizeKnown || ::fstat(m_fd, &st) != 0) return {};
    return modifiedOf(st) != m_modified || qint64(st.st_size) != m_size ? Changed() : QString();
}

QString Source::readPiece(QByteArray &into, qint64 most) {
    if (m_fd < 0) return QCoreApplication::translate("files", "The file is not open");
    if (m_ended) return {};
    // A file that does not tell its size is read until it ends, within the limit.
    const qint64 want =
        m_sizeKnown ? qMin(most, m_size - m_done) : qMin(most, m_limit + 1 - m_done);
    if (want <= 0) {
        m_ended = true;
        return m_sizeKnown ? changedSinceOpen() : QString();
    }
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
        if (n == 0) break; // the end, sooner than the size said
        got += n;
    }
    into.resize(start + got);
    m_done += got;
    if (!m_sizeKnown) {
        if (m_done > m_limit) {
            into.resize(start + got - (m_done - m_limit));
            m_ended = true;
            return QCoreApplication::translate("files",
                                               "It is larger than %1, the most Cipherly reads")
                .arg(sizeText(m_limit));
        }
        if (got < want) m_ended = true;
        return {};
    }
    if (got < want) {
        m_size = m_done;
        m_ended = true;
        return Changed(); // it shrank while it was read
    }
    if (m_done >= m_size) {
        m_ended = true;
        return changedSinceOpen();
    }
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
