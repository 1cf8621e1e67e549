#include "SolverHelp.h"

#include "Dialogs.h"
#include "Difficulty.h"
#include "KelButton.h"
#include "QuoteGrid.h"
#include "QuoteTextBox.h"
#include "Settings.h"
#include "frmMain.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

#include <algorithm>

const QColor SolverHelp::MarkedLetter(150, 220, 255);
const QColor SolverHelp::WrongLetter(255, 150, 150);

namespace {

const QString Title = QStringLiteral(" Cipherly");

// The places of a step in the scrambled quote: each time its word stands
// whole, or each place of its letter.
QList<int> PlacesOf(const QString &enciphered, const QString &word) {
    if (word.size() == 1) return SolveGame::PlacesOf(enciphered, word[0]);
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

SolverHelp::SolverHelp(frmMain &lobby) : LobbyAddition(lobby, QStringLiteral("solverHelp")) {
    m.addListMenuItem(
        tr("Show &Difficulty"),
        [this] {
            Settings::SetOn(Settings::Keys::ShowDifficulty,
                            !Settings::IsOn(Settings::Keys::ShowDifficulty));
            showLevel();
        },
        [] { return Settings::IsOn(Settings::Keys::ShowDifficulty); });
    m.addListMenuItem(tr("Random Eas&y Game"), [this] { playRandom(Level::Easy); });
    m.addListMenuItem(tr("Random &Medium Game"), [this] { playRandom(Level::Medium); });
    m.addListMenuItem(tr("Random &Hard Game"), [this] { playRandom(Level::Hard); });
    m.addListMenuItem(tr("Random E&xpert Game"), [this] { playRandom(Level::Expert); });
    m.addSolveMenuItem(tr("E&xplain a Step\tF2"), {}, [this] { menuExplainStep_Click(); });
    m.addSolveMenuItem(tr("&Check My Letters\tF3"), {}, [this] { menuCheckLetters_Click(); });
    for (const auto &[key, action] : {std::pair{Qt::Key_F2, &SolverHelp::menuExplainStep_Click},
                                      std::pair{Qt::Key_F3, &SolverHelp::menuCheckLetters_Click}})
        onKey(QKeySequence(key), action);

    // The draw of a random game, narrowed to a level while one is asked for.
    m.session.drawRecord = [this, draw = m.session.drawRecord](qint16 count) {
        return m_wanted == Level::Any ? draw(count) : drawAtLevel(count, draw);
    };
    connect(c.grid, &QuoteGrid::rowChanged, this, &SolverHelp::showLevel);
    connect(&m, &frmMain::quoteListFilled, this, &SolverHelp::showLevel);
    connect(this, &SolverHelp::rated, this, &SolverHelp::showLevel);
    connect(&m, &frmMain::gameStarted, this, &SolverHelp::gameShown);
    connect(&m, &frmMain::solutionChanged, this, &SolverHelp::solutionShown);
    connect(&m, &frmMain::modeArranged, this, [this](LobbyMode::Mode mode) {
        if (mode != LobbyMode::Mode::Solve) c.cmdHint->setEnabledProperty(true);
    });
}

QString SolverHelp::LevelNote(int level) {
    static const char *const Names[] = {"",
                                        QT_TRANSLATE_NOOP("SolverHelp", "Easy"),
                                        QT_TRANSLATE_NOOP("SolverHelp", "Easy"),
                                        QT_TRANSLATE_NOOP("SolverHelp", "Medium"),
                                        QT_TRANSLATE_NOOP("SolverHelp", "Hard"),
                                        QT_TRANSLATE_NOOP("SolverHelp", "Expert")};
    if (level < 1 || level > 5) return {};
    return tr(" \u00B7 %1 (%2/5)").arg(tr(Names[level])).arg(level);
}

SolverHelp::Level SolverHelp::LevelOf(int difficulty) {
    return difficulty <= 2   ? Level::Easy
           : difficulty == 3 ? Level::Medium
           : difficulty == 4 ? Level::Hard
                             : Level::Expert;
}

int SolverHelp::GivenLetters(Level level) {
    switch (level) {
    case Level::Easy:
        return 4;
    case Level::Medium:
        return 2;
    case Level::Hard:
        return 1;
    default:
        return 0;
    }
}

// ---- The highlighted quote's level -------------------------------------

void SolverHelp::showLevel() {
    QuoteListModel *list = c.grid->list();
    const int row = c.grid->row();
    if (!Settings::IsOn(Settings::Keys::ShowDifficulty) || row < 1 || row > list->quotes().size()) {
        list->setStatusNote(objectName(), {});
        return;
    }
    const QString quote = list->quotes()[row - 1];
    const int level = knownLevel(quote);
    list->setStatusNote(objectName(), LevelNote(level));
    if (level == 0) rateInBackground(quote);
}

void SolverHelp::rateInBackground(const QString &quote) {
    const QString key = quote.toUpper();
    if (m_rating.contains(key)) return;
    m_rating.insert(key, true);
    QPointer<SolverHelp> self(this);
    QThreadPool::globalInstance()->start([self, key] {
        const int level = solver::RateQuote(key).level;
        // Told on the lobby's thread, and only if the lobby is still there.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, key, level] {
                if (!self) return;
                self->m_rating.remove(key);
                self->m_levels.insert(key, level);
                emit self->rated(key, level);
            },
            Qt::QueuedConnection);
    });
}

// ---- Games of a level ---------------------------------------------------

