#pragma once

#include <QString>

// Tells whether another copy of the program runs on the same quote list. The
// lock belongs with the list it protects: an advisory lock on a file beside
// it ("Cipherly.lock") and on the list's folder itself, so two copies on one
// list see each other whatever else their environments differ in. The system
// lets go of both when a copy ends, however it ends: a crash never blocks the
// next start.
class SingleInstance {
public:
    enum class Result { Acquired, HeldByAnother, Unavailable };

    explicit SingleInstance(QString listFolder = {});
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // Locks the folder given, or another one from now on.
    void setFolder(const QString &listFolder);
    Result acquire();
    void release();
    bool held() const { return m_fileFd >= 0 || m_folderFd >= 0; }
    // Why no lock could be had, for the player.
    QString reason() const { return m_reason; }

    static QString lockPath(const QString &listFolder);

private:
    QString m_folder;
    int m_fileFd = -1, m_folderFd = -1;
    QString m_reason;
};
