// The Main Lobby's quote collections: the list's context menu, importing
// quotes from files (or dropped text) and exporting the player's own.
#include "frmMain.h"

#include "AppInfo.h"
#include "Dialogs.h"
#include "QuoteImport.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QProgressDialog>
#include <QStandardPaths>

using dialogs::Icon;

namespace {

const QString FolderKey = QStringLiteral("QuoteFolder");
const QString Fortunes = QStringLiteral("/usr/share/games/fortunes");

QString startFolder() {
    const QString last = Settings::GetSetting(FolderKey);
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    if (QFileInfo(Fortunes).isDir()) return Fortunes;
    return QDir::homePath();
}

QString plural(int n, const char *one, const char *many) {
    return QStringLiteral("%1 %2").arg(QLocale().toString(n),
                                       QString::fromLatin1(n == 1 ? one : many));
}

QString why(quotes::Skip s) {
    switch (s) {
    case quotes::Skip::Length:
        return QStringLiteral("too short or too long");
    case quotes::Skip::Digits:
        return QStringLiteral("with digits");
    case quotes::Skip::Unstorable:
        return QStringLiteral("with characters the list cannot hold");
    case quotes::Skip::Duplicate:
        return QStringLiteral("already in the list");
    case quotes::Skip::NoRoom:
        return QStringLiteral("did not fit: the list holds 32,767 quotes at most");
    }
    return {};
}

} // namespace

void frmMain::grid_ContextMenu(const QPoint &at) {
    // The list's menu belongs to list mode.
    if (IsAdding || IsEditing || !picQuoteList->isVisible() || !isEnabled()) return;
    QMenu menu(this);
    menu.addAction(QStringLiteral("&Import Quotes..."), this, [this] { menuImportQuotes_Click(); });
    menu.addAction(QStringLiteral("&Export Quotes..."), this, [this] { menuExportQuotes_Click(); });
    for (const auto &extra : m_listMenuExtras)
        menu.addAction(extra.first, this, extra.second);
    m_listMenu = &menu;
    menu.exec(grid->viewport()->mapToGlobal(at));
    m_listMenu = nullptr;
}

void frmMain::addListMenuItem(const QString &caption, std::function<void()> action) {
    m_listMenuExtras.append({caption, std::move(action)});
}

void frmMain::menuImportQuotes_Click() {
    const QStringList files = dialogs::openFiles(
        this, {QStringLiteral("Import Quotes"),
               startFolder(),
               QStringLiteral("All files (*);;Text files (*.txt);;Quote lists (*.Dat)"),
               {}});
    if (files.isEmpty()) return;
    Settings::SaveSetting(FolderKey, QFileInfo(files.first()).absolutePath());
    QList<QUrl> urls;
    for (const QString &f : files)
        urls << QUrl::fromLocalFile(f);
    ImportQuotesFrom(urls, QString());
}

void frmMain::grid_QuotesDropped(const QList<QUrl> &files, const QString &text) {
    if (IsAdding || IsEditing || !picQuoteList->isVisible()) return;
    ImportQuotesFrom(files, text);
}

