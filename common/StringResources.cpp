#include "StringResources.h"

#include <QFile>

QString LoadResString(int id) {
    QFile file(QStringLiteral(":/strings/%1.txt").arg(id));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}
