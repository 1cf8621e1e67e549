#include "QuoteImport.h"

#include "InputGate.h"
#include "SafeFile.h"
#include "Win1252.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

#include <climits>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace quotes {

namespace {

constexpr qint64 Piece = 256 * 1024;
// Longer than any quote by far: a line or an entry past this is too long
// whatever follows, and is not kept whole.
constexpr qsizetype Overlong = 4096;

// The control bytes no text holds: below a space all but the backspace, Tab,
// the line ends, the vertical tab and the form feed (8 to 13), which are
// text's own; and DEL. Told by comparisons alone, so that a file's start is
// counted many bytes at a time.
constexpr unsigned isControlByte(unsigned char b) {
    return unsigned(b < '\b') | unsigned(static_cast<unsigned char>(b - 14) < 0x20 - 14) |
           unsigned(b == 0x7F);
}

// How a text's bytes are read: line by line as UTF-8 or Windows-1252, or
// throughout as UTF-16 or UTF-32 when the text starts with their mark.
enum class Encoding { Bytes, Utf16LE, Utf16BE, Utf32LE, Utf32BE };

Encoding encodingOf(QByteArrayView head) {
    // UTF-32's little-endian mark begins as UTF-16's does: it is asked first.
    if (head.startsWith(QByteArrayView("\xFF\xFE\0\0", 4))) return Encoding::Utf32LE;
    if (head.startsWith(QByteArrayView("\0\0\xFE\xFF", 4))) return Encoding::Utf32BE;
    if (head.startsWith("\xFF\xFE")) return Encoding::Utf16LE;
    if (head.startsWith("\xFE\xFF")) return Encoding::Utf16BE;
    return Encoding::Bytes;
}

QStringDecoder decoderFor(Encoding e) {
    switch (e) {
    case Encoding::Utf16LE:
        return QStringDecoder(QStringDecoder::Utf16LE);
    case Encoding::Utf16BE:
        return QStringDecoder(QStringDecoder::Utf16BE);
    case Encoding::Utf32LE:
        return QStringDecoder(QStringDecoder::Utf32LE);
    case Encoding::Utf32BE:
        return QStringDecoder(QStringDecoder::Utf32BE);
    case Encoding::Bytes:
        break;
    }
    return QStringDecoder(QStringDecoder::Utf8);
}

qsizetype markLength(Encoding e, QByteArrayView head) {
    switch (e) {
    case Encoding::Utf32LE:
    case Encoding::Utf32BE:
        return 4;
    case Encoding::Utf16LE:
    case Encoding::Utf16BE:
        return 2;
    case Encoding::Bytes:
        break;
    }
    return head.startsWith("\xEF\xBB\xBF") ? 3 : 0;
}

QStringList splitLines(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.split(QLatin1Char('\n'));
}

// Lines out of a stream of bytes, a piece at a time. CR LF, LF and CR alone
// all end a line, mixed as they come. Bytes are read as UTF-8 or
// Windows-1252 line by line, or as UTF-16 or UTF-32 throughout when the text
// starts with its mark. A line of more than Overlong characters keeps only
// its start.
class LineReader {
public:
    // `head`: the text's start, which tells how it is encoded.
    explicit LineReader(QByteArrayView head)
        : m_encoding(encodingOf(head)), m_decoder(decoderFor(m_encoding)) {}

