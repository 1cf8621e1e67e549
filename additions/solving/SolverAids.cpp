#include "SolverAids.h"

#include "LetterModel.h"
#include "LetterStrip.h"
#include "Settings.h"

#include <array>

const QColor SolverAidsPanel::LitLetter(255, 196, 110);

SolverAidsPanel::SolverAidsPanel(LobbySeam &lobby) : Addition(lobby, QStringLiteral("aids")) {
    // The letter table beside the two puzzle boxes.
    stripLetters = new LetterStrip;
    stripLetters->setObjectName(QStringLiteral("stripLetters"));
    stripLetters->hide();
    lobby.place(stripLetters, LobbySeam::Place::BesidePuzzle);
    lobby.addSolveMenuItem(
        tr("&Solver's Aids"), [this] { return SolverAids; }, [this] { menuSolverAids_Click(); });
    lobby.addSolveMenuItem(
        tr("Plai&n Letters"), [this] { return SolverAids && PlainLetters; },
        [this] { menuPlainLetters_Click(); });
    connect(&lobby, &LobbySeam::gameStarted, this, [this] {
        SolverAids = solverAidsOn();
        PlainLetters = Settings::IsOn(Settings::Keys::PlainLetters);
        ApplySolverAids();
    });
    connect(&lobby, &LobbySeam::solutionChanged, this, [this] {
        if (this->lobby.game().isOver())
            ApplySolverAids(); // nothing more to light up or pick
        else
            UpdateSolverAids();
    });
    connect(&lobby, &LobbySeam::modeArranged, this, [this](LobbySeam::Mode mode) {
        if (mode != LobbySeam::Mode::Solve) ApplySolverAids(); // the aids go with the panel
    });
    connect(&lobby, &LobbySeam::cipherLetterChanged, this, &SolverAidsPanel::UpdateSolverAids);
    connect(&lobby, &LobbySeam::puzzleHovered, this, &SolverAidsPanel::txtBox_LetterHovered);
    connect(&lobby, &LobbySeam::puzzleClicked, this, &SolverAidsPanel::txtBox_LetterClicked);
}

bool SolverAidsPanel::solverAidsOn() {
    return Settings::IsOn(Settings::Keys::SolverAids);
}

void SolverAidsPanel::menuSolverAids_Click() {
    SolverAids = !SolverAids;
    Settings::SetOn(Settings::Keys::SolverAids, SolverAids);
    ApplySolverAids();
}

void SolverAidsPanel::menuPlainLetters_Click() {
    // Asked for while the aids are off: the aids come with it.
    PlainLetters = !(SolverAids && PlainLetters);
    Settings::SetOn(Settings::Keys::PlainLetters, PlainLetters);
    if (PlainLetters && !SolverAids) return menuSolverAids_Click();
    UpdateSolverAids();
}

void SolverAidsPanel::ApplySolverAids() {
    const bool on = SolverAids && lobby.is(LobbySeam::Mode::Solve);
    // While the aids work, the puzzle is for looking and picking: the
    // typing stays in the letter boxes.
    lobby.usePuzzlePointer(this, on && lobby.playing());
    if (!on) {
        m_hoveredLetter = -1;
        lobby.setMarks(LobbySeam::Marks::Lit, {}, LitLetter);
        stripLetters->hide();
        return;
    }
    UpdateSolverAids();
    stripLetters->show();
}

void SolverAidsPanel::UpdateSolverAids() {
    if (!SolverAids || !lobby.is(LobbySeam::Mode::Solve)) return;
    const QString &enciphered = lobby.game().Enciphered();
    // The letter under the pointer, or else the one standing in box 1.
    QChar cipher;
    if (m_hoveredLetter >= 0 && m_hoveredLetter < enciphered.size())
        cipher = enciphered[m_hoveredLetter];
    else
        cipher = lobby.cipherLetter();
    QList<int> places;
    if (lobby.playing() && cipher.unicode() >= 'A' && cipher.unicode() <= 'Z')
        places = SolveGame::PlacesOf(enciphered, cipher);
    lobby.setMarks(LobbySeam::Marks::Lit, places, LitLetter);
    // How common each letter is in the language the quote is written in.
    std::array<double, 26> shares{};
    if (PlainLetters)
        for (int l = 0; l < 26; ++l)
            shares[size_t(l)] = solver::LetterModel::shared(lobby.session().language()).share(l);
    stripLetters->setFace(PlainLetters ? LetterStrip::Face::Plain : LetterStrip::Face::Cipher);
    stripLetters->setEntries(
        PlainLetters ? SolveGame::PlainStrip(enciphered, lobby.game().shown(), shares)
                     : SolveGame::LetterStrip(enciphered, lobby.game().shown()));
}

void SolverAidsPanel::txtBox_LetterHovered(int storedIndex) {
    if (!SolverAids) return;
    m_hoveredLetter = storedIndex;
    UpdateSolverAids();
}

void SolverAidsPanel::txtBox_LetterClicked(int storedIndex) {
    // A click on a letter of the puzzle is as typing it into box 1, unless
    // the player types on the puzzle itself.
    const QString &enciphered = lobby.game().Enciphered();
    if (!SolverAids || !lobby.playing() || lobby.puzzleTakesKeys() || storedIndex < 0 ||
        storedIndex >= enciphered.size())
        return;
    const QChar letter = enciphered[storedIndex];
    if (letter.unicode() < 'A' || letter.unicode() > 'Z') return;
    lobby.typeCipherLetter(letter);
}
