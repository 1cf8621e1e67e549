#include "SolveGame.h"

#include "Minutes.h"
#include "modStandard.h"

void SolveGame::start(const QString &quote, const QString &enciphered) {
    m_quote = quote.trimmed();
    m_progress = m_quote;
    for (QChar &c : m_progress)
        if (c.unicode() >= 65 && c.unicode() <= 90) c = Unsolved;
    m_enciphered = enciphered;
    m_hints = 0;
    m_answerShown = false;
    m_open = true;
}

SolveGame::Outcome SolveGame::outcome() const {
    if (m_answerShown) return Outcome::Shown;
    return isOver() ? Outcome::Solved : Outcome::Abandoned;
}

bool SolveGame::close() {
    const bool wasOpen = m_open;
    m_open = false;
    return wasOpen;
}

void SolveGame::applyPair(const QString &cipher, const QString &plain) {
    applyPair(m_enciphered, cipher, plain);
}

void SolveGame::applyPair(const QString &enciphered, const QString &cipher, const QString &plain) {
    if (cipher.isEmpty() || plain.isEmpty() || m_answerShown) return;
    const QChar from = cipher[0], to = plain[0];
    for (int i = 0; i < enciphered.size() && i < m_progress.size(); ++i)
        if (enciphered[i] == from) m_progress[i] = to;
}

int SolveGame::takeHint(const QString &shown, const std::function<int(int, int)> &randomBetween) {
    if (!shown.contains(Unsolved)) return -1;
    int at;
    do
        at = randomBetween(1, int(shown.size())) - 1;
    while (shown[at] != Unsolved);
    modStandard::AddTo(m_hints, 1);
    return at;
}

QString SolveGame::minutesText(qint64 seconds) {
    return MinutesText(seconds);
}

QString SolveGame::congratulations(const QDateTime &now) const {
    const qint64 seconds = m_start.secsTo(now);
    return QStringLiteral("Congratulations!\r\nYou solved this scrambled quote\r\nin %1 minutes, "
                          "using %2 hints!")
        .arg(minutesText(qMax<qint64>(seconds, 0)))
        .arg(m_hints);
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