    template <typename Emit> void feed(QByteArrayView bytes, Emit &&out) {
        if (m_first) {
            m_first = false;
            bytes = bytes.sliced(qMin(bytes.size(), markLength(m_encoding, bytes)));
        }
        if (m_encoding != Encoding::Bytes) {
            m_text += m_decoder.decode(bytes);
            const qsizetype from = eachLine(QStringView(m_text), out);
            m_text.remove(0, from);
            if (m_text.size() > Overlong) m_text.truncate(Overlong);
            return;
        }
        const qsizetype from = eachLine(bytes, [&](QByteArrayView line) {
            if (m_rawLines) {
                // Counted, not read: no text is made of it.
                if (m_line.isEmpty()) {
                    m_rawLines(line);
                } else {
                    appendPart(line);
                    m_rawLines(m_line);
                    m_line.clear();
                }
                return;
            }
            if (m_line.isEmpty() && line.size() <= Overlong) {
                out(decoded(line));
            } else {
                appendPart(line);
                out(decoded(m_line));
                m_line.clear();
            }
        });
        appendPart(bytes.sliced(from));
    }
    // From now on, whole lines of UTF-8 or Windows-1252 go to `raw` as the
    // bytes they are, undecoded (for counting what no longer fits).
    void rawLinesTo(std::function<void(QByteArrayView)> raw) {
        if (m_encoding == Encoding::Bytes) m_rawLines = std::move(raw);
    }
    template <typename Emit> void finish(Emit &&out) {
        if (m_encoding != Encoding::Bytes && !m_text.isEmpty()) out(QStringView(m_text));
        if (m_encoding == Encoding::Bytes && !m_line.isEmpty()) {
            if (m_rawLines)
                m_rawLines(m_line);
            else
                out(decoded(m_line));
        }
        m_text.clear();
        m_line.clear();
    }

private:
    // Hands every whole line of `text` to `line`; where the unfinished rest
    // begins. A LF right after a CR (in this piece or at the end of the last)
    // ends no second line.
    template <typename Line> qsizetype eachLine(QByteArrayView text, Line &&line) {
        // Bytes are searched for line ends the fast way: LF first, then a CR
        // before it, which is rare.
        const char *const data = text.data();
        const qsizetype n = text.size();
        qsizetype from = 0;
        if (m_afterCR && n > 0) {
            m_afterCR = false;
            if (data[0] == '\n') from = 1;
        }
        while (from < n) {
            const auto *lf =
                static_cast<const char *>(std::memchr(data + from, '\n', size_t(n - from)));
            const qsizetype end = lf ? lf - data : n;
            const auto *cr =
                static_cast<const char *>(std::memchr(data + from, '\r', size_t(end - from)));
            if (cr) {
                line(text.sliced(from, cr - data - from));
                from = cr - data + 1;
                if (from == n)
                    m_afterCR = true;
                else if (data[from] == '\n')
                    ++from;
                continue;
            }
            if (!lf) break; // the rest is an unfinished line
            line(text.sliced(from, end - from));
            from = end + 1;
        }
        return from;
    }
    template <typename View, typename Line> qsizetype eachLine(View text, Line &&line) {
        qsizetype from = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const auto c = text[i];
            const bool lf = c == '\n', cr = c == '\r';
            if (lf && m_afterCR) {
                m_afterCR = false;
                from = i + 1;
                continue;
            }
            m_afterCR = false;
            if (!lf && !cr) continue;
            line(text.sliced(from, i - from));
            from = i + 1;
            m_afterCR = cr;
        }
        return from;
    }
    // A line of bytes as text, in a buffer kept from line to line: plain
    // ASCII widened as it is, the rest as DecodeLine reads it.
    QStringView decoded(QByteArrayView line) {
        const qsizetype n = line.size();
        const auto *in = reinterpret_cast<const unsigned char *>(line.data());
        if (m_decoded.size() < n) m_decoded.resize(n);
        auto *out = reinterpret_cast<char16_t *>(m_decoded.data());
        unsigned char high = 0;
        for (qsizetype i = 0; i < n; ++i) {
            high |= in[i];
            out[i] = in[i];
        }
        if (!(high & 0x80)) return QStringView(m_decoded).first(n);
        m_decoded = DecodeLine(line);
        return m_decoded;
    }
    void appendPart(QByteArrayView part) {
        if (m_line.size() < Overlong)
            m_line.append(part.first(qMin(part.size(), Overlong - m_line.size())));
    }

    Encoding m_encoding;
    std::function<void(QByteArrayView)> m_rawLines;
    bool m_first = true, m_afterCR = false;
    QStringDecoder m_decoder;
    QByteArray m_line;
    QString m_text, m_decoded;
};

