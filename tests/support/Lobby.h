#pragma once

#include "Additions.h"
#include "Controls.h"
#include "Windows.h"
#include "frmMain.h"

#include <QPointer>
#include <QTest>

// The addition of that kind hung on the lobby, or null.
template <class A> A *Added(const frmMain &lobby) {
    return lobby.seam().findChild<A *>(QString(), Qt::FindDirectChildrenOnly);
}

// The lobby as the program opens it, additions and all, on screen and
// activated (and, when `settled`, done fading in). A lobby that does not
// open in time fails the test that asked for it.
inline frmMain &OpenLobby(QPointer<frmMain> &lobby, bool settled = false) {
    lobby = NewLobby();
    lobby->show();
    if (!(settled ? WaitSettled(lobby.data()) : WaitOpened(lobby.data())))
        QTest::qFail("the lobby did not open", __FILE__, __LINE__);
    return *lobby;
}
