#include "Additions.h"

#include "AnswerGuard.h"
#include "FreshQuotes.h"
#include "GameStatistics.h"
#include "HelperTip.h"
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
    // The list's menu offers them in this order: Import, Export, Statistics,
    // Solve This Quote, Show Difficulty, the random games of a level and
    // without word breaks.
    new QuoteCollections(lobby);
    new GameStatistics(lobby);
    new SolverAidsPanel(lobby);
    new FreshQuotes(lobby);
    new TodaysQuote(lobby);
    new SolverHelp(lobby);
    new PatternWords(lobby);
    new PencilMarks(lobby);
    new UnbrokenPuzzles(lobby);
    new Worksheet(lobby);
    new QuoteMarks(lobby);
    new SavedGame(lobby);
    new PairHistory(lobby);
    new PlayClock(lobby);
    new AnswerGuard(lobby);
    new PuzzleTyping(lobby);
    new ViewSizeChoice(lobby);
    new ScreenReader(lobby);
    new HelperTip(lobby);
}

} // namespace

frmMain *NewLobby(QWidget *parent) {
    auto *lobby = new frmMain(parent);
    AttachAdditions(lobby->seam());
    return lobby;
}
