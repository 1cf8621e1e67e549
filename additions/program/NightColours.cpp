#include "NightColours.h"

#include "Announcer.h"
#include "NightScheme.h"
#include "Settings.h"

NightColours::NightColours(LobbySeam &lobby) : Addition(lobby, QStringLiteral("nightColours")) {
    const QString caption = tr("Night Colo&urs\tCtrl+Shift+N");
    lobby.addListMenuItem(
        caption, [this] { toggle(); }, [] { return nightscheme::on(); });
    lobby.addSolveMenuItem(
        caption, [] { return nightscheme::on(); }, [this] { toggle(); });
    lobby.addKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N), [this] { toggle(); });
}

void NightColours::ApplyAtStart() {
    if (Settings::IsOn(Settings::Keys::NightColours)) nightscheme::setOn(true);
}

void NightColours::toggle() {
    const bool on = !nightscheme::on();
    Settings::SetOn(Settings::Keys::NightColours, on);
    nightscheme::setOn(on);
    if (!m_announcer) m_announcer = new Announcer(lobby.window());
    m_announcer->say(on ? tr("Night colours on") : tr("Night colours off"));
}
