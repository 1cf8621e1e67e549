#include "Additions.h"

#include "FreshQuotes.h"
#include "GameStatistics.h"
#include "PairHistory.h"
#include "QuoteCollections.h"
#include "SavedGame.h"
#include "ScreenReader.h"
#include "SolverAids.h"
#include "frmMain.h"

namespace {

void AttachAdditions(frmMain &lobby) {
    // The list's menu offers them in this order: Import, Export, Statistics,
    // Solve This Quote.
    new QuoteCollections(lobby);
    new GameStatistics(lobby);
    new SolverAidsPanel(lobby);
    new FreshQuotes(lobby);
    new SavedGame(lobby);
    new PairHistory(lobby);
    new ScreenReader(lobby);
}

} // namespace

frmMain *NewLobby(QWidget *parent) {
    auto *lobby = new frmMain(parent);
    AttachAdditions(*lobby);
    return lobby;
}
