#include "DataFolder.h"

#include "SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>

QString DataFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Cipherly"));
}

QString KeptFileProblem(const QString &path) {
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return {};
    if (S_ISLNK(st.st_mode)) {
        const QString to = QFileInfo(path).symLinkTarget();
        return QFileInfo::exists(path)
                   ? QCoreApplication::translate("files", "a link to %1")
                         .arg(QDir::toNativeSeparators(to))
                   : QCoreApplication::translate("files", "a link to %1, which is not there")
                         .arg(QDir::toNativeSeparators(to));
    }
    if (S_ISDIR(st.st_mode)) return QCoreApplication::translate("files", "a folder");
    if (!S_ISREG(st.st_mode)) return QCoreApplication::translate("files", "not a regular file");
    return {};
}

QString SetAsideForeignFiles(const QStringList &paths) {
    QStringList told;
    for (const QString &path : paths) {
        const QString problem = KeptFileProblem(path);
        if (problem.isEmpty()) continue;
        const QString name = QFileInfo(path).fileName();
        const safefile::Aside a = safefile::setAside(path, QStringLiteral(".set-aside"));
        told << (a.ok() ? QCoreApplication::translate("files", "%1 (%2) is now %3.")
                              .arg(name, problem, QFileInfo(a.name).fileName())
                        : QCoreApplication::translate(
                              "files", "%1 (%2) could not be set aside: %3. The game will "
                                       "not write to it.")
                              .arg(name, problem, a.reason));
    }
    if (told.isEmpty()) return {};
    return QCoreApplication::translate(
               "files", "Cipherly keeps files of its own in %1, and writes nothing through one "
                        "that is not its own. Found there, and left untouched:\n\n")
               .arg(QDir::toNativeSeparators(QFileInfo(paths.first()).absolutePath())) +
           told.join(QLatin1Char('\n'));
}
