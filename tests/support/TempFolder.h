#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// Each test case works in a fresh folder of its own, which is the current
// folder while it runs.
class TempFolder {
public:
    TempFolder() : m_old(QDir::currentPath()) {
        QVERIFY2(m_dir.isValid(), "no temporary folder");
        QDir::setCurrent(m_dir.path());
    }
    ~TempFolder() { QDir::setCurrent(m_old); }
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    QString m_old;
    QTemporaryDir m_dir;
};

inline bool RunningAsRoot() {
#ifdef Q_OS_UNIX
    return ::getuid() == 0;
#else
    return false;
#endif
}