// Candidates out of lines: each non-blank line of a text, each entry of a
// fortune file.
class Candidates {
public:
    explicit Candidates(bool fortune) : m_fortune(fortune) {}

    template <typename Emit> void line(QStringView line, Emit &&out) {
        if (!m_fortune) {
            if (!line.trimmed().isEmpty()) out(line.toString());
            return;
        }
        if (line == QLatin1String("%")) {
            finish(out);
            return;
        }
        // An entry's lines, one after another in one buffer.
        if (m_text.size() < Overlong) {
            m_text += line;
            m_ends << m_text.size();
        }
    }
    template <typename Emit> void finish(Emit &&out) {
        if (!m_ends.isEmpty()) {
            m_lines.clear();
            qsizetype from = 0;
            for (const qsizetype end : std::as_const(m_ends)) {
                m_lines << QStringView(m_text).sliced(from, end - from);
                from = end;
            }
            const QString entry = FortuneEntry(m_lines);
            if (!entry.isEmpty()) out(entry);
        }
        m_text.resize(0); // the buffers are kept for the next entry
        m_ends.clear();
        if (m_pending) ++m_counted;
        m_pending = false;
    }
    // A line only counted, as the bytes it is: a non-blank line of text, or
    // a fortune entry with a non-blank line, is one candidate more.
    void count(QByteArrayView raw) {
        bool blank = true;
        for (const char c : raw)
            if (c != ' ' && c != '\t' && c != '\f' && c != '\v') {
                blank = false;
                break;
            }
        if (!m_fortune) {
            m_counted += !blank;
        } else if (raw == "%") {
            if (m_pending) ++m_counted;
            m_pending = false;
        } else if (!blank) {
            m_pending = true;
        }
    }
    qint64 counted() const { return m_counted; }

private:
    bool m_fortune;
    QString m_text;
    QList<qsizetype> m_ends;
    QList<QStringView> m_lines;
    bool m_pending = false;
    qint64 m_counted = 0;
};

bool hasPercentLine(const QString &text) {
    return splitLines(text).contains(QStringLiteral("%"));
}

// Every candidate of one source, read a piece at a time: the start tells its
// kind (a source that could be a list, no more than a full list holds, is
// read whole to be sure), then lines or records go to `take`. `advance` hears
// of the bytes dealt with and says whether to go on; `stopped` tells that it
// did not; `kindOut`, when given, hears the kind before the first candidate.
// The reason the source could not be read (in part), or empty.
// Once `full` says the list can take no more, the rest is only counted, and
// the count goes to `rest`.
struct Full {
    std::function<bool()> full;
    std::function<void(qint64)> rest;
};

