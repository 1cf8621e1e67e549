#include "PrintWrapped.h"

#include "BusyWindow.h"
#include "Dialogs.h"
#include "PrinterSurface.h"
#include "modStandard.h"

namespace modStandard {

void PrintWrapped(PrinterSurface &s, QWidget *owner, const QString &text, const QString &heading,
                  bool underlineHeading, bool headingOnEveryPage) {
    BusyWindow busy(owner);
    qint16 page = 0;
    bool newPageMark = true;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (s.currentY() < 1.0) s.setCurrentY(1.0);
        if (s.currentX() < 1.0) s.setCurrentX(1.0);
        if (newPageMark) {
            newPageMark = false;
            AddTo(page, 1);
            if (!heading.isEmpty() && (headingOnEveryPage || page == 1)) {
                if (underlineHeading) s.setFontUnderline(true);
                s.print(heading);
                s.endLine();
                if (underlineHeading) s.setFontUnderline(false);
                s.setCurrentY(1.5);
                s.setCurrentX(1.0);
            }
        }
        if (text[i] == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) {
            s.endLine();
            ++i;
        } else {
            s.print(QString(text[i]));
        }
        if ((s.currentX() > 6.5 && text[i] == QLatin1Char(' ')) || s.currentX() > 8.0) s.endLine();
        const bool remain = i < n - 1;
        if (!remain || s.currentY() > 8.8) {
            if (page > 1) {
                s.endLine();
                s.setCurrentY(9.2);
                s.setCurrentX(6.0);
                s.print(QStringLiteral("(page %1)").arg(page));
            }
            if (remain) {
                s.newPage();
                newPageMark = true;
            }
        }
    }
    s.endDocument();
}

void ReportPrinting(QWidget *owner, const PrinterSurface &surface) {
    const QString report = surface.report();
    if (report.isEmpty()) return;
    dialogs::message(owner, QStringLiteral("Cipherly"), report,
                     surface.failures().isEmpty() ? dialogs::Icon::Information
                                                  : dialogs::Icon::Critical);
}

} // namespace modStandard
