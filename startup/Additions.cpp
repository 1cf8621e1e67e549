#include "Additions.h"

#include "AnswerGuard.h"
#include "FreshQuotes.h"
#include "GameStatistics.h"
#include "HelperTip.h"
#include "KeyedGames.h"
#include "LetterTiles.h"
#include "NightColours.h"
#include "PairHistory.h"
#include "PatternWords.h"
#include "PencilMarks.h"
#include "PlayClock.h"
#include "PuzzleTyping.h"
#include "QuoteCollections.h"
#include "QuoteMarks.h"
#include "SavedGame.h"
#include "ScreenReader.h"
#include "SolverAids.h"
#include "SolverHelp.h"
#include "TodaysQuote.h"
#include "UnbrokenPuzzles.h"
#include "ViewSizeChoice.h"
#include "Worksheet.h"
#include "frmMain.h"

namespace {

void AttachAdditions(LobbySeam &lobby) {
    // Those that act on a game act on the lobby's one board.
    BoardSeam &board = lobby.board();
    // The list's menu offers them in this order: Import, Export, Statistics,
    // Solve This Quote, Show Difficulty, the random games of a level and
    // without word breaks.
    new QuoteCollections(lobby);
    new GameStatistics(lobby, board);
    new SolverAidsPanel(lobby, board);
    new FreshQuotes(lobby);
    new TodaysQuote(lobby, board);
    new SolverHelp(lobby, board);
    new PatternWords(lobby, board);
    new PencilMarks(lobby, board);
    new UnbrokenPuzzles(lobby);
    new KeyedGames(lobby, board);
    new Worksheet(lobby);
    new QuoteMarks(lobby);
    new SavedGame(lobby, board);
    new PairHistory(lobby, board);
    new PlayClock(lobby, board);
    new AnswerGuard(lobby, board);
    new PuzzleTyping(lobby, board);
    new LetterTiles(lobby, board);
    new ViewSizeChoice(lobby);
    new NightColours(lobby);
    new ScreenReader(lobby, board);
    new HelperTip(lobby, board);
}

} // namespace

void StartAdditions() {
    NightColours::ApplyAtStart();
}

frmMain *NewLobby(QWidget *parent) {
    auto *lobby = new frmMain(parent);
    AttachAdditions(lobby->seam());
    return lobby;
}
