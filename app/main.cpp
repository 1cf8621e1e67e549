#include "AppInfo.h"
#include "Fonts.h"
#include "basCipherly.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::Title);
    QApplication::setOrganizationName(AppInfo::Title);
    QApplication::setApplicationVersion(AppInfo::versionString());
    RegisterFontSubstitutions();
    // Task bars and window lists show the game's own icon.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/pictures/app/cipherly-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.Cipherly"));
    if (!basCipherly::Main()) return 0;
    return app.exec();
}