QString eachCandidateOf(const ImportSource &source, gate::Source *file,
                        const std::function<void(const QString &)> &take,
                        const std::function<bool(qint64 bytes)> &advance, bool &stopped,
                        Kind *kindOut = nullptr, const Full &whenFull = {}) {
    stopped = false;
    // -1 for a file that does not tell its size: it is read to its end.
    const qint64 size =
        file ? (file->sizeKnown() ? file->size() : -1) : qint64(source.bytes.size());
    const qint64 want = size < 0 ? HeadBytes
                        : size % RecordLength == 0 && size <= qint64(MaxRecords) * RecordLength
                            ? size
                            : qMin(size, HeadBytes);
    // The next piece of the source, appended to `into`. A file that changed
    // while it was read is read as far as it goes, and said to have changed.
    qint64 at = 0;
    bool ended = file ? file->atEnd() : source.bytes.isEmpty();
    QString changed;
    auto next = [&](QByteArray &into, qint64 most) -> QString {
        const qsizetype had = into.size();
        if (!file) {
            into += source.bytes.mid(at, most);
        } else if (QString why = file->readPiece(into, most); !why.isEmpty()) {
            if (why != gate::Changed()) return why;
            changed = why;
        }
        at += into.size() - had;
        ended = file ? file->atEnd() : at >= size;
        return {};
    };
    QByteArray head;
    while (head.size() < want && !ended) {
        const qint64 had = at;
        if (QString why = next(head, want - head.size()); !why.isEmpty()) return why;
        if (at == had) break;
    }
    const bool whole = ended || head.size() == size;

    const Kind kind =
        KindOf(head.first(qMin<qsizetype>(head.size(), HeadBytes)), whole ? head.size() : -1);
    if (kindOut) *kindOut = kind;
    if (kind == Kind::NotText) {
        stopped = !advance(size < 0 ? head.size() : size);
        return QCoreApplication::translate("quotes", "it is not a text file");
    }
    if (whole && IsQuoteList(head)) {
        for (qsizetype r = 0; r < head.size(); r += RecordLength) {
            const QString text = win1252::decode(head.mid(r, RecordLength)).trimmed();
            if (!text.isEmpty() && text != KilledMarker) take(text);
        }
        stopped = !advance(head.size());
        return changed;
    }
    LineReader lines(head);
    Candidates candidates(kind == Kind::Fortune);
    bool counting = false;
    auto line = [&](QStringView l) {
        candidates.line(l, take);
        if (!counting && whenFull.full && whenFull.full()) {
            counting = true;
            lines.rawLinesTo([&](QByteArrayView raw) { candidates.count(raw); });
        }
    };
    // What was read to tell the kind goes first, then the rest piece by piece.
    for (qsizetype from = 0; from < head.size(); from += Piece) {
        const qsizetype n = qMin<qsizetype>(Piece, head.size() - from);
        lines.feed(QByteArrayView(head).sliced(from, n), line);
        if ((stopped = !advance(n))) return {};
    }
    head.clear();
    QString why;
    QByteArray piece;
    while (!ended) {
        piece.clear();
        const qint64 had = at;
        if (why = next(piece, Piece); !why.isEmpty() || at == had) break;
        lines.feed(piece, line);
        if ((stopped = !advance(piece.size()))) return {};
    }
    lines.finish(line);
    candidates.finish(take);
    if (candidates.counted() > 0 && whenFull.rest) whenFull.rest(candidates.counted());
    return why.isEmpty() ? changed : why;
}

} // namespace

QString DecodeLine(QByteArrayView line) {
    bool ascii = true;
    for (char c : line)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii) return QString::fromLatin1(line);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(line);
    if (!utf8.hasError()) return text;
    return win1252::decode(line.toByteArray());
}

QString DecodeText(const QByteArray &bytes) {
    QStringList out;
    LineReader lines(bytes);
    auto take = [&](QStringView line) { out << line.toString(); };
    lines.feed(bytes, take);
    lines.finish(take);
    return out.join(QLatin1Char('\n'));
}

bool IsQuoteList(const QByteArray &bytes) {
    if (bytes.isEmpty() || bytes.size() % RecordLength != 0 ||
        bytes.size() > qint64(MaxRecords) * RecordLength)
        return false;
    bool padded = false;
    for (qsizetype at = 0; at < bytes.size(); at += RecordLength) {
        const QByteArrayView record = QByteArrayView(bytes).sliced(at, RecordLength);
        for (char c : record) {
            const auto b = static_cast<unsigned char>(c);
            // Text of the list's own code page: no control byte, none it leaves unassigned.
            if (b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 ||
                b == 0x9D)
                return false;
        }
        padded = padded || record.back() == ' ';
    }
    return padded;
}

Kind KindOf(const QByteArray &head, qint64 size) {
    if (const Encoding e = encodingOf(head); e != Encoding::Bytes) {
        QStringDecoder wide = decoderFor(e);
        return hasPercentLine(wide.decode(head.sliced(markLength(e, head)))) ? Kind::Fortune
                                                                             : Kind::Text;
    }
    if (head.contains('\0')) return Kind::NotText;
    qsizetype controls = 0;
    for (char c : head)
        controls += isControlByte(static_cast<unsigned char>(c));
    if (controls * 20 > head.size()) return Kind::NotText; // more than one byte in twenty
    if (head.size() == size && IsQuoteList(head)) return Kind::List;
    // A line holding only "%", whatever ends the lines.
    const qsizetype n = head.size();
    for (qsizetype i = head.indexOf('%'); i >= 0; i = head.indexOf('%', i + 1)) {
        const bool starts = i == 0 || head[i - 1] == '\n' || head[i - 1] == '\r';
        const bool ends = i + 1 == n || head[i + 1] == '\n' || head[i + 1] == '\r';
        if (starts && ends) return Kind::Fortune;
    }
    return Kind::Text;
}

