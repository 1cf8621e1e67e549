#pragma once

#include <QPalette>
#include <QWidget>

// Gives `w` the colour `c` in one role of its palette, the rest as it was.
inline void SetColour(QWidget *w, QPalette::ColorRole role, const QColor &c) {
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
}
