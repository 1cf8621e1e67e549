#include "DailyQuote.h"

#include "GameLimits.h"

#include "QuoteRules.h"
#include "WordModel.h"
#include "modSupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <random>

namespace play {

namespace {

// A collection: a quote a line, the first line the first day's.
QStringList Read(const QString &name) {
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly)) return QStringList();
    return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

const QStringList &Collection(DailyLanguage language = DailyLanguage::English) {
    static const QStringList english = Read(QStringLiteral(":/game/daily.txt"));
    static const QStringList german = Read(QStringLiteral(":/game/daily-de.txt"));
    return language == DailyLanguage::German ? german : english;
}

// The key of a day: a derangement (no letter for itself) drawn from the
// date alone, with numbers std::mt19937 gives alike everywhere.
QString KeyOfDay(const QDate &day) {
    std::mt19937 rng(uint32_t(day.toJulianDay()));
    QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    // Sattolo's shuffle: one cycle through all 26, so none stays in place.
    for (qsizetype i = letters.size() - 1; i > 0; --i)
        std::swap(letters[i], letters[qsizetype(rng() % uint32_t(i))]);
    return letters;
}

} // namespace

QDate FirstDailyDate() {
    return limits::FirstDailyDate();
}

int DailyDays() {
    return int(Collection().size());
}

DailyLanguage SpokenDailyLanguage() {
    return solver::SpokenLanguage() == solver::Language::German ? DailyLanguage::German
                                                                : DailyLanguage::English;
}

std::optional<Puzzle> DailyPuzzle(const QDate &day, DailyLanguage language) {
    const QStringList &lines = Collection(language);
    if (!day.isValid() || day < FirstDailyDate() || lines.isEmpty()) return std::nullopt;
    // Past the collection's end it starts again, on the same weekday.
    const qint64 n = FirstDailyDate().daysTo(day) % ((lines.size() / 7) * 7);
    Puzzle p;
    p.board = quotes::PuzzleLetters(lines[n]);
    p.key = KeyOfDay(day);
    p.enciphered = cipher::EncipherWith(p.key, p.board);
    return p;
}

QString DayName(const QDate &day) {
    return day.toString(Qt::ISODate);
}

QDate DayOf(const QString &name, bool *wellFormed) {
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const bool formed = form.match(name).hasMatch();
    if (wellFormed) *wellFormed = formed;
    return formed ? QDate::fromString(name, Qt::ISODate) : QDate();
}

} // namespace play