QString FortuneEntry(const QStringList &lines) {
    return FortuneEntry(QList<QStringView>(lines.cbegin(), lines.cend()));
}

QString FortuneEntry(const QList<QStringView> &lines) {
    // The closing lines: the last "--" line, if every line after it is an
    // indented continuation (or blank).
    qsizetype by = -1;
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        const QStringView trimmed = lines[i].trimmed();
        if (trimmed.startsWith(QLatin1String("--"))) {
            by = i;
            break;
        }
        if (!trimmed.isEmpty() && !lines[i].front().isSpace()) break;
    }
    // The words' lines joined by blanks, then " - " and the name's lines,
    // written straight into one buffer that holds them all.
    qsizetype size = 3;
    for (const QStringView line : lines)
        size += line.size() + 1;
    QString entry(size, Qt::Uninitialized);
    QChar *const start = entry.data();
    auto join = [](QChar *from, QChar *to, QStringView line) {
        if (line.isEmpty()) return to;
        if (to != from) *to++ = QLatin1Char(' ');
        std::memcpy(static_cast<void *>(to), line.data(), size_t(line.size()) * sizeof(QChar));
        return to + line.size();
    };
    const qsizetype words = by >= 0 ? by : lines.size();
    QChar *to = start;
    for (qsizetype i = 0; i < words; ++i)
        to = join(start, to, lines[i].trimmed());
    if (by >= 0) {
        QChar *const nameStart = to + 3;
        QChar *end = join(nameStart, nameStart, lines[by].trimmed().mid(2).trimmed());
        for (qsizetype i = by + 1; i < lines.size(); ++i)
            end = join(nameStart, end, lines[i].trimmed());
        if (end != nameStart) {
            to[0] = QLatin1Char(' ');
            to[1] = QLatin1Char('-');
            to[2] = QLatin1Char(' ');
            to = end;
        }
    }
    entry.truncate(to - start);
    return entry;
}

QStringList CandidatesIn(const QByteArray &bytes) {
    QStringList out;
    bool stopped = false;
    eachCandidateOf(
        {QString(), bytes, QString()}, nullptr, [&](const QString &c) { out << c; },
        [](qint64) { return true; }, stopped);
    return out;
}

QString SkipReason(Skip s) {
    switch (s) {
    case Skip::TooShort:
        return QCoreApplication::translate("quotes", "too short");
    case Skip::TooLong:
        return QCoreApplication::translate("quotes", "too long");
    case Skip::NotProse:
        return QCoreApplication::translate(
            "quotes", "not prose: fewer than half of the characters are letters");
    case Skip::Digits:
        return QCoreApplication::translate("quotes", "with digits");
    case Skip::Control:
        return QCoreApplication::translate("quotes", "with control characters");
    case Skip::Unstorable:
        return QCoreApplication::translate("quotes", "with characters the list cannot hold");
    case Skip::Duplicate:
        return QCoreApplication::translate("quotes", "already in the list");
    case Skip::NoRoom:
        return QCoreApplication::translate("quotes",
                                           "did not fit: the list holds 32,767 quotes at most");
    }
    return {};
}

int ImportResult::skippedCount() const {
    int n = 0;
    for (int c : skipped)
        n += c;
    return n;
}

