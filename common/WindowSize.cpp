#include "WindowSize.h"

#include "Twips.h"

#include <QWidget>

namespace windowsize {

int clientWidth(int widthTwips) {
    return qMax(1, twips::toPixels(widthTwips) - 2 * ClassicFrame);
}

int clientHeight(int heightTwips, bool captioned) {
    return qMax(1, twips::toPixels(heightTwips) - 2 * ClassicFrame -
                       (captioned ? ClassicCaption : 0));
}

} // namespace windowsize

void SetDesignedSize(QWidget *window, int widthTwips, int heightTwips) {
    window->setFixedSize(windowsize::clientWidth(widthTwips),
                         windowsize::clientHeight(heightTwips, true));
}

void MakeFixedWindow(QWidget *window, bool minimisable) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimisable) flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
}

void PlaceTwips(QWidget *control, int left, int top, int width, int height) {
    control->setGeometry(twips::toPixels(left), twips::toPixels(top), twips::toPixels(width),
                         twips::toPixels(height));
}
