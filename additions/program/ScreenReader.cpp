#include "ScreenReader.h"

#include "KeyedPuzzles.h"
#include "Spoken.h"
#include "modSupport.h"

#include <QAbstractItemView>
#include <QLocale>
#include <QTimer>
#include <QWidget>

#include <algorithm>

QString ScreenReader::spoken(const QString &solution) {
    return spoken::Letters(solution);
}

QString ScreenReader::MoveSaid(const QString &before, const QString &after,
                               const QString &enciphered, const QString &cipher,
                               const QString &plain, Move how) {
    auto places = [](int n) { return tr("%n place(s)", nullptr, n); };
    // The places that changed, and to what.
    int changed = 0;
    QChar from, to;
    for (qsizetype i = 0; i < before.size() && i < after.size() && i < enciphered.size(); ++i)
        if (before[i] != after[i]) {
            ++changed;
            from = enciphered[i];
            to = after[i];
        }
    if (how == Move::Hint && changed > 0)
        return tr("Hint: %1 stands for %2, %3").arg(from).arg(to).arg(places(changed));
    if (how == Move::Typed && !cipher.isEmpty() && !enciphered.contains(cipher))
        return tr("%1 is not in the scrambled quote").arg(cipher);
    if (changed == 0) {
        if (!cipher.isEmpty() && !plain.isEmpty())
            return plain == QString(SolveGame::Unsolved)
                       ? tr("%1 has no letter yet").arg(cipher)
                       : tr("%1 stands for %2 already").arg(cipher, plain);
        return QString();
    }
    QString said = to == SolveGame::Unsolved
                       ? tr("%1 taken back, %2").arg(from).arg(places(changed))
                       : tr("%1 stands for %2, %3").arg(from).arg(to).arg(places(changed));
    if (how == Move::Undone) said = tr("Undone: ") + said;
    if (how == Move::Redone) said = tr("Redone: ") + said;
    // A letter given to two scrambled letters is told: one of them is wrong.
    if (to != SolveGame::Unsolved) {
        QString others;
        for (qsizetype i = 0; i < after.size() && i < enciphered.size(); ++i)
            if (after[i] == to && enciphered[i] != from && !others.contains(enciphered[i]))
                others += enciphered[i];
        if (!others.isEmpty()) said += tr(". %1 is also given to %2").arg(to).arg(others);
    }
    return said;
}

QString ScreenReader::UnknownSaid(const QString &shown, const QString &enciphered,
                                  const QString &pencil) {
    const QHash<int, QChar> pencilled = spoken::PencilPlaces(pencil, enciphered, shown);
    QString unknown;
    for (qsizetype i = 0; i < shown.size() && i < enciphered.size(); ++i)
        if (shown[i] == SolveGame::Unsolved && !unknown.contains(enciphered[i]))
            unknown += enciphered[i];
    std::sort(unknown.begin(), unknown.end());
    if (unknown.isEmpty()) return tr("No letters are unknown");
    QStringList letters;
    for (QChar c : unknown) {
        // A pencil letter is a guess, not a letter known: told with it.
        const qsizetype at = enciphered.indexOf(c);
        letters << (pencilled.contains(int(at))
                        ? tr("%1 pencilled as %2").arg(c).arg(pencilled[int(at)])
                        : QString(c));
    }
    return tr("%1 unknown: %2")
        .arg(tr("%n letter(s)", nullptr, int(unknown.size())), letters.join(QStringLiteral(", ")));
}

QString ScreenReader::StartSaid(const GameSession &session) {
    const SolveGame &g = session.game();
    QString said = session.day().isValid()
                       ? tr("Solving Today's Quote of %1")
                             .arg(QLocale().toString(session.day(), QLocale::LongFormat))
                       : tr("Solving a quote");
    if (!session.hasWordBreaks()) said += tr(", in groups of five letters without word breaks");
    if (const play::PuzzleKind *keyed = play::KeyedKindNamed(session.kind()))
        said += tr(", its key a keyed alphabet (%1)").arg(keyed->id().toUpper());
    // The letters on the board at the start: a level's given letters, or a
    // kept game's pairs.
    QString placed;
    for (qsizetype i = 0; i < g.shown().size() && i < g.Enciphered().size(); ++i)
        if (g.shown()[i] != SolveGame::Unsolved && g.Enciphered()[i].isLetter() &&
            !placed.contains(g.Enciphered()[i]))
            placed += g.Enciphered()[i];
    const int pencilled = int(session.pencil().split(u' ', Qt::SkipEmptyParts).size());
    if (session.restored()) {
        said += tr(", a kept game going on: %n letter(s) placed", nullptr, int(placed.size()));
        if (pencilled > 0) said += tr(" and %n pencil mark(s)", nullptr, pencilled);
    } else if (!placed.isEmpty()) {
        said += tr(", %n letter(s) given", nullptr, int(placed.size()));
    }
    return said + QStringLiteral(". ");
}

