#include "TodaysQuote.h"

#include "AppInfo.h"
#include "DailyQuote.h"
#include "Dialogs.h"
#include "Figures.h"
#include "GameRecord.h"
#include "Minutes.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QTimer>
#include <QWidget>

QDate TodaysQuote::Requested;

namespace {

QString DayShown(const QDate &day) {
    return QLocale().toString(day, QStringLiteral("d MMM yyyy"));
}

} // namespace

TodaysQuote::TodaysQuote(LobbySeam &lobby, BoardSeam &board)
    : BoardAddition(lobby, board, QStringLiteral("todaysQuote")) {
    lobby.addListMenuItem(tr("Today's &Quote\tCtrl+D"), [this] { menuTodaysQuote_Click(); });
    lobby.addKey(QKeySequence(Qt::CTRL | Qt::Key_D), [this] {
        if (this->lobby.is(LobbySeam::Mode::List) && this->lobby.window()->isEnabled())
            menuTodaysQuote_Click();
    });
    lobby.addKey(QKeySequence(QKeySequence::Copy), [this] { copyResult(); });
    connect(&lobby, &LobbySeam::lobbyOpened, this, [this] {
        if (!Requested.isValid()) return;
        const QDate day = Requested;
        Requested = QDate();
        // After whatever the opening asks: a kept game goes first, and the
        // day's game waits for the answer. A kept game continued is played
        // on; one ended leaves the list, and the day is played.
        this->lobby.afterOpening([this, day] {
            if (this->lobby.is(LobbySeam::Mode::List)) play(day);
        });
    });
    GameSession &session = board.session();
    connect(&session, &GameSession::ended, this, [this](SolveGame::Outcome outcome) {
        m_outcome = outcome;
        m_endedDay = this->board.session().day();
    });
    // Once the game is in the record: its day counted in the run.
    connect(&session, &GameSession::closed, this, &TodaysQuote::gameClosed);
}

void TodaysQuote::menuTodaysQuote_Click() {
    play(today());
}

bool TodaysQuote::play(const QDate &day) {
    const std::optional<play::Puzzle> puzzle = play::DailyPuzzle(day);
    if (day > today() || !puzzle) {
        dialogs::message(lobby.window(), AppInfo::Title,
                         day > today() ? tr("The quote of %1 is still to come.").arg(DayShown(day))
                                       : tr("Today's Quote began on %1; there is none for %2.")
                                             .arg(DayShown(play::FirstDailyDate()), DayShown(day)),
                         dialogs::Icon::Information);
        return false;
    }
    lobby.playPuzzle(*puzzle, day);
    return true;
}

QString TodaysQuote::ShareLine(const QDate &day, qint64 seconds, int hints, int streak) {
    if (!day.isValid())
        return tr("%1 · solved in %2 · %n hint(s)", nullptr, hints)
            .arg(AppInfo::Title, ClockText(seconds));
    return tr("%1 · Today's Quote %2 · solved in %3 · %n hint(s) · streak %4", nullptr, hints)
        .arg(AppInfo::Title, DayShown(day), ClockText(seconds))
        .arg(streak);
}

bool TodaysQuote::copyResult() {
    const SolveGame &g = board.game();
    if (!board.onShow() || !g.isOver() || g.outcome() != SolveGame::Outcome::Solved) return false;
    const play::KeptGame ended = board.session().endedGame();
    const stats::Figures f = stats::FiguresOf(stats::ReadGames(), today());
    const QString line = ShareLine(ended.day, ended.seconds, ended.hints, f.currentDays);
    QGuiApplication::clipboard()->setText(line);
    // The line's dots are for the eye; the ear hears a pause.
    lobby.say(tr("Copied to share: %1")
                  .arg(QString(line).replace(QStringLiteral(" \u00B7 "), QStringLiteral(", "))));
    return true;
}

void TodaysQuote::gameClosed() {
    if (!m_endedDay.isValid() || m_outcome != SolveGame::Outcome::Solved) return;
    const stats::Figures f = stats::FiguresOf(stats::ReadGames(), today());
    const QString text =
        tr("Today's Quote of %1, solved.\n\nDays in a row: %2 (longest %3).\n\nCopy your result "
           "to share it? (It gives no letter of the answer away.)")
            .arg(DayShown(m_endedDay))
            .arg(f.currentDays)
            .arg(f.bestDays);
    m_endedDay = QDate();
    // Told once the end of the game is on show.
    QTimer::singleShot(0, this, [this, text] {
        if (dialogs::message(lobby.window(), AppInfo::Title, text, dialogs::Icon::Information,
                             dialogs::Buttons::YesNo, dialogs::Answer::Yes) == dialogs::Answer::Yes)
            copyResult();
    });
}
