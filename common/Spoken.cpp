#include "Spoken.h"

#include <QCoreApplication>
#include <QStringList>

namespace spoken {

QString Sign(QChar c) {
    static const struct {
        char sign;
        const char *name;
    } Names[] = {
        {',', QT_TRANSLATE_NOOP("Spoken", "comma")},
        {'.', QT_TRANSLATE_NOOP("Spoken", "full stop")},
        {';', QT_TRANSLATE_NOOP("Spoken", "semicolon")},
        {':', QT_TRANSLATE_NOOP("Spoken", "colon")},
        {'!', QT_TRANSLATE_NOOP("Spoken", "exclamation mark")},
        {'?', QT_TRANSLATE_NOOP("Spoken", "question mark")},
        {'\'', QT_TRANSLATE_NOOP("Spoken", "apostrophe")},
        {'"', QT_TRANSLATE_NOOP("Spoken", "quotation mark")},
        {'-', QT_TRANSLATE_NOOP("Spoken", "hyphen")},
        {'(', QT_TRANSLATE_NOOP("Spoken", "opening bracket")},
        {')', QT_TRANSLATE_NOOP("Spoken", "closing bracket")},
        {'/', QT_TRANSLATE_NOOP("Spoken", "slash")},
    };
    for (const auto &n : Names)
        if (c == QLatin1Char(n.sign)) return QCoreApplication::translate("Spoken", n.name);
    return QString(c);
}

QString Letters(const QString &solution, const QHash<int, QChar> &pencil) {
    // Letters one by one, words apart; an unknown letter is a blank.
    QStringList words, letters;
    for (qsizetype i = 0; i <= solution.size(); ++i) {
        const QChar c = i < solution.size() ? solution[i] : QChar(u' ');
        if (c == QLatin1Char(' ')) {
            if (!letters.isEmpty()) words << letters.join(QLatin1Char(' '));
            letters.clear();
        } else if (c == QChar(0x00B7)) {
            const auto it = pencil.constFind(int(i));
            letters << (it == pencil.cend()
                            ? QCoreApplication::translate("Spoken", "blank")
                            : QCoreApplication::translate("Spoken", "pencilled %1").arg(*it));
        } else {
            letters << Sign(c);
        }
    }
    return words.join(QStringLiteral(", "));
}

QHash<int, QChar> PencilPlaces(const QString &pairs, const QString &enciphered,
                               const QString &solution) {
    QHash<QChar, QChar> of;
    for (const QString &pair : pairs.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (pair.size() == 2) of.insert(pair[0], pair[1]);
    QHash<int, QChar> places;
    for (qsizetype i = 0; i < enciphered.size() && i < solution.size(); ++i)
        if (const auto it = of.constFind(enciphered[i]);
            it != of.cend() && solution[i] == QChar(0x00B7))
            places.insert(int(i), *it);
    return places;
}

QString Instruction() {
    return QCoreApplication::translate(
        "Spoken",
        "In the scrambled quote below, show the letter (type it in the first box) as a (type the "
        "letter it stands for in the second box)");
}

} // namespace spoken
