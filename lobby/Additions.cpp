#include "Additions.h"

#include "GameStatistics.h"
#include "QuoteCollections.h"
#include "SolverAids.h"
#include "frmMain.h"

void AttachAdditions(frmMain &lobby) {
    // The list's menu offers them in this order: Import, Export, Statistics.
    new QuoteCollections(lobby);
    new GameStatistics(lobby);
    new SolverAidsPanel(lobby);
}
