#pragma once

#include <QString>

class PrinterSurface;

// The printed cryptogram: page 1 the puzzle, page 2 the solution with the code
// key. Positions in inches; each page is a document of its own.
namespace CryptogramPage {

// Lays `text` out with a blank after every character, breaking at the first
// blank past 6.5 inches or after any character past 8.0, with two empty lines
// between text lines for the solver's writing.
void layOutQuote(PrinterSurface &s, const QString &text);
// How many lines of text layOutQuote makes of `text` from the left margin,
// in the surface's current font; nothing is drawn.
int linesOf(const PrinterSurface &s, const QString &text);

// Draws page 1 or 2 and ends its document. `forName` personalises page 1.
void print(PrinterSurface &s, int page, const QString &forName, const QString &enciphered,
           const QString &plain);

} // namespace CryptogramPage
