// Quote collections: importing quotes from files (or dropped text) through
// the list's context menu or a drop, and exporting the player's own.
#include "QuoteCollections.h"

#include "AppInfo.h"
#include "Dialogs.h"
#include "QuoteImport.h"
#include "SafeFile.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QProgressDialog>
#include <QSet>
#include <QTimer>

#include <QStandardPaths>
#include <limits>
#include <unistd.h>

using dialogs::Icon;

namespace {

const QString Fortunes = QStringLiteral("/usr/share/games/fortunes");

QString startFolder() {
    const QString last = Settings::Get(Settings::Keys::QuoteFolder);
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    if (QFileInfo(Fortunes).isDir()) return Fortunes;
    return QDir::homePath();
}

// A file's name as the report shows it: a line break, a tab or a mark that
// turns the direction of text shown as its code, so that a name cannot break
// or reorder the report around it.
QString ShownName(const QString &name) {
    QString out;
    for (const QChar c : name) {
        const bool hidden = c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0) ||
                            c.category() == QChar::Other_Format || c == QChar::LineSeparator ||
                            c == QChar::ParagraphSeparator;
        out += hidden ? QStringLiteral("<U+%1>").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper()
                      : QString(c);
    }
    return out;
}

// A list of names, shortened past `most` to "... and N more".
QString namesOf(const QStringList &names, int most, const QString &separator) {
    if (names.size() <= most) return names.join(separator);
    return names.first(most).join(separator) + separator +
           QuoteCollections::tr("... and %L1 more").arg(names.size() - most);
}

} // namespace

void QuoteCollections::menuImportQuotes_Click() {
    const QStringList files =
        dialogs::openFiles(lobby.window(), {tr("Import Quotes"),
                                            startFolder(),
                                            tr("All files (*);;Text (*.txt);;Quote list (*.Dat)"),
                                            {}});
    if (files.isEmpty()) return;
    Settings::Save(Settings::Keys::QuoteFolder, QFileInfo(files.first()).absolutePath());
    QList<QUrl> urls;
    for (const QString &f : files)
        urls << QUrl::fromLocalFile(f);
    ImportQuotesFrom(urls, QString());
}

void QuoteCollections::grid_QuotesDropped(const QList<QUrl> &files, const QString &text) {
    // Taken in now, imported once the drop is over: the program the files
    // came from does not wait for the report.
    QTimer::singleShot(0, this, [this, files, text] { ImportQuotesFrom(files, text); });
}

