#pragma once

#include "Addition.h"

#include <QList>
#include <QObject>
#include <QUrl>

// Quote collections, an addition to the lobby: "Import Quotes..." and
// "Export Quotes..." in the quote list's menu, and files or text dropped onto
// the list. It hangs on the list's menu and the list's drops only.
class QuoteCollections : public Addition {
    Q_OBJECT
public:
    explicit QuoteCollections(LobbySeam &lobby);

    void menuImportQuotes_Click();
    void menuExportQuotes_Click();
    // What an export killed in the middle left beside its file, removed at
    // the next start.
    void RemoveLeftoverExport();
    // Files or text dropped onto the list: taken in now, imported once the
    // drop is over.
    void grid_QuotesDropped(const QList<QUrl> &files, const QString &text);
    // Imports files and text into the list, with one report at the end.
    void ImportQuotesFrom(const QList<QUrl> &files, const QString &text);
};
