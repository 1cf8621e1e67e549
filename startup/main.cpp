#include "Additions.h"
#include "AppInfo.h"
#include "Fonts.h"
#include "Language.h"
#include "Settings.h"
#include "Termination.h"
#include "X11.h"
#include "DailyQuote.h"
#include "TodaysQuote.h"
#include "Worksheet.h"
#include "PrinterSurface.h"
#include "QuoteFile.h"
#include "SafeFile.h"
#include "basCipherly.h"
#include "modStandard.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QIcon>

#include <algorithm>
#include <cstdio>

namespace {

// The language the player asked for on the command line: English whatever
// the desktop speaks, or a translation file to try; the desktop's otherwise.
void SpeakTheLanguage(QCoreApplication &app, int argc, char *argv[]) {
    QString file;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--english") {
            language::Install(app, {QStringLiteral("en")});
            return;
        }
        if (arg == "--translation" && i + 1 < argc) file = QFile::decodeName(argv[++i]);
    }
    language::Install(
        app, language::Wanted([](const char *name) { return qEnvironmentVariable(name); }), file);
}

// What a terminal user asks of any program. Told without a display; any other
// argument is ignored, as the game takes none.
bool answeredFromTheCommandLine(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--help" || arg == "-h") {
            // In the player's language, as the game would speak it.
            QCoreApplication app(argc, argv);
            SpeakTheLanguage(app, argc, argv);
            const QString usage = QCoreApplication::translate(
                "main", "Usage: cipherly\n"
                        "%1, an encryption word game: cryptograms made from your quotes.\n"
                        "The game opens its windows and is played there. It speaks the language\n"
                        "of the desktop (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) where it has it.\n"
                        "\n"
                        "  --help     show this and end\n"
                        "  --version  show the version and end\n"
                        "  --english  speak English, whatever the language of the desktop\n"
                        "  --translation FILE\n"
                        "             speak the language of a translation file (.qm), to try one\n"
                        "  --daily [YYYY-MM-DD]\n"
                        "             play Today's Quote, or the quote of a day gone by\n"
                        "  --worksheet COUNT [--level easy|medium|hard|expert] [--no-word-breaks]\n"
                        "              [--for NAME] FILE.pdf\n"
                        "             write a worksheet of COUNT puzzles from your list and its\n"
                        "             answer key as a PDF file, without opening a window\n"
                        "\n"
                        "Your quote list is $XDG_DATA_HOME/Cipherly/Cipherly.Dat\n"
                        "(~/.local/share/Cipherly/Cipherly.Dat). See cipherly(6); in the\n"
                        "source tree, man -l packaging/cipherly.6.\n");
            std::fputs(usage.arg(AppInfo::Title).toLocal8Bit().constData(), stdout);
            return true;
        }
        if (arg == "--version") {
            std::printf("%s %s\n", qPrintable(AppInfo::Title),
                        qPrintable(AppInfo::versionString()));
            return true;
        }
    }
    return false;
}

// The windows keep their designed pixel size, so their texts must too: a
// desktop that sets a text resolution below 96 (Xft.dpi 75, 90) would shrink
// every text inside them. Above 96 the whole window scales with it, as it
// should; a resolution the player set for Qt is left as it is.
void KeepDesignedTextSize() {
    if (qEnvironmentVariableIsSet("QT_FONT_DPI")) return;
    const int dpi = x11::desktopTextDpi();
    if (dpi > 0 && dpi < 96) qputenv("QT_FONT_DPI", "96");
}

// The animated letters draw a few small frames a second. Through shared
// memory each frame costs the X server's reply as well (a second wakeup);
// sent with the request itself it costs none, and a frame this small is as
// quick either way. A choice the player made for Qt is left as it is.
void DrawWithoutSharedMemory() {
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
}

// The view size the player chose makes every window larger as a desktop's
// scaling does, sharp and in proportion, in place of the desktop's own; a
// scale the player set for Qt is left as it is.
void ApplyViewSize() {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return;
    const int size = Settings::ViewSize();
    if (size == 0) return;
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(size / 100.0));
    // The texts at their designed size too, whatever resolution the desktop
    // gives them; the factor scales them with their windows.
    if (!qEnvironmentVariableIsSet("QT_FONT_DPI")) qputenv("QT_FONT_DPI", "96");
}

