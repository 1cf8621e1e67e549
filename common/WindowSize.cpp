#include "WindowSize.h"

#include "Twips.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace windowsize {

int clientWidth(int widthTwips) {
    return qMax(1, twips::toPixels(widthTwips) - 2 * ClassicFrame);
}

int clientHeight(int heightTwips, bool captioned) {
    return qMax(1,
                twips::toPixels(heightTwips) - 2 * ClassicFrame - (captioned ? ClassicCaption : 0));
}

} // namespace windowsize

void SetDesignedSize(QWidget *window, int widthTwips, int heightTwips) {
    window->setFixedSize(windowsize::clientWidth(widthTwips),
                         windowsize::clientHeight(heightTwips, true));
}

namespace {

constexpr Qt::WindowStates Enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;

// Undoes every request to maximise the window or show it full screen, from a
// title bar's button or double-click, a key of the desktop or another
// program, as soon as it arrives. The desktop then puts the window back where
// it was, as it does after any such state.
class KeepNormalState : public QObject {
public:
    explicit KeepNormalState(QWidget *window) : QObject(window), m_window(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override {
        if (watched == m_window && e->type() == QEvent::WindowStateChange &&
            (m_window->windowState() & Enlarged))
            // Undone once the change is through, or it would be applied after all.
            QTimer::singleShot(0, m_window, [w = m_window] {
                if (w->windowState() & Enlarged) w->setWindowState(w->windowState() & ~Enlarged);
            });
        return false;
    }

private:
    QWidget *m_window;
};

} // namespace

void RefuseEnlarging(QWidget *window) {
    if (window->property("cipherlyKeepsNormalState").toBool()) return;
    window->setProperty("cipherlyKeepsNormalState", true);
    new KeepNormalState(window);
}

void MakeFixedWindow(QWidget *window, bool minimisable) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimisable) flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
    RefuseEnlarging(window);
}

void ShowCentredOver(QWidget *window, const QWidget *over) {
    const QWidget *owner = over ? over->window() : nullptr;
    if (owner && owner->isVisible()) {
        window->ensurePolished();
        const QSize size = window->size().expandedTo(window->minimumSize());
        QPoint at = owner->geometry().center() - QPoint(size.width() / 2, size.height() / 2);
        // Never off the screen: a window half outside it could not be used.
        if (const QScreen *screen = owner->screen()) {
            const QRect room = screen->availableGeometry();
            at.setX(
                qBound(room.left(), at.x(), qMax(room.left(), room.right() + 1 - size.width())));
            at.setY(
                qBound(room.top(), at.y(), qMax(room.top(), room.bottom() + 1 - size.height())));
        }
        window->move(at); // a Wayland desktop places windows itself, and ignores this
    }
}

void PlaceTwips(QWidget *control, int left, int top, int width, int height) {
    control->setGeometry(twips::toPixels(left), twips::toPixels(top), twips::toPixels(width),
                         twips::toPixels(height));
}
