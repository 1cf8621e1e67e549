#include "SavedGame.h"

#include "AppInfo.h"
#include "Dialogs.h"
#include "GameSession.h"

#include <QDir>
#include <QLocale>
#include <QTimer>
#include <QWidget>
#include <QWindow>

SavedGame::SavedGame(LobbySeam &lobby, BoardSeam &board)
    : BoardAddition(lobby, board, QStringLiteral("savedGame")), m_keeper(board.session()) {
    connect(&m_keeper, &play::GameKeeper::failed, this, &SavedGame::tellFailure);
    lobby.keepOpenGames(true);
    // Asked over the lobby once the desktop has put the lobby in its place;
    // what else the opening brings waits for the answer.
    connect(&lobby, &LobbySeam::lobbyOpened, this, [this] {
        this->lobby.holdOpening(this);
        AskWhenPlaced(0);
    });
}

void SavedGame::tellFailure(const QString &reason) {
    if (m_told) return;
    m_told = true;
    dialogs::message(lobby.window(), AppInfo::Title,
                     tr("The game on show cannot be kept for later:\n%1: %2.\n\n"
                        "You can play on; if the game ends before you finish "
                        "it, it is lost.")
                         .arg(QDir::toNativeSeparators(FileName()), reason),
                     dialogs::Icon::Exclamation);
}

void SavedGame::AskWhenPlaced(int tries) {
    const QWindow *w = lobby.window()->windowHandle();
    if (w && !w->isExposed() && tries < 40) {
        QTimer::singleShot(50, this, [this, tries] { AskWhenPlaced(tries + 1); });
        return;
    }
    QTimer::singleShot(0, this, [this] {
        OfferToContinue();
        lobby.releaseOpening(this);
    });
}

void SavedGame::OfferToContinue() {
    if (board.game().isOpen()) return;
    const play::GameKeeper::Found found = play::GameKeeper::Look();
    using What = play::GameKeeper::Found::What;
    if (found.what == What::Damaged) {
        const QString read =
            found.why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(found.why);
        dialogs::message(
            lobby.window(), AppInfo::Title,
            found.aside.ok()
                ? tr("The game kept from last time could not be read%1, so it "
                     "cannot be continued. It is set aside as %2.")
                      .arg(read, QDir::toNativeSeparators(found.aside.name))
                : tr("The game kept from last time could not be read%1, so it "
                     "cannot be continued. It could not be set aside either (%2): "
                     "it stays as %3, and the next game will replace it.")
                      .arg(read, found.aside.reason, QDir::toNativeSeparators(FileName())),
            dialogs::Icon::Exclamation);
        return;
    }
    if (found.what != What::Open) return; // none, or one that ended: recorded, never offered
    const State &s = found.game;
    const QLocale locale;
    // Which game it is, where that is more than a quote of the list: the
    // day's puzzle, and the pencil marks that come back with it.
    const QString date = locale.toString(s.started.date(), QLocale::ShortFormat),
                  time = locale.toString(s.started.time(), QLocale::ShortFormat),
                  pairs = tr("%Ln pair(s)", nullptr, s.pairsPlaced());
    QString question =
        s.day.isValid()
            ? tr("You have a game of Today's Quote of %4 that is not finished yet, started on %1 "
                 "at %2, with %3 placed.\n\nDo you want to continue it?")
                  .arg(date, time, pairs, locale.toString(s.day, QLocale::LongFormat))
            : tr("You have a game that is not finished yet, started on %1 at %2, with %3 "
                 "placed.\n\nDo you want to continue it?")
                  .arg(date, time, pairs);
    if (const int pencilled = int(s.pencil.split(u' ', Qt::SkipEmptyParts).size()))
        question.replace(QStringLiteral("\n\n"),
                         tr(" Pencil marks kept with it: %1.").arg(pencilled) +
                             QStringLiteral("\n\n"));
    const dialogs::Answer a =
        dialogs::message(lobby.window(), AppInfo::Title, question, dialogs::Icon::Question,
                         dialogs::Buttons::YesNo, dialogs::Answer::Yes);
    // The kept game becomes the game on show, with its key and its clock.
    board.session().restore(s);
    if (a == dialogs::Answer::Yes)
        lobby.resumeGame();
    else
        lobby.abandonGame(); // recorded as abandoned, and no longer kept
}