namespace {

// The checking side of an import: each candidate meets the rules once, the
// quotes that pass are kept encoded, the rest counted (and the first ones
// kept for the details).
class Intake {
public:
    Intake(ImportResult &result, const QStringList &existing)
        : m_result(result), m_room(MaxRecords - int(existing.size())) {
        m_seen.reserve(existing.size());
        for (const QString &q : existing)
            m_seen.insert(QuoteKey(q));
        // Room for every record the list can still take, reserved and not
        // yet touched, so that the records are never copied as they grow.
        m_added.reserve(qsizetype(qMax(m_room, 0)) * RecordLength);
    }

    // A quote list's records come as the list holds them; entries of text
    // and fortune files have their accented letters made plain.
    void take(const QString &candidate, bool listRecord) {
        // A full list takes nothing more: the rest is only counted.
        if (m_room <= 0) return skip(Skip::NoRoom, candidate);
        if (takePlain(candidate)) return;
        Normalized n = NormalizeQuote(candidate);
        const QString plain = listRecord ? n.text : PlainLetters(n.text);
        const bool madePlain = plain != n.text;
        n.text = plain;
        const Verdict v = CheckQuote(n.text);
        if (v.problem == Problem::TooShort) return skip(Skip::TooShort, n.text);
        if (v.problem == Problem::TooLong) return skip(Skip::TooLong, n.text);
        if (!IsProse(n.text)) return skip(Skip::NotProse, n.text);
        if (!v.ok()) {
            switch (v.problem) {
            case Problem::Digit:
                return skip(Skip::Digits, n.text);
            case Problem::Control:
                return skip(Skip::Control, n.text);
            default:
                return skip(Skip::Unstorable, n.text);
            }
        }
        const QString upper = UpperCase(n.text);
        if (add(upper, QuoteKeyOfUpper(upper), n.text)) m_result.plainLetters += madePlain;
    }
    const QByteArray &added() const { return m_added; }
    bool full() const { return m_room <= 0; }
    // Candidates that came when the list was full, only counted.
    void didNotFit(qint64 n) { m_result.skipped[Skip::NoRoom] += int(qMin<qint64>(n, INT_MAX)); }

private:
    // Most entries are printable ASCII with no blank at either end: nothing
    // to normalize, make plain or refuse but their length, digits and share
    // of letters, all found in one walk that also makes the capitals. Whether
    // the entry was one of them.
    bool takePlain(const QString &text) {
        const qsizetype size = text.size();
        if (size == 0 || text.front() == QLatin1Char(' ') || text.back() == QLatin1Char(' '))
            return false;
        const auto *in = reinterpret_cast<const char16_t *>(text.constData());
        // The same verdicts, in the same order, as the general path gives.
        if (size < MinimumLength || size > MaximumLength) {
            bool printable = true;
            for (qsizetype i = 0; i < size; ++i)
                printable &= char16_t(in[i] - 0x20) <= 0x7E - 0x20;
            if (!printable) return false;
            skip(size < MinimumLength ? Skip::TooShort : Skip::TooLong, text);
            return true;
        }
        QString upper(size, Qt::Uninitialized);
        auto *out = reinterpret_cast<char16_t *>(upper.data());
        // Told by arithmetic alone, without a branch or a table, so that the
        // compiler takes many characters at a time.
        unsigned letters = 0, refused = 0, digits = 0, runs = 0;
        for (qsizetype i = 0; i < size; ++i) {
            const char16_t c = in[i];
            const unsigned small = char16_t(c - u'a') < 26;
            letters += small | (char16_t(c - u'A') < 26);
            refused |= char16_t(c - 0x20) > 0x7E - 0x20;
            digits |= char16_t(c - u'0') < 10;
            out[i] = char16_t(c ^ (small << 5));
        }
        // Runs of blanks, folded in the key (neither end is a blank).
        for (qsizetype i = 1; i < size; ++i)
            runs |= (in[i] == u' ') & (in[i - 1] == u' ');
        if (refused) return false;
        if (qsizetype(letters) * 2 < size)
            skip(Skip::NotProse, text);
        else if (digits)
            skip(Skip::Digits, text);
        else
            add(upper, runs ? upper.simplified() : upper, text);
        return true;
    }
    // Adds a quote in capitals unless the list has it already; whether it did.
    bool add(const QString &upper, const QString &key, const QString &text) {
        // One lookup: a key already there leaves the set as it was.
        const qsizetype had = m_seen.size();
        m_seen.insert(key);
        if (m_seen.size() == had) {
            skip(Skip::Duplicate, text);
            return false;
        }
        FixedRecord::appendBytes(m_added, upper);
        --m_room;
        ++m_result.added;
        return true;
    }
    void skip(Skip why, const QString &text) {
        ++m_result.skipped[why];
        if (m_result.skippedShown.size() < DetailsShown) {
            // Control characters shown as what they are, and no entry at full length.
            QString shown = text.left(300);
            for (QChar &c : shown)
                if (IsControl(c.unicode())) c = QChar(0xFFFD);
            m_result.skippedShown.append({why, shown});
        }
    }

