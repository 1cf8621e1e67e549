#include "TodaysQuote.h"

#include "AppInfo.h"
#include "DailyCalendar.h"
#include "DailyDays.h"
#include "DailyQuote.h"
#include "Dialogs.h"
#include "Figures.h"
#include "GameRecord.h"
#include "InstanceChannel.h"
#include "Minutes.h"
#include "ShowModal.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QTimer>
#include <QWidget>

QDate TodaysQuote::Requested;

QString TodaysQuote::DayShown(const QDate &day) {
    //: How a day is written in the game's messages and share line (QDate format).
    return QLocale().toString(day, tr("d MMM yyyy"));
}

TodaysQuote::TodaysQuote(LobbySeam &lobby, BoardSeam &board)
    : BoardAddition(lobby, board, QStringLiteral("todaysQuote")) {
    lobby.addListMenuItem(tr("Today's &Quote\tCtrl+D"), [this] { menuTodaysQuote_Click(); });
    lobby.addListMenuItem(tr("Today's Quote &Calendar...\tCtrl+Shift+D"),
                          [this] { menuCalendar_Click(); });
    const auto inList = [this] {
        return this->lobby.is(LobbySeam::Mode::List) && this->lobby.window()->isEnabled();
    };
    lobby.addKey(QKeySequence(Qt::CTRL | Qt::Key_D), [this, inList] {
        if (inList()) menuTodaysQuote_Click();
    });
    lobby.addKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D), [this, inList] {
        if (inList()) menuCalendar_Click();
    });
    chooseDay = [this](QWidget *over) {
        QDate chosen;
        auto *calendar = new frmDailyCalendar(stats::ReadGames(), today());
        connect(calendar, &frmDailyCalendar::dayChosen, this,
                [&chosen](const QDate &day) { chosen = day; });
        ShowModal(calendar, over);
        return chosen;
    };
    lobby.addKey(QKeySequence(QKeySequence::Copy), [this] { copyResult(); });
    connect(&lobby, &LobbySeam::lobbyOpened, this, [this] {
        m_opened = true;
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
    // A day's game names its day in the title, from its start to its end.
    const auto showDay = [this] {
        const QDate day = this->board.playing() ? this->board.session().day() : QDate();
        this->lobby.setTitleNote(
            objectName(), day.isValid() ? tr(" \u2014 Today's Quote, %1").arg(DayShown(day)) : QString());
    };
    connect(&board, &BoardSeam::gameStarted, this, showDay);
    connect(&session, &GameSession::closed, this, showDay);
    connect(&lobby, &LobbySeam::modeArranged, this, showDay);
    // Another start of the game asks this one for a day.
    instancechannel::SetHandler([this](const QString &request) {
        const QString prefix = Request({});
        if (request.startsWith(prefix))
            if (const QDate day = play::DayOf(request.mid(prefix.size())); day.isValid())
                dayAsked(day);
    });
}

TodaysQuote::~TodaysQuote() {
    instancechannel::SetHandler({});
}

QString TodaysQuote::Request(const QDate &day) {
    return QStringLiteral("daily ") + (day.isValid() ? play::DayName(day) : QString());
}

void TodaysQuote::dayAsked(const QDate &day) {
    m_asked = day;
    offerAsked();
}

void TodaysQuote::offerAsked() {
    if (!m_asked.isValid()) return;
    // Before the lobby is open, the day waits for its opening, as one asked
    // for on the command line does.
    if (!m_opened) {
        Requested = std::exchange(m_asked, QDate());
        return;
    }
    const bool free = lobby.window()->isEnabled() && !QApplication::activeModalWidget() &&
                      (lobby.is(LobbySeam::Mode::List) || lobby.is(LobbySeam::Mode::Solve));
    if (!free) {
        // A window over the lobby, or a quote being written: asked again
        // once the player is back.
        QTimer::singleShot(500, this, &TodaysQuote::offerAsked);
        return;
    }
    const QDate day = std::exchange(m_asked, QDate());
    if (board.playing()) {
        if (board.session().day() == day) return; // on show already
        if (dialogs::message(
                lobby.window(), AppInfo::Title,
                tr("%1 was started again for Today's Quote of %2.\n\nLeave the game on "
                   "show for it? It then counts as left unfinished.")
                    .arg(AppInfo::Title, DayShown(day)),
                dialogs::Icon::Question, dialogs::Buttons::YesNo,
                dialogs::Answer::No) != dialogs::Answer::Yes)
            return;
        lobby.abandonGame();
    }
    play(day);
}

void TodaysQuote::menuTodaysQuote_Click() {
    play(today());
}

void TodaysQuote::menuCalendar_Click() {
    QDate chosen;
    lobby.showOverLobby([this, &chosen](QWidget *over) { chosen = chooseDay(over); });
    if (chosen.isValid()) play(chosen);
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
    // A day solved already shows its result, and may be played again for
    // fun, recorded nowhere.
    const QList<stats::Game> games = stats::ReadGames();
    const stats::DayResult result = stats::DayOf(games, day);
    if (result.solved) {
        const QString line = resultLine(day, games);
        bool copy = false;
        dialogs::Message m{
            AppInfo::Title,
            tr("Today's Quote of %1 is solved already: in %2, with %n hint(s).\n\n%3\n\nPlay it "
               "again for fun? A game played again is not recorded and leaves your days in a "
               "row as they are.",
               nullptr, result.solved->hints)
                .arg(DayShown(day), ClockText(result.solved->seconds), line),
            dialogs::Icon::Question,
            dialogs::Buttons::YesNo,
            dialogs::Answer::No,
            {},
            tr("Copy the result to share it"),
            &copy};
        const bool again = dialogs::message(lobby.window(), m) == dialogs::Answer::Yes;
        if (copy) copyLine(line);
        if (!again) return true;
    }
    lobby.playPuzzle(*puzzle, day);
    if (result.solved) board.session().setReplay(true);
    return true;
}

int TodaysQuote::Number(const QDate &day) {
    return int(play::FirstDailyDate().daysTo(day)) + 1;
}

QString TodaysQuote::resultLine(const QDate &day, const QList<stats::Game> &games) {
    const stats::DayResult result = stats::DayOf(games, day);
    if (!result.solved) return {};
    const std::optional<play::Puzzle> puzzle = play::DailyPuzzle(day);
    const int level = puzzle ? board.session().levels().rate(puzzle->board) : 0;
    return ShareLine(day, result.solved->seconds, result.solved->hints,
                     stats::FiguresOf(games, today()).currentDays, level);
}

void TodaysQuote::copyLine(const QString &line) {
    QGuiApplication::clipboard()->setText(line);
    // The line's dots are for the eye; the ear hears a pause.
    lobby.say(tr("Copied to share: %1")
                  .arg(QString(line).replace(QStringLiteral(" \u00B7 "), QStringLiteral(", "))));
}

QString TodaysQuote::ShareLine(const QDate &day, qint64 seconds, int hints, int streak,
                              int level) {
    if (!day.isValid())
        return tr("%1 · solved in %2 · %n hint(s)", nullptr, hints)
            .arg(AppInfo::Title, ClockText(seconds));
    // The day's number and level let friends see they played the same puzzle.
    const QString levelShown = level >= 1 && level <= 5 ? tr(" · level %1").arg(level) : QString();
    return tr("%1 #%2 · Today's Quote %3%4 · solved in %5 · %n hint(s) · streak %6", nullptr, hints)
        .arg(AppInfo::Title)
        .arg(Number(day))
        .arg(DayShown(day), levelShown, ClockText(seconds))
        .arg(streak);
}

bool TodaysQuote::copyResult() {
    const SolveGame &g = board.game();
    if (!board.onShow() || !g.isOver() || g.outcome() != SolveGame::Outcome::Solved) return false;
    const play::KeptGame ended = board.session().endedGame();
    // A game of a day shares the day's result: the game that solved it
    // first (a game played again is none).
    QString line = ended.day.isValid() ? resultLine(ended.day, stats::ReadGames()) : QString();
    if (line.isEmpty() && !ended.replay) // a record that could not be written
        line = ShareLine(ended.day, ended.seconds, ended.hints, 0);
    if (line.isEmpty()) return false;
    copyLine(line);
    return true;
}

void TodaysQuote::gameClosed() {
    if (!m_endedDay.isValid() || m_outcome != SolveGame::Outcome::Solved ||
        board.session().replay())
        return;
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
