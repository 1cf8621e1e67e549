#pragma once

#include <QString>
#include <memory>

class QLockFile;

// Tells whether another copy of the program is running, by a lock file in the
// user's runtime folder. A lock left by a crashed copy is recognised as stale
// and taken over, so it never blocks the next start.
class SingleInstance {
public:
    SingleInstance();
    ~SingleInstance();

    // True when this copy now holds the lock; false when another copy does.
    bool acquire();
    void release();

    static QString lockPath();

private:
    std::unique_ptr<QLockFile> m_lock;
};
