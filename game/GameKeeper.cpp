#include "GameKeeper.h"

#include "DataFolder.h"
#include "GameRow.h"
#include "GameSession.h"
#include "InputGate.h"

#include <QDir>
#include <QFileInfo>

namespace play {

namespace {

// Never written through a link out of the data folder.
safefile::ReplaceOptions NoLinks() {
    safefile::ReplaceOptions never;
    never.refuseLinks = true;
    return never;
}

} // namespace

GameKeeper::GameKeeper(GameSession &session, QObject *parent)
    : QObject(parent), m_session(session) {
    connect(&m_writer, &LatestWriter::failed, this,
            [this](const QString &, const QString &why) { emit failed(why); });
    connect(&session, &GameSession::started, this, &GameKeeper::Save);
    // While the clock runs the time played is kept too, every few seconds:
    // a program killed outright loses no more than that.
    m_tick.setSingleShot(true);
    m_tick.setInterval(TimeKeptEveryMs);
    connect(&m_tick, &QTimer::timeout, this, &GameKeeper::Save);
    connect(&session, &GameSession::pausedChanged, this, &GameKeeper::Save);
    connect(&session, &GameSession::changesMade, this, &GameKeeper::Save);
    connect(&session, &GameSession::changed, this, [this] {
        if (m_session.game().isOpen() && !m_session.game().isOver()) Save();
    });
    // The program ends: the game is on disk before it does.
    connect(&session, &GameSession::suspended, this, [this] {
        Save();
        Finish();
    });
    connect(&session, &GameSession::ending, this, &GameKeeper::MarkEnded);
    connect(&session, &GameSession::closed, this, [this] {
        Finish();
        safefile::remove(FileName());
    });
}

QString GameKeeper::FileName() {
    return QDir::current().filePath(QStringLiteral("Game.sav"));
}

void GameKeeper::Save() {
    const SolveGame &g = m_session.game();
    // Changes made as one are kept once they are all made.
    if (!g.isOpen() || g.isOver() || m_session.changing()) return;
    m_writer.write(FileName(), FormatGameFile(m_session.kept()), NoLinks());
    if (!m_session.paused()) m_tick.start();
}

QString GameKeeper::Finish() {
    return m_writer.finish();
}

void GameKeeper::MarkEnded() {
    Finish(); // the marked game is the last word, after every save
    // Unmarked, a kept game could be offered again after its row is written:
    // if it cannot be marked, it goes now, before the row.
    if (QFileInfo::exists(FileName()) &&
        !safefile::replaceFile(FileName(), FormatGameFile(m_session.endedGame()), NoLinks()))
        safefile::remove(FileName());
}

bool GameKeeper::Settle(const KeptGame &s) {
    if (!s.ended.isValid()) return false;
    RecordGame(s, true);
    safefile::remove(FileName());
    return true;
}

GameKeeper::Found GameKeeper::Look() {
    Found found;
    // Not a file of the game's own (a link): told at the start, never read.
    if (!QFileInfo::exists(FileName()) || !KeptFileProblem(FileName()).isEmpty()) return found;
    QByteArray bytes;
    found.why = gate::readFile(FileName(), bytes, KeptFileLimit);
    const std::optional<KeptGame> s = found.why.isEmpty() ? ParseGameFile(bytes) : std::nullopt;
    if (!s) {
        // Set aside, not lost: the player's files are never removed unread,
        // nor one set aside before overwritten.
        found.what = Found::What::Damaged;
        found.aside = safefile::setAside(FileName(), QStringLiteral(".damaged"));
        return found;
    }
    found.what = Settle(*s) ? Found::What::Ended : Found::What::Open;
    found.game = *s;
    return found;
}

} // namespace play
