#pragma once

#include <QString>

// The rules a quote meets before it is stored, whether it is typed, pasted,
// edited or brought in from a file: one implementation for all of them.
namespace quotes {

inline constexpr int MinimumLength = 50;
inline constexpr int MaximumLength = 200;

// Upper case as the quote file holds it: character by character, within the
// characters the file can store. A character whose capital the file cannot
// hold (or that has no single capital, as "ß") keeps its own form, so the
// text never grows.
QString UpperCase(const QString &text);

// A quote is one line of plain characters:
// - every line break (CR LF, CR, LF, line and paragraph separators) and every
//   Tab becomes one blank (`breaksReplaced` tells);
// - a vertical tab, a form feed and a no-break space become blanks too;
// - a soft hyphen, which is never seen, is dropped;
// - overstrike ("X", backspace, "X" for bold, "_", backspace, "X" for
//   underline) becomes the letter seen;
// then blanks are trimmed at both ends. Any other control character stays,
// for the check to refuse.
struct Normalized {
    QString text;
    bool breaksReplaced = false; // a line break or a Tab was replaced
};
Normalized NormalizeQuote(const QString &raw);

// Whether `c` is a control character (C0, DEL or C1).
bool IsControl(char32_t c);

enum class Problem { None, TooShort, TooLong, Digit, Control, Unstorable };
struct Verdict {
    Problem problem = Problem::None;
    QString character; // the digit or the character refused, whole (an emoji is one)
    bool ok() const { return problem == Problem::None; }
    // "U+1F600", as a refusal names a character.
    QString code() const;
};
// Checks a normalized quote in the order the game reports: length, then the
// first digit, then the first control character, then the first character
// the quote file cannot hold.
Verdict CheckQuote(const QString &text);

// The first character, whole (an emoji is one), that the quote file cannot
// hold; empty when there is none.
QString FirstUnstorable(const QString &text);
// "U+1F600": a character named by its code, as refusals name one.
QString CodeOf(const QString &character);

// Imported text made into a puzzle's letters: every accented Latin letter
// written as its base letter (É as E, Ç as C, Ñ as N), German's Ä, Ö, Ü and ß
// as AE, OE, UE and SS, and Æ, Œ, Ø as AE, OE, O, so that the cipher hides
// every letter. Typed quotes keep what the player typed.
QString PlainLetters(const QString &text);
// A stored quote as a puzzle shows it: its letters written plain and in
// capitals, so that every letter is one the cipher hides, whether the quote
// was typed (and kept its Ä or é) or brought in.
QString PuzzleLetters(const QString &quote);
// The same letters without word breaks: A to Z only, in groups of five
// ("THEQU ICKBR OWN"); marks, digits and breaks dropped.
QString LettersInFives(const QString &quote);
// Whether a text reads as prose: at least half of its characters letters.
// A drawing made of characters is not.
bool IsProse(const QString &text);

// The same quote for the purpose of spotting a repeat: upper case, runs of
// blanks as one.
QString QuoteKey(const QString &text);
// The same for a text already in upper case.
QString QuoteKeyOfUpper(const QString &upper);

} // namespace quotes
