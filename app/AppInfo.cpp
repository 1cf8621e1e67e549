#include "AppInfo.h"

#include <QCoreApplication>

namespace AppInfo {

QString versionString() {
    return QStringLiteral("%1.%2.%3").arg(Major).arg(Minor).arg(Revision);
}

QString description() {
    return QCoreApplication::translate("AppInfo", "Encryption Word Game");
}

} // namespace AppInfo
