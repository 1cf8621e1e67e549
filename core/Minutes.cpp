#include "Minutes.h"

#include <QLocale>

QString MinutesText(qint64 seconds) {
    // Tenths of a minute, rounded half up as the pattern rounds.
    const qint64 tenths = (seconds * 10 * 2 + 60) / 120;
    const qint64 whole = tenths / 10, fraction = tenths % 10;
    // The pattern's point is the player's decimal separator, as "2,5" in German.
    const QLocale locale;
    if (locale.language() != QLocale::English && locale.language() != QLocale::C)
        // Other languages write a number as numbers are written: "0,5", "2".
        return QString::number(whole) +
               (fraction ? locale.decimalPoint() + QString::number(fraction) : QString());
    return (whole ? QString::number(whole) : QString()) + locale.decimalPoint() +
           (fraction ? QString::number(fraction) : QString());
}

QString MinutesSecondsText(qint64 seconds) {
    seconds = qMax<qint64>(0, seconds);
    const qint64 m = seconds / 60, s = seconds % 60;
    if (m == 0) return QStringLiteral("%1 s").arg(s);
    if (s == 0) return QStringLiteral("%1 min").arg(m);
    return QStringLiteral("%1 min %2 s").arg(m).arg(s);
}

QString ClockText(qint64 seconds) {
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