    ImportResult &m_result;
    int m_room;
    QSet<QString> m_seen;
    QByteArray m_added;
};

} // namespace

ImportResult ImportQuotes(const QList<ImportSource> &sources, const ImportProgress &progress) {
    ImportResult result;
    QStringList existing;
    result.status = LoadQuoteList(existing);
    // A list that may only be read is refused before any work, as a deletion is.
    if (result.status) result.status = CheckListWritable();
    if (!result.status) return result;
    const qint16 before = qint16(existing.size());
    Intake intake(result, existing);
    existing.clear();

    // Every file is checked first, without opening it, so the progress can
    // count all their bytes; each is opened only while it is read, so that
    // any number of files can come in at once.
    std::vector<const ImportSource *> toRead;
    qint64 total = 0, done = 0;
    auto goOn = [&] {
        if (!progress || progress(done, total)) return true;
        result.cancelled = true;
        result.added = 0; // nothing was added after all
        return false;
    };
    for (const ImportSource &s : sources) {
        qint64 size = s.bytes.size();
        if (!s.path.isEmpty()) {
            if (const QString why = gate::check(s.path, &size); !why.isEmpty()) {
                result.notRead << QStringLiteral("%1: %2").arg(s.name, why);
                continue;
            }
        }
        total += size;
        toRead.push_back(&s);
        if (toRead.size() % 256 == 0 && !goOn()) return result;
    }
    Kind kind = Kind::Text;
    auto take = [&](const QString &c) { intake.take(c, kind == Kind::List); };
    if (!goOn()) return result;

    for (const ImportSource *s : toRead) {
        gate::Source file; // none for text given directly
        if (!s->path.isEmpty()) {
            if (const QString why = file.open(s->path); !why.isEmpty()) {
                result.notRead << QStringLiteral("%1: %2").arg(s->name, why);
                continue;
            }
        }
        bool stopped = false;
        const QString why = eachCandidateOf(
            *s, s->path.isEmpty() ? nullptr : &file, take,
            [&](qint64 bytes) {
                done += bytes;
                return goOn();
            },
            stopped, &kind,
            {[&] { return intake.full(); }, [&](qint64 n) { intake.didNotFit(n); }});
        if (stopped) return result;
        if (!why.isEmpty()) result.notRead << QStringLiteral("%1: %2").arg(s->name, why);
    }
    done = total;
    if (!goOn()) return result;
    if (result.added == 0) return result;

    // The list as it is, then the new quotes: one new file, renamed over the old.
    const QByteArray &added = intake.added();
    result.status = OpenQuoteFile();
    if (!result.status) {
        result.added = 0;
        return result;
    }
    result.status = ReplaceQuoteFile([&](const PutBytes &put) -> Status {
        // The list as the bytes it holds, then the new quotes.
        if (Status s = CopyRecords(put); !s) return s;
        const QString reason = put(added.constData(), added.size());
        return reason.isEmpty() ? Status::success() : Status::failure(TempFileName, reason);
    });
    if (result.status) {
        result.firstAdded = qint16(before + 1);
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
            r.which == safefile::Result::Which::Temp ? r.tempName : name,
            r.reason);
    }
    if (count) *count = n;
    return Status::success();
}

} // namespace quotes
