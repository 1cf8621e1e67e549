#include "SolveGame.h"

#include "Minutes.h"
#include "modStandard.h"
#include <QCoreApplication>

#include <cmath>

void SolveGame::start(const QString &quote, const QString &enciphered) {
    m_quote = quote.trimmed();
    m_progress = m_quote;
    for (QChar &c : m_progress)
        if (c.unicode() >= 65 && c.unicode() <= 90) c = Unsolved;
    m_enciphered = enciphered;
    m_hints = 0;
    m_answerShown = false;
    m_open = true;
    m_ended = QDateTime();
    m_done.clear();
    m_undone.clear();
    m_hintPending = false;
}

void SolveGame::restore(const QString &quote, const QString &enciphered, const QString &progress,
                        qint16 hints) {
    start(quote, enciphered);
    if (fits(m_quote, progress)) m_progress = progress;
    m_hints = hints;
}

QString SolveGame::textOf(const Change &c) {
    QStringList places;
    for (int p : c.places)
        places << QString::number(p);
    return places.join(QLatin1Char(',')) + QLatin1Char(':') + c.before + QLatin1Char(':') + c.after;
}

QString SolveGame::historyText(bool undone) const {
    QStringList out;
    for (const Change &c : undone ? m_undone : m_done)
        out << textOf(c);
    return out.join(QLatin1Char(';'));
}

void SolveGame::boundHistory() {
    qsizetype bytes = 0;
    for (const QList<Change> *list : {&m_done, &m_undone})
        for (const Change &c : *list)
            bytes += textOf(c).toUtf8().size() + 1;
    while (bytes > HistoryBytes && !m_done.isEmpty())
        bytes -= textOf(m_done.takeFirst()).toUtf8().size() + 1;
}

bool SolveGame::restoreHistory(const QString &done, const QString &undone) {
    auto isMark = [](QChar c) { return c == Unsolved || (c >= u'A' && c <= u'Z'); };
    auto cipherAt = [this](int i) { return i < m_enciphered.size() ? m_enciphered[i] : QChar(); };
    auto parse = [&](const QString &text, QList<Change> &into) {
        into.clear();
        if (text.isEmpty()) return true;
        for (const QString &one : text.split(QLatin1Char(';'))) {
            const QStringList parts = one.split(QLatin1Char(':'));
            if (parts.size() != 3) return false;
            Change c;
            for (const QString &p : parts[0].split(QLatin1Char(','))) {
                bool ok = false;
                const int at = p.toInt(&ok);
                // Only the places of letters can have changed.
                if (!ok || at < 0 || at >= m_quote.size() || m_quote[at] < u'A' ||
                    m_quote[at] > u'Z')
                    return false;
                c.places << at;
            }
            c.before = parts[1];
            c.after = parts[2];
            if (c.before.size() != c.places.size() || c.after.size() != c.places.size())
                return false;
            // One pair: the places of one scrambled letter, one letter before
            // and one after.
            for (qsizetype k = 0; k < c.places.size(); ++k)
                if (!isMark(c.before[k]) || !isMark(c.after[k]) || c.before[k] != c.before[0] ||
                    c.after[k] != c.after[0] || cipherAt(c.places[k]) != cipherAt(c.places[0]))
                    return false;
            into << c;
        }
        return true;
    };
    if (!parse(done, m_done) || !parse(undone, m_undone)) {
        m_done.clear();
        m_undone.clear();
        return false;
    }
    // Replayed against the board, newest first, each way: a pair that does
    // not fit the board it would step from, or a step that would make the
    // board the quote (a game that had been the quote was over), goes, and
    // every older one with it.
    auto replay = [this](QList<Change> &changes, bool back) {
        QString board = m_progress;
        for (qsizetype i = changes.size() - 1; i >= 0; --i) {
            const Change &c = changes[i];
            const QString &from = back ? c.after : c.before, &to = back ? c.before : c.after;
            bool fits = true;
            for (qsizetype k = 0; k < c.places.size(); ++k) {
                fits &= board[c.places[k]] == from[k];
                board[c.places[k]] = to[k];
            }
            if (!fits || board == m_quote) {
                changes.remove(0, i + 1);
                return false;
            }
        }
        return true;
    };
    const bool doneFits = replay(m_done, true);
    const bool undoneFits = replay(m_undone, false);
    boundHistory();
    return undoneFits && doneFits;
}

