#include "AppInfo.h"
#include "Fonts.h"
#include "basCipherly.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::Title);
    QApplication::setOrganizationName(AppInfo::Title);
    QApplication::setApplicationVersion(AppInfo::versionString());
    RegisterFontSubstitutions();
    if (!basCipherly::Main()) return 0;
    return app.exec();
}
