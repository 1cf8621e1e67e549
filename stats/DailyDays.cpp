#include "DailyDays.h"

namespace stats {

namespace {

void Count(DayResult &r, const Game &g) {
    if (g.outcome != Outcome::Solved) {
        if (r.state == DayState::NotPlayed) r.state = DayState::Started;
        return;
    }
    const DayState state =
        g.finished.date() == g.day ? DayState::SolvedOnDay : DayState::SolvedLater;
    if (!r.solved) r.solved = g;
    if (state > r.state) r.state = state;
}

} // namespace

QHash<QDate, DayResult> DaysOf(const QList<Game> &games) {
    QHash<QDate, DayResult> days;
    for (const Game &g : games)
        if (g.day.isValid()) Count(days[g.day], g);
    return days;
}

DayResult DayOf(const QList<Game> &games, const QDate &day) {
    DayResult r;
    for (const Game &g : games)
        if (g.day == day) Count(r, g);
    return r;
}

} // namespace stats
