#pragma once

#include <QColor>
#include <QPalette>

class QImage;

// The game's night colours: every window, and every window opened later,
// drawn in dark colours derived from its own, so that each keeps its look
// and its contrasts; off, every window gets back the very colours it had.
// Grounds become dark and texts light; the bevels of controls keep their
// order (their light edges stay lighter than their shadows).
namespace nightscheme {

bool on();
// Switches every window at once, and those opened from now on.
void setOn(bool on);

// The night counterpart of a colour in a role of a palette, and of a whole
// palette (every colour set in it; the others come from its parent).
QColor Night(const QColor &day, QPalette::ColorRole role);
QPalette Night(const QPalette &day, bool explicitOnly);
// A colour a widget paints itself: the day's, or its night counterpart
// (its transparency kept) while the night colours are on.
QColor Shown(const QColor &day, QPalette::ColorRole role);
// A background picture in night colours.
QImage NightPicture(const QImage &day);

// The contrast of two colours as WCAG counts it (1 to 21).
double Contrast(const QColor &a, const QColor &b);

} // namespace nightscheme
