#include "PuzzleTyping.h"

#include "Settings.h"

PuzzleTyping::PuzzleTyping(LobbySeam &lobby, BoardSeam &board)
    : BoardAddition(lobby, board, QStringLiteral("puzzleTyping")) {
    lobby.addSolveMenuItem(
        tr("T&ype on the Puzzle"), [] { return typingOn(); }, [this] { menuTypeOnPuzzle_Click(); });
    connect(&board, &BoardSeam::gameStarted, this, [this] {
        m_at = -1;
        apply();
    });
    connect(&board, &BoardSeam::solutionChanged, this, &PuzzleTyping::apply);
    connect(&board, &BoardSeam::arranged, this, &PuzzleTyping::apply);
    connect(&board, &BoardSeam::puzzleClicked, this, [this](int place) {
        if (this->board.puzzleTakesKeys()) pick(place);
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
    const QString &e = board.game().Enciphered();
    return place >= 0 && place < e.size() && e[place] >= u'A' && e[place] <= u'Z';
}

int PuzzleTyping::nextLetter(int place, int step) const {
    for (int i = place + step; i >= 0 && i < board.game().Enciphered().size(); i += step)
        if (isLetterAt(i)) return i;
    return -1;
}

void PuzzleTyping::pick(int place) {
    if (!typingOn() || !board.playing() || !isLetterAt(place)) return;
    m_at = place;
    apply();
    // The pick said as it moves, for a player who cannot see it.
    const QChar cipher = board.game().Enciphered()[place], plain = board.game().shown()[place];
    const QString places = tr("%n place(s)", nullptr,
                              int(SolveGame::PlacesOf(board.game().Enciphered(), cipher).size()));
    lobby.say(plain == SolveGame::Unsolved
                  ? tr("%1 picked, %2, no letter yet").arg(cipher).arg(places)
                  : tr("%1 picked, %2, stands for %3").arg(cipher).arg(places).arg(plain));
}

void PuzzleTyping::apply() {
    const bool on = typingOn();
    if (on != board.puzzleTakesKeys())
        board.typeOnPuzzle(
            on ? std::function<bool(int, Qt::KeyboardModifiers)>(
                     [this](int k, Qt::KeyboardModifiers mods) { return key(k, mods); })
               : nullptr);
    if (!on || !board.playing() || !isLetterAt(m_at)) {
        if (m_at >= 0) board.setMarks(BoardSeam::Marks::Picked, {});
        m_at = -1;
        return;
    }
    const QString &enciphered = board.game().Enciphered();
    board.setMarks(BoardSeam::Marks::Picked, SolveGame::PlacesOf(enciphered, enciphered[m_at]));
}

bool PuzzleTyping::key(int k, Qt::KeyboardModifiers modifiers) {
    if (!board.playing() || (modifiers & (Qt::ControlModifier | Qt::AltModifier))) return false;
    if (k == Qt::Key_Left || k == Qt::Key_Right) {
        const int from =
            m_at >= 0 ? m_at : (k == Qt::Key_Right ? -1 : int(board.game().Enciphered().size()));
        const int to = nextLetter(from, k == Qt::Key_Right ? 1 : -1);
        if (to >= 0) pick(to);
        return true;
    }
    if (m_at < 0) return false;
    const QChar cipher = board.game().Enciphered()[m_at];
    if (k >= Qt::Key_A && k <= Qt::Key_Z) {
        const int at = m_at;
        board.typePair(cipher, QChar(k));
        // On to the next letter still to find, round to the first after the
        // last (a pick that stayed on the last would be overwritten).
        if (board.playing()) {
            const int next = board.game().nextUnsolved(at);
            pick(next >= 0 ? next : at);
        }
        return true;
    }
    if (k == Qt::Key_Space || k == Qt::Key_Period) {
        const int at = m_at;
        board.typePair(cipher, u' ');
        pick(at);
        return true;
    }
    return false;
}
