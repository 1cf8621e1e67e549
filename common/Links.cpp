#include "Links.h"

#include "Dialogs.h"

#include <QDesktopServices>

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

void OpenLink(qint16 kind, QWidget *owner, const QString &address) {
    const QUrl target = LinkTarget(kind, address);
    const bool opened = target.isValid() && !target.isEmpty() &&
                        (urlOpener ? urlOpener(target) : QDesktopServices::openUrl(target));
    if (!opened)
        dialogs::message(owner, QStringLiteral("Error"),
                         QStringLiteral("Could not establish an internet connection!"),
                         dialogs::Icon::Critical);
}

void SetUrlOpener(std::function<bool(const QUrl &)> opener) {
    urlOpener = std::move(opener);
}

} // namespace modStandard
