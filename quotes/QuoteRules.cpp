#include "QuoteRules.h"

#include "Win1252.h"

#include <QList>

#include <array>

namespace quotes {

QString UpperCase(const QString &text) {
    QString out = text;
    for (QChar &c : out) {
        const char16_t u = c.unicode();
        if (u < 0x80) { // plain ASCII, the most of any quote
            if (u >= 'a' && u <= 'z') c = QChar(u - 'a' + 'A');
            continue;
        }
        const QChar upper = c.toUpper(); // the simple, one-to-one mapping
        if (upper != c && win1252::canHold(upper)) c = upper;
    }
    return out;
}

bool IsControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

namespace {

// Walks `text` a whole character (code point) at a time.
template <typename Visit> void eachCharacter(const QString &text, Visit &&visit) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        qsizetype length = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            length = 2;
        }
        if (visit(c, QStringView(text).mid(i, length))) return;
        i += length - 1;
    }
}

bool isBreak(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t') ||
           c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

bool isBlankLike(QChar c) {
    return c == QLatin1Char('\v') || c == QLatin1Char('\f') || c == QChar::Nbsp;
}

} // namespace

Normalized NormalizeQuote(const QString &raw) {
    Normalized n;
    // Most quotes have nothing to normalize: plain characters, no blank at
    // either end; they are taken as they are.
    bool plain =
        !raw.isEmpty() && raw.front() != QLatin1Char(' ') && raw.back() != QLatin1Char(' ');
    for (qsizetype i = 0; plain && i < raw.size(); ++i) {
        const char16_t c = raw[i].unicode();
        plain = c >= 0x20 && c != 0x7F && c != QChar::Nbsp && c != QChar::SoftHyphen &&
                c != QChar::LineSeparator && c != QChar::ParagraphSeparator;
    }
    if (plain) {
        n.text = raw;
        return n;
    }
    // Written into a buffer of the raw size, which no rule makes longer.
    QString out(raw.size(), Qt::Uninitialized);
    QChar *const to = out.data();
    qsizetype at = 0;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (isBreak(c)) {
            // CR LF is one line break, and one blank.
            if (c == QLatin1Char('\r') && i + 1 < raw.size() && raw[i + 1] == QLatin1Char('\n'))
                ++i;
            to[at++] = QLatin1Char(' ');
            n.breaksReplaced = true;
        } else if (isBlankLike(c)) {
            to[at++] = QLatin1Char(' ');
        } else if (c == QChar::SoftHyphen) {
            // Only a hint where a word may break: never seen, so never kept.
        } else if (c == QLatin1Char('\b')) {
            // Overstrike: k backspaces strike the next k characters over the
            // last k ("X\bX" bold, "_\bX" or "____\b\b\b\bLAST" underlined);
            // the letter stays, the underline goes. A backspace with nothing
            // to strike stays, for the check to refuse.
            qsizetype k = 1;
            while (i + k < raw.size() && raw[i + k] == QLatin1Char('\b'))
                ++k;
            if (k > at || i + k + k > raw.size()) {
                for (qsizetype j = 0; j < k; ++j)
                    to[at++] = raw[i + j];
                i += k - 1;
                continue;
            }
            for (qsizetype j = 0; j < k; ++j) {
                const QChar over = raw[i + k + j];
                if (over != QLatin1Char('_')) to[at - k + j] = over;
            }
            i += k + k - 1;
        } else {
            to[at++] = c;
        }
    }
    qsizetype from = 0;
    while (from < at && to[from] == QLatin1Char(' '))
        ++from;
    while (at > from && to[at - 1] == QLatin1Char(' '))
        --at;
    out.truncate(at);
    n.text = from ? out.mid(from) : out;
    return n;
}

QString CodeOf(const QString &character) {
    if (character.isEmpty()) return {};
    return QStringLiteral("U+") +
           QString::number(character.toUcs4().value(0), 16).toUpper().rightJustified(4, u'0');
}

QString Verdict::code() const {
    return CodeOf(character);
}

QString FirstUnstorable(const QString &text) {
    QString bad;
    eachCharacter(text, [&](char32_t, QStringView whole) {
        if (whole.size() > 1 || !win1252::canHold(whole[0])) bad = whole.toString();
        return !bad.isEmpty();
    });
    return bad;
}

