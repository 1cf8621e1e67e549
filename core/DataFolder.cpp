#include "DataFolder.h"

#include <QDir>
#include <QStandardPaths>

QString DataFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Cipherly"));
}