// `--daily [YYYY-MM-DD]`: the day whose quote the game opens on, today's
// without a date. False (told on standard error) for a date that is no date,
// still to come, or before the first quote of the day.
bool DayAsked(int argc, char *argv[], QDate &day) {
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) != "--daily") continue;
        day = QDate::currentDate();
        if (i + 1 < argc && !QByteArray(argv[i + 1]).startsWith("--")) {
            const QString name = QString::fromLocal8Bit(argv[i + 1]);
            bool formed = false;
            day = play::DayOf(name, &formed);
            if (!day.isValid()) {
                std::fputs(qPrintable(
                               (formed ? QCoreApplication::translate(
                                             "main", "cipherly: there is no day %1 in the calendar\n")
                                       : QCoreApplication::translate(
                                             "main", "cipherly: --daily takes a date as YYYY-MM-DD, "
                                                     "not %1\n"))
                                   .arg(modStandard::ForTerminal(name))),
                           stderr);
                return false;
            }
        }
        QString refused;
        if (day > QDate::currentDate())
            refused = QCoreApplication::translate("main",
                                                  "cipherly: the quote of %1 is still to come\n")
                          .arg(play::DayName(day));
        else if (day < play::FirstDailyDate())
            refused = QCoreApplication::translate("main",
                                                  "cipherly: the first quote of the day is %1's\n")
                          .arg(play::DayName(play::FirstDailyDate()));
        if (!refused.isEmpty()) {
            std::fputs(qPrintable(refused), stderr);
            return false;
        }
    }
    return true;
}

// The program as it names itself, speaks and prints, with or without windows.
void SetUpApplication(QApplication &app, int argc, char *argv[]) {
    QApplication::setApplicationName(AppInfo::Title);
    QApplication::setOrganizationName(AppInfo::Title);
    QApplication::setApplicationVersion(AppInfo::versionString());
    SpeakTheLanguage(app, argc, argv);
    RegisterFontSubstitutions();
}

// `cipherly --worksheet ...`: the worksheet written as a PDF, without a
// window or a display; -1 when it was not asked for.
int WorksheetAsked(int argc, char *argv[]) {
    const auto at = std::find_if(argv + 1, argv + argc,
                                 [](const char *a) { return qstrcmp(a, "--worksheet") == 0; });
    if (at == argv + argc) return -1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetUpApplication(app, argc, argv);
    PrinterSurface::SetUnitToInches();
    quotes::QuoteFileName = basCipherly::QuoteListPath();
    // Its own arguments, then whatever came before it but the language, so
    // that anything else (a day asked for, say) is refused in either order.
    QStringList args;
    const auto take = [&](char **from, char **to) {
        for (char **a = from; a != to; ++a) {
            if (qstrcmp(*a, "--english") == 0) continue;
            if (qstrcmp(*a, "--translation") == 0 && a + 1 != to) {
                ++a;
                continue;
            }
            args << QString::fromLocal8Bit(*a);
        }
    };
    take(at + 1, argv + argc);
    take(argv + 1, at);
    return Worksheet::FromCommandLine(args);
}

// No display to open a window on, where the platform is left to Qt: told
// plainly, where Qt would stop the program with a message of its own.
bool NoDisplay() {
#if defined(Q_OS_LINUX)
    return !qEnvironmentVariableIsSet("QT_QPA_PLATFORM") &&
           qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

} // namespace

int main(int argc, char *argv[]) {
    if (answeredFromTheCommandLine(argc, argv)) return 0;
    if (const int worksheet = WorksheetAsked(argc, argv); worksheet >= 0) return worksheet;
    if (std::any_of(argv + 1, argv + argc, [](const char *a) { return qstrcmp(a, "--daily") == 0; })) {
        // A day refused is told before any window, without a display.
        QCoreApplication core(argc, argv);
        SpeakTheLanguage(core, argc, argv);
        if (!DayAsked(argc, argv, TodaysQuote::Requested)) return 2;
        basCipherly::HandOver = TodaysQuote::Request(TodaysQuote::Requested);
    }
    if (NoDisplay()) {
        QCoreApplication core(argc, argv);
        SpeakTheLanguage(core, argc, argv);
        std::fputs(qPrintable(QCoreApplication::translate(
                       "main", "cipherly: there is no display to open the game's window on "
                               "(neither DISPLAY nor WAYLAND_DISPLAY is set); a worksheet "
                               "(--worksheet) needs none\n")),
                   stderr);
        return 1;
    }
    KeepDesignedTextSize();
    DrawWithoutSharedMemory();
    ApplyViewSize();
    QApplication app(argc, argv);
    SetUpApplication(app, argc, argv);
    // Task bars and window lists show the game's own icon: the sizes they
    // draw a window's own icon at. (Qt reads every size given as it starts;
    // the large ones cost a tenth of the time to the first window, and a
    // desktop that shows a large icon takes it from the installed theme, by
    // the desktop entry named below.)
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/pictures/app/cipherly-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.Cipherly"));
    EndCleanlyOnSignals();
    StartAdditions();
    if (!basCipherly::Main()) return 0;
    return app.exec();
}
