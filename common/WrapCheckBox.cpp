#include "WrapCheckBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void WrapCheckBox::paintEvent(QPaintEvent *) {
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const QString caption = opt.text;
    opt.text.clear();
    const QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, this);
    opt.rect = QRect(opt.rect.left(), (height() - indicator.height()) / 2, indicator.width(),
                     indicator.height());
    p.drawPrimitive(QStyle::PE_IndicatorCheckBox, opt);
    const QRect text = rect().adjusted(indicator.width() + 5, 0, 0, 0);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect =
            p.boundingRect(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption)
                .adjusted(-1, 0, 1, 0);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
