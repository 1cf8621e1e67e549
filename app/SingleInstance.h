#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QLockFile;

// Tells whether another copy of the program is running, by a lock file. A
// lock left by a crashed copy is recognised as stale and taken over, so it
// never blocks the next start.
//
// The lock lives in the first of a few private places where it can be made
// (the user's runtime folder, then the game's data folder, then a private
// folder in the temporary folder); a place where no lock can be made is never
// taken to mean that no other copy runs. Every place is checked for a live
// holder, so two copies that found different places usable still see each
// other.
class SingleInstance {
public:
    enum class Result { Acquired, HeldByAnother, Unavailable };

    explicit SingleInstance(QStringList folders = defaultFolders());
    ~SingleInstance();

    Result acquire();
    void release();
    // Why no lock could be had anywhere, for the player.
    QString reason() const { return m_reason; }
    // The lock this copy holds; empty while it holds none.
    QString heldPath() const;

    // The places, in order of preference.
    static QStringList defaultFolders();
    // The lock in the first place, where a running copy normally keeps it.
    static QString lockPath();

private:
    QStringList m_folders;
    std::unique_ptr<QLockFile> m_lock;
    QString m_heldPath;
    QString m_reason;
};
