#pragma once

#include "LobbyAddition.h"

#include <QList>
#include <QObject>
#include <QUrl>

class frmMain;

// Quote collections, an addition to the lobby: "Import Quotes..." and
// "Export Quotes..." in the quote list's menu, and files or text dropped onto
// the list. It hangs on the list's menu and the grid's drop signal only.
class QuoteCollections : public LobbyAddition<QuoteCollections> {
    Q_OBJECT
public:
    explicit QuoteCollections(frmMain &lobby);

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

private:
};
