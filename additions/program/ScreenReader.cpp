#include "ScreenReader.h"

#include "Announcer.h"
#include "KelButtonAccessible.h"
#include "PairHistory.h"
#include "frmMain.h"
#include "modSupport.h"

#include <algorithm>

#include <QAccessible>

namespace {

void tell(QObject *object, QAccessible::Event what) {
    QAccessibleEvent e(object, what);
    QAccessible::updateAccessibility(&e);
}

QString Instruction() {
    return ScreenReader::tr(
        "In the scrambled quote below, show the letter (type it in the first box) as a (type the "
        "letter it stands for in the second box)");
}

} // namespace

QString ScreenReader::spoken(const QString &solution) {
    // Letters one by one, words apart.
    QStringList words;
    for (const QString &word : solution.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QStringList letters;
        for (QChar c : word)
            letters << (c == SolveGame::Unsolved ? tr("blank") : QString(c));
        words << letters.join(QLatin1Char(' '));
    }
    return words.join(QStringLiteral(", "));
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
            return tr("%1 stands for %2 already").arg(cipher, plain);
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

QString ScreenReader::UnknownSaid(const QString &shown, const QString &enciphered) {
    QString unknown;
    for (qsizetype i = 0; i < shown.size() && i < enciphered.size(); ++i)
        if (shown[i] == SolveGame::Unsolved && !unknown.contains(enciphered[i]))
            unknown += enciphered[i];
    std::sort(unknown.begin(), unknown.end());
    if (unknown.isEmpty()) return tr("No letters are unknown");
    QStringList letters;
    for (QChar c : unknown)
        letters << QString(c);
    return tr("%1 unknown: %2")
        .arg(tr("%n letter(s)", nullptr, int(unknown.size())), letters.join(QStringLiteral(", ")));
}

ScreenReader::ScreenReader(frmMain &lobby)
    : LobbyAddition(lobby, QStringLiteral("screenReader")), m_announcer(new Announcer(&lobby)) {
    c.grid->setAccessibleName(tr("Quote list"));
    c.txtLetter[1]->setAccessibleName(tr("Scrambled letter"));
    c.txtLetter[1]->setAccessibleDescription(tr("Type a letter of the scrambled quote"));
    c.txtLetter[2]->setAccessibleName(tr("Stands for"));
    c.txtLetter[2]->setAccessibleDescription(
        tr("Type the letter the scrambled letter stands for; a space takes it back"));
    c.lblLetter->setAccessibleName(tr("Alphabet"));
    c.Label1->setBuddy(c.lblCode);
    for (int i : {1, 2})
        c.AniGiff[i]->setAccessibleName(c.AniGiff[i]->toolTip().trimmed());
    c.picQuoteList->setAccessibleName(tr("List panel"));
    c.picQuote->setAccessibleName(tr("Quote panel"));
    c.picPrintQuote->setAccessibleName(tr("Print panel"));
    c.picSolveRandomQuote->setAccessibleName(tr("Solve panel"));
    connect(c.grid, &QuoteGrid::rowChanged, this,
            [this] { c.grid->setAccessibleDescription(c.grid->list()->status()); });
    // The status line as shown, with what additions add to it when they know.
    connect(c.grid->list(), &QAbstractItemModel::headerDataChanged, this,
            [this] { c.grid->setAccessibleDescription(c.grid->list()->status()); });
    connect(&m, &frmMain::modeArranged, this, [this] {
        nameForMode();
        // A new screen is told by its name; solving says more as it starts.
        using Mode = LobbyMode::Mode;
        const Mode now = m.mode.current();
        if (now == m_shownMode) return;
        m_shownMode = now;
        if (now == Mode::List) say(tr("Quote list"));
        if (now == Mode::Add) say(tr("Adding a new quote"));
        if (now == Mode::Edit) say(tr("Editing the quote"));
        if (now == Mode::Print)
            say(tr("Scramble and print. F6 reads the scrambled quote and its code key"));
    });
    connect(&m, &frmMain::gameStarted, this, [this] {
        nameForMode();
        m_before.clear();
        c.txtLetter[1]->setAccessibleDescription(
            tr("Type a letter of the scrambled quote. F6 reads the solution so far, "
               "Shift+F6 the scrambled quote, F7 the letters still unknown"));
        m_shownMode = LobbyMode::Mode::Solve;
        say(tr("Solving a quote. ") + Instruction());
        solutionChanged();
    });
    if (auto *history = m.findChild<PairHistory *>(QString(), Qt::FindDirectChildrenOnly))
        connect(history, &PairHistory::stepping, this,
                [this](bool back) { m_next = back ? Move::Undone : Move::Redone; });
    // Asked for at any time while solving.
    for (const auto &[key, read] :
         {std::pair{QKeySequence(Qt::Key_F6), &ScreenReader::SaySolution},
          std::pair{QKeySequence(Qt::SHIFT | Qt::Key_F6), &ScreenReader::SayScrambled},
          std::pair{QKeySequence(Qt::Key_F7), &ScreenReader::SayUnknown}})
        onKey(key, read);
    connect(&m, &frmMain::solutionChanged, this, [this] { solutionChanged(); });
    connect(&m.session, &GameSession::ended, this, [this](SolveGame::Outcome outcome) {
        if (outcome != SolveGame::Outcome::Abandoned) gameEnded();
    });
    nameForMode();
    QAccessible::installActivationObserver(this);
    accessibilityActiveChanged(QAccessible::isActive());
}

ScreenReader::~ScreenReader() {
    QAccessible::removeActivationObserver(this);
}

void ScreenReader::accessibilityActiveChanged(bool active) {
    for (int i : {1, 2})
        c.txtBox[i]->setReadableByKeys(active);
}

void ScreenReader::nameForMode() {
    using Mode = LobbyMode::Mode;
    const Mode mode = m.mode.current();
    QuoteTextBox *quote = c.txtBox[1], *guide = c.txtBox[2];
    quote->setAccessibleDescription(QString());
    switch (mode) {
    case Mode::List:
        quote->setAccessibleName(tr("Highlighted quote"));
        break;
    case Mode::Add:
    case Mode::Edit:
        quote->setAccessibleName(mode == Mode::Add ? tr("New quote") : tr("Quote being edited"));
        // The rules, told with the box they are for.
        quote->setAccessibleDescription(frmMain::GuideTextForEditing());
        guide->setAccessibleName(tr("Rules for a quote"));
        break;
    case Mode::Print:
        quote->setAccessibleName(tr("Quote"));
        guide->setAccessibleName(tr("Scrambled quote"));
        c.lblCode->setAccessibleName(tr("Code key"));
        break;
    case Mode::Solve:
        quote->setAccessibleName(tr("Solution so far"));
        guide->setAccessibleName(tr("Scrambled quote"));
        c.lblSolveMessage->setAccessibleName(Instruction());
        c.cmdFinishedSolving->setAccessibleDescription(QString());
        break;
    }
    c.grid->setAccessibleDescription(c.grid->list()->status());
}

void ScreenReader::solutionChanged() {
    const QString now = m.game.shown();
    c.txtBox[1]->setAccessibleDescription(spoken(now));
    tell(c.txtBox[1], QAccessible::DescriptionChanged);
    // The move, said where the player is.
    if (!m_before.isEmpty() && m.game.isOpen() && !m.game.isOver()) {
        const Move how = m.game.HintCount() > m_hints ? Move::Hint : m_next;
        const bool typed = how == Move::Typed;
        const auto [cipher, plain] = m.session.lastPair();
        const QString said = MoveSaid(m_before, now, m.game.Enciphered(),
                                      typed ? cipher : QString(), typed ? plain : QString(), how);
        if (!said.isEmpty()) say(said);
    }
    m_before = now;
    m_hints = m.game.HintCount();
    m_next = Move::Typed;
}

void ScreenReader::say(const QString &text) {
    m_said = text;
    m_announcer->say(text);
}

void ScreenReader::SaySolution() {
    if (m.mode.is(LobbyMode::Mode::Print)) {
        // The key the print panel shows is the one just made.
        const QString code = cipher::KeyLetters();
        QStringList key;
        for (qsizetype k = 0; k < code.size(); ++k)
            key << tr("%1 as %2").arg(QChar(char16_t('A' + k)), code[k]);
        say(tr("Scrambled quote: ") + spoken(c.txtBox[2]->text()) + tr(". Code key: ") +
            key.join(QStringLiteral(", ")));
        return;
    }
    if (!m.mode.is(LobbyMode::Mode::Solve)) return;
    say(tr("Solution so far: ") + spoken(m.game.shown()));
}

void ScreenReader::SayScrambled() {
    if (!m.mode.is(LobbyMode::Mode::Solve)) return;
    say(tr("Scrambled quote: ") + spoken(m.game.Enciphered()));
}

void ScreenReader::SayUnknown() {
    if (!m.mode.is(LobbyMode::Mode::Solve)) return;
    say(UnknownSaid(m.game.shown(), m.game.Enciphered()));
}

void ScreenReader::gameEnded() {
    // The closing message: said at once, and again with the button that
    // takes the focus.
    const QString message = m.game.closingMessage(m.game.EndTime()).simplified();
    c.lblSolveMessage->setAccessibleName(message);
    c.cmdFinishedSolving->setAccessibleDescription(message);
    tell(c.lblSolveMessage, QAccessible::NameChanged);
    tell(c.lblSolveMessage, QAccessible::Alert);
}
