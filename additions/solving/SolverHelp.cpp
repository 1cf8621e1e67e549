#include "SolverHelp.h"

#include "Dialogs.h"
#include "Difficulty.h"
#include "LetterModel.h"
#include "LetterSteps.h"
#include "Settings.h"
#include "WordModel.h"

#include <QThreadPool>
#include <QTimer>


namespace {

const QString Title = QStringLiteral(" Cipherly");

// The places of a step in the scrambled quote: each time its word stands
// whole, or each place of its letter. Without word breaks, each time its
// letters stand in a row, across the groups' blanks.
QList<int> PlacesOf(const QString &enciphered, const QString &word, bool unbroken) {
    if (word.size() == 1) return SolveGame::PlacesOf(enciphered, word[0]);
    if (unbroken) {
        QList<int> at; // where each letter of the text stands
        QString letters;
        for (qsizetype i = 0; i < enciphered.size(); ++i)
            if (enciphered[i].isLetter()) at << int(i), letters += enciphered[i];
        QList<int> places;
        for (qsizetype from = letters.indexOf(word); from >= 0;
             from = letters.indexOf(word, from + 1))
            for (qsizetype i = from; i < from + word.size(); ++i)
                if (!places.contains(at[i])) places << at[i];
        return places;
    }
    QList<int> places;
    const auto letter = [&](qsizetype i) {
        return i >= 0 && i < enciphered.size() && enciphered[i].isLetter();
    };
    for (qsizetype at = enciphered.indexOf(word); at >= 0; at = enciphered.indexOf(word, at + 1))
        if (!letter(at - 1) && !letter(at + word.size()))
            for (qsizetype i = at; i < at + word.size(); ++i)
                places << int(i);
    return places;
}

} // namespace

SolverHelp::SolverHelp(LobbySeam &lobby, BoardSeam &board)
    : BoardAddition(lobby, board, QStringLiteral("solverHelp")) {
    lobby.addListMenuItem(
        tr("Show &Difficulty"),
        [this] {
            Settings::SetOn(Settings::Keys::ShowDifficulty,
                            !Settings::IsOn(Settings::Keys::ShowDifficulty));
            showLevel();
        },
        [] { return Settings::IsOn(Settings::Keys::ShowDifficulty); });
    lobby.addListMenuItem(tr("Random Eas&y Game"), [this] { playRandom(Level::Easy); });
    lobby.addListMenuItem(tr("Random &Medium Game"), [this] { playRandom(Level::Medium); });
    lobby.addListMenuItem(tr("Random &Hard Game"), [this] { playRandom(Level::Hard); });
    lobby.addListMenuItem(tr("Random E&xpert Game"), [this] { playRandom(Level::Expert); });
    lobby.addSolveMenuItem(tr("E&xplain a Step\tF2"), {}, [this] { menuExplainStep_Click(); });
    lobby.addSolveMenuItem(tr("Chec&k My Letters\tF3"), {}, [this] { menuCheckLetters_Click(); });
    lobby.addKey(QKeySequence(Qt::Key_F2), [this] { menuExplainStep_Click(); });
    lobby.addKey(QKeySequence(Qt::Key_F3), [this] { menuCheckLetters_Click(); });

    connect(&lobby, &LobbySeam::highlightChanged, this, &SolverHelp::showLevel);
    connect(&lobby, &LobbySeam::quoteListFilled, this, &SolverHelp::showLevel);
    connect(&board.session().levels(), &play::QuoteLevels::rated, this, &SolverHelp::showLevel);
    connect(&board, &BoardSeam::gameStarted, this, [this] {
        m_marked = m_toldFull = false;
        m_explainedFor.clear();
        tellOtherLevel();
    });
    connect(&board, &BoardSeam::solutionChanged, this, &SolverHelp::solutionShown);

    // The solver's words are read once, off the window's thread, before a
    // level or a step needs them: German too for a player who reads German.
    // Not while the lobby opens: a desktop placing the window then must not
    // wait for a core (jwm put its title bar off the screen).
    connect(&lobby, &LobbySeam::lobbyOpened, this, [this] {
        QTimer::singleShot(2000, this, [german = solver::SpokenLanguage() == solver::Language::German] {
            QThreadPool::globalInstance()->start([german] {
                solver::WordModel::shared(solver::Language::English);
                solver::LetterModel::shared(solver::Language::English);
                if (!german) return;
                solver::WordModel::shared(solver::Language::German);
                solver::LetterModel::shared(solver::Language::German);
            });
        });
    });
}

QString SolverHelp::LevelName(int level) {
    // Random Easy Game takes both of the first two.
    static const char *const Names[] = {"",
                                        QT_TRANSLATE_NOOP("SolverHelp", "Very easy"),
                                        QT_TRANSLATE_NOOP("SolverHelp", "Easy"),
                                        QT_TRANSLATE_NOOP("SolverHelp", "Medium"),
                                        QT_TRANSLATE_NOOP("SolverHelp", "Hard"),
                                        QT_TRANSLATE_NOOP("SolverHelp", "Expert")};
    if (level < 1 || level > 5) return {};
    return tr("%1 (%2/5)").arg(tr(Names[level])).arg(level);
}

QString SolverHelp::LevelNote(int level) {
    if (level < 1 || level > 5) return {};
    return tr(" \u00B7 %1").arg(LevelName(level));
}

