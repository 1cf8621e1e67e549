#pragma once

#include "Addition.h"

#include <QColor>
#include <QHash>

// Pencil marks, an addition to the solve panel: while pencil mode is on
// (Ctrl+T, or the solve panel's menu), a pair typed is a tentative one, shown
// in small letters on a pale ground, not placed in the game (no clash, no
// count, nothing to take back); the pencil letters are made firm (placed as
// pairs) or cleared at once from the menu. A firm letter ends the pencil
// letter of its scrambled letter. They belong to the game on show and are
// kept with it (Game.sav) when the program ends.
class PencilMarks : public BoardAddition {
    Q_OBJECT
public:
    PencilMarks(LobbySeam &lobby, BoardSeam &board);

    bool pencil() const { return m_on; }
    void setPencil(bool on);
    // Every pencil letter placed as a pair, as if typed.
    void makeFirm();
    void clear();
    // The pencil letter of each scrambled letter.
    const QHash<QChar, QChar> &letters() const { return m_letters; }

private:
    bool take(QChar cipher, QChar plain);
    // Typed pairs come here while pencil mode is on.
    void takeTypedPairs();
    void show();
    bool m_on = false;
    QHash<QChar, QChar> m_letters;
};
