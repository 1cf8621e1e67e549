#include "GameFile.h"

#include "DailyQuote.h"
#include "GameLimits.h"
#include "KeyedPuzzles.h"
#include "NoWordBreaks.h"
#include "QuoteRules.h"

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace play {

namespace {

const QByteArray Heading = "Cipherly game in progress 1";

} // namespace

stats::Outcome RecordOutcome(SolveGame::Outcome outcome) {
    return outcome == SolveGame::Outcome::Solved  ? stats::Outcome::Solved
           : outcome == SolveGame::Outcome::Shown ? stats::Outcome::Shown
                                                  : stats::Outcome::Abandoned;
}

int KeptGame::pairsPlaced() const {
    QSet<QChar> pairs;
    for (qsizetype i = 0; i < progress.size() && i < quote.size() && i < enciphered.size(); ++i)
        if (quote[i].unicode() >= 'A' && quote[i].unicode() <= 'Z' &&
            progress[i] != SolveGame::Unsolved)
            pairs.insert(enciphered[i]);
    return int(pairs.size());
}

QByteArray FormatGameFile(const KeptGame &s) {
    QByteArray out = Heading + '\n';
    out += "started=" + s.started.toString(Qt::ISODate).toUtf8() + '\n';
    out += "seconds=" + QByteArray::number(s.seconds) + '\n';
    out += "hints=" + QByteArray::number(s.hints) + '\n';
    out += "key=" + s.key.toUtf8() + '\n';
    out += "quote=" + s.quote.toUtf8() + '\n';
    out += "enciphered=" + s.enciphered.toUtf8() + '\n';
    out += "progress=" + s.progress.toUtf8() + '\n';
    out += "done=" + s.done.toUtf8() + '\n';
    out += "undone=" + s.undone.toUtf8() + '\n';
    if (!s.letterHints) out += "letterhints=no\n"; // written only for an expert game
    if (s.day.isValid()) out += "day=" + s.day.toString(Qt::ISODate).toUtf8() + '\n';
    if (!s.kind.isEmpty()) out += "kind=" + s.kind.toUtf8() + '\n';
    if (!s.original.isEmpty()) out += "original=" + s.original.toUtf8() + '\n';
    if (!s.pencil.isEmpty()) out += "pencil=" + s.pencil.toUtf8() + '\n';
    if (s.replay) out += "replay=yes\n";
    if (s.ended.isValid()) {
        out += "ended=" + s.ended.toString(Qt::ISODate).toUtf8() + '\n';
        out += "outcome=" + stats::OutcomeName(RecordOutcome(s.outcome)).toUtf8() + '\n';
    }
    return out;
}

std::optional<KeptGame> ParseGameFile(const QByteArray &bytes, const QDateTime &now) {
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.isEmpty() || lines[0] != Heading) return std::nullopt;
    QHash<QByteArray, QString> v;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype eq = lines[i].indexOf('=');
        if (eq > 0) v.insert(lines[i].left(eq), QString::fromUtf8(lines[i].mid(eq + 1)));
    }
    KeptGame s;
    bool secondsOk = false, hintsOk = false;
    s.started = QDateTime::fromString(v.value("started"), Qt::ISODate);
    s.seconds = v.value("seconds").toLongLong(&secondsOk);
    const int hints = v.value("hints").toInt(&hintsOk);
    hintsOk = hintsOk && hints >= 0 && hints <= limits::MaxHints;
    s.hints = qint16(hintsOk ? hints : 0);
    s.key = v.value("key");
    s.quote = v.value("quote");
    s.enciphered = v.value("enciphered");
    s.progress = v.value("progress");
    s.done = v.value("done");
    s.undone = v.value("undone");
    s.letterHints = v.value("letterhints") != QLatin1String("no");
    // A day that is no date is no game of Today's Quote, and the game stays.
    s.day = QDate::fromString(v.value("day"), Qt::ISODate);
    s.kind = v.value("kind");
    s.original = v.value("original");
    // Pencil letters that are no pairs of letters are left out, the game kept.
    static const QRegularExpression Pairs(QStringLiteral("^([A-Z][A-Z])( [A-Z][A-Z])*$"));
    if (Pairs.match(v.value("pencil")).hasMatch()) s.pencil = v.value("pencil");
    s.replay = v.value("replay") == QLatin1String("yes");
    const QString ended = v.value("ended"), outcome = v.value("outcome");
    bool endOk = ended.isEmpty() && outcome.isEmpty();
    if (!ended.isEmpty()) {
        s.ended = QDateTime::fromString(ended, Qt::ISODate);
        for (auto o :
             {SolveGame::Outcome::Solved, SolveGame::Outcome::Shown, SolveGame::Outcome::Abandoned})
            if (outcome == stats::OutcomeName(RecordOutcome(o))) {
                s.outcome = o;
                endOk = s.ended.isValid();
            }
    }
    // A game that could have been: its quote meets the rules, its key is a
    // key, and the enciphered quote and the solution belong to the quote.
    QString letters = s.key;
    std::sort(letters.begin(), letters.end());
    const quotes::Normalized n = quotes::NormalizeQuote(s.quote);
    // A game that could have been played: a quote the list can hold, in
    // capitals; a board that is the quote only once the game ended, solved
    // only when it is the quote (a full board with wrong letters plays on);
    // dates in their order, none later than a day from now, as the record
    // keeps them.
    const bool solvedBoard = s.progress == s.quote;
    const QDateTime latest = now.addDays(1);
    const bool datesOk = s.started.isValid() && s.started <= latest &&
                         (!s.ended.isValid() || (s.started <= s.ended && s.ended <= latest));
    const bool endFits =
        !s.ended.isValid() ? !solvedBoard : s.outcome != SolveGame::Outcome::Solved || solvedBoard;
    if (!datesOk || !secondsOk || s.seconds < 0 || s.seconds > limits::MaxSeconds || !hintsOk ||
        !endOk || letters != QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ") || s.quote.isEmpty() ||
        s.quote.size() > quotes::MaximumLength || !quotes::FirstUnstorable(s.quote).isEmpty() ||
        s.quote != quotes::UpperCase(s.quote) || n.text != s.quote || n.breaksReplaced ||
        s.enciphered.size() != s.quote.size() || !SolveGame::fits(s.quote, s.progress) || !endFits)
        return std::nullopt;
    for (qsizetype i = 0; i < s.quote.size(); ++i) {
        const QChar c = s.quote[i];
        const QChar want = c.unicode() >= 'A' && c.unicode() <= 'Z' ? s.key[c.unicode() - 'A'] : c;
        if (s.enciphered[i] != want) return std::nullopt;
    }
    // A board of letters in fives is laid out so; a kind the game does not
    // know is played as the design's.
    if (s.kind == WithoutWordBreaks().id()) {
        if (WithoutWordBreaks().boardOf(s.quote) != s.quote) return std::nullopt;
    } else if (const PuzzleKind *keyed = KeyedKindNamed(s.kind)) {
        // A keyed puzzle is its kind only with a key of that kind; else it
        // is played on as the design's, the same board.
        const auto reading = cipher::ReadKeyed(s.key);
        if (keyed->boardOf(s.quote) != s.quote || !reading ||
            cipher::KindName(reading->kind).toLower() != s.kind)
            s.kind.clear();
    } else {
        s.kind.clear();
    }
    // The quote as written belongs to that board, or is left out (the game stays).
    const quotes::Normalized written = quotes::NormalizeQuote(s.original);
    if (s.kind.isEmpty() || s.original.size() > quotes::MaximumLength ||
        written.text != s.original || s.original != quotes::UpperCase(s.original) ||
        WithoutWordBreaks().boardOf(s.original) != s.quote)
        s.original.clear();
    // A game of Today's Quote is the day's puzzle, begun on that day or
    // after it: any other day named is no day of it, and the game stays.
    // Either language's puzzle: the game may have been begun in the other.
    if (s.day.isValid()) {
        bool ofTheDay = false;
        for (const DailyLanguage language : {DailyLanguage::English, DailyLanguage::German}) {
            const std::optional<Puzzle> daily = DailyPuzzle(s.day, language);
            ofTheDay = ofTheDay || (daily && daily->board == s.quote && daily->key == s.key);
        }
        if (!ofTheDay || s.day > s.started.date() || s.kind != QString()) s.day = QDate();
    }
    return s;
}

} // namespace play
