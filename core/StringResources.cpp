#include "StringResources.h"

#include <QCoreApplication>
#include <QFile>

QString LoadResString(int id) {
    QFile file(QStringLiteral(":/strings/%1.txt").arg(id));
    if (!file.open(QIODevice::ReadOnly)) return {};
    // Texts are kept with plain line ends; the program's texts break lines with CR LF.
    QString text = QString::fromUtf8(file.readAll());
    // The texts a player reads in the player's language (tools/gather-texts.py
    // gathers them for the translators); the ten quotes stay as they are.
    if (id >= 1000) text = QCoreApplication::translate("Texts", text.toUtf8().constData());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}
