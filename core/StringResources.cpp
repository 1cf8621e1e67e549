#include "StringResources.h"

#include <QFile>

QString LoadResString(int id) {
    QFile file(QStringLiteral(":/strings/%1.txt").arg(id));
    if (!file.open(QIODevice::ReadOnly)) return {};
    // Texts are kept with plain line ends; the program's texts break lines with CR LF.
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}
