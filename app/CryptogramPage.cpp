#include "CryptogramPage.h"

#include "AppInfo.h"
#include "PrinterSurface.h"
#include "modSupport.h"

#include <QCoreApplication>

namespace CryptogramPage {
namespace {

void line(PrinterSurface &s, const QString &text) {
    s.print(text);
    s.endLine();
}

void lineEnds(PrinterSurface &s, int n) {
    for (int i = 0; i < n; ++i)
        s.endLine();
}

} // namespace

namespace {
// Where a line of the quote breaks: at the first blank past 6.5 inches, or
// after any character past 8.0.
bool breaksAfter(QChar c, double x) {
    return x > 6.5 && (c == QLatin1Char(' ') || x > 8.0);
}
} // namespace

void layOutQuote(PrinterSurface &s, const QString &text) {
    for (const QChar c : text) {
        if (s.currentX() < 1.0) s.setCurrentX(1.0);
        s.print(QString(c) + QLatin1Char(' '));
        if (breaksAfter(c, s.currentX())) lineEnds(s, 3);
    }
}

int linesOf(const PrinterSurface &s, const QString &text) {
    int lines = 1;
    double x = 1.0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        x += s.textWidth(QString(text[i]) + QLatin1Char(' '));
        if (breaksAfter(text[i], x)) {
            x = 1.0;
            if (i + 1 < text.size()) ++lines;
        }
    }
    return lines;
}

void print(PrinterSurface &s, int page, const QString &forName, const QString &enciphered,
           const QString &plain) {
    const bool solution = page == 2;
    // a: the title
    s.setFace(QStringLiteral("Arial"), 12, true);
    s.setCurrentX(1.0);
    s.setCurrentY(1.0);
    line(s, AppInfo::Title);
    // b: who it is for, and what to do
    s.setCurrentX(1.0);
    s.setCurrentY(1.5);
    if (!solution) {
        if (!forName.isEmpty()) {
            line(s,
                 QCoreApplication::translate("CryptogramPage", "This scrambled message was made"));
            s.setCurrentX(1.0);
            line(s,
                 QCoreApplication::translate("CryptogramPage", "especially for %1!").arg(forName));
            s.endLine();
            s.setCurrentX(1.0);
        }
        line(s,
             QCoreApplication::translate("CryptogramPage", "Solve the scrambled message below..."));
    } else {
        line(s, QCoreApplication::translate("CryptogramPage", "%1's Solution Page--")
                    .arg(AppInfo::Title));
    }
    // c, d: the quote
    s.setFontName(QStringLiteral("Fixedsys"));
    s.setFontSize(12);
    s.setCurrentX(1.0);
    s.setCurrentY(3.5);
    layOutQuote(s, solution ? plain : enciphered);
    lineEnds(s, 5);
    // e
    s.setFace(QStringLiteral("Arial"), 10, true, true);
    s.setCurrentX(1.0);
    line(s, solution ? QCoreApplication::translate("CryptogramPage", "Code Key:")
                     : QCoreApplication::translate("CryptogramPage", "Notes:"));
    // f: the key rows, empty on the puzzle page
    s.setFontName(QStringLiteral("Fixedsys"));
    s.setFontSize(12);
    s.setFontItalic(false);
    for (int half = 0; half < 2; ++half) {
        lineEnds(s, 2);
        s.setFontBold(true);
        for (int k = 1; k <= 13; ++k) {
            s.setCurrentX(1.2 + 0.4 * k);
            s.print(QString(QChar('A' + half * 13 + k - 1)));
        }
        if (solution) {
            s.setFontBold(false);
            s.endLine();
            for (int k = 1; k <= 13; ++k) {
                s.setCurrentX(1.2 + 0.4 * k);
                s.print(cipher::KeyTable('A' + half * 13 + k - 1, 1));
            }
        }
    }
    // g, h
    lineEnds(s, 5);
    s.setFace(QStringLiteral("Arial"), 10, true, true);
    s.setCurrentX(1.0);
    if (solution) line(s, QCoreApplication::translate("CryptogramPage", "Notes:"));
    // i
    s.endDocument();
}

} // namespace CryptogramPage
