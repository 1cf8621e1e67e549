#include "Spoken.h"

#include <QCoreApplication>
#include <QStringList>

namespace spoken {

QString Letters(const QString &solution) {
    // Letters one by one, words apart; an unknown letter is a blank.
    QStringList words;
    for (const QString &word : solution.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QStringList letters;
        for (QChar c : word)
            letters << (c == QChar(0x00B7) ? QCoreApplication::translate("Spoken", "blank")
                                           : QString(c));
        words << letters.join(QLatin1Char(' '));
    }
    return words.join(QStringLiteral(", "));
}

QString Instruction() {
    return QCoreApplication::translate(
        "Spoken",
        "In the scrambled quote below, show the letter (type it in the first box) as a (type the "
        "letter it stands for in the second box)");
}

} // namespace spoken
