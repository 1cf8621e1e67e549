#include "WindowSize.h"

#include "Twips.h"
#include "X11.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

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
    // The base of the sizes a desktop may give it is its one size: a scaled
    // view's resize increment then leaves it as it is.
    window->setBaseSize(window->minimumSize());
    x11::keepFixedSizeHints(window);
}

namespace {

constexpr Qt::WindowStates Enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;

// Undoes every request to enlarge the window, as soon as it arrives: to
// maximise it both ways, up and down only, or across only, or to show it
// full screen, from a title bar's button or double-click, a key or menu of
// the desktop or another program. Qt names only the first and the last; a
// desktop that stretches a fixed window one way shows as a size that is not
// the window's own. The window is then put back where it was.
class KeepNormalState : public QObject {
public:
    explicit KeepNormalState(QWidget *window) : QObject(window), m_window(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override {
        if (watched == m_window->windowHandle() && e->type() == QEvent::Expose) {
            if (!m_placed && shown() && !stretched() && !(m_window->windowState() & Enlarged))
                notePlace();
            return false;
        }
        if (watched != m_window) return false;
        switch (e->type()) {
        case QEvent::WindowStateChange:
            if (m_window->windowState() & Enlarged) undoLater();
            break;
        case QEvent::Resize:
            if (stretched()) undoLater();
            break;
        case QEvent::Move:
            // Where the window was while it was as designed: where it goes
            // back. For a moment after an undo, the desktop's own moves (as
            // it puts its frame back) are undone too. A desktop that holds
            // a fixed window maximised one way only moves it (Window Maker).
            if (x11::enlarged(m_window)) {
                undoLater();
                break;
            }
            // Only where the desktop put the window shown: not where Qt put
            // it before the desktop had it (the corner of the screen).
            if (stretched() || (m_window->windowState() & Enlarged) || m_undoing || !shown()) break;
            if (m_placed && m_settling.isValid() && m_settling.elapsed() < 1000) {
                // A few tries only: a desktop that insists has the last word.
                if (m_window->geometry().topLeft() != m_place && m_tries < 3) {
                    ++m_tries;
                    undoLater();
                }
                break;
            }
            m_tries = 0;
            notePlace();
            break;
        case QEvent::Show:
            // A window placed before it showed (centred over its owner) has
            // its place once the desktop shows it: looked at as it does.
            if (QWindow *handle = m_window->windowHandle()) handle->installEventFilter(this);
            break;
        default:
            break;
        }
        return false;
    }

private:
    // A window of fixed size that the desktop made another size: more than
    // the pixel a scaled view's rounding can leave.
    bool stretched() const {
        const QSize fixed = m_window->minimumSize(), now = m_window->size();
        return fixed == m_window->maximumSize() && !fixed.isEmpty() &&
               (qAbs(now.width() - fixed.width()) > 1 || qAbs(now.height() - fixed.height()) > 1);
    }
    bool shown() const { return m_window->windowHandle() && m_window->windowHandle()->isExposed(); }
    // The client area's place: the frame's is the desktop's to draw.
    // The server's word first: Qt may not have heard yet where the desktop
    // put a window that has just shown.
    void notePlace() {
        m_serverPlace = x11::clientPlace(m_window);
        m_place = m_serverPlace.isNull()
                      ? m_window->geometry().topLeft()
                      : (QPointF(m_serverPlace) / m_window->devicePixelRatioF()).toPoint();
        m_placed = true;
    }
    // Undone once the change is through, or it would be applied after all.
    void undoLater() {
        if (m_undoing) return;
        m_undoing = true;
        QTimer::singleShot(0, m_window, [this] {
            QWidget *w = m_window;
            if (w->windowState() & Enlarged) w->setWindowState(w->windowState() & ~Enlarged);
            x11::removeEnlargedStates(w);
            if (stretched() || (m_placed && w->geometry().topLeft() != m_place)) {
                // Where it was, if the desktop had placed it; a window not
                // placed yet is only given its size, or its place would be
                // the program's (a corner) and not the desktop's. On an X
                // server the place is looked at again below, in the
                // server's own pixels.
                if (m_placed)
                    w->setGeometry(QRect(m_place, w->minimumSize()));
                else
                    w->resize(w->minimumSize());
            }
            m_undoing = false;
            m_settling.start();
            // A desktop that was still busy enlarging it can apply the change
            // after the undo: looked at again a moment later, a few times.
            QTimer::singleShot(300, this, [this] {
                if (m_window->windowState() & Enlarged || stretched() || x11::enlarged(m_window)) {
                    if (m_rechecks++ < 5) undoLater();
                    return;
                }
                m_rechecks = 0;
                // Qt takes the size it asked for as granted; the server says.
                const QSize fixed = m_window->minimumSize(), real = x11::clientSize(m_window);
                const QSize native = (QSizeF(fixed) * m_window->devicePixelRatioF()).toSize();
                if (fixed == m_window->maximumSize() && real.isValid() && real != native)
                    x11::resizeClient(m_window, native);
                // A desktop that did not put the window back where it was
                // itself is asked to, exactly: through Qt's scaled pixels it
                // could come back a pixel off.
                putBack(m_serverPlace, 0);
            });
        });
    }

    // Asks for the client area at the server's `at`, and looks again: a
    // desktop that reads the place as its frame's (Window Maker adds its
    // border) is asked once more for the place less what it added.
    void putBack(const QPoint &at, int tries) {
        if (!m_placed || m_serverPlace.isNull()) return;
        const QPoint now = x11::clientPlace(m_window);
        if (now.isNull() || now == m_serverPlace || tries > 2) return;
        // Qt's own request came back off (a pixel of a scaled view's
        // rounding): asked for the place itself; and where a desktop reads
        // that as its frame's (Window Maker adds its border), asked again
        // less what it added.
        const QPoint ask = tries == 0 ? at : at - (now - m_serverPlace);
        x11::placeClient(m_window, ask);
        QTimer::singleShot(100, this, [this, ask, tries] { putBack(ask, tries + 1); });
    }

    QWidget *m_window;
    QElapsedTimer m_settling; // since the last undo
    QPoint m_place, m_serverPlace;
    bool m_placed = false;
    bool m_undoing = false;
    int m_tries = 0;
    int m_rechecks = 0; // undos repeated after a desktop reapplied its change
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

namespace {

// Where a window of `size` goes so that its centre is `centre`, kept within
// `room` (a window half off the screen could not be used).
QPoint CentredIn(const QRect &room, QPoint centre, QSize size) {
    const QPoint at = centre - QPoint(size.width() / 2, size.height() / 2);
    return {qBound(room.left(), at.x(), qMax(room.left(), room.right() + 1 - size.width())),
            qBound(room.top(), at.y(), qMax(room.top(), room.bottom() + 1 - size.height()))};
}

// A window cannot know the frame the desktop gives it until it shows (over a
// frameless owner, the title page, not even its likely size), and some
// desktops read the place asked for before that as the frame's, others as the
// client area's. Once the frame is known, the window is centred over its
// owner again, frame and all, and kept on the screen with its title bar.
class CentreWhenFramed : public QObject {
public:
    CentreWhenFramed(QWidget *window, const QWidget *owner)
        : QObject(window), m_window(window), m_owner(owner) {
        // Looked at until the frame is known, for two seconds at most (a
        // desktop that draws no frames never gives one).
        auto *poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this] {
            if (++m_looks > 40 || check()) deleteLater();
        });
        poll->start(50);
    }

private:
    // Whether the frame was known (and the window is now in its place). The
    // frame is asked of the desktop's window, which learns it as the desktop
    // frames it; the widget hears of it only when the window moves.
    bool check() {
        QWindow *handle = m_window->windowHandle();
        const QScreen *screen = m_window->screen();
        if (!handle || !screen || !m_window->isVisible()) return false;
        const QMargins frame = handle->frameMargins();
        if (frame.isNull()) return false;
        if (!m_owner || !m_owner->isVisible()) return true;
        // The client area placed, with room left on the screen for the frame.
        const QPoint to = CentredIn(screen->availableGeometry() - frame,
                                    m_owner->geometry().center(), m_window->size());
        if (to != handle->position()) handle->setPosition(to);
        return true;
    }

    QWidget *m_window;
    QPointer<const QWidget> m_owner;
    int m_looks = 0;
};

} // namespace

void ShowCentredOver(QWidget *window, const QWidget *over) {
    const QWidget *owner = over ? over->window() : nullptr;
    if (owner && owner->isVisible()) {
        window->ensurePolished();
        const QSize size = window->size().expandedTo(window->minimumSize());
        // A window is placed by its frame, which the desktop draws: the new
        // window's frame is taken to be the owner's, so that the two client
        // areas share their centre as the player sees them.
        const QPoint frame = owner->geometry().topLeft() - owner->frameGeometry().topLeft();
        const QPoint centre = owner->geometry().center() - frame;
        // A Wayland desktop places windows itself, and ignores this.
        if (const QScreen *screen = owner->screen())
            window->move(CentredIn(screen->availableGeometry(), centre, size));
        else
            window->move(centre - QPoint(size.width() / 2, size.height() / 2));
        // Only an X11 desktop lets a program place its windows, frame and all.
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            new CentreWhenFramed(window, owner);
    }
}

void SetOwner(QWidget *window, const QWidget *over) {
    const QWidget *owner = over ? over->window() : nullptr;
    if (!owner || owner == window || !owner->windowHandle()) return;
    window->winId(); // the window exists on the desktop, so it can be told
    if (QWindow *w = window->windowHandle()) w->setTransientParent(owner->windowHandle());
}

void PlaceTwips(QWidget *control, int left, int top, int width, int height) {
    control->setGeometry(twips::toPixels(left), twips::toPixels(top), twips::toPixels(width),
                         twips::toPixels(height));
}
