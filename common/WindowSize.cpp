#include "WindowSize.h"

#include "Twips.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

const char *const OuterSizeProperty = "cipherlyOuterSize";

void apply(QWidget *w) {
    const QSize outer = w->property(OuterSizeProperty).toSize();
    if (!outer.isValid()) return;
    QMargins m;
    if (w->windowHandle()) m = w->windowHandle()->frameMargins();
    const QSize client(qMax(1, outer.width() - m.left() - m.right()),
                       qMax(1, outer.height() - m.top() - m.bottom()));
    if (w->size() != client || w->minimumSize() != client) w->setFixedSize(client);
}

// The frame becomes known only once the desktop has framed the window.
class FrameWatcher : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override {
        if (e->type() == QEvent::Show || e->type() == QEvent::Move ||
            e->type() == QEvent::WindowActivate)
            apply(static_cast<QWidget *>(o));
        return false;
    }
};

} // namespace

void SetOuterSize(QWidget *window, int widthTwips, int heightTwips) {
    if (!window->property(OuterSizeProperty).isValid())
        window->installEventFilter(new FrameWatcher(window));
    window->setProperty(OuterSizeProperty,
                        QSize(twips::toPixels(widthTwips), twips::toPixels(heightTwips)));
    apply(window);
}

void PlaceTwips(QWidget *control, int left, int top, int width, int height) {
    control->setGeometry(twips::toPixels(left), twips::toPixels(top), twips::toPixels(width),
                         twips::toPixels(height));
}
