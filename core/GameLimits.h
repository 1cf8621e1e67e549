#pragma once

#include <QtGlobal>

// What one game can be at most, the same for the game kept in progress, the
// record of games and the statistics: a year on one quote, 200 hints (a
// quote has no more letters than that).
namespace limits {
inline constexpr qint64 MaxSeconds = qint64(365) * 24 * 3600;
inline constexpr int MaxHints = 200;
} // namespace limits
