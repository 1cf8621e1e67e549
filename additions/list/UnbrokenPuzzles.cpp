#include "UnbrokenPuzzles.h"

#include "NoWordBreaks.h"

UnbrokenPuzzles::UnbrokenPuzzles(LobbySeam &lobby)
    : Addition(lobby, QStringLiteral("unbrokenPuzzles")) {
    play::RegisterKind(play::WithoutWordBreaks());
    lobby.addListMenuItem(tr("Random Game With&out Word Breaks"), [&lobby] {
        lobby.playRecord(0, play::Level::Any, play::WithoutWordBreaks());
    });
    lobby.addListMenuItem(tr("Scramble Without Word &Breaks"),
                          [&lobby] { lobby.scrambleForPrinting(play::WithoutWordBreaks()); });
}
