#pragma once

#include "SafeFile.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// A file written again and again (the game in progress, after every pair)
// without the window waiting for the disk: each write replaces the file in one
// step through the safe writer, on a thread of its own. A write that has not
// begun when a newer one comes is dropped for the newer one, so the disk is
// never behind by more than one write. finish() waits for what was asked.
class LatestWriter : public QObject {
    Q_OBJECT
public:
    explicit LatestWriter(QObject *parent = nullptr);
    ~LatestWriter() override; // finishes what was asked first

    // Asks for `path` to hold `bytes`.
    void write(const QString &path, const QByteArray &bytes,
               const safefile::ReplaceOptions &options = {});
    // Waits until every write asked for is on disk (or failed); the reason
    // the last one failed, or empty.
    QString finish();

signals:
    // A write failed; told on the thread the writer belongs to.
    void failed(const QString &path, const QString &reason);

private:
    struct Job {
        QString path;
        QByteArray bytes;
        safefile::ReplaceOptions options;
    };
    void run();

    std::mutex m_lock;
    std::condition_variable m_wake, m_idle;
    std::optional<Job> m_waiting;
    bool m_busy = false, m_stop = false;
    QString m_lastFailure;
    std::thread m_thread;
};
