#include "Figures.h"

#include <cmath>

namespace stats {

Figures FiguresOf(const QList<Game> &games) {
    Figures f;
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
