#include "QuoteImport.h"

#include "SafeFile.h"
#include "Win1252.h"

#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

namespace quotes {

QString DecodeText(const QByteArray &bytes) {
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF")) data.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(data);
    if (!utf8.hasError()) return text;
    return win1252::decode(data);
}

namespace {

QStringList fortuneEntries(const QStringList &lines) {
    QStringList out;
    QStringList words;
    QString by;
    auto finish = [&] {
        QString entry = words.join(QLatin1Char(' '));
        if (!by.isEmpty()) entry += QStringLiteral(" - ") + by;
        if (!entry.trimmed().isEmpty()) out << entry;
        words.clear();
        by.clear();
    };
    for (const QString &raw : lines) {
        if (raw == QLatin1String("%")) {
            finish();
            continue;
        }
        const QString line = raw.trimmed();
        if (line.isEmpty()) continue;
        if (line.startsWith(QLatin1String("--"))) {
            by = line.mid(2).trimmed();
            continue;
        }
        words << line;
    }
    finish();
    return out;
}

} // namespace

QStringList CandidatesIn(const QByteArray &bytes, const QString &fileName) {
    QStringList out;
    if (fileName.endsWith(QLatin1String(".Dat"), Qt::CaseInsensitive)) {
        for (qint64 at = 0; at < bytes.size(); at += RecordLength) {
            const QString text = win1252::decode(bytes.mid(at, RecordLength)).trimmed();
            if (!text.isEmpty() && text != KilledMarker) out << text;
        }
        return out;
    }
    QString text = DecodeText(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.contains(QStringLiteral("%"))) return fortuneEntries(lines);
    for (const QString &line : lines)
        if (!line.trimmed().isEmpty()) out << line;
    return out;
}

int ImportResult::skippedCount() const {
    int n = 0;
    for (const QStringList &l : skipped)
        n += int(l.size());
    return n;
}

ImportResult ImportQuotes(const QList<ImportSource> &sources, const ImportProgress &progress) {
    ImportResult result;
    QStringList existing;
    result.status = LoadQuoteList(existing);
    // A list that may only be read is refused before any work, as a deletion is.
    if (result.status) result.status = CheckListWritable();
    if (!result.status) return result;
    const qint16 before = qint16(existing.size());

    QSet<QString> seen;
    seen.reserve(existing.size());
    for (const QString &q : std::as_const(existing))
        seen.insert(QuoteKey(q));

    QList<QStringList> candidates;
    qint64 total = 0;
    for (const ImportSource &s : sources) {
        candidates << CandidatesIn(s.bytes, s.fileName);
        total += candidates.last().size();
    }

    // The records to add, already encoded.
    QByteArray added;
    qint64 done = 0;
    int room = MaxRecords - before;
    for (const QStringList &list : std::as_const(candidates)) {
        for (const QString &candidate : list) {
            if (progress && (done++ % 256) == 0 && !progress(done, total)) {
                result.cancelled = true;
                result.added = 0; // nothing was added after all
                return result;
            }
            const Normalized n = NormalizeQuote(candidate);
            const Verdict v = CheckQuote(n.text);
            if (!v.ok()) {
                const Skip why = v.problem == Problem::Digit        ? Skip::Digits
                                 : v.problem == Problem::Unstorable ? Skip::Unstorable
                                                                    : Skip::Length;
                result.skipped[why] << n.text;
                continue;
            }
            const QString key = QuoteKey(n.text);
            if (seen.contains(key)) {
                result.skipped[Skip::Duplicate] << n.text;
                continue;
            }
            if (room <= 0) {
                result.skipped[Skip::NoRoom] << n.text;
                continue;
            }
            seen.insert(key);
            FixedRecord r;
            r = UpperCase(n.text);
            added += win1252::encode(r.text());
            --room;
            ++result.added;
        }
    }
    if (progress && !progress(total, total)) {
        result.cancelled = true;
        result.added = 0;
        return result;
    }
    if (result.added == 0) return result;

    // The list as it is, then the new quotes: one new file, renamed over the old.
    result.status = OpenQuoteFile();
    if (!result.status) return result;
    const qint16 count = QuoteCount;
    result.status = ReplaceQuoteFile([&](const PutBytes &put) -> Status {
        const QByteArray padding(RecordLength, ' ');
        for (qint16 w = 1; w <= count && w > 0; ++w) {
            Status s = ReadQuoteRecord(w);
            if (!s) return s;
            const QByteArray bytes = win1252::encode(QuoteRecord.text());
            const QString reason = put(bytes.constData(), bytes.size());
            if (!reason.isEmpty()) return Status::failure(TempFileName, reason);
        }
        const QString reason = put(added.constData(), added.size());
        return reason.isEmpty() ? Status::success() : Status::failure(TempFileName, reason);
    });
    if (result.status) {
        result.firstAdded = qint16(count + 1);
    } else {
        result.added = 0;
    }
    return result;
}

bool ExportsAsList(const QString &path) {
    return path.endsWith(QLatin1String(".Dat"), Qt::CaseInsensitive);
}

Status ExportQuotes(const QString &path, int *count) {
    QStringList list;
    Status s = LoadQuoteList(list);
    if (!s) return s;
    QByteArray bytes;
    int n = 0;
    if (ExportsAsList(path)) {
        // A list of records, the whole list: a copy another player can use as it is.
        for (const QString &quote : std::as_const(list)) {
            FixedRecord r;
            r = quote;
            bytes += win1252::encode(r.text());
            ++n;
        }
    } else {
        for (qsizetype i = ReservedCount; i < list.size(); ++i, ++n)
            bytes += list[i].toUtf8() + '\n';
    }
    const safefile::Result r = safefile::replaceFile(path, bytes);
    if (!r) {
        const QString name = QFileInfo(path).fileName();
        return Status::failure(
            r.which == safefile::Result::Which::Temp ? safefile::tempNameFor(name) : name,
            r.reason);
    }
    if (count) *count = n;
    return Status::success();
}

} // namespace quotes
