#pragma once

#include "Addition.h"

#include "Levels.h"
#include "PuzzleKind.h"

#include <QStringList>
#include <functional>

class PrinterSurface;
namespace stats {
struct Game;
}

// Worksheets, an addition to the lobby: several puzzles of the list on
// paper, numbered, each with its own key, as many to a page as fit, then an
// answer key; for a class or a club. From the list's menu ("Print a
// Worksheet...") and from the command line (`cipherly --worksheet`, which
// writes a PDF without a window).
class Worksheet : public Addition {
    Q_OBJECT
public:
    explicit Worksheet(LobbySeam &lobby);
    void menuPrintWorksheet_Click();

    // The most puzzles a worksheet holds.
    static constexpr int Most = 50;
    // `count` quotes of `quotes` for a worksheet, fresh first by the record
    // of `games` (never played, then played longest ago); only quotes of
    // `level` unless it is Any, rated by `rated` (the ratings known so far)
    // or anew. Fewer when the list has fewer.
    static QStringList Choose(const QStringList &quotes, const QList<stats::Game> &games,
                              int count, play::Level level,
                              const std::function<int(int, int)> &randomBetween,
                              play::QuoteLevels *rated = nullptr);
    // Draws the worksheet of `quotes` as `kind` lays each out, with a key of
    // its own: the puzzles, then the answer key, as one document.
    // `forName` personalises it as a printed puzzle is.
    static void Print(PrinterSurface &s, const QStringList &quotes, const play::PuzzleKind &kind,
                      const QString &forName);
    // `cipherly --worksheet COUNT [--level LEVEL] [--no-word-breaks]
    // [--for NAME] FILE.pdf`, from the arguments after --worksheet: the
    // exit status (0 written, 1 failed, 2 bad arguments), told on stderr.
    static int FromCommandLine(const QStringList &args);
};
