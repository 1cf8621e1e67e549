#include "basCipherly.h"

#include "AppInfo.h"
#include "DataFolder.h"
#include "Dialogs.h"
#include "GameKeeper.h"
#include "GameRecord.h"
#include "InstanceChannel.h"
#include "ListFolder.h"
#include "PrinterSurface.h"
#include "QuoteFile.h"
#include "SafeFile.h"
#include "Settings.h"
#include "SingleInstance.h"
#include "frmTitlePage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace basCipherly {

const char *const AlreadyRunningTitle = QT_TRANSLATE_NOOP("basCipherly", "Terminating...");
QString HandOver;

namespace {

// Held for the whole run: it is what tells a later copy that this one runs
// on the same list.
SingleInstance instanceGuard;

// Every printed layout is given in inches. Switching the unit cannot fail
// here: the printer itself is only reached when something is printed.
void SetPrinterUnitToInches() {
    PrinterSurface::SetUnitToInches();
}

} // namespace

QString ListFolderFor(const QString &listName) {
    return ListFolder::Choose(QCoreApplication::applicationDirPath(), DataFolder(), listName);
}

QString QuoteListPath() {
    const QString listName = AppInfo::Title + QStringLiteral(".Dat");
    return QDir(ListFolderFor(listName)).filePath(listName);
}

bool Main() {
    const QString listName = AppInfo::Title + QStringLiteral(".Dat");
    QString folder = ListFolderFor(listName);
    QString problem;
    if (!safefile::makeFolder(folder)) {
        // Nowhere else to keep it: this once, the list stays where the game was started.
        problem = QCoreApplication::translate("basCipherly",
                                              "The folder %1 cannot be made.\n\nThe quote list is "
                                              "kept in %2 this time.")
                      .arg(QDir::toNativeSeparators(folder),
                           QDir::toNativeSeparators(QDir::currentPath()));
        folder = QDir::currentPath();
    }
    // The lock comes before anything reads the list.
    instanceGuard.setFolder(folder);
    switch (instanceGuard.acquire()) {
    case SingleInstance::Result::Acquired:
        // A later copy on this list may hand this one what it was asked for.
        instancechannel::Listen(folder);
        break;
    case SingleInstance::Result::HeldByAnother:
        // What this copy was asked to do, the copy that runs does; this one
        // then ends without a word.
        if (!HandOver.isEmpty() && instancechannel::Hand(folder, HandOver)) return false;
        dialogs::message(nullptr, QCoreApplication::translate("basCipherly", AlreadyRunningTitle),
                         QCoreApplication::translate("basCipherly",
                                                     "%1 is already loaded\nand running on your "
                                                     "computer!")
                             .arg(AppInfo::Title),
                         dialogs::Icon::Critical);
        return false;
    case SingleInstance::Result::Unavailable:
        // Two copies on one quote list could delete each other's quotes:
        // without a way to tell, the game does not start.
        dialogs::message(nullptr, QCoreApplication::translate("basCipherly", AlreadyRunningTitle),
                         QCoreApplication::translate(
                             "basCipherly",
                             "%1 cannot make sure that no other copy of it is running,\nso it will "
                             "not start and risk your quote list.\n\n%2")
                             .arg(AppInfo::Title, instanceGuard.reason()),
                         dialogs::Icon::Critical);
        return false;
    }
    quotes::QuoteFileName = listName;
    // A list an earlier version kept where the game was started, or in the
    // home folder, comes to the one place.
    const ListFolder::Outcome where =
        ListFolder::Prepare(folder, {QDir::currentPath(), QDir::homePath()}, listName);
    if (!where.problem.isEmpty()) problem = where.problem;
    if (!QDir::setCurrent(folder))
        problem =
            QCoreApplication::translate("basCipherly", "The folder %1 cannot be used.").arg(folder);
    if (!problem.isEmpty())
        dialogs::message(nullptr, AppInfo::Title, problem, dialogs::Icon::Exclamation);
    else if (!where.message().isEmpty())
        dialogs::message(nullptr, AppInfo::Title, where.message(), dialogs::Icon::Information);
    // The game in progress and the record of games are files of the game's
    // own: a link or anything else in their place is set aside, told once.
    if (const QString foreign =
            SetAsideForeignFiles({play::GameKeeper::FileName(), stats::RecordPath()});
        !foreign.isEmpty())
        dialogs::message(nullptr, AppInfo::Title, foreign, dialogs::Icon::Exclamation);
    if (const QString settings = Settings::CheckFile(); !settings.isEmpty())
        dialogs::message(nullptr, AppInfo::Title, settings, dialogs::Icon::Exclamation);
    SetPrinterUnitToInches();
    auto *first = new frmTitlePage;
    first->show();
    return true;
}

} // namespace basCipherly
