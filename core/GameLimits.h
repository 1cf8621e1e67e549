#pragma once

#include <QDate>
#include <QtGlobal>

// What one game can be at most, the same for the game kept in progress, the
// record of games and the statistics: a year on one quote, 200 hints (a
// quote has no more letters than that).
namespace limits {
inline constexpr qint64 MaxSeconds = qint64(365) * 24 * 3600;
inline constexpr int MaxHints = 200;
// The first day there is a quote of the day (Today's Quote): no day before
// it, nor one still to come, is a day of its quote.
inline QDate FirstDailyDate() {
    return QDate(2026, 12, 7); // a Monday
}
} // namespace limits
