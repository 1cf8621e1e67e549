#include "PuzzleTyping.h"

#include "Settings.h"

const QColor PuzzleTyping::PickedLetter(170, 230, 170);

PuzzleTyping::PuzzleTyping(LobbySeam &lobby) : Addition(lobby, QStringLiteral("puzzleTyping")) {
    lobby.addSolveMenuItem(
        tr("T&ype on the Puzzle"), [] { return typingOn(); }, [this] { menuTypeOnPuzzle_Click(); });
    connect(&lobby, &LobbySeam::gameStarted, this, [this] {
        m_at = -1;
        apply();
    });
    connect(&lobby, &LobbySeam::solutionChanged, this, &PuzzleTyping::apply);
    connect(&lobby, &LobbySeam::modeArranged, this, &PuzzleTyping::apply);
    connect(&lobby, &LobbySeam::puzzleClicked, this, [this](int place) {
        if (this->lobby.puzzleTakesKeys()) pick(place);
    });
    apply();
}

bool PuzzleTyping::typingOn() {
    return Settings::IsOn(Settings::Keys::TypeOnPuzzle);
}

void PuzzleTyping::menuTypeOnPuzzle_Click() {
    Settings::SetOn(Settings::Keys::TypeOnPuzzle, !typingOn());
    m_at = -1;
    apply();
}

bool PuzzleTyping::isLetterAt(int place) const {
    const QString &e = lobby.game().Enciphered();
    return place >= 0 && place < e.size() && e[place] >= u'A' && e[place] <= u'Z';
}

int PuzzleTyping::nextLetter(int place, int step, bool unsolvedOnly) const {
    const QString &shown = lobby.game().SolveProgress();
    for (int i = place + step; i >= 0 && i < shown.size(); i += step)
        if (isLetterAt(i) && (!unsolvedOnly || shown[i] == SolveGame::Unsolved)) return i;
    return -1;
}

void PuzzleTyping::pick(int place) {
    if (!typingOn() || !lobby.playing() || !isLetterAt(place)) return;
    m_at = place;
    apply();
    // The pick said as it moves, for a player who cannot see it.
    const QChar cipher = lobby.game().Enciphered()[place], plain = lobby.game().shown()[place];
    const QString places = tr("%n place(s)", nullptr,
                              int(SolveGame::PlacesOf(lobby.game().Enciphered(), cipher).size()));
    lobby.say(plain == SolveGame::Unsolved
                  ? tr("%1 picked, %2, no letter yet").arg(cipher).arg(places)
                  : tr("%1 picked, %2, stands for %3").arg(cipher).arg(places).arg(plain));
}

void PuzzleTyping::apply() {
    const bool on = typingOn();
    if (on != lobby.puzzleTakesKeys())
        lobby.typeOnPuzzle(
            on ? std::function<bool(int, Qt::KeyboardModifiers)>(
                     [this](int k, Qt::KeyboardModifiers mods) { return key(k, mods); })
               : nullptr);
    if (!on || !lobby.playing() || !isLetterAt(m_at)) {
        if (m_at >= 0) lobby.setMarks(LobbySeam::Marks::Picked, {}, PickedLetter);
        m_at = -1;
        return;
    }
    const QString &enciphered = lobby.game().Enciphered();
    lobby.setMarks(LobbySeam::Marks::Picked, SolveGame::PlacesOf(enciphered, enciphered[m_at]),
                   PickedLetter);
}

bool PuzzleTyping::key(int k, Qt::KeyboardModifiers modifiers) {
    if (!lobby.playing() || (modifiers & (Qt::ControlModifier | Qt::AltModifier))) return false;
    if (k == Qt::Key_Left || k == Qt::Key_Right) {
        const int from =
            m_at >= 0 ? m_at : (k == Qt::Key_Right ? -1 : int(lobby.game().Enciphered().size()));
        const int to = nextLetter(from, k == Qt::Key_Right ? 1 : -1, false);
        if (to >= 0) pick(to);
        return true;
    }
    if (m_at < 0) return false;
    const QChar cipher = lobby.game().Enciphered()[m_at];
    if (k >= Qt::Key_A && k <= Qt::Key_Z) {
        const int at = m_at;
        lobby.typePair(cipher, QChar(k));
        if (lobby.playing()) {
            const int next = nextLetter(at, 1, true);
            pick(next >= 0 ? next : at);
        }
        return true;
    }
    if (k == Qt::Key_Space || k == Qt::Key_Period) {
        const int at = m_at;
        lobby.typePair(cipher, u' ');
        pick(at);
        return true;
    }
    return false;
}
