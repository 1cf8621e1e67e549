#include "LatestWriter.h"

#include <QMetaObject>

LatestWriter::LatestWriter(QObject *parent) : QObject(parent), m_thread([this] { run(); }) {}

LatestWriter::~LatestWriter() {
    finish();
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void LatestWriter::write(const QString &path, const QByteArray &bytes,
                         const safefile::ReplaceOptions &options) {
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_waiting = Job{path, bytes, options}; // a write not yet begun gives way
    }
    m_wake.notify_one();
}

QString LatestWriter::finish() {
    std::unique_lock<std::mutex> hold(m_lock);
    m_idle.wait(hold, [this] { return !m_waiting && !m_busy; });
    return m_lastFailure;
}

void LatestWriter::run() {
    std::unique_lock<std::mutex> hold(m_lock);
    for (;;) {
        m_wake.wait(hold, [this] { return m_waiting || m_stop; });
        if (!m_waiting) return; // stopped, nothing left
        const Job job = std::move(*m_waiting);
        m_waiting.reset();
        m_busy = true;
        hold.unlock();
        const safefile::Result r = safefile::replaceFile(job.path, job.bytes, job.options);
        hold.lock();
        m_busy = false;
        m_lastFailure = r.reason;
        if (!r)
            QMetaObject::invokeMethod(
                this, [this, path = job.path, why = r.reason] { emit failed(path, why); },
                Qt::QueuedConnection);
        if (!m_waiting) m_idle.notify_all();
    }
}
