#include "SingleInstance.h"

#include "SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

enum class Lock { Taken, Busy, Failed };

// An advisory lock on an open file or folder, without waiting for it.
Lock lockOn(int fd) {
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        return errno == EWOULDBLOCK ? Lock::Busy : Lock::Failed;
    }
    return Lock::Taken;
}

} // namespace

SingleInstance::SingleInstance(QString listFolder) : m_folder(std::move(listFolder)) {}

SingleInstance::~SingleInstance() {
    release();
}

void SingleInstance::setFolder(const QString &listFolder) {
    release();
    m_folder = listFolder;
}

QString SingleInstance::lockPath(const QString &listFolder) {
    return QDir(listFolder).filePath(QStringLiteral("Cipherly.lock"));
}

SingleInstance::Result SingleInstance::acquire() {
    if (held()) return Result::Acquired;
    m_reason.clear();
    QStringList problems;
    // Both the lock file and the folder are locked where they can be: a copy
    // that may not make the file (a read-only folder) still meets the other
    // on the folder, and a file system that cannot lock folders still has
    // the file.
    const int fileFd = ::open(QFile::encodeName(lockPath(m_folder)).constData(),
                              O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    const int folderFd =
        ::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fileFd < 0)
        problems << QStringLiteral("%1: %2").arg(lockPath(m_folder), safefile::reasonOf(errno));
    bool busy = false;
    for (const int fd : {fileFd, folderFd}) {
        if (fd < 0) continue;
        switch (lockOn(fd)) {
        case Lock::Taken:
            (fd == fileFd ? m_fileFd : m_folderFd) = fd;
            continue;
        case Lock::Busy:
            busy = true;
            break;
        case Lock::Failed:
            problems << QStringLiteral("%1: %2").arg(fd == fileFd ? lockPath(m_folder) : m_folder,
                                                     safefile::reasonOf(errno));
            break;
        }
        ::close(fd);
    }
    if (folderFd < 0 && fileFd < 0)
        problems << QCoreApplication::translate("basCipherly", "%1: the folder cannot be opened")
                        .arg(m_folder);
    if (busy) {
        release();
        return Result::HeldByAnother;
    }
    if (held()) return Result::Acquired;
    m_reason = problems.join(QLatin1Char('\n'));
    return Result::Unavailable;
}

void SingleInstance::release() {
    for (int *fd : {&m_fileFd, &m_folderFd}) {
        if (*fd >= 0) ::close(*fd); // closing lets go of the lock
        *fd = -1;
    }
}
