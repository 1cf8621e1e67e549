#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The quote file: headerless 200-byte records, blank padded, one Windows-1252
// byte per character. Records 1 to 10 are the reserved quotes. The file is
// never held open between user actions.
namespace quotes {

inline constexpr int RecordLength = 200;
inline constexpr qint16 MaxRecords = 32767;
inline constexpr int ReservedCount = 10;
inline const QString TempFileName = QStringLiteral("TempFile.$$$");
inline const QString KilledMarker = QStringLiteral("$Killed$");

// The single record buffer every read and write passes through: always exactly
// 200 characters; a shorter text is padded with blanks, a longer one cut.
class FixedRecord {
public:
    FixedRecord();
    FixedRecord &operator=(const QString &text);
    // Takes a record's bytes as read from the file; a short record is padded,
    // and control bytes (a line break in an old list) read as blanks.
    void setBytes(const char *data, qint64 length);
    // Appends the record `text` makes, as the file holds it: its bytes, then
    // blanks to the record's length (the text must be storable).
    static void appendBytes(QByteArray &out, QStringView text);
    const QString &text() const { return m_text; }
    QString trimmed() const { return m_text.trimmed(); }

private:
    QString m_text;
};

// The outcome of a store operation. A failure names the file and the system's
// reason; nothing that failed is ever reported as success.
struct Status {
    QString file;
    QString reason;
    // The failure came while the list was first made (its ten reserved quotes).
    bool whileCreating = false;

    bool ok() const { return reason.isEmpty(); }
    explicit operator bool() const { return ok(); }
    // "Cipherly.Dat: Permission denied", for a message box.
    QString describe() const;

    static Status success() { return {}; }
    static Status failure(const QString &file, const QString &reason) { return {file, reason}; }
};

extern QString QuoteFileName;   // a bare name, resolved against the current folder
extern qint16 QuoteFileNumber;  // handle of the open file; 0 when closed
extern qint16 QuoteCount;       // records in the file, recomputed at every open
extern FixedRecord QuoteRecord; // the last record read or written

Status OpenQuoteFile();
void CloseQuoteFile();

// Reads record n into QuoteRecord (the file must be open).
Status ReadQuoteRecord(qint16 n);
// Writes QuoteRecord as record n; n = QuoteCount + 1 appends and advances QuoteCount.
Status WriteQuoteRecord(qint16 n);

// Creates the ten reserved quotes when the file holds no record, then hands
// every record's trimmed text to `list`, in order. Opens and closes the file.
Status LoadQuoteList(QStringList &list);
// The list as LoadQuoteList hands it over, the file never made nor written:
// one missing, or holding no record, reads as the ten reserved quotes.
Status PeekQuoteList(QStringList &list);

// Stores `text` in upper case: as a new last record (adding) or as record `row`.
Status SaveQuote(const QString &text, bool adding, qint16 row);

// Reads record `row` into QuoteRecord; opens and closes the file.
Status ReadQuote(qint16 row);

// Removes record r, and any "$Killed$" record, by writing the remaining list
// to "TempFile.$$$" beside the quote file and renaming it over the quote file in
// one step. On any failure the quote file is left as it was.
Status DeleteQuoteRecord(qint16 r);

// Writes `count` bytes to the new quote file being made; the reason it
// failed, or empty.
using PutBytes = std::function<QString(const char *data, qint64 count)>;
// Replaces the quote file in one step: `fill` writes the new content through
// `put` into "TempFile.$$$" beside the file (beside the file a link points
// at), which is flushed, given the old file's permissions and renamed over
// it; the folder is flushed too. A failure of `fill` or of any step leaves
// the quote file as it was. The quote file may be open for reading while
// `fill` runs; it is closed before the rename.
Status ReplaceQuoteFile(const std::function<Status(const PutBytes &put)> &fill);

// Whether the list can be changed at all: a list the player may only read is
// refused before any work starts, with the system's reason.
Status CheckListWritable();

// Hands every record of the open file to `put` as the bytes it holds, blank
// padded to full length. With `skip` (a deletion), record `skip` and every
// "$Killed$" record are left out.
Status CopyRecords(const PutBytes &put, qint16 skip = 0);

// Where the quote file really is: its own path, or the file its link points at.
QString QuoteFileTarget();

// Test seam: a failure injected at a named step of the store's I/O.
enum class Step { Open, Read, Write, Flush, CreateTemp, WriteTemp, FlushTemp, Rename };
void SetFaultInjector(std::function<bool(Step)> failsAt);

} // namespace quotes
