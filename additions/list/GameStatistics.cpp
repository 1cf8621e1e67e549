#include "GameStatistics.h"

#include "GameFile.h"

#include "AppInfo.h"
#include "Dialogs.h"
#include "GameRecord.h"
#include "ShowModal.h"
#include "frmMain.h"
#include "frmStatistics.h"

#include <QDir>

GameStatistics::GameStatistics(frmMain &lobby)
    : LobbyAddition(lobby, QStringLiteral("statistics")) {
    showStatistics = [](QWidget *over) { ShowModal(new frmStatistics, over); };
    m.addListMenuItem(tr("&Statistics..."), [this] { menuStatistics_Click(); });
    connect(&m.session, &GameSession::ended, this, &GameStatistics::RecordGame);
}

void GameStatistics::RecordGame(SolveGame::Outcome outcome) {
    const QDateTime end = m.game.EndTime().isValid() ? m.game.EndTime() : m.now();
    const stats::Game g =
        stats::PlayedGame(end, m.game.SolveStartTime().secsTo(end), m.game.HintCount(),
                          play::RecordOutcome(outcome), m.game.SolveQuote());
    const QString reason = stats::AppendGame(g);
    if (!reason.isEmpty() && !m_told) {
        m_told = true;
        dialogs::message(&m, AppInfo::Title,
                         tr("Your games cannot be recorded for the statistics:\n%1: "
                            "%2.\n\nYou can play on; games are not counted until "
                            "this is put right.")
                             .arg(QDir::toNativeSeparators(stats::RecordPath()), reason),
                         dialogs::Icon::Exclamation);
    }
}

void GameStatistics::menuStatistics_Click() {
    m.showOverDimmedLobby(showStatistics);
}
