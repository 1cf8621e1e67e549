#include "X11.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QSize>
#include <QWidget>
#include <QWindow>

#if defined(CIPHERLY_WITH_XCB) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#define CIPHERLY_HAVE_XCB 1
#endif

#include <cstdlib>
#include <cstring>

namespace x11 {

#ifdef CIPHERLY_HAVE_XCB
namespace {

xcb_connection_t *connection() {
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *c, const QByteArray &name) {
    xcb_intern_atom_reply_t *r = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, quint16(name.size()), name.constData()), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(r);
    return a;
}

int screenNumber() {
    const QByteArray display = qgetenv("DISPLAY");
    const int dot = display.lastIndexOf('.');
    return dot > display.lastIndexOf(':') ? display.mid(dot + 1).toInt() : 0;
}

xcb_window_t rootOf(xcb_connection_t *c, int number) {
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; it.rem && i < number; ++i)
        xcb_screen_next(&it);
    return it.rem ? it.data->root : xcb_window_t(XCB_WINDOW_NONE);
}

// The connection, when `window` exists on the X server; null otherwise.
xcb_connection_t *connectionFor(const QWidget *window) {
    return window && window->windowHandle() ? connection() : nullptr;
}

// A property's value, at most `units` 32-bit units of it; empty when unset.
QByteArray property(xcb_connection_t *c, xcb_window_t w, xcb_atom_t name, xcb_atom_t type,
                    quint32 units) {
    xcb_get_property_reply_t *r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, name, type, 0, units), nullptr);
    QByteArray value;
    if (r)
        value = QByteArray(static_cast<const char *>(xcb_get_property_value(r)),
                           xcb_get_property_value_length(r));
    free(r);
    return value;
}

} // namespace

bool available() {
    return connection() != nullptr;
}

bool compositorRunning() {
    xcb_connection_t *c = connection();
    if (!c) return false;
    const xcb_atom_t selection = atom(c, "_NET_WM_CM_S" + QByteArray::number(screenNumber()));
    if (selection == XCB_ATOM_NONE) return false;
    xcb_get_selection_owner_reply_t *owner =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr);
    const bool owned = owner && owner->owner != XCB_WINDOW_NONE;
    free(owner);
    return owned;
}

void flush() {
    if (xcb_connection_t *c = connection()) xcb_flush(c);
}

void removeEnlargedStates(QWidget *window) {
    xcb_connection_t *c = connectionFor(window);
    if (!c) return;
    const xcb_window_t w = xcb_window_t(window->winId());
    const xcb_window_t root = rootOf(c, screenNumber());
    const xcb_atom_t state = atom(c, "_NET_WM_STATE");
    // One state to a message: Enlightenment reads two as the pair "maximised
    // both ways" and leaves a window maximised one way only as it is.
    for (const char *name : {"_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ",
                             "_NET_WM_STATE_FULLSCREEN"}) {
        xcb_client_message_event_t e{};
        e.response_type = XCB_CLIENT_MESSAGE;
        e.format = 32;
        e.window = w;
        e.type = state;
        e.data.data32[0] = 0; // remove
        e.data.data32[1] = atom(c, name);
        e.data.data32[3] = 1; // asked by the program itself
        xcb_send_event(c, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&e));
    }
    xcb_flush(c);
}

bool enlarged(QWidget *window) {
    xcb_connection_t *c = connectionFor(window);
    if (!c) return false;
    const QByteArray states =
        property(c, xcb_window_t(window->winId()), atom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32);
    const auto *atoms = reinterpret_cast<const xcb_atom_t *>(states.constData());
    for (qsizetype i = 0; i < states.size() / qsizetype(sizeof(xcb_atom_t)); ++i)
        for (const char *name : {"_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ",
                                 "_NET_WM_STATE_FULLSCREEN"})
            if (atoms[i] == atom(c, name)) return true;
    return false;
}

QPoint clientPlace(QWidget *window) {
    xcb_connection_t *c = connectionFor(window);
    if (!c) return {};
    xcb_translate_coordinates_reply_t *r =
        xcb_translate_coordinates_reply(c,
                                        xcb_translate_coordinates(c, xcb_window_t(window->winId()),
                                                                  rootOf(c, screenNumber()), 0, 0),
                                        nullptr);
    if (!r) return {};
    const QPoint at(r->dst_x, r->dst_y);
    free(r);
    return at;
}

void placeClient(QWidget *window, const QPoint &at) {
    xcb_connection_t *c = connectionFor(window);
    if (!c) return;
    const xcb_window_t w = xcb_window_t(window->winId());
    // As Qt asks for a place: the size hints name it as the program's
    // chosen one (some desktops, kwin, move a window only then), and the
    // window is configured there.
    QByteArray hints = property(c, w, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 18 * 4);
    if (hints.size() >= 18 * 4) {
        auto *fields = reinterpret_cast<quint32 *>(hints.data());
        fields[0] |= 1u; // USPosition
        fields[1] = quint32(at.x());
        fields[2] = quint32(at.y());
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_NORMAL_HINTS,
                            XCB_ATOM_WM_SIZE_HINTS, 32, 18, hints.constData());
    }
    const quint32 values[] = {quint32(at.x()), quint32(at.y())};
    xcb_configure_window(c, w, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, values);
    xcb_flush(c);
}

