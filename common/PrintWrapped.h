#pragma once

#include <QString>

class QWidget;
class PrinterSurface;

namespace modStandard {

// Prints `text` word-wrapped over as many pages as it needs: one-inch margins,
// lines broken at the first blank past 6.5 inches (or anywhere past 8.0), pages
// ended past 8.8 inches, "(page n)" at the foot of every page after the first.
// The owner is disabled with the busy pointer throughout.
// The heading is printed in the surface's current font.
void PrintWrapped(PrinterSurface &surface, QWidget *owner, const QString &text,
                  const QString &heading, bool underlineHeading, bool headingOnEveryPage);

// Tells the player where a printout went (the PDF files written when there is
// no printer) or what failed; says nothing when it simply went to the printer.
void ReportPrinting(QWidget *owner, const PrinterSurface &surface);

} // namespace modStandard
