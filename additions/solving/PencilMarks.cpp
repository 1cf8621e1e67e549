#include "PencilMarks.h"

#include "SolveGame.h"

PencilMarks::PencilMarks(LobbySeam &lobby, BoardSeam &board)
    : BoardAddition(lobby, board, QStringLiteral("pencilMarks")) {
    lobby.addSolveMenuItem(
        tr("Penci&l Marks\tCtrl+T"), [this] { return m_on; }, [this] { setPencil(!m_on); });
    lobby.addSolveMenuItem(tr("Make Pencil Marks &Firm"), {}, [this] { makeFirm(); });
    lobby.addSolveMenuItem(tr("Cl&ear Pencil Marks"), {}, [this] { clear(); });
    lobby.addKey(QKeySequence(Qt::CTRL | Qt::Key_T), [this] {
        if (this->board.playing()) setPencil(!m_on);
    });
    connect(&board, &BoardSeam::gameStarted, this, [this] {
        // A new game has none; a kept one comes back with its own.
        m_letters.clear();
        for (const QString &pair : this->board.session().pencil().split(u' ', Qt::SkipEmptyParts))
            m_letters.insert(pair[0], pair[1]);
        setPencil(false);
        show();
    });
    connect(&board, &BoardSeam::solutionChanged, this, [this] {
        // A firm letter ends its pencil letter; a game over has none.
        const SolveGame &g = this->board.game();
        for (auto it = m_letters.begin(); it != m_letters.end();) {
            const qsizetype at = g.Enciphered().indexOf(it.key());
            const bool firm =
                at >= 0 && at < g.shown().size() && g.shown()[at] != SolveGame::Unsolved;
            it = firm || g.isOver() ? m_letters.erase(it) : std::next(it);
        }
        if (g.isOver()) setPencil(false);
        show();
    });
}

void PencilMarks::setPencil(bool on) {
    const bool was = m_on;
    m_on = on && board.playing();
    takeTypedPairs();
    if (m_on != was) lobby.say(m_on ? tr("Pencil marks on") : tr("Pencil marks off"));
}

void PencilMarks::takeTypedPairs() {
    board.takePairs(
        m_on ? std::function<bool(QChar, QChar)>([this](QChar c, QChar p) { return take(c, p); })
             : nullptr);
}

bool PencilMarks::take(QChar cipher, QChar plain) {
    if (!board.playing() || cipher.unicode() < 'A' || cipher.unicode() > 'Z') return false;
    if (plain.unicode() >= 'A' && plain.unicode() <= 'Z') {
        m_letters.insert(cipher, plain);
        lobby.say(tr("%1 pencilled as %2").arg(cipher, plain));
    } else {
        m_letters.remove(cipher);
        lobby.say(tr("Pencil mark of %1 rubbed out").arg(cipher));
    }
    show();
    return true;
}

void PencilMarks::makeFirm() {
    if (!board.playing()) return;
    // The pairs placed and the pencil letters gone reach the disk together:
    // a kill part way through loses none of them.
    GameSession::Changes asOne(board.session());
    const QHash<QChar, QChar> pencilled = std::exchange(m_letters, {});
    board.takePairs(nullptr); // placed as the pairs they are
    for (auto it = pencilled.cbegin(); it != pencilled.cend(); ++it)
        board.typePair(it.key(), it.value());
    takeTypedPairs();
    show();
    lobby.say(pencilled.isEmpty()
                  ? tr("No pencil marks to make firm")
                  : tr("%n pencil mark(s) made firm", nullptr, int(pencilled.size())));
}

void PencilMarks::clear() {
    const int had = int(std::exchange(m_letters, {}).size());
    show();
    if (board.playing())
        lobby.say(had == 0 ? tr("No pencil marks to clear")
                           : tr("%n pencil mark(s) cleared", nullptr, had));
}

void PencilMarks::show() {
    QStringList pairs; // kept with the game
    for (auto it = m_letters.cbegin(); it != m_letters.cend(); ++it)
        pairs << QString(it.key()) + it.value();
    pairs.sort();
    if (board.playing()) board.session().setPencil(pairs.join(u' '));
    QHash<int, QChar> places;
    const SolveGame &g = board.game();
    if (board.playing())
        for (int i = 0; i < g.Enciphered().size(); ++i)
            if (const auto it = m_letters.constFind(g.Enciphered()[i]); it != m_letters.cend())
                places.insert(i, *it);
    board.setPencilLetters(places);
    board.setMarks(BoardSeam::Marks::Pencil, places.keys());
}
