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

SavedGame::SavedGame(frmMain &lobby) : LobbyAddition(lobby, QStringLiteral("savedGame")) {
    connect(&m_writer, &LatestWriter::failed, this,
            [this](const QString &, const QString &why) { tellFailure(why); });
    m.keepsOpenGames = true;
    // It hangs on the session: every change of the game is saved.
    GameSession &session = m.session;
    connect(&session, &GameSession::started, this, [this] { Save(); });
    connect(&session, &GameSession::changed, this, [this] {
        if (m.game.isOpen() && !m.game.isOver()) Save();
    });
    // The program ends: the game is on disk before it does.
    connect(&session, &GameSession::suspended, this, [this] {
        Save();
        Finish();
    });
    connect(&session, &GameSession::ending, this, &SavedGame::MarkEnded);
    // After the record has the game (the statistics, attached before).
    connect(&session, &GameSession::ended, this, [this] {
        Finish();
        safefile::remove(FileName());
    });
    // Asked over the lobby once the desktop has put the lobby in its place.
    connect(&m, &frmMain::lobbyOpened, this, [this] { AskWhenPlaced(0); });
}

QString SavedGame::FileName() {
    return QDir::current().filePath(QStringLiteral("Game.sav"));
}

void SavedGame::Save() {
    if (!m.game.isOpen() || m.game.isOver()) return;
    safefile::ReplaceOptions never;
    never.refuseLinks = true; // never written through a link out of the data folder
    m_writer.write(FileName(), play::FormatGameFile(m.session.kept()), never);
}

QString SavedGame::Finish() {
    return m_writer.finish();
}

void SavedGame::tellFailure(const QString &reason) {
    if (m_told) return;
    m_told = true;
    dialogs::message(&m, AppInfo::Title,
                     tr("The game on show cannot be kept for later:\n%1: %2.\n\n"
                        "You can play on; if the game ends before you finish "
                        "it, it is lost.")
                         .arg(QDir::toNativeSeparators(FileName()), reason),
                     dialogs::Icon::Exclamation);
}

void SavedGame::MarkEnded(SolveGame::Outcome outcome) {
    Finish(); // the marked game is the last word, after every save
    safefile::ReplaceOptions never;
    never.refuseLinks = true;
    State s = m.session.kept();
    s.ended = m.game.EndTime().isValid() ? m.game.EndTime() : m.now();
    s.seconds = qMax<qint64>(0, m.game.SolveStartTime().secsTo(s.ended));
    s.outcome = outcome;
    // Unmarked, a kept game could be offered again after its row is written:
    // if it cannot be marked, it goes now, before the row.
    if (QFileInfo::exists(FileName()) &&
        !safefile::replaceFile(FileName(), play::FormatGameFile(s), never))
        safefile::remove(FileName());
}

bool SavedGame::Settle(const State &s) {
    if (!s.ended.isValid()) return false;
    const stats::Game g =
        stats::PlayedGame(s.ended, s.seconds, s.hints, play::RecordOutcome(s.outcome), s.quote);
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
    const std::optional<State> s = why.isEmpty() ? play::ParseGameFile(bytes) : std::nullopt;
    if (!s) {
        // Set aside, not lost: the player's files are never removed unread,
        // nor one set aside before overwritten.
        const safefile::Aside aside = safefile::setAside(FileName(), QStringLiteral(".damaged"));
        const QString read = why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(why);
        dialogs::message(&m, AppInfo::Title,
                         aside.ok()
                             ? tr("The game kept from last time could not be read%1, so it "
                                  "cannot be continued. It is set aside as %2.")
                                   .arg(read, QDir::toNativeSeparators(aside.name))
                             : tr("The game kept from last time could not be read%1, so it "
                                  "cannot be continued. It could not be set aside either (%2): "
                                  "it stays as %3, and the next game will replace it.")
                                   .arg(read, aside.reason, QDir::toNativeSeparators(FileName())),
                         dialogs::Icon::Exclamation);
        return;
    }
    if (Settle(*s)) return; // it ended: recorded, never offered
    const QLocale locale;
    const QString question =
        tr("You have a game that is not finished yet, started on %1 at %2, with %3 "
           "placed.\n\nDo you want to continue it?")
            .arg(locale.toString(s->started.date(), QLocale::ShortFormat),
                 locale.toString(s->started.time(), QLocale::ShortFormat),
                 tr("%Ln letter(s)", nullptr, s->placed()));
    const dialogs::Answer a =
        dialogs::message(&m, AppInfo::Title, question, dialogs::Icon::Question,
                         dialogs::Buttons::YesNo, dialogs::Answer::Yes);
    // The kept game becomes the game on show, with its key and its clock.
    m.session.restore(*s);
    if (a == dialogs::Answer::Yes)
        m.ResumeGame();
    else
        m.abandonGame(); // recorded as abandoned, and no longer kept
}
