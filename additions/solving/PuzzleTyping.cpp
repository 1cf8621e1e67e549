#include "PuzzleTyping.h"

#include "QuoteTextBox.h"
#include "Settings.h"
#include "frmMain.h"

#include <QKeyEvent>
#include <QMouseEvent>

const QColor PuzzleTyping::PickedLetter(170, 230, 170);

PuzzleTyping::PuzzleTyping(frmMain &lobby) : LobbyAddition(lobby, QStringLiteral("puzzleTyping")) {
    m.addSolveMenuItem(
        tr("T&ype on the Puzzle"), [] { return typingOn(); }, [this] { menuTypeOnPuzzle_Click(); });
    for (int i : {1, 2}) {
        c.txtBox[i]->installEventFilter(this);
        c.txtBox[i]->viewport()->installEventFilter(this);
    }
    connect(&m, &frmMain::gameStarted, this, [this] {
        m_at = -1;
        apply();
    });
    connect(&m, &frmMain::solutionChanged, this, &PuzzleTyping::apply);
    connect(&m, &frmMain::modeArranged, this, [this] { apply(); });
}

bool PuzzleTyping::typingOn() {
    return Settings::IsOn(Settings::Keys::TypeOnPuzzle);
}

void PuzzleTyping::menuTypeOnPuzzle_Click() {
    Settings::SetOn(Settings::Keys::TypeOnPuzzle, !typingOn());
    m_at = -1;
    apply();
}

bool PuzzleTyping::playing() const {
    return typingOn() && m.mode.is(LobbyMode::Mode::Solve) && m.game.isOpen() && !m.game.isOver();
}

bool PuzzleTyping::isLetterAt(int place) const {
    const QString &e = m.game.Enciphered();
    return place >= 0 && place < e.size() && e[place] >= u'A' && e[place] <= u'Z';
}

int PuzzleTyping::nextLetter(int place, int step, bool unsolvedOnly) const {
    const QString &shown = m.game.SolveProgress();
    for (int i = place + step; i >= 0 && i < shown.size(); i += step)
        if (isLetterAt(i) && (!unsolvedOnly || shown[i] == SolveGame::Unsolved)) return i;
    return -1;
}

void PuzzleTyping::pick(int place) {
    if (!playing() || !isLetterAt(place)) return;
    m_at = place;
    apply();
}

void PuzzleTyping::apply() {
    // The boxes take the focus by a click while typing on them is on, and
    // go back to their own way after (other additions set it otherwise).
    if (playing() != m_ownsFocus) {
        m_ownsFocus = playing();
        for (int i : {1, 2})
            c.txtBox[i]->setFocusPolicy(m_ownsFocus ? Qt::ClickFocus
                                                    : c.txtBox[i]->ownFocusPolicy());
    }
    if (!playing() || !isLetterAt(m_at)) {
        if (m_at >= 0)
            for (int i : {1, 2})
                c.txtBox[i]->setHighlighted({}, PickedLetter);
        m_at = -1;
        return;
    }
    const QList<int> places = SolveGame::PlacesOf(m.game.Enciphered(), m.game.Enciphered()[m_at]);
    for (int i : {1, 2})
        c.txtBox[i]->setHighlighted(places, PickedLetter);
}

bool PuzzleTyping::eventFilter(QObject *watched, QEvent *e) {
    if (!playing()) return false;
    for (int i : {1, 2}) {
        QuoteTextBox *box = c.txtBox[i];
        if (watched == box->viewport() && e->type() == QEvent::MouseButtonPress) {
            const int place =
                box->storedIndexAt(static_cast<QMouseEvent *>(e)->position().toPoint());
            if (!isLetterAt(place)) return false;
            box->setFocus(Qt::MouseFocusReason);
            pick(place);
            return true; // a pick, not a selection
        }
        if (watched != box || e->type() != QEvent::KeyPress) continue;
        auto *key = static_cast<QKeyEvent *>(e);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
        const int k = key->key();
        if (k == Qt::Key_Left || k == Qt::Key_Right) {
            const int from =
                m_at >= 0 ? m_at : (k == Qt::Key_Right ? -1 : int(m.game.Enciphered().size()));
            const int to = nextLetter(from, k == Qt::Key_Right ? 1 : -1, false);
            if (to >= 0) pick(to);
            return true;
        }
        if (m_at < 0) return false;
        const QChar cipher = m.game.Enciphered()[m_at];
        if (k >= Qt::Key_A && k <= Qt::Key_Z) {
            m.typePair(cipher, QChar(k));
            box->setFocus(Qt::OtherFocusReason); // typing goes on here
            if (!m.game.isOver()) {
                const int next = nextLetter(m_at, 1, true);
                pick(next >= 0 ? next : m_at);
            }
            return true;
        }
        if (k == Qt::Key_Space || k == Qt::Key_Period) {
            m.typePair(cipher, u' ');
            box->setFocus(Qt::OtherFocusReason);
            pick(m_at);
            return true;
        }
    }
    return false;
}
