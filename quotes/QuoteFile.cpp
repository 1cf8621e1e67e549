#include "QuoteFile.h"

#include "QuoteRules.h"
#include "StringResources.h"
#include "Win1252.h"
#include "modStandard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <memory>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quotes {

QString QuoteFileName = QStringLiteral("Cipherly.Dat");
qint16 QuoteFileNumber = 0;
qint16 QuoteCount = 0;
FixedRecord QuoteRecord;

namespace {

std::unique_ptr<QFile> openFile;
QString readOnlyReason; // why the open file could not be opened for writing
std::function<bool(Step)> injector;

// Records are read through a block of whole records, so reading the list one
// record at a time costs little more than reading the file in one go.
constexpr qint64 BlockRecords = 512;
QByteArray block;
qint64 blockStart = -1; // byte offset of the block in the file; -1 when empty

void dropBlock() {
    block.clear();
    blockStart = -1;
}

// The bytes of record n (fewer than 200 at the end of a short file, none past it).
bool recordSpan(qint16 n, const char *&data, qint64 &length, QString &reason) {
    const qint64 at = qint64(n - 1) * RecordLength;
    if (blockStart < 0 || at < blockStart || at >= blockStart + block.size()) {
        dropBlock();
        if (at >= openFile->size()) {
            length = 0;
            return true;
        }
        if (!openFile->seek(at)) {
            reason = openFile->errorString();
            return false;
        }
        block = openFile->read(BlockRecords * RecordLength);
        if (block.isEmpty() && openFile->error() != QFileDevice::NoError) {
            reason = openFile->errorString();
            dropBlock();
            return false;
        }
        blockStart = at;
    }
    const qint64 offset = at - blockStart;
    data = block.constData() + offset;
    length = qMin<qint64>(RecordLength, block.size() - offset);
    return true;
}

bool injected(Step s) {
    return injector && injector(s);
}

const QString injectedReason = QStringLiteral("Input/output error");

// A record whose text, with the blanks at both ends removed, is "$Killed$".
bool isKilledMarker(const char *data, qint64 length) {
    qint64 from = 0, to = length;
    while (from < to && data[from] == ' ')
        ++from;
    while (to > from && data[to - 1] == ' ')
        --to;
    return QByteArrayView(data + from, to - from) == KilledMarker.toLatin1();
}

Status fail(const QString &file, const QString &reason) {
    return Status::failure(file, reason);
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Runs one I/O step, unless a test injects its failure; the reason it failed,
// or empty when it succeeded. The injector is asked exactly once per step.
template <typename Op> QString attempt(Step step, Op &&op) {
    if (injected(step)) return injectedReason;
    return op();
}

// The file's own descriptor: every write goes straight to the system, so a
// short write is seen as such and its reason is the system's own.
#ifdef Q_OS_UNIX
QString writeAt(QFile &f, const char *data, qint64 count, qint64 offset) {
    const int fd = f.handle();
    while (count > 0) {
        const ssize_t n = ::pwrite(fd, data, size_t(count), off_t(offset));
        if (n < 0) {
            if (errno == EINTR) continue;
            return systemReason(errno);
        }
        if (n == 0) return systemReason(ENOSPC);
        data += n, count -= n, offset += n;
    }
    return {};
}

QString readAt(QFile &f, char *data, qint64 count, qint64 offset) {
    const int fd = f.handle();
    while (count > 0) {
        const ssize_t n = ::pread(fd, data, size_t(count), off_t(offset));
        if (n < 0) {
            if (errno == EINTR) continue;
            return systemReason(errno);
        }
        if (n == 0) return QStringLiteral("The file ended early");
        data += n, count -= n, offset += n;
    }
    return {};
}

QString truncateTo(QFile &f, qint64 size) {
    if (::ftruncate(f.handle(), off_t(size)) != 0) return systemReason(errno);
    struct stat st;
    if (::fstat(f.handle(), &st) != 0) return systemReason(errno);
    return st.st_size == size ? QString() : QStringLiteral("The file kept its new length");
}

// Pushes written bytes through to the disk, not only out of our buffers.
QString syncToDisk(QFile &f) {
    return ::fsync(f.handle()) == 0 ? QString() : systemReason(errno);
}

void syncFolder(const QString &folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd); // the rename is done; a folder that cannot be flushed keeps it all the same
    ::close(fd);
}
#else
QString writeAt(QFile &f, const char *data, qint64 count, qint64 offset) {
    if (!f.seek(offset) || f.write(data, count) != count) return f.errorString();
    return {};
}
QString readAt(QFile &f, char *data, qint64 count, qint64 offset) {
    if (!f.seek(offset) || f.read(data, count) != count) return f.errorString();
    return {};
}
QString truncateTo(QFile &f, qint64 size) {
    return f.resize(size) && f.size() == size ? QString() : f.errorString();
}
QString syncToDisk(QFile &f) {
    return f.flush() ? QString() : f.errorString();
}
void syncFolder(const QString &) {}
#endif

} // namespace