// ---- The highlighted quote's level -------------------------------------

void SolverHelp::showLevel() {
    const QStringList &quotes = lobby.quotes();
    const int row = lobby.highlightedRow();
    if (!Settings::IsOn(Settings::Keys::ShowDifficulty) || row < 1 || row > quotes.size()) {
        lobby.setStatusNote(objectName(), {});
        return;
    }
    play::QuoteLevels &levels = board.session().levels();
    const int level = levels.known(quotes[row - 1]);
    lobby.setStatusNote(objectName(), LevelNote(level));
    if (level == 0) levels.rateLater(quotes[row - 1]);
}

// ---- Games of a level ---------------------------------------------------

void SolverHelp::playRandom(Level level) {
    m_asked = level;
    lobby.playRecord(0, level);
    m_asked = Level::Any;
}

void SolverHelp::tellOtherLevel() {
    if (m_asked == Level::Any) return;
    const int difficulty = board.session().levels().rate(board.game().SolveQuote());
    if (difficulty > 0 && play::LevelOf(difficulty) == m_asked) return;
    static const char *const Asked[] = {"", QT_TR_NOOP("Easy"), QT_TR_NOOP("Medium"),
                                        QT_TR_NOOP("Hard"), QT_TR_NOOP("Expert")};
    const QString asked = tr(Asked[int(m_asked)]);
    // Told once the game is on screen.
    const QString text =
        difficulty > 0
            ? tr("No %1 quote came up in the list; this one is the nearest: %2.")
                  .arg(asked, LevelName(difficulty))
            : tr("No %1 quote came up in the list; this one has no level: the solver does "
                 "not read its language.")
                  .arg(asked);
    QTimer::singleShot(0, this, [this, text] {
        dialogs::message(lobby.window(), Title, text, dialogs::Icon::Information);
    });
}

// ---- Teaching, checking -------------------------------------------------

void SolverHelp::mark(BoardSeam::Marks layer, const QList<int> &places) {
    board.setMarks(layer, places);
    m_marked = !places.isEmpty();
}

void SolverHelp::solutionShown() {
    if (m_marked) {
        // Marks are for the board they were made on.
        board.setMarks(BoardSeam::Marks::Step, {});
        board.setMarks(BoardSeam::Marks::Wrong, {});
        m_marked = false;
    }
    if (!board.playing()) return;
    if (!board.game().boardFull()) {
        m_toldFull = false;
        return;
    }
    if (m_toldFull) return;
    m_toldFull = true;
    dialogs::message(lobby.window(), Title,
                     tr("Every letter has its place, but the quote does not read "
                        "right yet: some letters are wrong.\n\nCheck My Letters (F3) "
                        "marks them."),
                     dialogs::Icon::Information);
}

void SolverHelp::menuExplainStep_Click() {
    if (!board.playing()) return;
    const SolveGame &g = board.game();
    const solver::Key truth = solver::KeyOf(g.Enciphered(), g.SolveQuote());
    const solver::Key placed = solver::KeyOf(g.Enciphered(), g.SolveProgress());
    // A board without word breaks is taught from its letters.
    const bool unbroken = !board.session().hasWordBreaks();
    const solver::Language language = board.session().language();
    const solver::Step step =
        unbroken ? solver::NextLetterStep(g.Enciphered(), truth, placed, language)
                 : solver::NextStep(g.Enciphered(), truth, placed,
                                    &solver::WordModel::shared(language));
    if (step.pairs.empty()) return;
    // Asked again with no move in between: the same step, and no second hint.
    if (g.SolveProgress() != m_explainedFor) board.session().countHint();
    m_explainedFor = g.SolveProgress();
    mark(BoardSeam::Marks::Step, PlacesOf(g.Enciphered(), step.word, unbroken));
    QString text = step.sentence;
    bool wrong = false;
    for (int i = 0; i < 26; ++i)
        wrong |= placed[size_t(i)] && placed[size_t(i)] != truth[size_t(i)];
    if (wrong)
        text += tr("\n\n(Some of the letters you placed are wrong; the step does "
                   "not use them. Check My Letters (F3) marks them.)");
    dialogs::message(lobby.window(), tr(" Cipherly - Explain a Step"), text,
                     dialogs::Icon::Information);
}

void SolverHelp::menuCheckLetters_Click() {
    if (!board.playing()) return;
    const SolveGame &g = board.game();
    if (!g.anyPlaced()) {
        dialogs::message(lobby.window(), Title, tr("No letters are placed yet."),
                         dialogs::Icon::Information);
        return;
    }
    const QList<int> wrong = g.wrongPlaces();
    QStringList letters; // the scrambled letters given a wrong one
    for (int i : wrong)
        if (!letters.contains(g.Enciphered()[i])) letters << g.Enciphered()[i];
    board.session().countHint();
    mark(BoardSeam::Marks::Wrong, wrong);
    const QString text =
        letters.isEmpty() ? tr("Every letter you have placed is right.")
        : letters.size() == 1
            ? tr("One of your letters is wrong: %1, marked in the puzzle.").arg(letters.first())
            : tr("%1 of your letters are wrong: %2, marked in the puzzle.")
                  .arg(letters.size())
                  .arg(letters.join(QStringLiteral(", ")));
    dialogs::message(lobby.window(), Title, text, dialogs::Icon::Information);
}
