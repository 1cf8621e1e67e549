#include "PairHistory.h"

#include "frmMain.h"

#include <QKeyEvent>

namespace {

enum class Wish { None, Undo, Redo };

Wish wishOf(const QKeyEvent *k) {
    if (k->matches(QKeySequence::Undo)) return Wish::Undo;
    if (k->matches(QKeySequence::Redo) ||
        (k->key() == Qt::Key_Y && k->modifiers() == Qt::ControlModifier) ||
        (k->key() == Qt::Key_Z && k->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier)))
        return Wish::Redo;
    return Wish::None;
}

} // namespace

PairHistory::PairHistory(frmMain &lobby) : LobbyAddition(lobby, QStringLiteral("pairHistory")) {
    const QList<QPair<QKeySequence, bool>> keys = {
        {QKeySequence(Qt::CTRL | Qt::Key_Z), false},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), true},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), true}};
    for (const auto &[key, redo] : keys)
        onKey(key, redo ? &PairHistory::Redo : &PairHistory::Undo);
    for (int i : {1, 2})
        c.txtLetter[i]->installEventFilter(this);
}

void PairHistory::Undo() {
    if (!m.mode.is(LobbyMode::Mode::Solve) || !m.game.canUndo()) return;
    emit stepping(true);
    if (m.session.undo()) m.ShowSolution();
}

void PairHistory::Redo() {
    if (!m.mode.is(LobbyMode::Mode::Solve) || !m.game.canRedo()) return;
    emit stepping(false);
    if (m.session.redo()) m.ShowSolution();
}

bool PairHistory::eventFilter(QObject *, QEvent *e) {
    if (e->type() != QEvent::ShortcutOverride && e->type() != QEvent::KeyPress) return false;
    const Wish wish = wishOf(static_cast<QKeyEvent *>(e));
    if (wish == Wish::None) return false;
    e->accept();
    if (e->type() == QEvent::KeyPress) {
        if (wish == Wish::Undo)
            Undo();
        else
            Redo();
    }
    return true;
}
