#include "SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QString LockName = QStringLiteral("cipherly.lock");

QString lockIn(const QString &folder) {
    return QDir(folder).filePath(LockName);
}

QString lockError(QLockFile::LockError e) {
    switch (e) {
    case QLockFile::PermissionError:
        return QStringLiteral("the folder cannot be written to");
    case QLockFile::UnknownError:
        return QStringLiteral("the lock file cannot be made there (the disk may be full)");
    default:
        return QStringLiteral("the lock cannot be taken there");
    }
}

} // namespace

SingleInstance::SingleInstance(QStringList folders) : m_folders(std::move(folders)) {}
SingleInstance::~SingleInstance() = default;

QStringList SingleInstance::defaultFolders() {
    QStringList out;
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) out << runtime;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!data.isEmpty()) out << QDir(data).filePath(QStringLiteral("Cipherly"));
#ifdef Q_OS_UNIX
    out << QDir(QDir::tempPath()).filePath(QStringLiteral("cipherly-%1").arg(::getuid()));
#else
    out << QDir(QDir::tempPath()).filePath(QStringLiteral("cipherly"));
#endif
    return out;
}

QString SingleInstance::lockPath() {
    return lockIn(defaultFolders().value(0, QDir::tempPath()));
}

QString SingleInstance::heldPath() const {
    return m_lock && m_lock->isLocked() ? m_heldPath : QString();
}

SingleInstance::Result SingleInstance::acquire() {
    if (m_lock && m_lock->isLocked()) return Result::Acquired;
    m_reason.clear();
    QStringList problems;
    for (const QString &folder : std::as_const(m_folders)) {
        // A private folder of our own, made when missing.
        if (!QFileInfo(folder).isDir()) {
            if (!QDir().mkpath(folder)) {
                problems << QStringLiteral("%1: the folder cannot be made").arg(folder);
                continue;
            }
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        }
#ifdef Q_OS_UNIX
        // A folder someone else owns could hold a lock to keep the player out.
        if (QFileInfo(folder).ownerId() != ::getuid()) {
            problems << QStringLiteral("%1: the folder belongs to someone else").arg(folder);
            continue;
        }
#endif
        auto lock = std::make_unique<QLockFile>(lockIn(folder));
        // Staleness is judged by whether the holder is still alive, never by age.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            if (!m_lock) {
                m_lock = std::move(lock);
                m_heldPath = lockIn(folder);
            }
            // A lock that was only looked into is let go again.
            continue;
        }
        if (lock->error() == QLockFile::LockFailedError) {
            release();
            return Result::HeldByAnother;
        }
        problems << QStringLiteral("%1: %2").arg(folder, lockError(lock->error()));
    }
    if (m_lock) return Result::Acquired;
    m_reason = problems.join(QLatin1Char('\n'));
    return Result::Unavailable;
}

void SingleInstance::release() {
    if (m_lock) m_lock->unlock();
    m_lock.reset();
    m_heldPath.clear();
}
