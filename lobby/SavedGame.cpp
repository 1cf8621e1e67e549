#include "SavedGame.h"

#include "AppInfo.h"
#include "DataFolder.h"
#include "Dialogs.h"
#include "GameLimits.h"
#include "GameStatistics.h"
#include "InputGate.h"
#include "QuoteRules.h"
#include "SafeFile.h"
#include "frmMain.h"
#include "modSupport.h"

#include <QDir>
#include <QLocale>
#include <QTimer>
#include <QWindow>

namespace {

const QByteArray Heading = "Cipherly game in progress 1";

} // namespace

SavedGame::SavedGame(frmMain &lobby) : QObject(&lobby), m(lobby) {
    setObjectName(QStringLiteral("savedGame"));
    connect(&m_writer, &LatestWriter::failed, this,
            [this](const QString &, const QString &why) { tellFailure(why); });
    m.keepsOpenGames = true;
    connect(&m, &frmMain::gameStarted, this, [this] {
        if (!m_started.isValid()) m_started = m.now();
        Save();
    });
    connect(&m, &frmMain::solutionChanged, this, [this] {
        if (m.game.isOpen() && !m.game.isOver()) Save();
    });
    // The program ends: the game is on disk before it does.
    connect(&m, &frmMain::gameSuspended, this, [this] {
        Save();
        Finish();
    });
    connect(&m, &frmMain::gameEnding, this, &SavedGame::MarkEnded);
    // After the record has the game (the statistics, attached before).
    connect(&m, &frmMain::gameEnded, this, [this] {
        m_started = QDateTime();
        Finish();
        safefile::remove(FileName());
    });
    // Asked over the lobby once the desktop has put the lobby in its place.
    connect(&m, &frmMain::lobbyOpened, this, [this] { AskWhenPlaced(0); });
}

SavedGame *SavedGame::of(const frmMain &lobby) {
    return lobby.findChild<SavedGame *>(QString(), Qt::FindDirectChildrenOnly);
}

QString SavedGame::FileName() {
    return QDir::current().filePath(QStringLiteral("Game.sav"));
}

int SavedGame::State::placed() const {
    int n = 0;
    for (qsizetype i = 0; i < progress.size() && i < quote.size(); ++i)
        n += quote[i].unicode() >= 'A' && quote[i].unicode() <= 'Z' &&
             progress[i] != SolveGame::Unsolved;
    return n;
}

QByteArray SavedGame::Format(const State &s) {
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
    if (s.ended.isValid()) {
        out += "ended=" + s.ended.toString(Qt::ISODate).toUtf8() + '\n';
        out += "outcome=" + stats::OutcomeName(GameStatistics::RecordOutcome(s.outcome)).toUtf8() +
               '\n';
    }
    return out;
}

