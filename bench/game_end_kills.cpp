// The end of a game killed at random moments, 0 to 6 ms after the pair that
// completes the quote: every kill is followed by the next start, and the game
// must then be in the record exactly once, never offered again, never lost.
// Measured for the order the game uses (the kept game marked ended, its row
// in the record, the kept game removed) and, for comparison, for the plain
// order (the row, then the removal), where the next start offers a kept game
// it finds again and a refusal records it as abandoned.
// Usage: cipherly-game-end-kills [KILLS]   (default 400)
#include "GameKeeper.h"
#include "GameRecord.h"
#include "KeptGames.h"
#include "SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

play::KeptGame game() {
    return AppleADay(QStringLiteral("A\u00B7 APPLE A DAY, AS THEY SAY")); // one letter to go
}

struct Tally {
    int once = 0, twice = 0, lost = 0;
};

// One kill at `delayUs` during `end`, then the next start's `start`; how many
// times the game counts: rows in the record, plus one if it is offered again.
int killed(long delayUs, bool marked) {
    QFile::remove(stats::RecordPath());
    play::KeptGame s = game();
    safefile::replaceFile(play::GameKeeper::FileName(), play::FormatGameFile(s));
    s.progress = s.quote;
    s.ended = s.started.addSecs(95);
    s.outcome = SolveGame::Outcome::Solved;
    const stats::Game row =
        stats::PlayedGame(s.ended, s.seconds, s.hints, stats::Outcome::Solved, s.quote);
    const pid_t child = fork();
    if (child == 0) {
        if (marked) safefile::replaceFile(play::GameKeeper::FileName(), play::FormatGameFile(s));
        stats::AppendGame(row);
        safefile::remove(play::GameKeeper::FileName());
        _exit(0);
    }
    usleep(useconds_t(delayUs));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    // The next start.
    int counted = 0;
    QByteArray bytes;
    QFile f(play::GameKeeper::FileName());
    if (f.open(QIODevice::ReadOnly)) bytes = f.readAll();
    f.close();
    const std::optional<play::KeptGame> kept = play::ParseGameFile(bytes);
    if (kept && !play::GameKeeper::Settle(*kept)) ++counted; // offered again
    counted += int(stats::ReadGames().size());
    return counted;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const int kills = argc > 1 ? std::atoi(argv[1]) : 400;
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    stats::SetRecordPath(dir.filePath(QStringLiteral("games.csv")));
    std::mt19937 random(2026);
    std::uniform_int_distribution<long> delay(0, 6000);
    std::printf("Game end killed 0-6 ms in, %d kills each, then started again:\n", kills);
    bool ok = true;
    for (const bool marked : {false, true}) {
        Tally t;
        for (int i = 0; i < kills; ++i) {
            const int n = killed(delay(random), marked);
            (n == 1 ? t.once : n == 0 ? t.lost : t.twice)++;
        }
        std::printf("  %-36s counted once %4d, twice %3d, lost %3d\n",
                    marked ? "marked ended, row, removal (the game):"
                           : "row, then removal (plain order):",
                    t.once, t.twice, t.lost);
        if (marked) ok = t.twice == 0 && t.lost == 0;
    }
    return ok ? 0 : 1;
}