Verdict CheckQuote(const QString &text) {
    if (text.size() < MinimumLength) return {Problem::TooShort, {}};
    if (text.size() > MaximumLength) return {Problem::TooLong, {}};
    for (QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return {Problem::Digit, QString(c)};
    QString control;
    eachCharacter(text, [&](char32_t c, QStringView whole) {
        if (IsControl(c)) control = whole.toString();
        return !control.isEmpty();
    });
    if (!control.isEmpty()) return {Problem::Control, control};
    if (QString bad = FirstUnstorable(text); !bad.isEmpty()) return {Problem::Unstorable, bad};
    return {};
}

namespace {

// The plain letter under a Latin letter with marks (É: E), or 0.
char16_t decomposedBase(QChar c) {
    const QString parts = c.decomposition();
    if (!parts.isEmpty() && parts[0].unicode() < 0x80 && parts[0].isLetter() &&
        (c.decompositionTag() == QChar::Canonical || c.decompositionTag() == QChar::Compat))
        return parts[0].unicode();
    return 0;
}

// The same, found once for the accented letters most texts use (Latin-1 and
// Latin Extended-A and -B) rather than decomposed again for every one met.
char16_t baseLetterOf(QChar c) {
    constexpr char16_t From = 0x80, To = 0x250;
    static const auto bases = [] {
        std::array<char16_t, To - From> b{};
        for (char16_t u = From; u < To; ++u)
            b[u - From] = decomposedBase(QChar(u));
        return b;
    }();
    const char16_t u = c.unicode();
    return u >= From && u < To ? bases[u - From] : decomposedBase(c);
}

} // namespace

QString PuzzleLetters(const QString &quote) {
    return UpperCase(PlainLetters(quote));
}

QString LettersInFives(const QString &quote) {
    QString out;
    int run = 0;
    for (const QChar c : PuzzleLetters(quote)) {
        if (c < u'A' || c > u'Z') continue;
        if (run > 0 && run % 5 == 0) out += QLatin1Char(' ');
        out += c;
        ++run;
    }
    return out;
}

QString PlainLetters(const QString &text) {
    bool ascii = true;
    for (const QChar c : text)
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii) return text;
    // Written into a buffer of twice the size: no letter becomes more than two.
    QString out(text.size() * 2, Qt::Uninitialized);
    QChar *to = out.data();
    auto put = [&to](const char *plain) {
        while (*plain)
            *to++ = QLatin1Char(*plain++);
    };
    for (const QChar c : text) {
        if (c.unicode() < 0x80 || !c.isLetter()) {
            *to++ = c;
            continue;
        }
        switch (c.unicode()) {
        case u'Ä':
            put("AE");
            continue;
        case u'ä':
            put("ae");
            continue;
        case u'Ö':
            put("OE");
            continue;
        case u'ö':
            put("oe");
            continue;
        case u'Ü':
            put("UE");
            continue;
        case u'ü':
            put("ue");
            continue;
        case u'ß':
            put("ss");
            continue;
        case 0x1E9E:
            put("SS");
            continue; // capital sharp s
        case u'Æ':
            put("AE");
            continue;
        case u'æ':
            put("ae");
            continue;
        case 0x152:
            put("OE");
            continue; // Œ
        case 0x153:
            put("oe");
            continue; // œ
        case u'Ø':
            *to++ = QLatin1Char('O');
            continue;
        case u'ø':
            *to++ = QLatin1Char('o');
            continue;
        case 0x141:
            *to++ = QLatin1Char('L');
            continue; // Ł
        case 0x142:
            *to++ = QLatin1Char('l');
            continue; // ł
        case 0x110:
            *to++ = QLatin1Char('D');
            continue; // Đ
        case 0x111:
            *to++ = QLatin1Char('d');
            continue; // đ
        default:
            break;
        }
        // A Latin letter and its marks: the letter alone.
        if (const char16_t base = baseLetterOf(c)) {
            *to++ = QChar(base);
            continue;
        }
        *to++ = c; // a letter of another script stays, for the check to judge
    }
    out.truncate(to - out.constData());
    return out;
}

bool IsProse(const QString &text) {
    qsizetype letters = 0;
    for (const QChar c : text)
        letters += c.isLetter();
    return letters * 2 >= text.size();
}

QString QuoteKey(const QString &text) {
    return QuoteKeyOfUpper(UpperCase(text));
}

QString QuoteKeyOfUpper(const QString &upper) {
    const QString &key = upper;
    // Runs of blanks as one; most quotes have none to fold.
    bool single = true;
    for (qsizetype i = 0; single && i < key.size(); ++i)
        single = !key[i].isSpace() || (key[i] == QLatin1Char(' ') && i > 0 && i + 1 < key.size() &&
                                       !key[i + 1].isSpace());
    return single ? key : key.simplified();
}

} // namespace quotes
