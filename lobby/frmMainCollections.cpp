// The Main Lobby's quote collections: the list's context menu, importing
// quotes from files (or dropped text) and exporting the player's own.
#include "frmMain.h"

#include "AppInfo.h"
#include "Dialogs.h"
#include "QuoteImport.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMenu>
#include <QProgressDialog>
#include <QTimer>

#include <QStandardPaths>
#include <limits>

using dialogs::Icon;

namespace {

const QString Fortunes = QStringLiteral("/usr/share/games/fortunes");

QString startFolder() {
    const QString last = Settings::Get(Settings::Keys::QuoteFolder);
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    if (QFileInfo(Fortunes).isDir()) return Fortunes;
    return QDir::homePath();
}

QString plural(int n, const char *one, const char *many) {
    return QStringLiteral("%1 %2").arg(QLocale().toString(n),
                                       QString::fromLatin1(n == 1 ? one : many));
}

// A list of names, shortened past `most` to "... and N more".
QString namesOf(const QStringList &names, int most, const QString &separator) {
    if (names.size() <= most) return names.join(separator);
    return names.first(most).join(separator) + separator +
           QStringLiteral("... and %1 more").arg(QLocale().toString(names.size() - most));
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
    const QStringList files =
        dialogs::openFiles(this, {QStringLiteral("Import Quotes"),
                                  startFolder(),
                                  QStringLiteral("All files (*);;Text (*.txt);;Quote list (*.Dat)"),
                                  {}});
    if (files.isEmpty()) return;
    Settings::Save(Settings::Keys::QuoteFolder, QFileInfo(files.first()).absolutePath());
    QList<QUrl> urls;
    for (const QString &f : files)
        urls << QUrl::fromLocalFile(f);
    ImportQuotesFrom(urls, QString());
}

void frmMain::grid_QuotesDropped(const QList<QUrl> &files, const QString &text) {
    if (IsAdding || IsEditing || !picQuoteList->isVisible()) return;
    // Taken in now, imported once the drop is over: the program the files
    // came from does not wait for the report.
    QTimer::singleShot(0, this, [this, files, text] { ImportQuotesFrom(files, text); });
}

void frmMain::ImportQuotesFrom(const QList<QUrl> &files, const QString &text) {
    if (const quotes::Status s = quotes::CheckListWritable(); !s) {
        showStoreError(QStringLiteral("The quotes could not be imported; the list is as it was."),
                       s);
        return;
    }
    // Files of the same name are told apart by their folders.
    QStringList paths;
    for (const QUrl &u : files)
        if (u.isLocalFile()) paths << u.toLocalFile();
    QList<quotes::ImportSource> sources;
    for (const QString &path : std::as_const(paths)) {
        const QString name = QFileInfo(path).fileName();
        int same = 0;
        for (const QString &other : std::as_const(paths))
            same += QFileInfo(other).fileName() == name;
        sources.append({same > 1 ? QDir::toNativeSeparators(path) : name, {}, path});
    }
    if (!text.isEmpty()) sources.append({QStringLiteral("the dropped text"), text.toUtf8(), {}});
    if (sources.isEmpty()) return;

    // Reading and checking show how far they are, with a way out, from half
    // a second on; the window keeps painting meanwhile.
    QProgressDialog progress(QStringLiteral("Importing quotes..."), QStringLiteral("Cancel"), 0,
                             1000, this);
    progress.setWindowTitle(QStringLiteral("Import Quotes"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(std::numeric_limits<int>::max());
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    QElapsedTimer clock;
    clock.start();
    const quotes::ImportResult r = quotes::ImportQuotes(sources, [&](qint64 done, qint64 total) {
        progress.setValue(total ? int(done * 1000 / total) : 1000);
        if (!progress.isVisible() && clock.elapsed() >= 400) progress.show();
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
    progress.close();

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
    QStringList read;
    for (const quotes::ImportSource &s : std::as_const(sources)) {
        bool failed = false;
        for (const QString &n : r.notRead)
            failed = failed || n.startsWith(s.name + QLatin1Char(':'));
        if (!failed) read << s.name;
    }
    QString report;
    if (!read.isEmpty())
        report = QStringLiteral("%1 added from %2.")
                     .arg(plural(r.added, "quote was", "quotes were"),
                          namesOf(read, 5, QStringLiteral(", ")));
    QString details;
    if (r.skippedCount() > 0) {
        report +=
            QStringLiteral("\n\n%1 skipped:").arg(plural(r.skippedCount(), "entry", "entries"));
        for (auto it = r.skipped.cbegin(); it != r.skipped.cend(); ++it)
            report += QStringLiteral("\n- %1 %2")
                          .arg(QLocale().toString(*it), quotes::SkipReason(it.key()));
        for (int k = 0; k < quotes::SkipKinds; ++k) {
            const auto kind = quotes::Skip(k);
            QString entries;
            for (const auto &[why, text] : r.skippedShown)
                if (why == kind) entries += QStringLiteral("  ") + text + QLatin1Char('\n');
            if (!entries.isEmpty())
                details += QStringLiteral("Skipped, %1:\n").arg(quotes::SkipReason(kind)) +
                           entries + QLatin1Char('\n');
        }
        if (r.skippedCount() > r.skippedShown.size())
            details += QStringLiteral("... and %1 more, not shown here.")
                           .arg(QLocale().toString(r.skippedCount() - r.skippedShown.size()));
    }
    if (!r.notRead.isEmpty())
        report += (report.isEmpty() ? QString() : QStringLiteral("\n\n")) +
                  QStringLiteral("Not read:\n") + namesOf(r.notRead, 10, QStringLiteral("\n"));
    if (r.added > 0) {
        RowToHighlight = r.firstAdded;
        FillQuoteList();
    }
    const bool nothingRead = read.isEmpty();
    dialogs::Message m{QStringLiteral("Import Quotes"),
                       nothingRead ? QStringLiteral("Nothing could be read:\n") +
                                         namesOf(r.notRead, 10, QStringLiteral("\n"))
                                   : report,
                       nothingRead ? Icon::Critical : Icon::Information,
                       dialogs::Buttons::Ok,
                       dialogs::Answer::Ok,
                       details.trimmed()};
    dialogs::message(this, m);
}

void frmMain::menuExportQuotes_Click() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString last = Settings::Get(Settings::Keys::QuoteFolder);
    const QString folder =
        !last.isEmpty() && QFileInfo(last).isDir() && QFileInfo(last).isWritable() ? last
                                                                                   : documents;
    const QString path =
        dialogs::saveFile(this, {QStringLiteral("Export Quotes"), folder,
                                 QStringLiteral("Text (*.txt);;Quote list (*.Dat)"),
                                 QStringLiteral("My %1 quotes.txt").arg(AppInfo::Title)});
    if (path.isEmpty()) return;
    Settings::Save(Settings::Keys::QuoteFolder, QFileInfo(path).absolutePath());
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