ScreenReader::ScreenReader(LobbySeam &lobby, BoardSeam &board)
    : BoardAddition(lobby, board, QStringLiteral("screenReader")) {
    connect(&lobby, &LobbySeam::modeArranged, this, &ScreenReader::modeShown);
    connect(&board, &BoardSeam::gameStarted, this, [this] {
        m_shownMode = LobbySeam::Mode::Solve;
        m_before = this->board.game().shown();
        say(StartSaid(this->board.session()) + spoken::Instruction() +
            tr(". F6 reads the solution so far, Shift+F6 the scrambled quote, F7 the letters "
               "still unknown"));
    });
    GameSession &session = board.session();
    connect(&session, &GameSession::changed, this, &ScreenReader::gameChanged);
    connect(&session, &GameSession::pausedChanged, this, [this](bool paused) {
        if (this->board.playing())
            say(paused ? tr("Paused: the puzzle is hidden and the clock stands still. F9 goes on.")
                       : tr("Going on"));
    });
    connect(&session, &GameSession::hintRefused, this,
            [this] { say(tr("No hints in an expert game: Explain a Step (F2) teaches instead")); });
    // After Solve, the answer as words.
    connect(&session, &GameSession::ended, this, [this](SolveGame::Outcome outcome) {
        if (outcome == SolveGame::Outcome::Shown)
            say(tr("The answer: %1").arg(this->board.game().SolveQuote()));
    });
    // Asked for at any time while solving.
    lobby.addKey(QKeySequence(Qt::Key_F6), [this] { SaySolution(); });
    lobby.addKey(QKeySequence(Qt::SHIFT | Qt::Key_F6), [this] { SayScrambled(); });
    lobby.addKey(QKeySequence(Qt::Key_F7), [this] { SayUnknown(); });
}

void ScreenReader::modeShown(LobbySeam::Mode now) {
    // A new screen is told by its name; solving says more as its game starts.
    using Mode = LobbySeam::Mode;
    if (now == m_shownMode) return;
    m_shownMode = now;
    // The list names itself as it takes the focus: said once, not twice.
    if (now == Mode::List)
        QTimer::singleShot(0, this, [this] {
            if (!qobject_cast<QAbstractItemView *>(lobby.window()->focusWidget()))
                say(tr("Quote list"));
        });
    if (now == Mode::Add) say(tr("Adding a new quote"));
    if (now == Mode::Edit) say(tr("Editing the quote"));
    if (now == Mode::Print)
        say(tr("Scramble and print. F6 reads the scrambled quote and its code key"));
}

void ScreenReader::gameChanged(GameSession::Move move) {
    using M = GameSession::Move;
    // A change of rule (pencil letters kept) changes no letter of the board;
    // told inside a move, as a firm letter ends its pencil letter, it must not
    // pass for the move's outcome.
    if (move == M::Rule) return;
    const SolveGame &g = board.game();
    const QString now = g.shown();
    // The move, said where the player is; a hint that gives no letter
    // changes nothing that could be said.
    if (!m_before.isEmpty() && g.isOpen() && !g.isOver() &&
        (move == M::Pair || move == M::Hint || move == M::Undo || move == M::Redo)) {
        const Move how = move == M::Hint   ? Move::Hint
                         : move == M::Undo ? Move::Undone
                         : move == M::Redo ? Move::Redone
                                           : Move::Typed;
        const auto [cipher, plain] = board.session().lastPair();
        const bool typed = how == Move::Typed;
        const QString said = MoveSaid(m_before, now, g.Enciphered(), typed ? cipher : QString(),
                                      typed ? plain : QString(), how);
        if (!said.isEmpty()) say(said);
    }
    m_before = now;
}

void ScreenReader::say(const QString &text) {
    m_said = text;
    lobby.say(text);
}

bool ScreenReader::hidden() {
    if (!board.session().paused()) return false;
    say(tr("The game is paused. F9 goes on."));
    return true;
}

void ScreenReader::SaySolution() {
    if (lobby.is(LobbySeam::Mode::Print)) {
        // The key the print panel shows is the one just made.
        const QString code = cipher::KeyLetters();
        QStringList key;
        for (qsizetype k = 0; k < code.size(); ++k)
            key << tr("%1 as %2").arg(QChar(char16_t('A' + k)), code[k]);
        say(tr("Scrambled quote: ") + spoken(lobby.scrambledOnShow()) + tr(". Code key: ") +
            key.join(QStringLiteral(", ")));
        return;
    }
    if (!board.onShow() || hidden()) return;
    const SolveGame &g = board.game();
    say(tr("Solution so far: ") +
        spoken::Letters(g.shown(),
                        spoken::PencilPlaces(board.session().pencil(), g.Enciphered(), g.shown())));
}

void ScreenReader::SayScrambled() {
    if (!board.onShow() || hidden()) return;
    say(tr("Scrambled quote: ") + spoken(board.game().Enciphered()));
}

void ScreenReader::SayUnknown() {
    if (!board.onShow() || hidden()) return;
    say(UnknownSaid(board.game().shown(), board.game().Enciphered(), board.session().pencil()));
}