bool SolveGame::fits(const QString &quote, const QString &progress) {
    if (quote.size() != progress.size()) return false;
    for (qsizetype i = 0; i < quote.size(); ++i) {
        const bool letter = quote[i].unicode() >= 'A' && quote[i].unicode() <= 'Z';
        if (letter ? !(progress[i] == Unsolved ||
                       (progress[i].unicode() >= 'A' && progress[i].unicode() <= 'Z'))
                   : progress[i] != quote[i])
            return false;
    }
    return true;
}

bool SolveGame::undo() {
    return step(m_done, m_undone, true);
}

bool SolveGame::redo() {
    return step(m_undone, m_done, false);
}

bool SolveGame::step(QList<Change> &from, QList<Change> &to, bool back) {
    if (from.isEmpty() || isOver()) return false;
    const Change c = from.takeLast();
    const QString &was = back ? c.after : c.before, &becomes = back ? c.before : c.after;
    for (qsizetype k = 0; k < c.places.size(); ++k)
        if (m_progress[c.places[k]] == was[k]) m_progress[c.places[k]] = becomes[k];
    to << c;
    return true;
}

SolveGame::Outcome SolveGame::outcome() const {
    if (m_answerShown) return Outcome::Shown;
    return isOver() ? Outcome::Solved : Outcome::Abandoned;
}

bool SolveGame::close(const QDateTime &at) {
    const bool wasOpen = m_open;
    if (wasOpen) m_ended = at;
    m_open = false;
    return wasOpen;
}

void SolveGame::applyPair(const QString &cipher, const QString &plain) {
    applyPair(m_enciphered, cipher, plain);
}

void SolveGame::applyPair(const QString &enciphered, const QString &cipher, const QString &plain) {
    const bool hint = m_hintPending;
    m_hintPending = false;
    if (cipher.isEmpty() || plain.isEmpty() || m_answerShown) return;
    const QChar from = cipher[0], to = plain[0];
    Change c;
    for (int i = 0; i < enciphered.size() && i < m_progress.size(); ++i)
        if (enciphered[i] == from && m_progress[i] != to) {
            c.places << i;
            c.before += m_progress[i];
            c.after += to;
            m_progress[i] = to;
        }
    if (c.places.isEmpty()) return;
    // A hint is no pair the player placed: it cannot be taken back. A new
    // pair ends what could be put back.
    m_undone.clear();
    if (!hint) {
        m_done << c;
        boundHistory();
    }
}

void SolveGame::countHint() {
    modStandard::AddTo(m_hints, 1);
}

int SolveGame::takeHint(const QString &shown, const std::function<int(int, int)> &randomBetween) {
    if (!shown.contains(Unsolved)) return -1;
    int at;
    do
        at = randomBetween(1, int(shown.size())) - 1;
    while (shown[at] != Unsolved);
    modStandard::AddTo(m_hints, 1);
    m_hintPending = true;
    return at;
}

int SolveGame::nextUnsolved(int from) const {
    const QString &board = shown();
    const int n = int(board.size());
    for (int step = 1; step <= n; ++step) {
        const int at = ((from < 0 ? -1 : from) + step) % n;
        if (board[at] == Unsolved) return at;
    }
    return -1;
}

int SolveGame::takeHintOf(QChar cipher) {
    const QString board = shown();
    for (int i = 0; i < m_enciphered.size() && i < board.size(); ++i)
        if (m_enciphered[i] == cipher && board[i] != m_quote[i]) {
            modStandard::AddTo(m_hints, 1);
            m_hintPending = true;
            return i;
        }
    return -1;
}

