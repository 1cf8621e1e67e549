#include "AppInfo.h"

namespace AppInfo {

QString versionString() {
    return QStringLiteral("%1.%2.%3").arg(Major).arg(Minor).arg(Revision);
}

} // namespace AppInfo
