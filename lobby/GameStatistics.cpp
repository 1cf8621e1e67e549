#include "GameStatistics.h"

#include "AppInfo.h"
#include "Dialogs.h"
#include "GameRecord.h"
#include "ShowModal.h"
#include "frmMain.h"
#include "frmStatistics.h"

#include <QDir>

GameStatistics::GameStatistics(frmMain &lobby) : QObject(&lobby), m(lobby) {
    setObjectName(QStringLiteral("statistics"));
    showStatistics = [](QWidget *over) { ShowModal(new frmStatistics, over); };
    m.addListMenuItem(QStringLiteral("&Statistics..."), [this] { menuStatistics_Click(); });
    connect(&m, &frmMain::gameEnded, this, &GameStatistics::RecordGame);
}

GameStatistics *GameStatistics::of(const frmMain &lobby) {
    return lobby.findChild<GameStatistics *>(QString(), Qt::FindDirectChildrenOnly);
}

void GameStatistics::RecordGame(SolveGame::Outcome outcome) {
    const QDateTime end = m.now();
    stats::Game g;
    g.finished = end;
    g.seconds = qMax<qint64>(0, m.game.SolveStartTime().secsTo(end));
    g.hints = m.game.HintCount();
    g.outcome = outcome == SolveGame::Outcome::Solved  ? stats::Outcome::Solved
                : outcome == SolveGame::Outcome::Shown ? stats::Outcome::Shown
                                                       : stats::Outcome::Abandoned;
    g.length = int(m.game.SolveQuote().size());
    g.quote = stats::QuoteHash(m.game.SolveQuote());
    const QString reason = stats::AppendGame(g);
    if (!reason.isEmpty() && !m_told) {
        m_told = true;
        dialogs::message(&m, AppInfo::Title,
                         QStringLiteral("Your games cannot be recorded for the statistics:\n%1: "
                                        "%2.\n\nYou can play on; games are not counted until "
                                        "this is put right.")
                             .arg(QDir::toNativeSeparators(stats::RecordPath()), reason),
                         dialogs::Icon::Exclamation);
    }
}

void GameStatistics::menuStatistics_Click() {
    m.showOverDimmedLobby(showStatistics);
}
