#include "HelperTip.h"

#include "AppInfo.h"
#include "Dialogs.h"
#include "Settings.h"

#include <QAccessible>
#include <QTimer>

HelperTip::HelperTip(LobbySeam &lobby, BoardSeam &board)
    : BoardAddition(lobby, board, QStringLiteral("helperTip")) {
    connect(&board, &BoardSeam::gameStarted, this, &HelperTip::gameStarted);
}

QString HelperTip::Text() {
    return tr("Cipherly has helpers, each off until you want it, in the right-click menus "
              "(or Ctrl+M, the Menu key, Shift+F10):\n\n"
              "- While solving, right-click a puzzle box: Explain a Step (F2), Check My Letters "
              "(F3), Solver's Aids, Show the Clock (F9 pauses), Ask Before Giving Up, Type on "
              "the Puzzle, Letter Tiles (Ctrl+L: each guess over its scrambled letter; Ctrl+L "
              "again for the two boxes).\n"
              "- In the quote list: Today's Quote (Ctrl+D), Statistics, Show Difficulty, games "
              "of a level, Show Played Record, Import and Export Quotes.\n\n"
              "F1 tells more about each.");
}

void HelperTip::gameStarted() {
    if (m_told || !Settings::IsOn(Settings::Keys::HelperTip)) return;
    m_told = true;
    // With a screen reader the game's start has its own words to say, and a
    // window over it would be named and left unread: the help (F1) tells
    // the helpers instead.
    if (QAccessible::isActive()) return;
    // Told once the game is on screen.
    QTimer::singleShot(0, this, [this] {
        bool again = false;
        dialogs::Message m;
        m.title = AppInfo::Title;
        m.text = Text();
        m.icon = dialogs::Icon::Information;
        m.checkBox = tr("Show this tip at the next game too");
        m.checked = &again;
        dialogs::message(lobby.window(), m);
        if (!again) Settings::SetOn(Settings::Keys::HelperTip, false);
    });
}
