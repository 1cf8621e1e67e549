#include "SolverAids.h"

#include "Settings.h"
#include "WindowSize.h"
#include "frmMain.h"

#include <QMouseEvent>

const QColor SolverAidsPanel::LitLetter(255, 196, 110);

SolverAidsPanel::SolverAidsPanel(frmMain &lobby) : LobbyAddition(lobby, QStringLiteral("aids")) {
    // The letter table beside the two puzzle boxes, where the list's buttons
    // stand in the other modes.
    stripLetters = new LetterStrip(c.picQuote);
    stripLetters->setObjectName(QStringLiteral("stripLetters"));
    PlaceTwips(stripLetters, 5370, 210, 1680, 2640);
    stripLetters->hide();
    c.txtBox[2]->viewport()->installEventFilter(this);
    m.addSolveMenuItem(
        tr("&Solver's Aids"), [this] { return SolverAids; }, [this] { menuSolverAids_Click(); });
    connect(&m, &frmMain::gameStarted, this, [this] {
        SolverAids = solverAidsOn();
        ApplySolverAids();
    });
    connect(&m, &frmMain::solutionChanged, this, [this] {
        if (m.game.isOver())
            ApplySolverAids(); // nothing more to light up or pick
        else
            UpdateSolverAids();
    });
    connect(&m, &frmMain::modeArranged, this, [this](LobbyMode::Mode mode) {
        if (mode != LobbyMode::Mode::Solve) ApplySolverAids(); // the aids go with the panel
    });
    connect(c.txtLetter[1], &QLineEdit::textChanged, this, [this] { UpdateSolverAids(); });
}

bool SolverAidsPanel::solverAidsOn() {
    return Settings::IsOn(Settings::Keys::SolverAids);
}

bool SolverAidsPanel::playing() const {
    return m.mode.is(LobbyMode::Mode::Solve) && m.game.isOpen() && !m.game.isOver();
}

void SolverAidsPanel::menuSolverAids_Click() {
    SolverAids = !SolverAids;
    Settings::SetOn(Settings::Keys::SolverAids, SolverAids);
    ApplySolverAids();
}

void SolverAidsPanel::ApplySolverAids() {
    const bool on = SolverAids && m.mode.is(LobbyMode::Mode::Solve);
    const bool tracking = on && playing();
    if (tracking != m_tracking) {
        m_tracking = tracking;
        c.txtBox[2]->viewport()->setMouseTracking(tracking);
        if (!tracking) m_hoveredLetter = -1;
        // While the aids work, a click in the puzzle boxes picks or looks:
        // the typing stays in the letter boxes.
        for (int i : {1, 2})
            c.txtBox[i]->setFocusPolicy(tracking ? Qt::NoFocus : c.txtBox[i]->ownFocusPolicy());
    }
    if (!on) {
        m_hoveredLetter = -1;
        c.txtBox[1]->setHighlighted({}, LitLetter);
        c.txtBox[2]->setHighlighted({}, LitLetter);
        stripLetters->hide();
        return;
    }
    UpdateSolverAids();
    stripLetters->show();
}

void SolverAidsPanel::UpdateSolverAids() {
    if (!SolverAids || !m.mode.is(LobbyMode::Mode::Solve)) return;
    const QString &enciphered = m.game.Enciphered();
    // The letter under the pointer, or else the one standing in box 1.
    QChar cipher;
    if (m_hoveredLetter >= 0 && m_hoveredLetter < enciphered.size())
        cipher = enciphered[m_hoveredLetter];
    else if (!c.txtLetter[1]->text().isEmpty())
        cipher = c.txtLetter[1]->text()[0].toUpper();
    QList<int> places;
    if (playing() && cipher.unicode() >= 'A' && cipher.unicode() <= 'Z')
        places = SolveGame::PlacesOf(enciphered, cipher);
    c.txtBox[2]->setHighlighted(places, LitLetter);
    c.txtBox[1]->setHighlighted(places, LitLetter);
    stripLetters->setEntries(SolveGame::LetterStrip(enciphered, m.game.shown()));
}

void SolverAidsPanel::txtBox_LetterHovered(int storedIndex) {
    m_hoveredLetter = storedIndex;
    UpdateSolverAids();
}

void SolverAidsPanel::txtBox_LetterClicked(int storedIndex) {
    // A click on a letter of the guide box is as typing it into box 1.
    const QString &enciphered = m.game.Enciphered();
    if (!SolverAids || !playing() || storedIndex < 0 || storedIndex >= enciphered.size()) return;
    const QChar letter = enciphered[storedIndex];
    if (letter.unicode() < 'A' || letter.unicode() > 'Z') return;
    m.typeCipherLetter(letter);
}

bool SolverAidsPanel::eventFilter(QObject *watched, QEvent *e) {
    if (!m_tracking || watched != c.txtBox[2]->viewport()) return false;
    switch (e->type()) {
    case QEvent::MouseMove: {
        const int at =
            c.txtBox[2]->storedIndexAt(static_cast<QMouseEvent *>(e)->position().toPoint());
        if (at != m_hoveredLetter) txtBox_LetterHovered(at);
        break;
    }
    case QEvent::Leave:
        if (m_hoveredLetter >= 0) txtBox_LetterHovered(-1);
        break;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(e);
        if (mouse->button() == Qt::LeftButton) {
            const int at = c.txtBox[2]->storedIndexAt(mouse->position().toPoint());
            if (at >= 0) txtBox_LetterClicked(at);
        }
        break;
    }
    default:
        break;
    }
    return false;
}
