#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// The program's pictures come in two sizes: as designed, and painted twice as
// large for scaled screens ("name@2x.png" beside "name.png"). A scaled screen
// gets the large artwork, never the small one blown up.
namespace artwork {

// "…/name@2x.png" for "…/name.png".
QString largeName(const QString &path);

// The large artwork of `path` with a device pixel ratio of 2; null when none.
QImage large(const QString &path);

// The picture to draw on a screen of `devicePixelRatio`: the large artwork
// when the screen is scaled and it exists, else the designed one.
QPixmap pixmap(const QString &path, qreal devicePixelRatio);

} // namespace artwork
