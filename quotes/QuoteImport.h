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

// The texts a file holds, one candidate quote each, before any rule:
// - another player's quote list (a name ending in ".Dat"): its records;
// - a fortune file (entries between lines holding only "%"): each entry's
//   lines joined with blanks, an attribution line "-- Name" becoming " - Name";
// - any other text: one quote per line.
// Text is read as UTF-8, or as Windows-1252 where it is not valid UTF-8.
QStringList CandidatesIn(const QByteArray &bytes, const QString &fileName);
QString DecodeText(const QByteArray &bytes);

enum class Skip { Length, Digits, Unstorable, Duplicate, NoRoom };
inline constexpr int SkipKinds = 5;

struct ImportSource {
    QString name;     // what the report calls it (a file's name, or "the dropped text")
    QByteArray bytes; // its content
    QString fileName; // for telling a quote list by its name; may be empty
};

struct ImportResult {
    Status status;          // a failure leaves the list as it was
    bool cancelled = false; // so does a cancel
    int added = 0;
    qint16 firstAdded = 0; // the record number of the first quote added; 0 for none
    QMap<Skip, QStringList> skipped;
    int skippedCount() const;
};

// Called now and then with the candidates checked so far and all there are;
// returning false cancels the import.
using ImportProgress = std::function<bool(qint64 done, qint64 total)>;

// Adds every candidate of `sources` that meets the rules a typed quote meets
// (trimmed, line breaks and Tabs as blanks, 50 to 200 characters, no digit,
// only characters the file can hold, upper case), is not in the list yet
// (case and runs of blanks aside) nor earlier in the sources, and still fits
// in the list. The new list is written in one step.
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
