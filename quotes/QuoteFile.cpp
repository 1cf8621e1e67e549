#include "QuoteFile.h"

#include "QuoteRules.h"
#include "SafeFile.h"
#include "StringResources.h"
#include "Win1252.h"
#include "modStandard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <cstring>
#include <memory>

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

// Runs one I/O step, unless a test injects its failure; the reason it failed,
// or empty when it succeeded. The injector is asked exactly once per step.
template <typename Op> QString attempt(Step step, Op &&op) {
    if (injected(step)) return injectedReason;
    return op();
}

// The store's own fault injector, as the safe writer's stages.
safefile::FailAt storeStages() {
    if (!injector) return {};
    return [](safefile::Stage s) {
        switch (s) {
        case safefile::Stage::CreateTemp:
            return injected(Step::CreateTemp);
        case safefile::Stage::WriteTemp:
            return injected(Step::WriteTemp);
        case safefile::Stage::SyncTemp:
            return injected(Step::FlushTemp);
        case safefile::Stage::Rename:
            return injected(Step::Rename);
        case safefile::Stage::Write:
            return injected(Step::Write);
        case safefile::Stage::Sync:
            return injected(Step::Flush);
        }
        return false;
    };
}

} // namespace

FixedRecord::FixedRecord() : m_text(RecordLength, QLatin1Char(' ')) {}

void FixedRecord::setBytes(const char *data, qint64 length) {
    // Decoded in place: the buffer keeps its one allocation across reads.
    win1252::decodeInto(data, length, m_text.data());
    // A record written by something else (an old or hand-edited list) may
    // hold line breaks or other control bytes: they read as the blanks the
    // rules make of them in a typed quote.
    for (qint64 i = 0; i < length; ++i)
        if (IsControl(m_text[i].unicode())) m_text[i] = QLatin1Char(' ');
    for (qint64 i = length; i < RecordLength; ++i)
        m_text[i] = QLatin1Char(' ');
}

FixedRecord &FixedRecord::operator=(const QString &text) {
    m_text = text.left(RecordLength);
    if (m_text.size() < RecordLength)
        m_text += QString(RecordLength - m_text.size(), QLatin1Char(' '));
    return *this;
}

void FixedRecord::appendBytes(QByteArray &out, QStringView text) {
    text = text.first(qMin(text.size(), qsizetype(RecordLength)));
    const qsizetype at = out.size();
    out.resize(at + RecordLength);
    char *record = out.data() + at;
    win1252::encodeInto(text, record);
    std::memset(record + text.size(), ' ', size_t(RecordLength - text.size()));
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
            return fail(QuoteFileName, info.isDir() ? QCoreApplication::translate(
                                                          "quotes", "It is a folder, not a file")
                                                    : reason);
        readOnlyReason = reason;
    }
    const double records = std::nearbyint(double(file->size()) / RecordLength); // halves to even
    if (records > MaxRecords)
        return fail(
            QuoteFileName,
            QCoreApplication::translate("quotes", "It holds more than %1 quotes").arg(MaxRecords));
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
        return fail(QuoteFileName, QCoreApplication::translate("quotes", "The file is not open"));
    if (n < 1)
        return fail(QuoteFileName,
                    QCoreApplication::translate("quotes", "There is no quote number %1").arg(n));
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
        return fail(QuoteFileName, QCoreApplication::translate("quotes", "The file is not open"));
    if (!readOnlyReason.isEmpty()) return fail(QuoteFileName, readOnlyReason);
    if (n < 1)
        return fail(QuoteFileName,
                    QCoreApplication::translate("quotes", "There is no quote number %1").arg(n));
    if (const QString bad = FirstUnstorable(QuoteRecord.text()); !bad.isEmpty())
        return fail(QuoteFileName,
                    QCoreApplication::translate(
                        "quotes", "The character \"%1\" (%2) cannot be stored in the quote list")
                        .arg(bad, CodeOf(bad)));
    const bool appending = n > QuoteCount;
    if (appending && n != QuoteCount + 1)
        return fail(
            QuoteFileName,
            QCoreApplication::translate("quotes", "There is no quote number %1").arg(n - 1));
    if (appending && QuoteCount >= MaxRecords)
        return fail(QuoteFileName,
                    QCoreApplication::translate(
                        "quotes", "The quote list is full: it holds %1 quotes, the most it can")
                        .arg(MaxRecords));

    dropBlock();
    const qint64 oldSize = openFile->size();
    const qint64 at = qint64(n - 1) * RecordLength;
    // A short last record is first made whole with blanks, as records are.
    const qint64 from = appending ? qMin(oldSize, at) : at;
    QByteArray bytes(at - from, ' ');
    bytes += win1252::encode(QuoteRecord.text());
    const QString reason = safefile::writeWithUndo(openFile->handle(), from, bytes, storeStages());
    if (!reason.isEmpty()) return fail(QuoteFileName, reason);
    if (appending) modStandard::AddTo(QuoteCount, 1);
    return Status::success();
}