void QuoteCollections::ImportQuotesFrom(const QList<QUrl> &files, const QString &text) {
    // Files of the same name are told apart by their folders.
    QStringList paths, names;
    QHash<QString, int> named;
    for (const QUrl &u : files)
        if (u.isLocalFile()) {
            paths << u.toLocalFile();
            names << QFileInfo(paths.last()).fileName();
            ++named[names.last()];
        }
    QList<quotes::ImportSource> sources;
    for (qsizetype i = 0; i < paths.size(); ++i)
        sources.append(
            {ShownName(named.value(names[i]) > 1 ? QDir::toNativeSeparators(paths[i]) : names[i]),
             {},
             paths[i]});
    if (!text.isEmpty()) sources.append({tr("the dropped text"), text.toUtf8(), {}});
    if (sources.isEmpty()) return;

    // Reading and checking show how far they are, with a way out, from half
    // a second on; the window keeps painting meanwhile.
    QProgressDialog progress(tr("Importing quotes..."), tr("Cancel"), 0, 1000, lobby.window());
    progress.setWindowTitle(tr("Import Quotes"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(std::numeric_limits<int>::max());
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    // Many files show how far they are from the start; a few from 0.4 s on.
    if (sources.size() > 100) progress.show();
    QElapsedTimer clock;
    clock.start();
    const quotes::ImportResult r = quotes::ImportQuotes(sources, [&](qint64 done, qint64 total) {
        progress.setValue(total ? int(qMin(done, total) * 1000 / total) : 1000);
        if (!progress.isVisible() && clock.elapsed() >= 400) progress.show();
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
    progress.close();

    if (r.cancelled) {
        dialogs::message(lobby.window(), tr("Import Quotes"),
                         tr("The import was cancelled; the list is as it was."), Icon::Information);
        return;
    }
    if (!r.status) {
        lobby.showStoreError(tr("The quotes could not be imported; the list is as it was."),
                             r.status);
        return;
    }
    QSet<QString> failed;
    for (const QString &n : r.notRead)
        failed.insert(n.section(QStringLiteral(": "), 0, -2));
    QStringList read;
    for (const quotes::ImportSource &s : std::as_const(sources))
        if (!failed.contains(s.name)) read << s.name;
    QString report;
    if (!read.isEmpty())
        report = tr("%Ln quote(s) were added from %1.", nullptr, r.added)
                     .arg(namesOf(read, 5, QStringLiteral(", ")));
    if (r.plainLetters > 0)
        report += tr(" In %1, accented letters were written as plain ones (\u00C9 as "
                     "E, \u00C4 as AE), so that the puzzle hides every letter.")
                      .arg(r.plainLetters == r.added ? tr("all of them")
                                                     : tr("%Ln of them", nullptr, r.plainLetters));
    QString details;
    if (r.skippedCount() > 0) {
        report += QStringLiteral("\n\n") + tr("%Ln entry(s) skipped:", nullptr, r.skippedCount());
        for (auto it = r.skipped.cbegin(); it != r.skipped.cend(); ++it)
            report += QStringLiteral("\n- %1 %2")
                          .arg(QLocale().toString(*it), quotes::SkipReason(it.key()));
        for (int k = 0; k < quotes::SkipKinds; ++k) {
            const auto kind = quotes::Skip(k);
            QString entries;
            for (const auto &[why, text] : r.skippedShown)
                if (why == kind) entries += QStringLiteral("  ") + text + QLatin1Char('\n');
            if (!entries.isEmpty())
                details += tr("Skipped, %1:").arg(quotes::SkipReason(kind)) + QLatin1Char('\n') +
                           entries + QLatin1Char('\n');
        }
        if (r.skippedCount() > r.skippedShown.size())
            details += tr("... and %L1 more, not shown here.")
                           .arg(r.skippedCount() - r.skippedShown.size());
    }
    if (!r.notRead.isEmpty())
        report += (report.isEmpty() ? QString() : QStringLiteral("\n\n")) + tr("Not read:") +
                  QLatin1Char('\n') + namesOf(r.notRead, 10, QStringLiteral("\n"));
    if (r.added > 0) lobby.showList(r.firstAdded);
    const bool nothingRead = read.isEmpty();
    const dialogs::Message told{tr("Import Quotes"),
                                nothingRead ? tr("Nothing could be read:") + QLatin1Char('\n') +
                                                  namesOf(r.notRead, 10, QStringLiteral("\n"))
                                            : report,
                                nothingRead ? Icon::Critical : Icon::Information,
                                dialogs::Buttons::Ok,
                                dialogs::Answer::Ok,
                                details.trimmed(),
                                {},
                                nullptr};
    dialogs::message(lobby.window(), told);
}

void QuoteCollections::menuExportQuotes_Click() {
    // Where the last export went, or the documents: never where quotes were
    // imported from, which is often a folder the player cannot write.
    const QString last = Settings::Get(Settings::Keys::ExportFolder);
    const QString folder =
        !last.isEmpty() && QFileInfo(last).isDir() &&
                ::access(QFile::encodeName(last).constData(), W_OK | X_OK) == 0
            ? last
            : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = dialogs::saveFile(
        lobby.window(), {tr("Export Quotes"), folder, tr("Text (*.txt);;Quote list (*.Dat)"),
                         tr("My %1 quotes.txt").arg(AppInfo::Title)});
    if (path.isEmpty()) return;
    Settings::Save(Settings::Keys::ExportFolder, QFileInfo(path).absolutePath());
    // The file the export replaces, kept until the export is done: what a
    // killed export leaves beside it goes at the next start.
    Settings::Save(Settings::Keys::ExportPending, safefile::resolveLinks(path));
    int count = 0;
    const quotes::Status s = quotes::ExportQuotes(path, &count);
    Settings::Save(Settings::Keys::ExportPending, QString());
    if (!s) {
        lobby.showStoreError(tr("The quotes could not be exported."), s);
        return;
    }
    dialogs::message(lobby.window(), tr("Export Quotes"),
                     count == 0 && !quotes::ExportsAsList(path)
                         ? tr("You have no quotes of your own yet: %1 holds none.")
                               .arg(QDir::toNativeSeparators(path))
                         : tr("%Ln quote(s) were written to %1.", nullptr, count)
                               .arg(QDir::toNativeSeparators(path)),
                     Icon::Information);
}

QuoteCollections::QuoteCollections(LobbySeam &lobby)
    : Addition(lobby, QStringLiteral("collections")) {
    lobby.addListMenuItem(tr("&Import Quotes..."), [this] { menuImportQuotes_Click(); });
    lobby.addListMenuItem(tr("&Export Quotes..."), [this] { menuExportQuotes_Click(); });
    connect(&lobby, &LobbySeam::quotesDropped, this, &QuoteCollections::grid_QuotesDropped);
    RemoveLeftoverExport();
}

void QuoteCollections::RemoveLeftoverExport() {
    const QString left = Settings::Get(Settings::Keys::ExportPending);
    if (left.isEmpty()) return;
    Settings::Save(Settings::Keys::ExportPending, QString());
    // Only what an export of this game writes goes: its temporary files
    // beside the file it replaced, in the folder exports go to. The setting
    // could name any file at all; nothing else is ever removed.
    const QFileInfo pending(left);
    const QString folder = Settings::Get(Settings::Keys::ExportFolder);
    if (folder.isEmpty() || !pending.isAbsolute()) return;
    QString name = pending.fileName();
    // An export of an earlier version named its one temporary file ".NAME.part".
    const bool earlier = name.size() > 6 && name.startsWith(QLatin1Char('.')) &&
                         name.endsWith(QStringLiteral(".part")) && !safefile::isTempName(name);
    if (earlier) name = name.mid(1, name.size() - 6);
    const QFileInfo target(safefile::resolveLinks(QDir(folder).filePath(name)));
    if (target.absolutePath() != pending.absolutePath()) return;
    if (earlier) {
        if (pending.isFile() && !pending.isSymLink()) safefile::remove(left);
        return;
    }
    if (target.absoluteFilePath() == pending.absoluteFilePath())
        safefile::removeLeftoverTemps(target.absoluteFilePath());
}
