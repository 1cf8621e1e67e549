#include "PlayClock.h"

#include "Minutes.h"
#include "Settings.h"

#include <QLabel>

PlayClock::PlayClock(LobbySeam &lobby, BoardSeam &board)
    : BoardAddition(lobby, board, QStringLiteral("playClock")) {
    lobby.addSolveMenuItem(
        tr("Show the Cl&ock"), [] { return clockOn(); }, [this] { menuShowClock_Click(); });
    lobby.addSolveMenuItem(
        tr("&Pause\tF9"), [this] { return this->board.session().paused(); },
        [this] { menuPause_Click(); });
    for (int key : {Qt::Key_F9, Qt::Key_Pause})
        lobby.addKey(QKeySequence(key), [this] { menuPause_Click(); });

    // The cover over both puzzle boxes, in the quote panel's colour.
    cover = new QLabel(tr("Paused\n\nPress F9 to go on"));
    cover->setObjectName(QStringLiteral("pausedCover"));
    cover->setAlignment(Qt::AlignCenter);
    cover->setAutoFillBackground(true);
    QPalette p = cover->palette();
    p.setColor(QPalette::Window, QColor(255, 224, 192));
    p.setColor(QPalette::WindowText, QColor(0, 64, 0));
    cover->setPalette(p);
    QFont f(QStringLiteral("MS Sans Serif"), 14);
    f.setBold(true);
    cover->setFont(f);
    cover->hide();
    board.place(cover, BoardSeam::Place::OverPuzzle);

    m_tick.setInterval(1000);
    connect(&m_tick, &QTimer::timeout, this, &PlayClock::showState);
    GameSession &session = board.session();
    connect(&session, &GameSession::pausedChanged, this, &PlayClock::showState);
    connect(&session, &GameSession::closed, this, &PlayClock::showState);
    connect(&board, &BoardSeam::gameStarted, this, &PlayClock::showState);
    connect(&board, &BoardSeam::solutionChanged, this, &PlayClock::showState);
    connect(&board, &BoardSeam::arranged, this, &PlayClock::showState);
    connect(&lobby, &LobbySeam::awayChanged, this, &PlayClock::awayChanged);
}

bool PlayClock::clockOn() {
    return Settings::IsOn(Settings::Keys::GameClock);
}

QString PlayClock::titleNote() const {
    if (!clockOn() || !board.playing()) return {};
    QString t = QStringLiteral(" \u2014 ") + ClockText(board.session().seconds());
    if (board.session().paused()) t += tr(" (paused)");
    return t;
}

void PlayClock::showState() {
    GameSession &session = board.session();
    if (!board.playing() && session.paused()) session.unpause();
    const bool paused = board.playing() && session.paused();
    cover->setVisible(paused);
    if (paused) cover->raise();
    if (!paused) m_autoPaused = false;
    lobby.setTitleNote(objectName(), titleNote());
    const bool ticking = clockOn() && board.playing() && !paused;
    if (ticking && !m_tick.isActive())
        m_tick.start();
    else if (!ticking)
        m_tick.stop();
}

void PlayClock::menuShowClock_Click() {
    Settings::SetOn(Settings::Keys::GameClock, !clockOn());
    showState();
}

void PlayClock::menuPause_Click() {
    if (!board.playing()) return;
    m_autoPaused = false;
    if (board.session().paused())
        board.session().unpause();
    else
        board.session().pause();
}

void PlayClock::awayChanged(bool) {
    if (!board.playing()) return;
    GameSession &session = board.session();
    using A = LobbySeam::AwayFor;
    const A why = lobby.awayFor();
    // Behind a window of the game's own (help, a message, a question), or
    // minimised with no clock to pause: the time stands still and the board
    // stays on show. With the clock on, another program in front or the
    // window minimised pauses the game under its cover; off, another program
    // leaves the game timed as it always was.
    const bool cover = clockOn() && (why == A::OtherProgram || why == A::Minimised);
    if (!cover && m_autoPaused) session.unpause();
    if (why == A::OwnWindow || (why == A::Minimised && !clockOn()))
        session.hold();
    else
        session.release();
    if (cover && !session.paused()) {
        session.pause();
        m_autoPaused = true;
    }
}
