#pragma once

#include "modStandard.h"

class QPixmap;
class QString;
class QWidget;

// The tiling of a background picture that every window uses at load.
namespace modStandard {

// Makes `picture`, repeated from the top-left corner at its natural size, the
// persistent background of `target`; child controls draw over it.
void TilePicture(const QPixmap &picture, QWidget *target);
// The same for a picture of the program's own, in the artwork made for the
// target's screen.
void TilePicture(const QString &picture, QWidget *target);

} // namespace modStandard
