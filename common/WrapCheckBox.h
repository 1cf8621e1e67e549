#pragma once

#include <QCheckBox>

// A check box whose caption wraps onto several lines within its width.
class WrapCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent *) override;
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};
