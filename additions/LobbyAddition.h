#pragma once

#include "LobbyControls.h"

#include <QKeySequence>
#include <QObject>
#include <QShortcut>
#include <QWidget>
#include <QString>

class frmMain;

// The lobby as the QObject that owns its additions.
QObject *Owner(frmMain &lobby);
const QObject *Owner(const frmMain &lobby);
// The lobby as a window.
QWidget *Window(frmMain &lobby);

// What every addition to the lobby shares: it lives as long as the lobby,
// under a name tests and other additions find it by, and reaches the lobby
// it hangs on as `m`, its controls as `c`. `Addition` is the class deriving
// from it.
template <class Addition> class LobbyAddition : public QObject {
public:
    // The lobby's addition of this kind, or null when it has none.
    static Addition *of(const frmMain &lobby) {
        return Owner(lobby)->template findChild<Addition *>(QString(), Qt::FindDirectChildrenOnly);
    }

protected:
    LobbyAddition(frmMain &lobby, const QString &name)
        : QObject(Owner(lobby)), m(lobby), c(LobbyControls::of(*Window(lobby))) {
        setObjectName(name);
    }
    // A key the lobby's window answers with `action`, wherever its focus is.
    template <class Action> void onKey(const QKeySequence &key, Action action) {
        auto *s = new QShortcut(key, Window(m));
        s->setContext(Qt::WindowShortcut);
        QObject::connect(s, &QShortcut::activated, static_cast<Addition *>(this), action);
    }

    frmMain &m;
    const LobbyControls c;
};
