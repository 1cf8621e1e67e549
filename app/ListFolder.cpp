#include "ListFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace ListFolder {

bool StartedFromMenu() {
    return !qEnvironmentVariableIsEmpty(MenuVariable);
}

QString DataFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Cipherly"));
}

namespace {

// Copies `from` to `to` completely and durably, or not at all.
bool copyWhole(const QString &from, const QString &to, QString &why) {
    const QString temp = to + QStringLiteral(".moving");
    QFile::remove(temp);
    QFile in(from), out(temp);
    if (!in.open(QIODevice::ReadOnly)) {
        why = in.errorString();
        return false;
    }
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        why = out.errorString();
        return false;
    }
    const QByteArray all = in.readAll();
    if (in.error() != QFileDevice::NoError || out.write(all) != all.size() || !out.flush()) {
        why = in.error() != QFileDevice::NoError ? in.errorString() : out.errorString();
        out.close();
        QFile::remove(temp);
        return false;
    }
    out.setPermissions(in.permissions());
    out.close();
    if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(to).constData()) != 0) {
        why = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(temp);
        return false;
    }
    return true;
}

} // namespace

Outcome UseDataFolder(const QString &homeFolder, const QString &dataFolder,
                      const QString &listName) {
    Outcome out;
    if (!QFileInfo(dataFolder).isDir() && !QDir().mkpath(dataFolder)) {
        out.problem = QStringLiteral("The folder %1 cannot be made.").arg(dataFolder);
        return out;
    }
    const QString oldList = QDir(homeFolder).filePath(listName);
    const QString newList = QDir(dataFolder).filePath(listName);
    const QFileInfo old(oldList);
    if ((old.exists() || old.isSymLink()) && !QFileInfo::exists(newList) &&
        !QFileInfo(newList).isSymLink() && old.absoluteFilePath() != QFileInfo(newList).absoluteFilePath()) {
        // A move within one disk is one step; across disks, a whole copy first.
        if (std::rename(QFile::encodeName(oldList).constData(),
                        QFile::encodeName(newList).constData()) != 0) {
            const int error = errno;
            QString why = QString::fromLocal8Bit(std::strerror(error));
            if (error != EXDEV || old.isSymLink() || !copyWhole(oldList, newList, why)) {
                out.problem = QStringLiteral("Your quote list %1 cannot be moved to %2: %3.")
                                  .arg(oldList, dataFolder, why);
                return out;
            }
            QFile::remove(oldList);
        }
        out.moved = true;
    }
    if (!QDir::setCurrent(dataFolder)) {
        out.problem = QStringLiteral("The folder %1 cannot be used.").arg(dataFolder);
        return out;
    }
    return out;
}

} // namespace ListFolder