std::optional<SavedGame::State> SavedGame::Parse(const QByteArray &bytes) {
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.isEmpty() || lines[0] != Heading) return std::nullopt;
    QHash<QByteArray, QString> v;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype eq = lines[i].indexOf('=');
        if (eq > 0) v.insert(lines[i].left(eq), QString::fromUtf8(lines[i].mid(eq + 1)));
    }
    State s;
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
    const QString ended = v.value("ended"), outcome = v.value("outcome");
    bool endOk = ended.isEmpty() && outcome.isEmpty();
    if (!ended.isEmpty()) {
        s.ended = QDateTime::fromString(ended, Qt::ISODate);
        for (auto o :
             {SolveGame::Outcome::Solved, SolveGame::Outcome::Shown, SolveGame::Outcome::Abandoned})
            if (outcome == stats::OutcomeName(GameStatistics::RecordOutcome(o))) {
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
    // capitals, with letters still to find unless it ended.
    const bool lettersToFind = s.progress.contains(SolveGame::Unsolved);
    if (!s.started.isValid() || !secondsOk || s.seconds < 0 || s.seconds > limits::MaxSeconds ||
        !hintsOk || !endOk || letters != QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ") ||
        s.quote.isEmpty() || s.quote.size() > quotes::MaximumLength ||
        !quotes::FirstUnstorable(s.quote).isEmpty() || s.quote != quotes::UpperCase(s.quote) ||
        n.text != s.quote || n.breaksReplaced || s.enciphered.size() != s.quote.size() ||
        !SolveGame::fits(s.quote, s.progress) || (!lettersToFind && !s.ended.isValid()))
        return std::nullopt;
    for (qsizetype i = 0; i < s.quote.size(); ++i) {
        const QChar c = s.quote[i];
        const QChar want = c.unicode() >= 'A' && c.unicode() <= 'Z' ? s.key[c.unicode() - 'A'] : c;
        if (s.enciphered[i] != want) return std::nullopt;
    }
    return s;
}

SavedGame::State SavedGame::Current() const {
    State s;
    s.started = m_started.isValid() ? m_started : m.now();
    s.seconds = qMax<qint64>(0, m.game.SolveStartTime().secsTo(m.now()));
    s.hints = m.game.HintCount();
    for (int letter = 'A'; letter <= 'Z'; ++letter)
        s.key += basCipherly::KeyTable(letter, 1);
    s.quote = m.game.SolveQuote();
    s.enciphered = m.game.Enciphered();
    s.progress = m.game.SolveProgress();
    s.done = m.game.historyText(false);
    s.undone = m.game.historyText(true);
    return s;
}

void SavedGame::Save() {
    if (!m.game.isOpen() || m.game.isOver()) return;
    safefile::ReplaceOptions never;
    never.refuseLinks = true; // never written through a link out of the data folder
    m_writer.write(FileName(), Format(Current()), never);
}

QString SavedGame::Finish() {
    return m_writer.finish();
}

void SavedGame::tellFailure(const QString &reason) {
    if (m_told) return;
    m_told = true;
    dialogs::message(&m, AppInfo::Title,
                     QStringLiteral("The game on show cannot be kept for later:\n%1: %2.\n\n"
                                    "You can play on; if the game ends before you finish "
                                    "it, it is lost.")
                         .arg(QDir::toNativeSeparators(FileName()), reason),
                     dialogs::Icon::Exclamation);
}

void SavedGame::MarkEnded(SolveGame::Outcome outcome) {
    Finish(); // the marked game is the last word, after every save
    safefile::ReplaceOptions never;
    never.refuseLinks = true;
    State s = Current();
    s.ended = m.game.EndTime().isValid() ? m.game.EndTime() : m.now();
    s.seconds = qMax<qint64>(0, m.game.SolveStartTime().secsTo(s.ended));
    s.outcome = outcome;
    // Unmarked, a kept game could be offered again after its row is written:
    // if it cannot be marked, it goes now, before the row.
    if (QFileInfo::exists(FileName()) && !safefile::replaceFile(FileName(), Format(s), never))
        safefile::remove(FileName());
}

bool SavedGame::Settle(const State &s) {
    if (!s.ended.isValid()) return false;
    const stats::Game g = stats::PlayedGame(s.ended, s.seconds, s.hints,
                                            GameStatistics::RecordOutcome(s.outcome), s.quote);
    bool recorded = false;
    const QList<stats::Game> games = stats::ReadGames();
    // The row a kill may have left written: the newest rows are enough.
    for (qsizetype i = games.size() - 1; i >= 0 && i >= games.size() - 16 && !recorded; --i)
        recorded = games[i].finished == g.finished && games[i].quote == g.quote &&
                   games[i].outcome == g.outcome;
    if (!recorded) stats::AppendGame(g);
    safefile::remove(FileName());
    return true;
}

void SavedGame::AskWhenPlaced(int tries) {
    const QWindow *w = m.windowHandle();
    if (w && !w->isExposed() && tries < 40) {
        QTimer::singleShot(50, this, [this, tries] { AskWhenPlaced(tries + 1); });
        return;
    }
    QTimer::singleShot(0, this, &SavedGame::OfferToContinue);
}

void SavedGame::OfferToContinue() {
    // Not a file of the game's own (a link): told at the start, never read.
    if (!QFileInfo::exists(FileName()) || !KeptFileProblem(FileName()).isEmpty() || m.game.isOpen())
        return;
    QByteArray bytes;
    const QString why = gate::readFile(FileName(), bytes, 64 * 1024);
    const std::optional<State> s = why.isEmpty() ? Parse(bytes) : std::nullopt;
    if (!s) {
        // Set aside, not lost: the player's files are never removed unread,
        // nor one set aside before overwritten.
        const safefile::Aside aside = safefile::setAside(FileName(), QStringLiteral(".damaged"));
        const QString read = why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(why);
        dialogs::message(
            &m, AppInfo::Title,
            aside.ok()
                ? QStringLiteral("The game kept from last time could not be read%1, so it "
                                 "cannot be continued. It is set aside as %2.")
                      .arg(read, QDir::toNativeSeparators(aside.name))
                : QStringLiteral("The game kept from last time could not be read%1, so it "
                                 "cannot be continued. It could not be set aside either (%2): "
                                 "it stays as %3, and the next game will replace it.")
                      .arg(read, aside.reason, QDir::toNativeSeparators(FileName())),
            dialogs::Icon::Exclamation);
        return;
    }
    if (Settle(*s)) return; // it ended: recorded, never offered
    const QLocale locale;
    const QString question =
        QStringLiteral("You have a game that is not finished yet, started on %1 at %2, with %3 "
                       "placed.\n\nDo you want to continue it?")
            .arg(locale.toString(s->started.date(), QLocale::ShortFormat),
                 locale.toString(s->started.time(), QLocale::ShortFormat),
                 s->placed() == 1 ? QStringLiteral("1 letter")
                                  : QStringLiteral("%1 letters").arg(s->placed()));
    const dialogs::Answer a =
        dialogs::message(&m, AppInfo::Title, question, dialogs::Icon::Question,
                         dialogs::Buttons::YesNo, dialogs::Answer::Yes);
    // The kept game becomes the game on show, with its key and its clock.
    for (int letter = 'A'; letter <= 'Z'; ++letter)
        basCipherly::KeyTable(letter, 1) = s->key[letter - 'A'];
    m.game.restore(s->quote, s->enciphered, s->progress, s->hints);
    m.game.restoreHistory(s->done, s->undone); // a history that does not fit is only left out
    m.game.startClock(m.now().addSecs(-s->seconds));
    m_started = s->started;
    if (a == dialogs::Answer::Yes)
        m.ResumeGame(s->seconds);
    else
        m.abandonGame(); // recorded as abandoned, and no longer kept
}