QString SolveGame::minutesText(qint64 seconds) {
    return MinutesText(seconds);
}

QString SolveGame::congratulations(const QDateTime &now) const {
    const qint64 seconds = m_start.secsTo(now);
    // The design's English says "hints" whatever their number; a language
    // with forms of its own counts in them.
    return QCoreApplication::translate("SolveGame",
                                       "Congratulations!\nYou solved this scrambled quote\nin %1 "
                                       "minutes, using %n hint(s)!",
                                       nullptr, m_hints)
        .arg(minutesText(qMax<qint64>(seconds, 0)))
        .replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

QString SolveGame::closingMessage(const QDateTime &at) const {
    if (outcome() == Outcome::Solved)
        return congratulations(at).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return QLatin1Char('\n') +
           QCoreApplication::translate("SolveGame", "See the solved message below.");
}

QList<int> SolveGame::PlacesOf(const QString &enciphered, QChar cipher) {
    QList<int> out;
    for (int i = 0; i < enciphered.size(); ++i)
        if (enciphered[i] == cipher) out << i;
    return out;
}

QList<SolveGame::StripEntry> SolveGame::LetterStrip(const QString &enciphered,
                                                    const QString &shown) {
    QList<StripEntry> strip(26);
    for (int k = 0; k < 26; ++k)
        strip[k].cipher = QChar('A' + k);
    for (int i = 0; i < enciphered.size() && i < shown.size(); ++i) {
        const char16_t c = enciphered[i].unicode();
        if (c < 'A' || c > 'Z') continue;
        StripEntry &e = strip[c - 'A'];
        ++e.count;
        const QChar given = shown[i];
        if (given != Unsolved && given.unicode() >= 'A' && given.unicode() <= 'Z') e.plain = given;
    }
    // A plain letter given to more than one cipher letter is marked on each.
    int uses[26] = {};
    for (const StripEntry &e : strip)
        if (!e.plain.isNull()) ++uses[e.plain.unicode() - 'A'];
    for (StripEntry &e : strip)
        e.conflict = !e.plain.isNull() && uses[e.plain.unicode() - 'A'] > 1;
    return strip;
}

QList<SolveGame::StripEntry> SolveGame::PlainStrip(const QString &enciphered,
                                                   const QString &shown,
                                                   const std::array<double, 26> &shares) {
    const QList<StripEntry> byCipher = LetterStrip(enciphered, shown);
    int letters = 0;
    for (const StripEntry &e : byCipher)
        letters += e.count;
    QList<StripEntry> strip(26);
    for (int k = 0; k < 26; ++k) {
        strip[k].cipher = QChar('A' + k);
        strip[k].count = int(std::lround(shares[size_t(k)] * letters));
    }
    for (const StripEntry &e : byCipher) {
        if (e.plain.isNull()) continue;
        StripEntry &p = strip[e.plain.unicode() - 'A'];
        if (p.plain.isNull())
            p.plain = e.cipher;
        else
            p.conflict = true;
    }
    return strip;
}

namespace {

bool isQuoteLetter(QChar c) {
    return c.unicode() >= 'A' && c.unicode() <= 'Z';
}

} // namespace

QList<int> SolveGame::wrongPlaces() const {
    QList<int> wrong;
    for (int i = 0; i < m_progress.size() && i < m_quote.size(); ++i)
        if (isQuoteLetter(m_quote[i]) && m_progress[i] != Unsolved && m_progress[i] != m_quote[i])
            wrong << i;
    return wrong;
}

bool SolveGame::anyPlaced() const {
    for (int i = 0; i < m_progress.size() && i < m_quote.size(); ++i)
        if (isQuoteLetter(m_quote[i]) && m_progress[i] != Unsolved) return true;
    return false;
}
