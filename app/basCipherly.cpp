#include "basCipherly.h"

#include "AppInfo.h"
#include "ListFolder.h"
#include "Dialogs.h"
#include "PrinterSurface.h"
#include "QuoteFile.h"
#include "SingleInstance.h"
#include "frmTitlePage.h"

#include <QDir>

namespace basCipherly {

const char *const AlreadyRunningTitle = "Terminating...";

namespace {

// Held for the whole run: it is what tells a later copy that this one runs.
SingleInstance instanceGuard;

// Every printed layout is given in inches. Switching the unit cannot fail
// here: the printer itself is only reached when something is printed.
void SetPrinterUnitToInches() {
    PrinterSurface::SetUnitToInches();
}

} // namespace

bool Main() {
    switch (instanceGuard.acquire()) {
    case SingleInstance::Result::Acquired:
        break;
    case SingleInstance::Result::HeldByAnother:
        dialogs::message(nullptr, QString::fromLatin1(AlreadyRunningTitle),
                         AppInfo::Title +
                             QStringLiteral(" is already loaded\nand running on your computer!"),
                         dialogs::Icon::Critical);
        return false;
    case SingleInstance::Result::Unavailable:
        // Two copies on one quote list could delete each other's quotes:
        // without a way to tell, the game does not start.
        dialogs::message(nullptr, QString::fromLatin1(AlreadyRunningTitle),
                         AppInfo::Title +
                             QStringLiteral(" cannot make sure that no other copy of it is "
                                            "running,\nso it will not start and risk your quote "
                                            "list.\n\n") +
                             instanceGuard.reason(),
                         dialogs::Icon::Critical);
        return false;
    }
    quotes::QuoteFileName = AppInfo::Title + QStringLiteral(".Dat");
    // Started from the menu, the list lives in the player's data folder.
    if (ListFolder::StartedFromMenu()) {
        const ListFolder::Outcome where = ListFolder::UseDataFolder(
            QDir::homePath(), ListFolder::DataFolder(), quotes::QuoteFileName);
        if (!where.problem.isEmpty())
            dialogs::message(nullptr, AppInfo::Title,
                             where.problem +
                                 QStringLiteral("\n\nThe quote list is kept in %1 this time.")
                                     .arg(QDir::currentPath()),
                             dialogs::Icon::Exclamation);
    }
    SetPrinterUnitToInches();
    auto *first = new frmTitlePage;
    first->show();
    return true;
}

} // namespace basCipherly