FixedRecord::FixedRecord() : m_text(RecordLength, QLatin1Char(' ')) {}

void FixedRecord::setBytes(const char *data, qint64 length) {
    // Decoded in place: the buffer keeps its one allocation across reads.
    win1252::decodeInto(data, length, m_text.data());
    for (qint64 i = length; i < RecordLength; ++i)
        m_text[i] = QLatin1Char(' ');
}

FixedRecord &FixedRecord::operator=(const QString &text) {
    m_text = text.left(RecordLength);
    if (m_text.size() < RecordLength)
        m_text += QString(RecordLength - m_text.size(), QLatin1Char(' '));
    return *this;
}

QString Status::describe() const {
    return file.isEmpty() ? reason : file + QStringLiteral(": ") + reason;
}

void SetFaultInjector(std::function<bool(Step)> failsAt) {
    injector = std::move(failsAt);
}

Status OpenQuoteFile() {
    if (QuoteFileNumber > 0) CloseQuoteFile();
    auto file = std::make_unique<QFile>(QuoteFileName);
    readOnlyReason.clear();
    if (injected(Step::Open)) return fail(QuoteFileName, injectedReason);
    if (!file->open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        // A file we may only read can still be listed; writes report why not.
        const QString reason = file->errorString();
        const QFileInfo info(QuoteFileName);
        if (!info.exists() || info.isDir() ||
            !file->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return fail(QuoteFileName,
                        info.isDir() ? QStringLiteral("It is a folder, not a file") : reason);
        readOnlyReason = reason;
    }
    const double records = std::nearbyint(double(file->size()) / RecordLength); // halves to even
    if (records > MaxRecords)
        return fail(QuoteFileName, QStringLiteral("It holds more than %1 quotes").arg(MaxRecords));
    QuoteCount = static_cast<qint16>(records);
    openFile = std::move(file);
    QuoteFileNumber = 1;
    return Status::success();
}

void CloseQuoteFile() {
    if (QuoteFileNumber <= 0) return;
    dropBlock();
    openFile.reset();
    QuoteFileNumber = 0;
}

Status ReadQuoteRecord(qint16 n) {
    if (QuoteFileNumber <= 0 || !openFile)
        return fail(QuoteFileName, QStringLiteral("The file is not open"));
    if (n < 1) return fail(QuoteFileName, QStringLiteral("There is no quote number %1").arg(n));
    if (injected(Step::Read)) return fail(QuoteFileName, injectedReason);
    const char *data = nullptr;
    qint64 length = 0;
    QString reason;
    if (!recordSpan(n, data, length, reason)) return fail(QuoteFileName, reason);
    // A short last record reads as if blank padded.
    QuoteRecord.setBytes(data, length);
    return Status::success();
}

Status WriteQuoteRecord(qint16 n) {
    if (QuoteFileNumber <= 0 || !openFile)
        return fail(QuoteFileName, QStringLiteral("The file is not open"));
    if (!readOnlyReason.isEmpty()) return fail(QuoteFileName, readOnlyReason);
    if (n < 1) return fail(QuoteFileName, QStringLiteral("There is no quote number %1").arg(n));
    if (auto bad = win1252::firstUnencodable(QuoteRecord.text()))
        return fail(QuoteFileName,
                    QStringLiteral("The character \"%1\" (U+%2) cannot be stored in the quote list")
                        .arg(*bad)
                        .arg(bad->unicode(), 4, 16, QLatin1Char('0')));
    const bool appending = n > QuoteCount;
    if (appending && n != QuoteCount + 1)
        return fail(QuoteFileName, QStringLiteral("There is no quote number %1").arg(n - 1));
    if (appending && QuoteCount >= MaxRecords)
        return fail(QuoteFileName,
                    QStringLiteral("The quote list is full: it holds %1 quotes, the most it can")
                        .arg(MaxRecords));

    dropBlock();
    const qint64 oldSize = openFile->size();
    const qint64 at = qint64(n - 1) * RecordLength;
    // A short last record is first made whole with blanks, as records are.
    const qint64 from = appending ? qMin(oldSize, at) : at;
    QByteArray bytes(at - from, ' ');
    bytes += win1252::encode(QuoteRecord.text());
    // What the write will cover, to put back if it fails.
    QByteArray before(qBound<qint64>(0, oldSize - from, bytes.size()), Qt::Uninitialized);
    QString reason = readAt(*openFile, before.data(), before.size(), from);
    if (!reason.isEmpty()) return fail(QuoteFileName, reason);
    reason = attempt(Step::Write,
                     [&] { return writeAt(*openFile, bytes.constData(), bytes.size(), from); });
    if (reason.isEmpty()) reason = attempt(Step::Flush, [&] { return syncToDisk(*openFile); });
    if (!reason.isEmpty()) {
        // Never leave a half record, or half a change, behind.
        QString restored = writeAt(*openFile, before.constData(), before.size(), from);
        if (restored.isEmpty()) restored = truncateTo(*openFile, oldSize);
        if (restored.isEmpty()) restored = syncToDisk(*openFile);
        if (!restored.isEmpty())
            reason +=
                QStringLiteral("; the file could not be put back as it was (%1)").arg(restored);
        return fail(QuoteFileName, reason);
    }
    if (appending) modStandard::AddTo(QuoteCount, 1);
    return Status::success();
}

QString QuoteFileTarget() {
    QString path = QFileInfo(QuoteFileName).absoluteFilePath();
    for (int hops = 0; hops < 32; ++hops) {
        const QFileInfo info(path);
        if (!info.isSymLink()) break;
        const QString next = info.symLinkTarget();
        if (next.isEmpty()) break;
        path = next;
    }
    return path;
}

Status ReplaceQuoteFile(const std::function<Status(const PutBytes &put)> &fill) {
    const QString target = QuoteFileTarget();
    const QString folder = QFileInfo(target).absolutePath();
    const QString tempPath = QDir(folder).filePath(TempFileName);
    // A leftover of this name, even a link, is removed, never followed.
    const QFileInfo leftover(tempPath);
    if ((leftover.exists() || leftover.isSymLink()) && !QFile::remove(tempPath)) {
        CloseQuoteFile();
        return fail(TempFileName,
                    leftover.isDir()
                        ? QStringLiteral("A folder of that name is in the way")
                        : QStringLiteral("An old file of that name cannot be removed"));
    }
    QFile temp(tempPath);
    const QString notCreated = attempt(Step::CreateTemp, [&] {
        return temp.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)
                   ? QString()
                   : temp.errorString();
    });
    if (!notCreated.isEmpty()) {
        CloseQuoteFile();
        return fail(TempFileName, notCreated);
    }
    // Records are gathered and written a large piece at a time.
    qint64 written = 0;
    QByteArray pending;
    constexpr qint64 Piece = 1 << 20;
    auto writePending = [&] {
        const QString reason = writeAt(temp, pending.constData(), pending.size(), written);
        if (reason.isEmpty()) written += pending.size();
        pending.clear();
        return reason;
    };
    const PutBytes put = [&](const char *data, qint64 count) {
        return attempt(Step::WriteTemp, [&] {
            pending.append(data, count);
            return pending.size() >= Piece ? writePending() : QString();
        });
    };
    Status s = fill(put);
    if (s && !pending.isEmpty()) {
        const QString reason = writePending();
        if (!reason.isEmpty()) s = fail(TempFileName, reason);
    }
#ifdef Q_OS_UNIX
    // The new file is the old one's: same permissions, same owner where we may.
    struct stat old;
    if (s && ::stat(QFile::encodeName(target).constData(), &old) == 0) {
        if (::fchmod(temp.handle(), old.st_mode & 07777) != 0)
            s = fail(TempFileName, systemReason(errno));
        else if (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
            (void)!::fchown(temp.handle(), old.st_uid, old.st_gid);
    }
#endif
    if (s) {
        const QString reason = attempt(Step::FlushTemp, [&] { return syncToDisk(temp); });
        if (!reason.isEmpty()) s = fail(TempFileName, reason);
    }
    temp.close();
    CloseQuoteFile();
    if (s) {
        QString reason = attempt(Step::Rename, [&] {
            return std::rename(QFile::encodeName(tempPath).constData(),
                               QFile::encodeName(target).constData()) == 0
                       ? QString()
                       : systemReason(errno);
        });
        if (reason.isEmpty()) {
            syncFolder(folder);
            return Status::success();
        }
        s = fail(QuoteFileName, reason);
    }
    QFile::remove(tempPath);
    return s;
}

Status LoadQuoteList(QStringList &list) {
    list.clear();
    const bool existed = QFileInfo::exists(QuoteFileName);
    Status s = OpenQuoteFile();
    if (!s) return s;
    if (QuoteCount == 0) {
        // A missing, empty or under-half-a-record file gets the reserved
        // quotes, all ten in one step: a file never holds only some of them.
        if (!readOnlyReason.isEmpty()) {
            s = fail(QuoteFileName, readOnlyReason);
        } else {
            QByteArray reserved;
            for (int i = 1; i <= ReservedCount; ++i) {
                FixedRecord r;
                r = LoadResString(i);
                reserved += win1252::encode(r.text());
            }
            s = ReplaceQuoteFile([&](const PutBytes &put) {
                const QString reason = put(reserved.constData(), reserved.size());
                return reason.isEmpty() ? Status::success() : fail(TempFileName, reason);
            });
            if (s) s = OpenQuoteFile();
        }
        if (!s) {
            CloseQuoteFile();
            // The empty file the opening made is not left behind either.
            if (!existed && QFileInfo(QuoteFileName).size() == 0) QFile::remove(QuoteFileTarget());
            s.whileCreating = true;
            return s;
        }
    }
    list.reserve(QuoteCount);
    for (qint16 i = 1; i <= QuoteCount && i > 0; ++i) {
        s = ReadQuoteRecord(i);
        if (!s) break;
        list.append(QuoteRecord.trimmed());
    }
    CloseQuoteFile();
    return s;
}

Status ReadQuote(qint16 row) {
    Status s = OpenQuoteFile();
    if (s) s = ReadQuoteRecord(row);
    CloseQuoteFile();
    return s;
}

Status SaveQuote(const QString &text, bool adding, qint16 row) {
    // A refused quote never takes the stored quote's place in the buffer.
    const FixedRecord stored = QuoteRecord;
    Status s = OpenQuoteFile();
    if (s) {
        QuoteRecord = UpperCase(text);
        const qint16 n = adding ? static_cast<qint16>(QuoteCount + 1) : row;
        if (adding && QuoteCount >= MaxRecords)
            s = fail(QuoteFileName,
                     QStringLiteral("The quote list is full: it holds %1 quotes, the most it can")
                         .arg(MaxRecords));
        else if (!adding && (row < 1 || row > QuoteCount))
            s = fail(QuoteFileName, QStringLiteral("There is no quote number %1").arg(row));
        else
            s = WriteQuoteRecord(n);
    }
    CloseQuoteFile();
    if (!s) QuoteRecord = stored;
    return s;
}

Status DeleteQuoteRecord(qint16 r) {
    Status s = OpenQuoteFile();
    if (!s) return s;
    const qint16 n = QuoteCount;
    // A quote file the player may not change is not replaced behind its back.
    if (!readOnlyReason.isEmpty() || r < 1 || r > n) {
        const QString reason = readOnlyReason.isEmpty()
                                   ? QStringLiteral("There is no quote number %1").arg(r)
                                   : readOnlyReason;
        CloseQuoteFile();
        return fail(QuoteFileName, reason);
    }
    return ReplaceQuoteFile([&](const PutBytes &put) {
        // Records are copied as the bytes they are, blank padded to full length.
        const QByteArray padding(RecordLength, ' ');
        for (qint16 w = 1; w <= n && w > 0; ++w) {
            const char *data = nullptr;
            qint64 length = 0;
            QString reason = attempt(Step::Read, [&] {
                QString why;
                recordSpan(w, data, length, why); // says why when it fails
                return why;
            });
            if (!reason.isEmpty()) return fail(QuoteFileName, reason);
            if (w == r || isKilledMarker(data, length)) continue;
            reason = put(data, length);
            if (reason.isEmpty() && length < RecordLength)
                reason = put(padding.constData(), RecordLength - length);
            if (!reason.isEmpty()) return fail(TempFileName, reason);
        }
        return Status::success();
    });
}

} // namespace quotes