void frmMain::ImportQuotesFrom(const QList<QUrl> &files, const QString &text) {
    if (const quotes::Status s = quotes::CheckListWritable(); !s) {
        showStoreError(QStringLiteral("The quotes could not be imported; the list is as it was."),
                       s);
        return;
    }
    QList<quotes::ImportSource> sources;
    QStringList unreadable;
    for (const QUrl &u : files) {
        QFile f(u.toLocalFile());
        if (!f.open(QIODevice::ReadOnly)) {
            unreadable << QStringLiteral("%1: %2").arg(QFileInfo(f).fileName(), f.errorString());
            continue;
        }
        sources.append({QFileInfo(f).fileName(), f.readAll(), QFileInfo(f).fileName()});
    }
    if (!text.isEmpty()) sources.append({QStringLiteral("the dropped text"), text.toUtf8(), {}});
    if (sources.isEmpty()) {
        if (!unreadable.isEmpty())
            dialogs::message(this, QStringLiteral("Import Quotes"),
                             QStringLiteral("Nothing could be read:\n") + unreadable.join('\n'),
                             Icon::Critical);
        return;
    }

    // Longer imports show how far they are, with a way out.
    QProgressDialog progress(QStringLiteral("Importing quotes..."), QStringLiteral("Cancel"), 0,
                             1000, this);
    progress.setWindowTitle(QStringLiteral("Import Quotes"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    const quotes::ImportResult r = quotes::ImportQuotes(sources, [&](qint64 done, qint64 total) {
        progress.setValue(total ? int(done * 1000 / total) : 1000);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
    progress.close();

    QStringList names;
    for (const auto &s : sources)
        names << s.name;
    if (r.cancelled) {
        dialogs::message(this, QStringLiteral("Import Quotes"),
                         QStringLiteral("The import was cancelled; the list is as it was."),
                         Icon::Information);
        return;
    }
    if (!r.status) {
        showStoreError(QStringLiteral("The quotes could not be imported; the list is as it was."),
                       r.status);
        return;
    }
    QString report =
        QStringLiteral("%1 added from %2.")
            .arg(plural(r.added, "quote was", "quotes were"), names.join(QStringLiteral(", ")));
    QString details;
    if (r.skippedCount() > 0) {
        report +=
            QStringLiteral("\n\n%1 skipped:").arg(plural(r.skippedCount(), "entry", "entries"));
        for (auto it = r.skipped.cbegin(); it != r.skipped.cend(); ++it) {
            report +=
                QStringLiteral("\n- %1 %2").arg(QLocale().toString(it->size()), why(it.key()));
            details += QStringLiteral("Skipped, %1:\n").arg(why(it.key()));
            for (const QString &q : *it)
                details += QStringLiteral("  ") + q + QLatin1Char('\n');
            details += QLatin1Char('\n');
        }
    }
    if (!unreadable.isEmpty())
        report += QStringLiteral("\n\nNot read:\n") + unreadable.join(QLatin1Char('\n'));
    if (r.added > 0) {
        RowToHighlight = r.firstAdded;
        FillQuoteList();
    }
    dialogs::Message m{QStringLiteral("Import Quotes"),
                       report,
                       Icon::Information,
                       dialogs::Buttons::Ok,
                       dialogs::Answer::Ok,
                       details.trimmed()};
    dialogs::message(this, m);
}

void frmMain::menuExportQuotes_Click() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString last = Settings::GetSetting(FolderKey);
    const QString folder =
        !last.isEmpty() && QFileInfo(last).isDir() && QFileInfo(last).isWritable() ? last
                                                                                   : documents;
    const QString path =
        dialogs::saveFile(this, {QStringLiteral("Export Quotes"), folder,
                                 QStringLiteral("Text (*.txt);;Quote list (*.Dat)"),
                                 QStringLiteral("My %1 quotes.txt").arg(AppInfo::Title)});
    if (path.isEmpty()) return;
    Settings::SaveSetting(FolderKey, QFileInfo(path).absolutePath());
    int count = 0;
    const quotes::Status s = quotes::ExportQuotes(path, &count);
    if (!s) {
        showStoreError(QStringLiteral("The quotes could not be exported."), s);
        return;
    }
    dialogs::message(
        this, QStringLiteral("Export Quotes"),
        count == 0 && !quotes::ExportsAsList(path)
            ? QStringLiteral("You have no quotes of your own yet: %1 holds "
                             "none.")
                  .arg(QDir::toNativeSeparators(path))
            : QStringLiteral("%1 written to %2.")
                  .arg(plural(count, "quote was", "quotes were"), QDir::toNativeSeparators(path)),
        Icon::Information);
}

// ---- The record of games ----------------------------------------------------

void frmMain::RecordGame(stats::Outcome outcome) {
    if (!m_gameOpen) return;
    m_gameOpen = false;
    const QDateTime end = now();
    stats::Game g;
    g.finished = end;
    g.seconds = qMax<qint64>(0, game.SolveStartTime().secsTo(end));
    g.hints = game.HintCount();
    g.outcome = outcome;
    g.length = int(game.SolveQuote().size());
    const QString reason = stats::AppendGame(g);
    // A record that cannot be kept is told once a run; the games go on.
    static bool told = false;
    if (!reason.isEmpty() && !told) {
        told = true;
        dialogs::message(this, AppInfo::Title,
                         QStringLiteral("Your games cannot be recorded for the statistics:\n%1: "
                                        "%2.\n\nYou can play on; games are not counted until "
                                        "this is put right.")
                             .arg(QDir::toNativeSeparators(stats::RecordPath()), reason),
                         Icon::Exclamation);
    }
}

void frmMain::menuStatistics_Click() {
    showOverDimmedLobby(showStatistics);
}
