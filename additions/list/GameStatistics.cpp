#include "GameStatistics.h"

#include "AppInfo.h"
#include "Dialogs.h"
#include "GameRow.h"
#include "ShowModal.h"
#include "frmStatistics.h"

#include <QDir>

GameStatistics::GameStatistics(LobbySeam &lobby, BoardSeam &board)
    : BoardAddition(lobby, board, QStringLiteral("statistics")) {
    showStatistics = [](QWidget *over) { ShowModal(new frmStatistics, over); };
    lobby.addListMenuItem(tr("&Statistics..."), [this] { menuStatistics_Click(); });
    connect(&board.session(), &GameSession::ended, this, &GameStatistics::RecordGame);
}

void GameStatistics::RecordGame() {
    const QString reason = play::RecordGame(board.session().endedGame());
    if (!reason.isEmpty() && !m_told) {
        m_told = true;
        dialogs::message(lobby.window(), AppInfo::Title,
                         tr("Your games cannot be recorded for the statistics:\n%1: "
                            "%2.\n\nYou can play on; games are not counted until "
                            "this is put right.")
                             .arg(QDir::toNativeSeparators(stats::RecordPath()), reason),
                         dialogs::Icon::Exclamation);
    }
}

void GameStatistics::menuStatistics_Click() {
    lobby.showOverLobby(showStatistics);
}