QString QuoteFileTarget() {
    return safefile::resolveLinks(QuoteFileName);
}

Status ReplaceQuoteFile(const std::function<Status(const PutBytes &put)> &fill) {
    safefile::ReplaceOptions o;
    o.tempName = TempFileName;
    o.failAt = storeStages();
    // The list is read while the new one is written; it is closed before the rename.
    o.beforeRename = [] { CloseQuoteFile(); };
    Status filled = Status::success();
    const safefile::Result r = safefile::replaceFile(
        QuoteFileName,
        [&](const safefile::Put &put) {
            filled = fill(put);
            return filled.reason;
        },
        o);
    CloseQuoteFile();
    if (!filled) return filled;
    if (r) return Status::success();
    return fail(r.which == safefile::Result::Which::Temp ? TempFileName : QuoteFileName, r.reason);
}

Status CheckListWritable() {
    Status s = OpenQuoteFile();
    if (s && !readOnlyReason.isEmpty()) s = fail(QuoteFileName, readOnlyReason);
    CloseQuoteFile();
    return s;
}

Status PeekQuoteList(QStringList &list) {
    const QFileInfo info(QuoteFileName);
    if (info.exists() && !(info.isFile() && std::nearbyint(double(info.size()) / RecordLength) == 0))
        return LoadQuoteList(list); // it holds records: read, never written
    list.clear();
    for (int i = 1; i <= ReservedCount; ++i) {
        FixedRecord r;
        r = LoadResString(i);
        list.append(r.trimmed());
    }
    return Status::success();
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
            if (!existed && QFileInfo(QuoteFileName).size() == 0)
                safefile::remove(QuoteFileTarget());
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
                     QCoreApplication::translate(
                         "quotes", "The quote list is full: it holds %1 quotes, the most it can")
                         .arg(MaxRecords));
        else if (!adding && (row < 1 || row > QuoteCount))
            s = fail(QuoteFileName,
                     QCoreApplication::translate("quotes", "There is no quote number %1").arg(row));
        else
            s = WriteQuoteRecord(n);
    }
    CloseQuoteFile();
    if (!s) QuoteRecord = stored;
    return s;
}

Status CopyRecords(const PutBytes &put, qint16 skip) {
    // Records are copied as the bytes they are, blank padded to full length.
    const QByteArray padding(RecordLength, ' ');
    for (qint16 w = 1; w <= QuoteCount && w > 0; ++w) {
        const char *data = nullptr;
        qint64 length = 0;
        QString reason = attempt(Step::Read, [&] {
            QString why;
            recordSpan(w, data, length, why); // says why when it fails
            return why;
        });
        if (!reason.isEmpty()) return fail(QuoteFileName, reason);
        // A deletion drops every marker with its record; a copy keeps all.
        if (skip > 0 && (w == skip || isKilledMarker(data, length))) continue;
        reason = put(data, length);
        if (reason.isEmpty() && length < RecordLength)
            reason = put(padding.constData(), RecordLength - length);
        if (!reason.isEmpty()) return fail(TempFileName, reason);
    }
    return Status::success();
}

Status DeleteQuoteRecord(qint16 r) {
    Status s = OpenQuoteFile();
    if (!s) return s;
    const qint16 n = QuoteCount;
    // A quote file the player may not change is not replaced behind its back.
    if (!readOnlyReason.isEmpty() || r < 1 || r > n) {
        const QString reason =
            readOnlyReason.isEmpty()
                ? QCoreApplication::translate("quotes", "There is no quote number %1").arg(r)
                : readOnlyReason;
        CloseQuoteFile();
        return fail(QuoteFileName, reason);
    }
    return ReplaceQuoteFile([&](const PutBytes &put) { return CopyRecords(put, r); });
}

} // namespace quotes
