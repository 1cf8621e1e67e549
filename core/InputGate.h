#pragma once

#include <QByteArray>
#include <QString>

// The one way in for a file from outside (an import, a dropped file, the
// record of games): only a regular file is read, only up to a stated size,
// and only a piece at a time, so that no file (a device, a pipe, a sparse
// giant) can block the game or fill its memory.
namespace gate {

// The most a file may hold: a full quote list is 6.5 MB.
inline constexpr qint64 MaxBytes = qint64(64) << 20;
inline constexpr qint64 PieceBytes = qint64(1) << 20;

// A file opened through the gate; closed when it goes.
class Source {
public:
    Source() = default;
    Source(const Source &) = delete;
    Source &operator=(const Source &) = delete;
    ~Source();

    // Opens `path` for reading: checked before opening (nothing but a regular
    // file is ever opened), opened without waiting, and checked again once
    // open. The reason it was refused, or empty.
    QString open(const QString &path, qint64 limit = MaxBytes);
    // Its size when it was opened; 0 for a file that does not tell its size
    // (as the system's own files in /proc), which is read to its end.
    qint64 size() const { return m_size; }
    bool sizeKnown() const { return m_sizeKnown; }
    // How much has been read so far.
    qint64 done() const { return m_done; }
    bool atEnd() const { return m_ended || (m_sizeKnown && m_done >= m_size); }

    // Appends the next piece (at most `most` bytes) to `into`; the reason it
    // failed, or empty. A file that grows past its opening size is read only
    // as far as that size. A file that changes while it is read (shorter
    // than it was, or written to meanwhile) is said to have changed once its
    // end is reached (Changed).
    QString readPiece(QByteArray &into, qint64 most = PieceBytes);
    // Goes on reading from `at` (within a file of known size).
    void seek(qint64 at) { m_done = qBound<qint64>(0, at, m_size); }
    void close();

private:
    QString changedSinceOpen() const;

    int m_fd = -1;
    qint64 m_size = 0;
    qint64 m_done = 0;
    qint64 m_limit = MaxBytes;
    bool m_sizeKnown = true;
    bool m_ended = false;
    qint64 m_modified = 0; // nanoseconds, when it was opened
};

// What readPiece says of a file that changed while it was read.
QString Changed();

// Whether `path` may be read at all (a regular file within `limit`), checked
// without opening it: the reason it may not, or empty. `size` is its size.
QString check(const QString &path, qint64 *size = nullptr, qint64 limit = MaxBytes);

// A whole small file through the gate: the reason it was refused, or empty.
QString readFile(const QString &path, QByteArray &into, qint64 limit = MaxBytes);

// "64 MiB", as a limit is named to the player.
QString sizeText(qint64 bytes);

} // namespace gate
