#include "LetterTiles.h"

#include "Settings.h"
#include "Spoken.h"
#include "TileBoard.h"

LetterTiles::LetterTiles(LobbySeam &lobby, BoardSeam &board)
    : BoardAddition(lobby, board, QStringLiteral("letterTiles")), m_tiles(new TileBoard) {
    m_tiles->setObjectName(QStringLiteral("letterTiles"));
    m_tiles->setAccessibleName(tr("Letter tiles"));
    m_tiles->setAccessibleDescription(
        tr("Type the letter the scrambled letter under the cursor stands for; the arrows move, "
           "Tab goes to the next word, Backspace takes a letter back"));
    m_tiles->setColours(board.palette());
    m_tiles->hide();
    board.place(m_tiles, BoardSeam::Place::OverPuzzle);
    m_tiles->keys = [this](int k, Qt::KeyboardModifiers mods) { return key(k, mods); };
    connect(m_tiles, &TileBoard::clicked, this, [this](int place) {
        if (this->board.playing()) moveTo(place);
    });
    lobby.addSolveMenuItem(
        tr("Letter &Tiles\tCtrl+L"), [] { return tilesOn(); }, [this] { menuLetterTiles_Click(); });
    lobby.addKey(QKeySequence(Qt::CTRL | Qt::Key_L), [this] {
        if (this->board.onShow()) menuLetterTiles_Click();
    });
    connect(&board, &BoardSeam::gameStarted, this, [this] {
        m_at = this->board.game().nextUnsolved(-1);
        apply();
        if (m_applied) m_tiles->setFocus();
    });
    connect(&board, &BoardSeam::arranged, this, &LetterTiles::apply);
    // A hint that gave the cursor's letter moves the cursor on, as a typed pair does.
    connect(&board.session(), &GameSession::changed, this, [this](GameSession::Move move) {
        const QString &shown = this->board.game().shown();
        if (move == GameSession::Move::Hint && m_applied && this->board.playing() && m_at >= 0 &&
            m_at < shown.size() && shown[m_at] != SolveGame::Unsolved) {
            const int next = this->board.game().nextUnsolved(m_at);
            if (next >= 0) m_at = next;
            show();
        }
    });
    connect(&board, &BoardSeam::shownChanged, this, &LetterTiles::show);
    apply();
}

bool LetterTiles::tilesOn() {
    return Settings::IsOn(Settings::Keys::LetterTiles);
}

void LetterTiles::menuLetterTiles_Click() {
    Settings::SetOn(Settings::Keys::LetterTiles, !tilesOn());
    apply();
    // The keyboard goes with them: to the tiles, named as it arrives there, or
    // back to the letter boxes.
    board.takeFocus();
    if (m_applied)
        sayTile();
    else if (board.onShow())
        lobby.say(tr("Letter tiles off: the two puzzle boxes"));
}

void LetterTiles::apply() {
    const bool on = tilesOn() && board.onShow();
    if (on != m_applied) {
        m_applied = on;
        m_tiles->setVisible(on);
        m_tiles->raise();
        board.holdFocus(on ? m_tiles : nullptr);
        board.aimHints(on ? std::function<QChar()>([this] {
            // The cursor's letter; the first letter box's, where one was typed there.
            const QChar typed = board.cipherLetter();
            if (!typed.isNull()) return typed;
            const QString &scrambled = board.game().Enciphered();
            return board.playing() && m_at >= 0 && m_at < scrambled.size() ? scrambled[m_at]
                                                                           : QChar();
        })
                          : nullptr);
    }
    if (!board.playing()) m_at = -1;
    show();
}

void LetterTiles::show() {
    if (!m_applied) return;
    TileBoard::Look look;
    look.scrambled = board.scrambledShown();
    look.solution = board.solutionShown();
    look.marks = board.marksShown();
    look.clashes = Clashes(look.scrambled, look.solution);
    // The tiles of the cursor's scrambled letter are lit, over every other mark.
    if (board.playing() && m_at >= 0 && m_at < look.scrambled.size()) {
        look.cursor = m_at;
        for (int i = 0; i < look.scrambled.size(); ++i)
            if (look.scrambled[i] == look.scrambled[m_at]) look.marks[i] = board.palette().picked;
    }
    m_tiles->setLook(look);
}

