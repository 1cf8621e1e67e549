#include "SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

SingleInstance::SingleInstance() = default;
SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir + QStringLiteral("/cipherly.lock");
}

bool SingleInstance::acquire() {
    if (m_lock && m_lock->isLocked()) return true;
    m_lock = std::make_unique<QLockFile>(lockPath());
    // Staleness is judged by whether the holder is still alive, never by age.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) return true;
    // Only a live holder means a second copy; a lock we cannot even create
    // (no runtime folder, say) must not keep the player out of the game.
    return m_lock->error() != QLockFile::LockFailedError;
}

void SingleInstance::release() {
    if (m_lock) m_lock->unlock();
    m_lock.reset();
}
