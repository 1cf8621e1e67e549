#include "TilePicture.h"

#include "Artwork.h"

#include <QEvent>
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

namespace {

// A picture of the program's own is tiled anew from the artwork for the
// scale whenever its window goes to a screen of another scale.
class TiledForScale : public QObject {
public:
    TiledForScale(const QString &picture, QWidget *target) : QObject(target), m_picture(picture) {
        setObjectName(QStringLiteral("tiledForScale"));
        target->installEventFilter(this);
    }
    void tile(QWidget *target) const {
        TilePicture(artwork::pixmap(m_picture, target->devicePixelRatioF()), target);
    }
    void setPicture(const QString &picture) { m_picture = picture; }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override {
        if (e->type() == QEvent::ScreenChangeInternal && watched == parent())
            tile(static_cast<QWidget *>(watched));
        return false;
    }

private:
    QString m_picture;
};

} // namespace

void TilePicture(const QString &picture, QWidget *target) {
    if (!target) return;
    auto *tiled = target->findChild<TiledForScale *>(QStringLiteral("tiledForScale"),
                                                     Qt::FindDirectChildrenOnly);
    if (tiled)
        tiled->setPicture(picture);
    else
        tiled = new TiledForScale(picture, target);
    tiled->tile(target);
}

} // namespace modStandard
