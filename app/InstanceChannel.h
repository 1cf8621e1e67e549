#pragma once

#include <QString>
#include <functional>

class QWidget;

// The single-instance lock's own channel: the copy that holds the lock on a
// quote list listens on a socket of the player's own, named after that list
// folder, and a later copy on the same list hands it a request there (a day
// of Today's Quote to play) instead of only being turned away. A request is
// one short line; anything longer, or not asked for, is ignored unread.
namespace instancechannel {

// Where the channel of the copy that runs on `listFolder` listens.
QString Path(const QString &listFolder);

// The copy that holds the lock: listens from now on. Each request taken
// brings the game's window forward and goes to the handler, or waits for one.
bool Listen(const QString &listFolder);
void Close();
// What takes the requests (an empty function: none any more); those that
// came before it are given to it at once.
void SetHandler(std::function<void(const QString &request)> handler);
// Whether `request` is one the channel carries.
bool Carries(const QString &request);

// A later copy: hands `request` to the copy that runs on `listFolder`; true
// once that copy has taken it, false when none answers in a few seconds.
bool Hand(const QString &listFolder, const QString &request);

// The window of the game the player sees, raised and given the focus.
void BringForward();

} // namespace instancechannel
