#include "ViewZoom.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <private/qguiapplication_p.h>
#include <private/qhighdpiscaling_p.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace viewzoom {

namespace {

// The toolkit's own scale, as the game was started with it.
double StartFactor() {
    bool ok = false;
    const double f = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && f > 0 ? f : 1.0;
}

double &Global() {
    static double global = StartFactor();
    return global;
}

// The toolkit warns that a scale set with windows about is not for them: the
// windows are made anew here, so the warning says nothing.
QtMessageHandler previousHandler = nullptr;
void QuietAboutScale(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (text.contains(QLatin1String("QHighDpiScaling"))) return;
    if (previousHandler) previousHandler(type, context, text);
}

struct Shown {
    QPointer<QWidget> window;
    QPoint frameCorner;  // in the screen's own pixels
    QSize frameExtra;    // what the desktop's frame adds, in its own pixels
    QPoint clientOffset; // where the client area lies in the frame, in its own pixels
};

// Where a window whose frame is `frame` goes on `room`: as near to where it
// was as keeps its title bar on the screen and as much of it as fits.
QPoint KeptOnScreen(const QRect &frame, const QRect &room) {
    QPoint at = frame.topLeft();
    if (frame.right() > room.right()) at.rx() -= frame.right() - room.right();
    if (frame.bottom() > room.bottom()) at.ry() -= frame.bottom() - room.bottom();
    at.rx() = qMax(at.x(), room.left());
    at.ry() = qMax(at.y(), room.top());
    return at;
}

// What a widget is told when its window goes to a screen of another scale
// (fonts, pictures and pointers made for the scale are made anew).
void TellScaleChanged(QWidget *w) {
    QEvent e(QEvent::ScreenChangeInternal);
    QCoreApplication::sendEvent(w, &e);
    for (QObject *child : w->children())
        if (auto *cw = qobject_cast<QWidget *>(child); cw && !cw->isWindow()) TellScaleChanged(cw);
}

// The window that was active is made active again once it is on the screen
// (a window not yet shown cannot take the focus), its control given the
// focus again, and drawn as the keys had left it: with the focus frames of
// keyboard use only if the player had moved the focus by keys.
class ActivateWhenShown : public QObject {
public:
    ActivateWhenShown(QWidget *window, QWidget *focus, bool byKeys)
        : QObject(window), m_window(window), m_focus(focus), m_byKeys(byKeys) {
        window->windowHandle()->installEventFilter(this);
        window->installEventFilter(this);
        activate();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override {
        if (watched == m_window->windowHandle() && e->type() == QEvent::Expose &&
            m_window->windowHandle()->isExposed())
            activate();
        if (watched == m_window && e->type() == QEvent::WindowActivate) {
            activate();
            deleteLater();
        }
        return false;
    }

private:
    void activate() {
        if (!m_window->isActiveWindow()) {
            m_window->activateWindow();
            m_window->raise();
        }
        if (m_focus && QApplication::focusWidget() != m_focus) m_focus->setFocus();
        if (m_window->testAttribute(Qt::WA_KeyboardFocusChange) != m_byKeys) {
            m_window->setAttribute(Qt::WA_KeyboardFocusChange, m_byKeys);
            m_window->update();
        }
    }
    QWidget *m_window;
    QPointer<QWidget> m_focus;
    bool m_byKeys;
};

// Some desktops (Window Maker, i3) place a window made anew as if its own
// corner were the frame's, a title bar lower than asked, though they move a
// window on the screen where it asks: once it is on the screen, it is asked
// once more for the place wanted.
class PlaceWhenShown : public QObject {
public:
    PlaceWhenShown(QWidget *window, const QPoint &wanted)
        : QObject(window), m_window(window), m_wanted(wanted) {
        window->windowHandle()->installEventFilter(this);
        // A desktop that never tells where it put the window is left alone.
        QTimer::singleShot(5000, this, [this] { deleteLater(); });
    }

protected:
    bool eventFilter(QObject *, QEvent *e) override {
        if (e->type() == QEvent::Expose && m_window->windowHandle()->isExposed() && !m_done) {
            m_done = true;
            // Once the desktop's own moves of the first showing are told.
            QTimer::singleShot(100, this, [this] {
                const QPoint error = m_window->geometry().topLeft() - m_wanted;
                if (!error.isNull() && error.manhattanLength() < 100)
                    m_window->setGeometry(QRect(m_wanted, m_window->size()));
                deleteLater();
            });
        }
        return false;
    }

private:
    QWidget *m_window;
    QPoint m_wanted;
    bool m_done = false;
};

} // namespace

bool followsDesktop() {
    static const bool follows = qgetenv("QT_ENABLE_HIGHDPI_SCALING") != "0";
    return follows;
}

double factor() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

bool apply(int percent) {
    if (QApplication::activeModalWidget()) return false;
    if (QWidget *popup = QApplication::activePopupWidget()) popup->close();
    const double was = factor();
    // What the desktop scales by itself stays: the game's scale is on top.
    const double desktop = was / Global();
    const double wanted = percent == 0 ? 1.0 : percent / 100.0 / desktop;
    if (qFuzzyCompare(wanted, Global())) return true;

    QPointer<QWidget> active = QApplication::activeWindow();
    QPointer<QWidget> focus = QApplication::focusWidget();
    const bool byKeys = active && active->testAttribute(Qt::WA_KeyboardFocusChange);
    std::vector<Shown> shown;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || !w->windowHandle()) continue;
        const QRect frame = w->frameGeometry(), client = w->geometry();
        shown.push_back({w, (QPointF(frame.topLeft()) * was).toPoint(),
                         ((QSizeF(frame.size()) - QSizeF(client.size())) * was).toSize(),
                         (QPointF(client.topLeft() - frame.topLeft()) * was).toPoint()});
    }
    // The active window last, so that it comes up over the others.
    std::stable_partition(shown.begin(), shown.end(),
                          [&](const Shown &s) { return s.window != active; });
    for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
        it->window->hide();
        it->window->windowHandle()->destroy();
    }

    previousHandler = qInstallMessageHandler(QuietAboutScale);
    QHighDpiScaling::setGlobalFactor(wanted);
    qInstallMessageHandler(previousHandler);
    // The application's ratio is kept from the first asking.
    QGuiApplicationPrivate::resetCachedDevicePixelRatio();
    Global() = wanted;

    const double now = factor();
    for (const Shown &s : shown) {
        if (!s.window) continue;
        QWidget *w = s.window;
        // In the screen's own pixels, where the desktop's frame keeps its
        // size: the window's own idea of its frame is of the old scale.
        const QSize frameSize = (QSizeF(w->size()) * now).toSize() + s.frameExtra;
        const QPoint logical = (QPointF(s.frameCorner) / now).toPoint();
        QPoint at = s.frameCorner;
        QPoint client = (QPointF(at + s.clientOffset) / now).toPoint();
        if (QScreen *screen = QGuiApplication::screenAt(logical) ? QGuiApplication::screenAt(logical)
                                                                 : w->screen()) {
            const QRectF room = screen->availableGeometry();
            const QRect roomPixels(
                QRectF(room.topLeft() * now, room.size() * now).toAlignedRect());
            at = KeptOnScreen(QRect(at, frameSize), roomPixels);
            // The client's corner in the window's units: down to a whole
            // unit, so that the frame's far edges stay on the screen, unless
            // that would put its title bar above the screen's edge.
            const QPointF want = QPointF(at + s.clientOffset) / now;
            client = QPoint(int(std::floor(want.x())), int(std::floor(want.y())));
            if (client.x() * now - s.clientOffset.x() < roomPixels.left()) client.rx() += 1;
            if (client.y() * now - s.clientOffset.y() < roomPixels.top()) client.ry() += 1;
        }
        w->setGeometry(QRect(client, w->size()));
        w->show();
        new PlaceWhenShown(w, client);
        TellScaleChanged(w);
    }
    if (active && active->windowHandle()) new ActivateWhenShown(active, focus, byKeys);
    return true;
}

} // namespace viewzoom
