#include "Figures.h"

#include <algorithm>
#include <cmath>

namespace stats {

Figures FiguresOf(const QList<Game> &games, const QDate &today) {
    Figures f;
    // The days whose quote was solved on the day, in order: only days that
    // had a quote of the day, up to today.
    QList<qint64> days;
    for (const Game &g : games)
        if (g.day.isValid() && g.outcome == Outcome::Solved && g.finished.date() == g.day &&
            g.day >= limits::FirstDailyDate() && g.day <= today)
            days << g.day.toJulianDay();
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    for (qsizetype i = 0, run = 0; i < days.size(); ++i) {
        run = i > 0 && days[i] == days[i - 1] + 1 ? run + 1 : 1;
        f.bestDays = qMax(f.bestDays, int(run));
    }
    qint64 day = today.toJulianDay();
    if (!days.contains(day)) --day; // today's quote may still be solved
    for (qsizetype i = days.indexOf(day); i >= 0 && days[i] == day; --i, --day)
        ++f.currentDays;
    qint64 solvedSeconds = 0, solvedHints = 0;
    int run = 0;
    for (const Game &g : games) {
        ++f.played;
        switch (g.outcome) {
        case Outcome::Solved:
            ++f.solved;
            solvedSeconds += g.seconds;
            solvedHints += g.hints;
            f.bestSeconds = f.bestSeconds ? qMin(*f.bestSeconds, g.seconds) : g.seconds;
            f.bestStreak = qMax(f.bestStreak, ++run);
            break;
        case Outcome::Shown:
            ++f.shown;
            run = 0;
            break;
        case Outcome::Abandoned:
            ++f.abandoned;
            run = 0;
            break;
        }
    }
    f.currentStreak = run;
    if (f.solved > 0) {
        f.averageSeconds = qint64(std::llround(double(solvedSeconds) / f.solved));
        f.hintsPerSolved = double(solvedHints) / f.solved;
    }
    f.recent = games.mid(qMax<qsizetype>(0, games.size() - RecentGames));
    return f;
}

} // namespace stats
