#pragma once

#include "GameFile.h"
#include "LatestWriter.h"
#include "SafeFile.h"

#include <QObject>
#include <QString>
#include <QTimer>

class GameSession;

namespace play {

// A game is never lost: the open game of a session (its quote, key, letters
// placed, hints and seconds so far) is kept beside the quote list and written
// anew, safely and off the window's thread, after every change. A program
// that ends, however it ends, leaves it; a game that ends leaves nothing
// behind, in an order no kill can count twice: the kept game is marked ended
// before its row goes into the record, and removed after.
class GameKeeper : public QObject {
    Q_OBJECT
public:
    explicit GameKeeper(GameSession &session, QObject *parent = nullptr);

    // The file the game is kept in: beside the quote list.
    static QString FileName();
    // How often the time of a game being played is kept.
    static constexpr int TimeKeptEveryMs = 10000;

    // Writes the session's game, off the window's thread: a save that has
    // not begun gives way to a newer one. Finish() waits until it is on disk.
    void Save();
    // The reason the last save failed, or empty, once every save asked for
    // is done.
    QString Finish();
    // The game that is ending, marked so in its file before it is recorded;
    // a kept game found marked at the next start is recorded then.
    void MarkEnded();

    // A kept game that ended goes into the record, once, and is removed;
    // whether `s` was such a game.
    static bool Settle(const KeptGame &s);

    // What the file holds when the program starts: nothing, a file that
    // could not be read (set aside, never lost), a game that had ended
    // (settled: recorded and removed), or an open game to offer.
    struct Found {
        enum class What { Nothing, Damaged, Ended, Open } what = What::Nothing;
        KeptGame game;         // the open game
        QString why;           // why a damaged file could not be read, if it could not
        safefile::Aside aside; // where a damaged file was set aside
    };
    static Found Look();

signals:
    // A save failed, and why.
    void failed(const QString &reason);

private:
    GameSession &m_session;
    LatestWriter m_writer;
    QTimer m_tick;
};

} // namespace play
