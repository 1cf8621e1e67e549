#include "GameRow.h"

namespace play {

stats::Game RowOf(const KeptGame &ended) {
    stats::Game g = stats::PlayedGame(ended.ended, ended.seconds, ended.hints,
                                      RecordOutcome(ended.outcome), ended.quote);
    g.day = ended.day;
    return g;
}

bool Skipped(const KeptGame &ended) {
    return ended.outcome == SolveGame::Outcome::Abandoned && ended.hints == 0 &&
           ended.done.isEmpty() && ended.undone.isEmpty();
}

QString RecordGame(const KeptGame &ended, bool unlessThere) {
    if (Skipped(ended) || ended.replay) return {};
    const stats::Game g = RowOf(ended);
    if (unlessThere) {
        const QList<stats::Game> games = stats::ReadGames();
        // The row a kill may have left written: the newest rows are enough.
        for (qsizetype i = games.size() - 1; i >= 0 && i >= games.size() - 16; --i)
            if (games[i].finished == g.finished && games[i].quote == g.quote &&
                games[i].outcome == g.outcome)
                return {};
    }
    return stats::AppendGame(g);
}

} // namespace play
