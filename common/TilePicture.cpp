#include "TilePicture.h"

#include "Artwork.h"

#include <QPalette>
#include <QPixmap>
#include <QWidget>

namespace modStandard {

void TilePicture(const QPixmap &picture, QWidget *target) {
    if (!target || picture.isNull()) return;
    QPalette palette = target->palette();
    palette.setBrush(QPalette::Window, QBrush(picture));
    target->setPalette(palette);
    target->setAutoFillBackground(true);
}

void TilePicture(const QString &picture, QWidget *target) {
    if (!target) return;
    TilePicture(artwork::pixmap(picture, target->devicePixelRatioF()), target);
}

} // namespace modStandard
