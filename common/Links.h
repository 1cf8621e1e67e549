#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace modStandard {

// The maker's own addresses, used when a link names none.
inline const QString MakerEmail = QStringLiteral("kel.software@example.com");
inline const QString MakerWeb = QStringLiteral("www.example.com/cipherly");
inline const QString MakerOrderPage = QStringLiteral("www.example.com/cipherly/order");

enum LinkKind : qint16 { EmailLink = 1, WebLink = 2, OrderLink = 3 };

// The address a link of `kind` opens; empty for an unknown kind.
QUrl LinkTarget(qint16 kind, const QString &address);

// Opens an e-mail or web address with the desktop's default program; tells the
// player when the desktop could not. On Linux the desktop's opener
// (xdg-open) runs in the background and its failure is told when it ends.
void OpenLink(qint16 kind, QWidget *owner, const QString &address);

// Test seam: replaces the desktop's "open"; an empty function restores it.
void SetUrlOpener(std::function<bool(const QUrl &)> opener);

} // namespace modStandard
