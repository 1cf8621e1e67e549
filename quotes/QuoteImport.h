#pragma once

#include "QuoteFile.h"
#include "QuoteRules.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

// Quote collections: many quotes brought into the list in one step from the
// files players keep them in, and the player's own quotes taken out again.
namespace quotes {

// What a file holds, told by what is in it, never by its name:
// - a quote list: a length that is a multiple of 200, every record
//   Windows-1252 text padded with blanks (or the deletion marker);
// - a fortune file: entries between lines holding only "%";
// - plain text: one quote per line;
// - not text at all: NUL bytes or many control bytes near its start, as in a
//   program, a picture or a fortune index file.
enum class Kind { List, Fortune, Text, NotText };

// How much of a file's start tells its kind.
inline constexpr qint64 HeadBytes = 64 * 1024;
// `head` is the file's start (up to HeadBytes), `size` its whole length.
Kind KindOf(const QByteArray &head, qint64 size);
// Whether `bytes` (a whole file) is a quote list.
bool IsQuoteList(const QByteArray &bytes);

// One line of text, read as UTF-8 where it is valid UTF-8 and as
// Windows-1252 where it is not: a stray byte spoils no other line.
QString DecodeLine(QByteArrayView line);
// Every line of a text so (a byte-order mark dropped; UTF-16 with its mark
// decoded as such), joined by "\n".
QString DecodeText(const QByteArray &bytes);

// The candidate quotes of a whole file, before any rule: a list's records, a
// fortune file's entries, a text's non-blank lines.
QStringList CandidatesIn(const QByteArray &bytes);

// A fortune entry, its lines as they stand, as one candidate: the lines
// joined by blanks and the attribution (what follows the last "--" line that
// begins the entry's closing lines, with its indented continuation lines)
// after " - ". A "--" line inside the entry (a dialogue) is text.
QString FortuneEntry(const QList<QStringView> &lines);
QString FortuneEntry(const QStringList &lines);

enum class Skip { TooShort, TooLong, NotProse, Digits, Control, Unstorable, Duplicate, NoRoom };
inline constexpr int SkipKinds = 8;
QString SkipReason(Skip s);

// The entries a report names one by one, at most.
inline constexpr int DetailsShown = 1000;

struct ImportSource {
    QString name;     // what the report calls it (a file, or "the dropped text")
    QByteArray bytes; // text given directly (a drop); empty when `path` is read
    QString path;     // a file to read through the gate; empty for `bytes`
};

struct ImportResult {
    Status status;          // a failure leaves the list as it was
    bool cancelled = false; // so does a cancel
    int added = 0;
    qint16 firstAdded = 0;   // the record number of the first quote added; 0 for none
    QMap<Skip, int> skipped; // how many were skipped, by reason
    // The first DetailsShown skipped entries, each with its reason.
    QList<QPair<Skip, QString>> skippedShown;
    // How many of the quotes added had accented letters written as plain ones.
    int plainLetters = 0;
    QStringList notRead; // "name: why" for each source that was not read at all
    int skippedCount() const;
};

// Called now and then with the bytes read so far and all there are;
// returning false cancels the import.
using ImportProgress = std::function<bool(qint64 done, qint64 total)>;

// Adds every candidate of `sources` that reads as prose, with its accented
// letters made plain (PlainLetters) and meets the rules a typed quote meets,
// is not in the list yet (case and runs of blanks aside) nor earlier in the
// sources, and still fits in the list. Files are read through the gate, a
// piece at a time; the new list is written in one step.
ImportResult ImportQuotes(const QList<ImportSource> &sources, const ImportProgress &progress = {});

// Whether an export to `path` writes a quote list (a name ending in ".Dat")
// rather than text.
bool ExportsAsList(const QString &path);

// Exports the list to `path`, replacing what is there in one step or not at
// all: as a quote list of 200-byte records (the whole list) for a name ending
// in ".Dat", else the player's own quotes (records 11 on), one per line, as
// UTF-8 text. `count` is how many quotes were written.
Status ExportQuotes(const QString &path, int *count = nullptr);

} // namespace quotes
