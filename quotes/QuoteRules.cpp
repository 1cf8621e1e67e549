#include "QuoteRules.h"

#include "Win1252.h"

namespace quotes {

QString UpperCase(const QString &text) {
    QString out = text;
    for (QChar &c : out) {
        const QChar upper = c.toUpper(); // the simple, one-to-one mapping
        if (upper != c && win1252::canHold(upper)) c = upper;
    }
    return out;
}

Normalized NormalizeQuote(const QString &raw) {
    Normalized n;
    n.text.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t') ||
            c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            // CR LF is one line break, and one blank.
            if (c == QLatin1Char('\r') && i + 1 < raw.size() && raw[i + 1] == QLatin1Char('\n'))
                ++i;
            n.text += QLatin1Char(' ');
            n.breaksReplaced = true;
        } else {
            n.text += c;
        }
    }
    qsizetype from = 0, to = n.text.size();
    while (from < to && n.text[from] == QLatin1Char(' '))
        ++from;
    while (to > from && n.text[to - 1] == QLatin1Char(' '))
        --to;
    n.text = n.text.mid(from, to - from);
    return n;
}

Verdict CheckQuote(const QString &text) {
    if (text.size() < MinimumLength) return {Problem::TooShort, {}};
    if (text.size() > MaximumLength) return {Problem::TooLong, {}};
    for (QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return {Problem::Digit, c};
    if (auto bad = win1252::firstUnencodable(text)) return {Problem::Unstorable, *bad};
    return {};
}

QString QuoteKey(const QString &text) {
    return UpperCase(text).simplified();
}

} // namespace quotes
