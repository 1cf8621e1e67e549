#pragma once

#include "Additions.h"
#include "Controls.h"
#include "GameRecord.h"
#include "QuoteFile.h"
#include "ScriptedDialogs.h"
#include "Settings.h"
#include "TempFolder.h"
#include "Windows.h"
#include "frmMain.h"

#include <QPointer>
#include <QTest>

#include <memory>

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

// What each test of the lobby works in: a folder of its own, the current
// one, for the quote list and the record of games; dialogs answered by
// script; and the lobby, gone after the test with every window it left and
// every switch of an addition the test turned on.
class LobbyFixture {
protected:
    std::unique_ptr<TempFolder> folder;
    std::unique_ptr<ScriptedDialogs> script;
    QPointer<frmMain> lobby;

    void setUpLobby() {
        folder = std::make_unique<TempFolder>();
        quotes::QuoteFileName = QStringLiteral("Cipherly.Dat");
        stats::SetRecordPath(folder->file(QStringLiteral("games.csv")));
        script = std::make_unique<ScriptedDialogs>();
    }
    void tearDownLobby() {
        delete lobby;
        CloseAllWindows();
        for (const Settings::Key &k :
             {Settings::Keys::ShowDifficulty, Settings::Keys::GameClock, Settings::Keys::SolverAids,
              Settings::Keys::AskBeforeGivingUp, Settings::Keys::TypeOnPuzzle,
              Settings::Keys::QuoteMarks})
            Settings::SetOn(k, false);
        stats::SetRecordPath({});
        script.reset();
        folder.reset();
    }
};
