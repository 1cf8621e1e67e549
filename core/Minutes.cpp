#include "Minutes.h"

QString MinutesText(qint64 seconds) {
    // Tenths of a minute, rounded half up as the pattern rounds.
    const qint64 tenths = (seconds * 10 * 2 + 60) / 120;
    const qint64 whole = tenths / 10, fraction = tenths % 10;
    return (whole ? QString::number(whole) : QString()) + QLatin1Char('.') +
           (fraction ? QString::number(fraction) : QString());
}
