#include "PlayClock.h"

#include "QuoteTextBox.h"
#include "Settings.h"
#include "frmMain.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QWindow>

PlayClock::PlayClock(frmMain &lobby) : LobbyAddition(lobby, QStringLiteral("playClock")) {
    m_designedTitle = Window(m)->windowTitle();
    m.addSolveMenuItem(
        tr("Show the Cl&ock"), [] { return clockOn(); }, [this] { menuShowClock_Click(); });
    m.addSolveMenuItem(
        tr("&Pause\tF9"), [this] { return m.session.paused(); }, [this] { menuPause_Click(); });
    for (int key : {Qt::Key_F9, Qt::Key_Pause})
        onKey(QKeySequence(key), &PlayClock::menuPause_Click);

    // The cover over both puzzle boxes, as the quote panel's colour.
    cover = new QLabel(tr("Paused\n\nPress F9 to go on"), c.picQuote);
    cover->setObjectName(QStringLiteral("pausedCover"));
    cover->setAlignment(Qt::AlignCenter);
    cover->setAutoFillBackground(true);
    QPalette p = cover->palette();
    p.setColor(QPalette::Window, frmMain::Peach);
    p.setColor(QPalette::WindowText, QColor(0, 64, 0));
    cover->setPalette(p);
    QFont f(QStringLiteral("MS Sans Serif"), 14);
    f.setBold(true);
    cover->setFont(f);
    cover->setGeometry(c.txtBox[1]->geometry().united(c.txtBox[2]->geometry()));
    cover->hide();

    m_tick.setInterval(1000);
    connect(&m_tick, &QTimer::timeout, this, &PlayClock::showState);
    connect(&m.session, &GameSession::pausedChanged, this, &PlayClock::showState);
    connect(&m, &frmMain::gameStarted, this, &PlayClock::showState);
    connect(&m, &frmMain::solutionChanged, this, &PlayClock::showState);
    connect(&m, &frmMain::modeArranged, this, &PlayClock::showState);
    connect(&m.session, &GameSession::ended, this, &PlayClock::showState);
    Window(m)->installEventFilter(this);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { awayChanged(state != Qt::ApplicationActive); });
}

bool PlayClock::clockOn() {
    return Settings::IsOn(Settings::Keys::GameClock);
}

bool PlayClock::playing() const {
    return m.mode.is(LobbyMode::Mode::Solve) && m.game.isOpen() && !m.game.isOver();
}

QString PlayClock::ClockText(qint64 seconds) {
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString PlayClock::title() const {
    if (!clockOn() || !playing()) return m_designedTitle;
    QString t = m_designedTitle + QStringLiteral(" \u2014 ") + ClockText(m.session.seconds());
    if (m.session.paused()) t += tr(" (paused)");
    return t;
}

void PlayClock::showState() {
    if (!playing() && m.session.paused()) m.session.unpause();
    const bool paused = playing() && m.session.paused();
    cover->setVisible(paused);
    if (paused) cover->raise();
    if (!paused) m_autoPaused = false;
    const QString t = title();
    if (Window(m)->windowTitle() != t) Window(m)->setWindowTitle(t);
    const bool ticking = clockOn() && playing() && !paused;
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
    if (!playing()) return;
    m_autoPaused = false;
    if (m.session.paused())
        m.session.unpause();
    else
        m.session.pause();
}

void PlayClock::awayChanged(bool away) {
    // Only with the clock on: off, the game is timed as it always was.
    if (!clockOn() || !playing()) return;
    if (away && !m.session.paused()) {
        m.session.pause();
        m_autoPaused = true;
    } else if (!away && m_autoPaused && !Window(m)->isMinimized()) {
        m.session.unpause();
    }
}

bool PlayClock::eventFilter(QObject *watched, QEvent *e) {
    if (watched == Window(m) && e->type() == QEvent::WindowStateChange)
        awayChanged(Window(m)->isMinimized());
    return false;
}
