#include "AnswerGuard.h"

#include "AppInfo.h"
#include "Dialogs.h"
#include "Settings.h"

#include <QDateTime>

AnswerGuard::AnswerGuard(LobbySeam &lobby, BoardSeam &board)
    : BoardAddition(lobby, board, QStringLiteral("answerGuard")) {
    lobby.addSolveMenuItem(
        tr("&Ask Before Giving Up"), [] { return guardOn(); }, [this] { menuAskFirst_Click(); });
    connect(&board, &BoardSeam::gameStarted, this, [this] {
        m_placed =
            !this->board.game().historyText(false).isEmpty(); // a resumed game may have pairs
        m_shownAt = this->board.session().now().toMSecsSinceEpoch();
    });
    connect(&board.session(), &GameSession::changed, this, [this](GameSession::Move move) {
        if (move == GameSession::Move::Pair && !this->board.session().lastPair().second.isEmpty())
            m_placed = true;
    });
    lobby.addLeaveCheck([this](LobbySeam::Leaving how) { return mayLeave(how); });
}

bool AnswerGuard::guardOn() {
    return Settings::IsOn(Settings::Keys::AskBeforeGivingUp);
}

void AnswerGuard::menuAskFirst_Click() {
    Settings::SetOn(Settings::Keys::AskBeforeGivingUp, !guardOn());
}

bool AnswerGuard::mayLeave(LobbySeam::Leaving how) {
    if (!guardOn()) return true;
    const bool answer = how == LobbySeam::Leaving::ShowAnswer;
    if (answer && board.session().now().toMSecsSinceEpoch() - m_shownAt < DoublePressMs)
        return false;
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
    const bool yes = dialogs::message(lobby.window(), q) == dialogs::Answer::Yes;
    if (stop) Settings::SetOn(Settings::Keys::AskBeforeGivingUp, false);
    return yes;
}
