#pragma once

#include "GameRecord.h"

#include <optional>

// What the statistics window shows of the record.
namespace stats {

struct Figures {
    int played = 0, solved = 0, shown = 0, abandoned = 0;
    // Of the games solved: the best and the average time, and hints per game.
    std::optional<qint64> bestSeconds, averageSeconds;
    std::optional<double> hintsPerSolved;
    // Games solved in a row: the run the latest games make, and the longest.
    // A game shown or abandoned ends a run.
    int currentStreak = 0, bestStreak = 0;
    // Days in a row with the day's quote (Today's Quote) solved on its day:
    // the run up to today (or yesterday, today's still to come), and the longest.
    int currentDays = 0, bestDays = 0;
    // The latest games, up to 50, however they ended, oldest first.
    QList<Game> recent;
};

inline constexpr int RecentGames = 50;

Figures FiguresOf(const QList<Game> &games, const QDate &today = QDate::currentDate());

} // namespace stats
