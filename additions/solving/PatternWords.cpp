#include "PatternWords.h"

#include "Dialogs.h"
#include "Difficulty.h"

namespace {

bool inWord(QChar c) {
    return (c.unicode() >= 'A' && c.unicode() <= 'Z') || c == u'\'';
}

// Where the word of the puzzle at `place` starts and ends.
std::pair<int, int> WordAt(const QString &text, int place) {
    if (place < 0 || place >= text.size() || !inWord(text[place])) return {-1, -1};
    int from = place, to = place + 1;
    while (from > 0 && inWord(text[from - 1]))
        --from;
    while (to < text.size() && inWord(text[to]))
        ++to;
    return {from, to};
}

} // namespace

PatternWords::PatternWords(LobbySeam &lobby, BoardSeam &board)
    : BoardAddition(lobby, board, QStringLiteral("patternWords")) {
    lobby.addSolveMenuItem(tr("Pattern &Words..."), {}, [this] { menuPatternWords_Click(); });
    connect(&board, &BoardSeam::gameStarted, this, [this] { m_place = -1; });
    connect(&board, &BoardSeam::puzzleHovered, this, [this](int place) {
        if (place >= 0) m_place = place;
    });
}

QString PatternWords::BoardPattern(const QString &enciphered, const QString &shown, int place) {
    const auto [from, to] = WordAt(enciphered, place);
    QString pattern;
    for (int i = from; i >= 0 && i < to; ++i) {
        const QChar s = i < shown.size() ? shown[i] : QChar();
        pattern += enciphered[i] == u'\'' ? u'\''
                   : s.unicode() >= 'A' && s.unicode() <= 'Z' ? s
                                                              : u'?';
    }
    return pattern;
}

QString PatternWords::WordsText(const QString &pattern, const std::vector<int> &words,
                                const solver::WordModel &model, int most) {
    if (words.empty()) return tr("No word the game knows fits %1.").arg(pattern);
    QStringList shown;
    for (size_t i = 0; i < words.size() && int(i) < most; ++i)
        shown << QString::fromStdString(model.text(words[i])).toUpper();
    QString text = tr("Words that fit %1, the commonest first:").arg(pattern) +
                   QStringLiteral("\n\n") + shown.join(QStringLiteral(", "));
    if (int(words.size()) > most)
        text += QLatin1Char(' ') + tr("and %n more", nullptr, int(words.size()) - most);
    return text;
}

void PatternWords::menuPatternWords_Click() {
    const SolveGame &g = board.game();
    const bool unbroken = !board.session().hasWordBreaks();
    QString offered;
    QString cipherWord;
    if (board.playing() && !unbroken) {
        int place = m_place;
        if (place < 0 && !board.cipherLetter().isNull()) {
            // The longest word holding the scrambled letter in the first box.
            for (int i = 0, best = 0; i < g.Enciphered().size(); ++i)
                if (g.Enciphered()[i] == board.cipherLetter()) {
                    const auto [from, to] = WordAt(g.Enciphered(), i);
                    if (to - from > best) best = to - from, place = i;
                }
        }
        offered = BoardPattern(g.Enciphered(), g.shown(), place);
        if (!offered.isEmpty()) {
            const auto [from, to] = WordAt(g.Enciphered(), place);
            cipherWord = g.Enciphered().mid(from, to - from);
        }
    }
    const std::optional<QString> asked = dialogs::input(
        lobby.window(), tr("Pattern Words"),
        tr("Type a pattern: a letter for each unknown letter, the same letter\nfor the same "
           "(ABCA), or the letters you know and ? for the others (?E?'S)."),
        offered);
    if (!asked || asked->trimmed().isEmpty()) return;
    const QString pattern = asked->trimmed().toUpper();
    const solver::WordModel &model = solver::WordModel::shared(
        g.isOpen() ? board.session().language() : solver::Language::English);
    // As offered, the words that fit the board there; typed anew, the pattern's.
    const bool onBoard = !cipherWord.isEmpty() && pattern == offered;
    const std::vector<int> words =
        onBoard ? solver::WordsThatFit(cipherWord, solver::KeyOf(g.Enciphered(), g.shown()), model)
                : model.matching(pattern.toStdString());
    dialogs::message(lobby.window(), tr("Pattern Words"),
                     WordsText(onBoard ? tr("%1 with the letters on the board (%2)")
                                             .arg(cipherWord, pattern)
                                       : pattern,
                               words, model),
                     dialogs::Icon::Information);
}
