#include "Links.h"

#include "Dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

namespace modStandard {
namespace {
std::function<bool(const QUrl &)> urlOpener;
}

QUrl LinkTarget(qint16 kind, const QString &address) {
    switch (kind) {
    case EmailLink:
        return QUrl(QStringLiteral("mailto:") + (address.isEmpty() ? MakerEmail : address));
    case WebLink:
        return QUrl(QStringLiteral("http://") + (address.isEmpty() ? MakerWeb : address));
    case OrderLink:
        return QUrl(QStringLiteral("http://") + MakerOrderPage);
    default:
        return {};
    }
}

namespace {

void tellNoConnection(QWidget *owner) {
    dialogs::message(
        owner, QCoreApplication::translate("frmMain", "Error"),
        QCoreApplication::translate("frmMain", "Could not establish an internet connection!"),
        dialogs::Icon::Critical);
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// Openers still at work when the game ends are let go, not killed: the
// browser or mail program they started stays with the player.
QList<QProcess *> running;

void letGo() {
    for (QProcess *p : std::as_const(running)) {
        p->disconnect();
        p->setParent(nullptr);
    }
    running.clear();
}

// Opens `target` with the desktop's opener, which says by its exit status
// whether it could; it is waited for without holding up the window.
bool openWithDesktopOpener(const QUrl &target, QWidget *owner) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) return false;
    static const bool hooked = [] {
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, &letGo);
        return true;
    }();
    Q_UNUSED(hooked);
    auto *p = new QProcess(qApp);
    p->setProgram(opener);
    p->setArguments({target.toString(QUrl::FullyEncoded)});
    p->setWorkingDirectory(QCoreApplication::applicationDirPath());
    p->setStandardOutputFile(QProcess::nullDevice());
    p->setStandardErrorFile(QProcess::nullDevice());
    const QPointer<QWidget> window(owner);
    auto done = [p, window](bool opened) {
        running.removeAll(p);
        p->deleteLater();
        if (!opened) tellNoConnection(window);
    };
    QObject::connect(p, &QProcess::finished, p, [done](int code, QProcess::ExitStatus status) {
        done(status == QProcess::NormalExit && code == 0);
    });
    QObject::connect(p, &QProcess::errorOccurred, p, [done](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) done(false);
    });
    running << p;
    p->start();
    return true;
}
#endif

} // namespace

void OpenLink(qint16 kind, QWidget *owner, const QString &address) {
    const QUrl target = LinkTarget(kind, address);
    if (!target.isValid() || target.isEmpty()) {
        tellNoConnection(owner);
        return;
    }
    if (urlOpener) {
        if (!urlOpener(target)) tellNoConnection(owner);
        return;
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (openWithDesktopOpener(target, owner)) return;
#endif
    if (!QDesktopServices::openUrl(target)) tellNoConnection(owner);
}

void SetUrlOpener(std::function<bool(const QUrl &)> opener) {
    urlOpener = std::move(opener);
}

} // namespace modStandard
