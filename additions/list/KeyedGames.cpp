#include "KeyedGames.h"

#include "AppInfo.h"
#include "Dialogs.h"
#include "KeyedPuzzles.h"
#include "modStandard.h"

#include <QTimer>

namespace {

constexpr cipher::Keyed Kinds[] = {cipher::Keyed::K1, cipher::Keyed::K2, cipher::Keyed::K3};

QString HowKeyed(cipher::Keyed kind) {
    switch (kind) {
    case cipher::Keyed::K1:
        return KeyedGames::tr("the plain alphabet was keyed, the cipher alphabet in order");
    case cipher::Keyed::K2:
        return KeyedGames::tr("the cipher alphabet was keyed, the plain alphabet in order");
    case cipher::Keyed::K3:
        break;
    }
    return KeyedGames::tr("both alphabets were keyed with the same keyword");
}

} // namespace

KeyedGames::KeyedGames(LobbySeam &lobby, BoardSeam &board)
    : BoardAddition(lobby, board, QStringLiteral("keyedGames")) {
    for (const cipher::Keyed kind : Kinds) play::RegisterKind(play::KeyedKind(kind));
    lobby.addListMenuItem(tr("Random &Keyed Game"), [this] { menuRandomKeyedGame_Click(); });
    GameSession &session = board.session();
    connect(&session, &GameSession::ended, this, [this](SolveGame::Outcome outcome) {
        // Solved, or shown with Solve: the key then stands in full.
        if (outcome != SolveGame::Outcome::Abandoned &&
            play::KeyedKindNamed(this->board.session().kind()))
            // Once the end of the game is on show.
            QTimer::singleShot(0, this, &KeyedGames::askKeyword);
    });
    // A keyed game says its kind in the title, from its start to its end.
    const auto showKind = [this] {
        const play::PuzzleKind *kind =
            this->board.playing() ? play::KeyedKindNamed(this->board.session().kind()) : nullptr;
        this->lobby.setTitleNote(objectName(),
                                 kind ? tr(" \u2014 %1").arg(kind->name()) : QString());
    };
    connect(&board, &BoardSeam::gameStarted, this, showKind);
    connect(&session, &GameSession::closed, this, showKind);
    connect(&lobby, &LobbySeam::modeArranged, this, showKind);
}

void KeyedGames::menuRandomKeyedGame_Click() {
    const cipher::Keyed kind = Kinds[modStandard::RandomBetween(0, 2)];
    lobby.playRecord(0, play::Level::Any, play::KeyedKind(kind));
}

void KeyedGames::askKeyword() {
    const auto reading = play::KeywordOf(board.session().key());
    if (!reading) return;
    const std::optional<QString> answer = dialogs::input(
        lobby.window(), AppInfo::Title,
        tr("Its key is a keyed alphabet (%1): %2.\n\nWhich keyword made it? (Your answer is "
           "not counted in your statistics.)")
            .arg(cipher::KindName(reading->kind), HowKeyed(reading->kind)));
    if (!answer) return;
    const bool right = play::SameKeyword(*answer, reading->keyword);
    dialogs::message(lobby.window(), AppInfo::Title,
                     right ? tr("Right: the keyword was %1.").arg(reading->keyword)
                           : tr("Not this time: the keyword was %1.").arg(reading->keyword),
                     dialogs::Icon::Information);
}
