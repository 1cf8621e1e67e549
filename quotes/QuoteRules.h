#pragma once

#include <QString>

// The rules a quote meets before it is stored, whether it is typed, edited or
// brought in from a file: one implementation for all of them.
namespace quotes {

inline constexpr int MinimumLength = 50;
inline constexpr int MaximumLength = 200;

// Upper case as the quote file holds it: character by character, within the
// characters the file can store. A character whose capital the file cannot
// hold (or that has no single capital, as "ß") keeps its own form, so the
// text never grows.
QString UpperCase(const QString &text);

// A quote is one line: every line break (CR LF, CR or LF) and every Tab
// becomes one blank; then blanks are trimmed at both ends.
struct Normalized {
    QString text;
    bool breaksReplaced = false; // a line break or a Tab was replaced
};
Normalized NormalizeQuote(const QString &raw);

enum class Problem { None, TooShort, TooLong, Digit, Unstorable };
struct Verdict {
    Problem problem = Problem::None;
    QChar character; // the digit or the character the file cannot hold
    bool ok() const { return problem == Problem::None; }
};
// Checks a normalized quote in the order the game reports: length, then the
// first digit, then the first character the quote file cannot hold.
Verdict CheckQuote(const QString &text);

// The same quote for the purpose of spotting a repeat: upper case, runs of
// blanks as one.
QString QuoteKey(const QString &text);

} // namespace quotes
