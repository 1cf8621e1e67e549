#include "Levels.h"

#include "Difficulty.h"
#include "QuoteRules.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QThreadPool>

#include <algorithm>

namespace play {

Level LevelOf(int difficulty) {
    return difficulty <= 2   ? Level::Easy
           : difficulty == 3 ? Level::Medium
           : difficulty == 4 ? Level::Hard
                             : Level::Expert;
}

int GivenLetters(Level level) {
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

bool HintsGiveLetters(Level level) {
    return level != Level::Expert;
}

QString LettersGiven(const QString &enciphered, Level level) {
    QList<QPair<int, QChar>> counts;
    for (char16_t l = u'A'; l <= u'Z'; ++l)
        if (const int n = int(enciphered.count(QChar(l)))) counts.append({-n, QChar(l)});
    std::sort(counts.begin(), counts.end());
    QString letters;
    for (int i = 0; i < GivenLetters(level) && i < counts.size(); ++i)
        letters += counts[i].second;
    return letters;
}

namespace {

// The quote's level as its puzzle shows it (letters written plain); -1 for a
// quote that reads as no language the solver knows.
int LevelOfQuote(const QString &key) {
    const int level = solver::RateQuote(quotes::PuzzleLetters(key)).level;
    return level > 0 ? level : QuoteLevels::NoLevel;
}

} // namespace

int QuoteLevels::rate(const QString &quote) {
    const QString key = quote.toUpper();
    auto it = m_levels.constFind(key);
    if (it != m_levels.cend()) return *it;
    const int level = LevelOfQuote(key);
    m_levels.insert(key, level);
    return level;
}

void QuoteLevels::rateLater(const QString &quote) {
    const QString key = quote.toUpper();
    if (m_levels.contains(key) || m_rating.contains(key)) return;
    m_rating.insert(key, true);
    QPointer<QuoteLevels> self(this);
    QThreadPool::globalInstance()->start([self, key] {
        const int level = LevelOfQuote(key);
        // Told on the window's thread, and only if the levels are still there.
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

} // namespace play
