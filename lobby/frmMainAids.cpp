// The Main Lobby's solver's aids, a switch of the solve panel's context menu:
// every place of a cipher letter lit up, letters picked with the mouse, and
// the letter strip. With the switch off, the solve mode is as it always was.
#include "frmMain.h"

#include "Settings.h"

#include <QMenu>

namespace {
const QColor Lit(255, 196, 110);
} // namespace

const QColor frmMain::LitLetter = Lit;

bool frmMain::solverAidsOn() {
    return Settings::IsOn(Settings::Keys::SolverAids);
}

void frmMain::picSolveRandomQuote_ContextMenu(const QPoint &at) {
    if (!picSolveRandomQuote->isVisible() || !isEnabled()) return;
    QMenu menu(this);
    QAction *aids = menu.addAction(QStringLiteral("&Solver's Aids"));
    aids->setCheckable(true);
    aids->setChecked(SolverAids);
    connect(aids, &QAction::triggered, this, [this] { menuSolverAids_Click(); });
    m_solveMenu = &menu;
    menu.exec(picSolveRandomQuote->mapToGlobal(at));
    m_solveMenu = nullptr;
}

void frmMain::menuSolverAids_Click() {
    SolverAids = !SolverAids;
    Settings::SetOn(Settings::Keys::SolverAids, SolverAids);
    ApplySolverAids();
}

void frmMain::ApplySolverAids() {
    const bool on = SolverAids && picSolveRandomQuote->isVisible();
    txtBox[2]->setTracksLetters(on && txtLetter[1]->isVisible());
    if (!on) {
        m_hoveredLetter = -1;
        txtBox[1]->setHighlighted({}, LitLetter);
        txtBox[2]->setHighlighted({}, LitLetter);
        stripLetters->hide();
        return;
    }
    UpdateSolverAids();
    stripLetters->show();
}

void frmMain::UpdateSolverAids() {
    if (!SolverAids || !picSolveRandomQuote->isVisible()) return;
    const QString enciphered = txtBox[2]->text();
    // The letter under the pointer, or else the one standing in box 1.
    QChar cipher;
    if (m_hoveredLetter >= 0 && m_hoveredLetter < enciphered.size())
        cipher = enciphered[m_hoveredLetter];
    else if (!txtLetter[1]->text().isEmpty())
        cipher = txtLetter[1]->text()[0].toUpper();
    QList<int> places;
    if (txtLetter[1]->isVisible() && cipher.unicode() >= 'A' && cipher.unicode() <= 'Z')
        places = SolveGame::PlacesOf(enciphered, cipher);
    txtBox[2]->setHighlighted(places, LitLetter);
    txtBox[1]->setHighlighted(places, LitLetter);
    stripLetters->setEntries(SolveGame::LetterStrip(enciphered, txtBox[1]->text()));
}

void frmMain::txtBox_LetterHovered(int storedIndex) {
    m_hoveredLetter = storedIndex;
    UpdateSolverAids();
}

void frmMain::txtBox_LetterClicked(int storedIndex) {
    // A click on a letter of the guide box is as typing it into box 1.
    const QString enciphered = txtBox[2]->text();
    if (!SolverAids || !txtLetter[1]->isVisible() || !txtLetter[1]->isEnabled() ||
        storedIndex < 0 || storedIndex >= enciphered.size())
        return;
    const QChar letter = enciphered[storedIndex];
    if (letter.unicode() < 'A' || letter.unicode() > 'Z') return;
    txtLetter[1]->setFocus();
    txtLetter_GotFocus(1); // entering box 1 empties both, even when it had the focus
    txtLetter[1]->setText(QString(letter));
    txtLetter_KeyUp(1, letter.unicode());
}
