#include "AnswerGuard.h"

#include "AppInfo.h"
#include "Dialogs.h"
#include "Settings.h"
#include "frmMain.h"

#include <QDateTime>

AnswerGuard::AnswerGuard(frmMain &lobby) : LobbyAddition(lobby, QStringLiteral("answerGuard")) {
    m.addSolveMenuItem(
        tr("&Ask Before Giving Up"), [] { return guardOn(); }, [this] { menuAskFirst_Click(); });
    connect(&m, &frmMain::gameStarted, this, [this] {
        m_placed = !m.game.historyText(false).isEmpty(); // a resumed game may have pairs
        m_shownAt = m.now().toMSecsSinceEpoch();
    });
    connect(&m.session, &GameSession::changed, this, [this] {
        if (!m.session.lastPair().second.isEmpty()) m_placed = true;
    });
    m.addLeaveCheck([this](frmMain::Leaving how) { return mayLeave(int(how)); });
}

bool AnswerGuard::guardOn() {
    return Settings::IsOn(Settings::Keys::AskBeforeGivingUp);
}

void AnswerGuard::menuAskFirst_Click() {
    Settings::SetOn(Settings::Keys::AskBeforeGivingUp, !guardOn());
}

bool AnswerGuard::mayLeave(int how) {
    if (!guardOn()) return true;
    const bool answer = how == int(frmMain::Leaving::ShowAnswer);
    if (answer && m.now().toMSecsSinceEpoch() - m_shownAt < DoublePressMs) return false;
    if (!m_placed) return true;
    bool stop = false;
    dialogs::Message q;
    q.title = AppInfo::Title;
    q.text = answer ? tr("Show the answer?\n\nThe game then ends as shown, not solved.")
                    : tr("Give up this game?\n\nIt then counts as left unfinished.");
    q.icon = dialogs::Icon::Question;
    q.buttons = dialogs::Buttons::YesNo;
    q.defaultAnswer = dialogs::Answer::No;
    q.checkBox = tr("Don't ask again");
    q.checked = &stop;
    const bool yes = dialogs::message(Window(m), q) == dialogs::Answer::Yes;
    if (stop) Settings::SetOn(Settings::Keys::AskBeforeGivingUp, false);
    return yes;
}
