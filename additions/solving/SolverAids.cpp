#include "SolverAids.h"

#include "LetterModel.h"
#include "LetterStrip.h"
#include "Settings.h"

#include <array>

SolverAidsPanel::SolverAidsPanel(LobbySeam &lobby, BoardSeam &board)
    : BoardAddition(lobby, board, QStringLiteral("aids")) {
    // The letter table beside the two puzzle boxes.
    stripLetters = new LetterStrip;
    stripLetters->setObjectName(QStringLiteral("stripLetters"));
    stripLetters->hide();
    board.place(stripLetters, BoardSeam::Place::BesidePuzzle);
    lobby.addSolveMenuItem(
        tr("&Solver's Aids"), [this] { return SolverAids; }, [this] { menuSolverAids_Click(); });
    lobby.addSolveMenuItem(
        tr("Plai&n Letters"), [this] { return SolverAids && PlainLetters; },
        [this] { menuPlainLetters_Click(); });
    connect(&board, &BoardSeam::gameStarted, this, [this] {
        SolverAids = solverAidsOn();
        PlainLetters = Settings::IsOn(Settings::Keys::PlainLetters);
        ApplySolverAids();
    });
    connect(&board, &BoardSeam::solutionChanged, this, [this] {
        if (this->board.game().isOver())
            ApplySolverAids(); // nothing more to light up or pick
        else
            UpdateSolverAids();
    });
    connect(&board, &BoardSeam::arranged, this, [this] {
        if (!this->board.onShow()) ApplySolverAids(); // the aids go with the board
    });
    connect(&board, &BoardSeam::cipherLetterChanged, this, &SolverAidsPanel::UpdateSolverAids);
    connect(&board, &BoardSeam::puzzleHovered, this, &SolverAidsPanel::txtBox_LetterHovered);
    connect(&board, &BoardSeam::puzzleClicked, this, &SolverAidsPanel::txtBox_LetterClicked);
}

bool SolverAidsPanel::solverAidsOn() {
    return Settings::IsOn(Settings::Keys::SolverAids);
}

void SolverAidsPanel::menuSolverAids_Click() {
    SolverAids = !SolverAids;
    Settings::SetOn(Settings::Keys::SolverAids, SolverAids);
    ApplySolverAids();
    lobby.say(SolverAids ? tr("Solver's Aids on: the letter table beside the puzzle")
                         : tr("Solver's Aids off"));
}

void SolverAidsPanel::menuPlainLetters_Click() {
    // Asked for while the aids are off: the aids come with it, and are told.
    PlainLetters = !(SolverAids && PlainLetters);
    Settings::SetOn(Settings::Keys::PlainLetters, PlainLetters);
    const bool aidsToo = PlainLetters && !SolverAids;
    if (aidsToo) {
        SolverAids = true;
        Settings::SetOn(Settings::Keys::SolverAids, true);
        ApplySolverAids();
    } else {
        UpdateSolverAids();
    }
    lobby.say(!PlainLetters ? tr("Plain letters off: the table shows the scrambled letters")
              : aidsToo     ? tr("Plain letters on, with the Solver's Aids: the table shows the "
                                     "plain alphabet")
                            : tr("Plain letters on: the table shows the plain alphabet"));
}

void SolverAidsPanel::ApplySolverAids() {
    const bool on = SolverAids && board.onShow();
    // While the aids work, the puzzle is for looking and picking: the
    // typing stays in the letter boxes.
    board.usePuzzlePointer(this, on && board.playing());
    if (!on) {
        m_hoveredLetter = -1;
        board.setMarks(BoardSeam::Marks::Lit, {});
        stripLetters->hide();
        return;
    }
    UpdateSolverAids();
    stripLetters->show();
}

void SolverAidsPanel::UpdateSolverAids() {
    if (!SolverAids || !board.onShow()) return;
    const QString &enciphered = board.game().Enciphered();
    // The letter under the pointer, or else the one standing in box 1.
    QChar cipher;
    if (m_hoveredLetter >= 0 && m_hoveredLetter < enciphered.size())
        cipher = enciphered[m_hoveredLetter];
    else
        cipher = board.cipherLetter();
    QList<int> places;
    if (board.playing() && cipher.unicode() >= 'A' && cipher.unicode() <= 'Z')
        places = SolveGame::PlacesOf(enciphered, cipher);
    board.setMarks(BoardSeam::Marks::Lit, places);
    // How common each letter is in the language the quote is written in.
    std::array<double, 26> shares{};
    if (PlainLetters)
        for (int l = 0; l < 26; ++l)
            shares[size_t(l)] = solver::LetterModel::shared(board.session().language()).share(l);
    stripLetters->setFace(PlainLetters ? LetterStrip::Face::Plain : LetterStrip::Face::Cipher);
    stripLetters->setEntries(PlainLetters
                                 ? SolveGame::PlainStrip(enciphered, board.game().shown(), shares)
                                 : SolveGame::LetterStrip(enciphered, board.game().shown()));
}

void SolverAidsPanel::txtBox_LetterHovered(int storedIndex) {
    if (!SolverAids) return;
    m_hoveredLetter = storedIndex;
    UpdateSolverAids();
}

void SolverAidsPanel::txtBox_LetterClicked(int storedIndex) {
    // A click on a letter of the puzzle is as typing it into box 1, unless
    // the player types on the puzzle itself.
    const QString &enciphered = board.game().Enciphered();
    if (!SolverAids || !board.playing() || board.puzzleTakesKeys() || storedIndex < 0 ||
        storedIndex >= enciphered.size())
        return;
    const QChar letter = enciphered[storedIndex];
    if (letter.unicode() < 'A' || letter.unicode() > 'Z') return;
    board.typeCipherLetter(letter);
}