void SolverHelp::playRandom(Level level) {
    m_wanted = level;
    m.PlayRecord(0);
    m_wanted = Level::Any;
}

qint16 SolverHelp::drawAtLevel(qint16 count, const std::function<qint16(qint16)> &draw) {
    const QStringList &quotes = c.grid->list()->quotes();
    if (quotes.size() != count) return draw(count);
    // Drawn as ever (the freshest quotes first), until one is of the level;
    // if none comes within a fair number of draws, the nearest level seen.
    qint16 best = 0;
    int bestDistance = 99;
    for (int tries = 0; tries < 40 && bestDistance > 0; ++tries) {
        const qint16 record = draw(count);
        if (record < 1 || record > count) continue;
        const QString key = quotes[record - 1].toUpper();
        if (!m_levels.contains(key)) m_levels.insert(key, solver::RateQuote(key).level);
        const int distance = std::abs(int(LevelOf(m_levels[key])) - int(m_wanted));
        if (distance < bestDistance) bestDistance = distance, best = record;
    }
    return best ? best : draw(count);
}

void SolverHelp::gameShown() {
    m_gameLevel = m_wanted;
    m_marked = m_toldFull = false;
    // A new game of a level says whether Hint gives letters; a kept game
    // comes back as it was kept.
    if (m_wanted != Level::Any) m.session.setHintsGiveLetters(m_gameLevel != Level::Expert);
    c.cmdHint->setEnabledProperty(m.session.hintsGiveLetters());
    const int given = GivenLetters(m_gameLevel);
    if (given == 0 || m.game.isOver()) return;
    // The commonest scrambled letters are given.
    const QString &enciphered = m.game.Enciphered();
    QList<QPair<int, QChar>> counts;
    for (QChar l = u'A'; l <= u'Z'; l = QChar(l.unicode() + 1))
        if (const int n = int(enciphered.count(l))) counts.append({-n, l});
    std::sort(counts.begin(), counts.end());
    QString letters;
    for (int i = 0; i < given && i < counts.size(); ++i)
        letters += counts[i].second;
    m.session.give(letters);
    m.ShowSolution();
}

// ---- Teaching, checking -------------------------------------------------

bool SolverHelp::playing() const {
    return m.mode.is(LobbyMode::Mode::Solve) && m.game.isOpen() && !m.game.isOver();
}

void SolverHelp::mark(const QList<int> &places, const QColor &colour) {
    for (int i : {1, 2})
        c.txtBox[i]->setHighlighted(places, colour);
    m_marked = !places.isEmpty();
}

void SolverHelp::solutionShown() {
    if (m_marked) mark({}, MarkedLetter); // marks are for the board they were made on
    if (!playing()) return;
    const SolveGame &g = m.game;
    const bool full = !g.SolveProgress().contains(SolveGame::Unsolved);
    if (!full) {
        m_toldFull = false;
        return;
    }
    if (m_toldFull) return;
    m_toldFull = true;
    dialogs::message(Window(m), Title,
                     tr("Every letter has its place, but the quote does not read "
                        "right yet: some letters are wrong.\n\nCheck My Letters (F3) "
                        "marks them."),
                     dialogs::Icon::Information);
}

void SolverHelp::menuExplainStep_Click() {
    if (!playing()) return;
    const SolveGame &g = m.game;
    const solver::Key truth = solver::KeyOf(g.Enciphered(), g.SolveQuote());
    const solver::Key board = solver::KeyOf(g.Enciphered(), g.SolveProgress());
    const solver::Step step = solver::NextStep(g.Enciphered(), truth, board);
    if (step.pairs.empty()) return;
    m.session.countHint();
    mark(PlacesOf(g.Enciphered(), step.word), MarkedLetter);
    QString text = step.sentence;
    bool wrong = false;
    for (int i = 0; i < 26; ++i)
        wrong |= board[size_t(i)] && board[size_t(i)] != truth[size_t(i)];
    if (wrong)
        text += tr("\n\n(Some of the letters you placed are wrong; the step does "
                   "not use them. Check My Letters (F3) marks them.)");
    dialogs::message(Window(m), tr(" Cipherly - Explain a Step"), text, dialogs::Icon::Information);
}

void SolverHelp::menuCheckLetters_Click() {
    if (!playing()) return;
    const SolveGame &g = m.game;
    const QString &progress = g.SolveProgress(), &quote = g.SolveQuote();
    QList<int> wrong;
    QStringList letters; // the scrambled letters given a wrong one
    bool placed = false;
    for (int i = 0; i < progress.size() && i < quote.size(); ++i) {
        if (progress[i] == SolveGame::Unsolved || quote[i] < u'A' || quote[i] > u'Z') continue;
        placed = true;
        if (progress[i] == quote[i]) continue;
        wrong << i;
        if (!letters.contains(g.Enciphered()[i])) letters << g.Enciphered()[i];
    }
    if (!placed) {
        dialogs::message(Window(m), Title, tr("No letters are placed yet."),
                         dialogs::Icon::Information);
        return;
    }
    m.session.countHint();
    mark(wrong, WrongLetter);
    const QString text =
        letters.isEmpty() ? tr("Every letter you have placed is right.")
        : letters.size() == 1
            ? tr("One of your letters is wrong: %1, marked in the puzzle.").arg(letters.first())
            : tr("%1 of your letters are wrong: %2, marked in the puzzle.")
                  .arg(letters.size())
                  .arg(letters.join(QStringLiteral(", ")));
    dialogs::message(Window(m), Title, text, dialogs::Icon::Information);
}