void LetterTiles::moveTo(int place) {
    const QString &scrambled = board.game().Enciphered();
    if (place < 0 || place >= scrambled.size() || !isTileLetter(scrambled[place])) return;
    m_at = place;
    show();
    sayTile();
}

void LetterTiles::sayTile() {
    const SolveGame &g = board.game();
    if (!board.playing() || m_at < 0 || m_at >= g.Enciphered().size()) return;
    const QChar cipher = g.Enciphered()[m_at], plain = g.shown()[m_at];
    const QString places =
        tr("%n place(s)", nullptr, int(SolveGame::PlacesOf(g.Enciphered(), cipher).size()));
    lobby.say(plain == SolveGame::Unsolved
                  ? tr("%1, %2, no letter yet").arg(cipher).arg(places)
                  : tr("%1, %2, stands for %3").arg(cipher).arg(places).arg(plain));
}

bool LetterTiles::key(int k, Qt::KeyboardModifiers modifiers) {
    if (!board.playing() || m_at < 0) return false;
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString &scrambled = board.game().Enciphered();
    const auto go = [this](int to) {
        if (to >= 0) moveTo(to);
        return true;
    };
    switch (k) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        return go(NextLetter(scrambled, m_at, k == Qt::Key_Right ? 1 : -1));
    case Qt::Key_Home:
        return go(NextLetter(scrambled, -1, 1));
    case Qt::Key_End:
        return go(NextLetter(scrambled, int(scrambled.size()), -1));
    case Qt::Key_Up:
    case Qt::Key_Down:
        return go(m_tiles->placeOnNextLine(m_at, k == Qt::Key_Down ? 1 : -1));
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        // Word by word; past the last word the focus goes on.
        const int to = NextWord(scrambled, m_at, k == Qt::Key_Tab ? 1 : -1);
        if (to < 0) return false;
        moveTo(to);
        const int end = int(scrambled.indexOf(QLatin1Char(' '), to));
        const QString word = scrambled.mid(to, end < 0 ? -1 : end - to);
        // Its letters as a screen reader says them: an unknown one a blank.
        lobby.say(tr("Word %1, %2")
                      .arg(spoken::Letters(word),
                           spoken::Letters(board.game().shown().mid(to, word.size()))));
        return true;
    }
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Space:
        board.placePair(scrambled[m_at], u' ');
        return true;
    default:
        break;
    }
    if (k < Qt::Key_A || k > Qt::Key_Z) return false;
    const int at = m_at;
    board.placePair(scrambled[at], QChar(k));
    // On to the next letter still to find, round to the first after the last.
    if (board.playing()) {
        const int next = board.game().nextUnsolved(at);
        m_at = next >= 0 ? next : at;
        show();
    }
    return true;
}

int LetterTiles::NextLetter(const QString &text, int place, int step) {
    for (int i = place + step; i >= 0 && i < text.size(); i += step)
        if (isTileLetter(text[i])) return i;
    return -1;
}

int LetterTiles::NextWord(const QString &text, int place, int step) {
    // The first letter of each word, in order.
    QList<int> starts;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char(' ')) continue;
        const int start = i;
        while (i < text.size() && text[i] != QLatin1Char(' '))
            ++i;
        const int first = NextLetter(text, start - 1, 1);
        if (first >= 0 && first < i) starts << first;
    }
    if (step > 0) {
        for (const int start : starts)
            if (start > place) return start;
        return -1;
    }
    // Back: the word before the one the cursor stands in.
    int current = place, before = -1;
    for (const int start : starts)
        if (start <= place) current = start;
    for (const int start : starts)
        if (start < current) before = start;
    return before;
}

QSet<int> LetterTiles::Clashes(const QString &scrambled, const QString &solution) {
    // Each letter placed, and the scrambled letters it is given to.
    QHash<QChar, QSet<QChar>> given;
    for (int i = 0; i < scrambled.size() && i < solution.size(); ++i)
        if (isTileLetter(solution[i])) given[solution[i]].insert(scrambled[i]);
    QSet<int> out;
    for (int i = 0; i < scrambled.size() && i < solution.size(); ++i)
        if (isTileLetter(solution[i]) && given.value(solution[i]).size() > 1) out.insert(i);
    return out;
}
