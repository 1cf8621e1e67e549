#include "Labels.h"

#include "WindowSize.h"

#include <QFontMetricsF>

namespace {
const char *const DesignedSize = "cipherlyDesignedPointSize";
}

QLabel *NewLabel(QWidget *parent, int left, int top, int width, int height, const QString &text) {
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(label, left, top, width, height);
    return label;
}

void FitTextToWidth(QLabel *label) {
    QFont f = label->font();
    if (!label->property(DesignedSize).isValid()) label->setProperty(DesignedSize, f.pointSizeF());
    f.setPointSizeF(label->property(DesignedSize).toReal());
    const qreal room = label->contentsRect().width();
    while (f.pointSizeF() > 4 && QFontMetricsF(f).horizontalAdvance(label->text()) > room)
        f.setPointSizeF(f.pointSizeF() - 0.25);
    label->setFont(f);
}
