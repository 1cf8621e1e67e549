#include "Artwork.h"

#include <QFileInfo>

namespace artwork {

QString largeName(const QString &path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (dot <= slash) return path + QStringLiteral("@2x");
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

QImage large(const QString &path) {
    const QString name = largeName(path);
    if (!QFileInfo::exists(name)) return {};
    QImage image(name);
    if (!image.isNull()) image.setDevicePixelRatio(2);
    return image;
}

QPixmap pixmap(const QString &path, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        const QImage big = large(path);
        if (!big.isNull()) return QPixmap::fromImage(big);
    }
    return QPixmap(path);
}

} // namespace artwork