namespace {

// The name the running window manager gives itself (on its
// _NET_SUPPORTING_WM_CHECK window); empty when none runs.
QByteArray windowManagerName(xcb_connection_t *c) {
    const QByteArray check = property(c, rootOf(c, screenNumber()),
                                      atom(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 1);
    if (check.size() < int(sizeof(xcb_window_t))) return {};
    xcb_window_t wm = XCB_WINDOW_NONE;
    memcpy(&wm, check.constData(), sizeof wm);
    if (wm == XCB_WINDOW_NONE) return {};
    return property(c, wm, atom(c, "_NET_WM_NAME"), atom(c, "UTF8_STRING"), 64);
}

} // namespace

// What markUndecorated needs, asked of the server before the window shows:
// after it, every round trip gives the desktop time to read the window.
struct Undecorating {
    bool wanted = false;
    xcb_atom_t type = XCB_ATOM_NONE, utility = XCB_ATOM_NONE;
};

const Undecorating &undecorating(xcb_connection_t *c) {
    static const Undecorating u = [c] {
        Undecorating u;
        u.wanted = windowManagerName(c) == "awesome";
        u.type = atom(c, "_NET_WM_WINDOW_TYPE");
        u.utility = atom(c, "_NET_WM_WINDOW_TYPE_UTILITY");
        return u;
    }();
    return u;
}

void prepareUndecorated() {
    if (xcb_connection_t *c = connection()) undecorating(c);
}

void markUndecorated(QWidget *window) {
    xcb_connection_t *c = connectionFor(window);
    if (!c) return;
    // Only where normal windows get a frame whatever they ask: elsewhere a
    // utility window is kept above the others and not given the focus.
    const Undecorating &u = undecorating(c);
    if (!u.wanted) return;
    const xcb_window_t w = xcb_window_t(window->winId());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, u.type, XCB_ATOM_ATOM, 32, 1, &u.utility);
    xcb_delete_property(c, w, XCB_ATOM_WM_TRANSIENT_FOR);
    xcb_flush(c);
}

QSize clientSize(QWidget *window) {
    xcb_connection_t *c = connectionFor(window);
    if (!c) return {};
    xcb_get_geometry_reply_t *r =
        xcb_get_geometry_reply(c, xcb_get_geometry(c, xcb_drawable_t(window->winId())), nullptr);
    if (!r) return {};
    const QSize size(r->width, r->height);
    free(r);
    return size;
}

void resizeClient(QWidget *window, const QSize &size) {
    xcb_connection_t *c = connectionFor(window);
    if (!c) return;
    const quint32 values[] = {quint32(size.width()), quint32(size.height())};
    xcb_configure_window(c, xcb_window_t(window->winId()),
                         XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, values);
    xcb_flush(c);
}

void markOwned(QWidget *window) {
    xcb_connection_t *c = connectionFor(window);
    const QWindow *owner = c ? window->windowHandle()->transientParent() : nullptr;
    if (!owner || !owner->handle()) return;
    const xcb_window_t o = xcb_window_t(owner->winId());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()),
                        XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &o);
    xcb_flush(c);
}

void keepFixedSizeHints(QWidget *window) {
    xcb_connection_t *c = connectionFor(window);
    if (!c || window->minimumSize() != window->maximumSize() ||
        !window->testAttribute(Qt::WA_WState_Created))
        return;
    const xcb_window_t w = xcb_window_t(window->winId());
    QByteArray hints = property(c, w, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 18 * 4);
    if (hints.size() < 18 * 4) return;
    auto *fields = reinterpret_cast<quint32 *>(hints.data());
    constexpr quint32 ResizeIncrement = 1u << 6, BaseSize = 1u << 8, MinSize = 1u << 4;
    if (fields[0] & (ResizeIncrement | BaseSize)) {
        fields[0] &= ~(ResizeIncrement | BaseSize);
        fields[9] = fields[10] = fields[15] = fields[16] = 0;
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_NORMAL_HINTS,
                            XCB_ATOM_WM_SIZE_HINTS, 32, 18, hints.constData());
    }
    // A desktop that sized it by the hints it read as it mapped it is asked
    // once more for the one size, which the hints now leave no doubt about.
    const QSize wanted{int(fields[5]), int(fields[6])};
    if ((fields[0] & MinSize) && window->isVisible() && clientSize(window) != wanted)
        resizeClient(window, wanted);
    xcb_flush(c);
}

int desktopTextDpi() {
    int number = 0;
    xcb_connection_t *c = xcb_connect(nullptr, &number);
    if (!c || xcb_connection_has_error(c)) {
        if (c) xcb_disconnect(c);
        return 0;
    }
    int dpi = 0;
    const QByteArray resources =
        property(c, rootOf(c, number), XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 1 << 16);
    for (const QByteArray &line : resources.split('\n'))
        if (line.startsWith("Xft.dpi:")) dpi = int(line.mid(8).trimmed().toDouble());
    xcb_disconnect(c);
    return dpi;
}

#else

bool available() {
    return false;
}
bool compositorRunning() {
    return false;
}
void flush() {}
void removeEnlargedStates(QWidget *) {}
bool enlarged(QWidget *) {
    return false;
}
QPoint clientPlace(QWidget *) {
    return {};
}
void placeClient(QWidget *, const QPoint &) {}
void markUndecorated(QWidget *) {}
void prepareUndecorated() {}
void markOwned(QWidget *) {}
void keepFixedSizeHints(QWidget *) {}
QSize clientSize(QWidget *) {
    return {};
}
void resizeClient(QWidget *, const QSize &) {}
int desktopTextDpi() {
    return 0;
}

#endif

} // namespace x11
