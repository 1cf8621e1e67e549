// What the real-display tests see of the screen, as a player would see it.
//   xprobe shot FILE                 the whole X screen, as shown
//   xprobe client WINDOW FILE        the client area of an X window, from the screen
//   xprobe cursor FILE               the pointer's picture, with its transparency;
//                                    prints W H XHOT YHOT SEE-THROUGH OPAQUE
//   xprobe find BIG SMALL [IGNORE…]  where SMALL stands in BIG, pixel for pixel
//   xprobe same A B [IGNORE…]        whether two pictures are equal, pixel for pixel
//   xprobe count FILE RRGGBB         how many pixels of FILE have that colour
//   xprobe compositor                whether a compositing manager runs
//   xprobe first-window PROGRAM ARGS… starts PROGRAM and prints, when its first window
//                                    is mapped: the ms since the start, the processor
//                                    ms it used by then, and its process id
//   xprobe opacity SECONDS           every opacity that reaches the X server on a
//                                    window, one line each: window name and
//                                    opacity 0-255, as it happens; "ready" on the
//                                    error output once it listens
//   xprobe states SECONDS            stands in for a desktop that grants every
//                                    request, and prints each window state a
//                                    program asks for: add|remove and the states
//                                    named in the one message
// IGNORE is x,y,w,h in SMALL's (or A's) pixels: an area that may differ
// (an animation, a blinking caret); or mask:FILE:x:y, the pixels that FILE,
// placed at x,y, covers with any opacity.
#include <QElapsedTimer>
#include <QHash>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QRect>
#include <QStringList>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/Xproto.h>
#include <X11/extensions/Xfixes.h>
#include <X11/extensions/record.h>

#include <cstdio>

#include <cstring>
#include <sys/select.h>
#include <unistd.h>

namespace {

int usage() {
    std::fprintf(stderr, "usage: xprobe shot|client|cursor|find|same ...\n");
    return 2;
}

QImage fromX(Display *d, Window w, int x, int y, int width, int height) {
    XImage *xi = XGetImage(d, w, x, y, unsigned(width), unsigned(height), AllPlanes, ZPixmap);
    if (!xi) return {};
    QImage out(width, height, QImage::Format_RGB32);
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col) {
            const unsigned long p = XGetPixel(xi, col, row);
            out.setPixel(col, row, 0xFF000000u | (p & 0xFFFFFFu));
        }
    XDestroyImage(xi);
    return out;
}

struct Ignored {
    QList<QRect> areas;
    QList<QPair<QImage, QPoint>> masks;
    bool contains(int x, int y) const {
        for (const QRect &r : areas)
            if (r.contains(x, y)) return true;
        for (const auto &[mask, at] : masks) {
            const QPoint p = QPoint(x, y) - at;
            if (mask.rect().contains(p) && qAlpha(mask.pixel(p)) > 0) return true;
        }
        return false;
    }
};

Ignored ignored(int argc, char **argv, int from) {
    Ignored out;
    for (int i = from; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(QLatin1String("mask:"))) {
            const QStringList v = arg.split(QLatin1Char(':'));
            if (v.size() == 4)
                out.masks.append({QImage(v[1]).convertToFormat(QImage::Format_ARGB32),
                                  QPoint(v[2].toInt(), v[3].toInt())});
            continue;
        }
        const QStringList v = arg.split(QLatin1Char(','));
        if (v.size() == 4)
            out.areas << QRect(v[0].toInt(), v[1].toInt(), v[2].toInt(), v[3].toInt());
    }
    return out;
}

bool matches(const QImage &big, const QImage &small, int ox, int oy, const Ignored &skip,
             int *firstBadX = nullptr, int *firstBadY = nullptr) {
    for (int y = 0; y < small.height(); ++y) {
        const auto *b = reinterpret_cast<const QRgb *>(big.constScanLine(oy + y)) + ox;
        const auto *s = reinterpret_cast<const QRgb *>(small.constScanLine(y));
        for (int x = 0; x < small.width(); ++x) {
            if ((b[x] & 0xFFFFFF) == (s[x] & 0xFFFFFF)) continue;
            if (skip.contains(x, y)) continue;
            if (firstBadX) *firstBadX = x, *firstBadY = y;
            return false;
        }
    }
    return true;
}

QByteArray windowName(Display *d, Window w) {
    char *name = nullptr;
    QByteArray out;
    if (XFetchName(d, w, &name) && name) out = name;
    if (name) XFree(name);
    Atom utf8 = XInternAtom(d, "UTF8_STRING", False), net = XInternAtom(d, "_NET_WM_NAME", False);
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(d, w, net, 0, 256, False, utf8, &type, &format, &items, &after, &data) ==
            Success &&
        data) {
        if (items) out = QByteArray(reinterpret_cast<char *>(data), int(items));
        XFree(data);
    }
    return out;
}

// Hands every event that comes to `handle` for `seconds`, waking when one
// arrives.
template <typename Handle> void eachEventFor(Display *d, double seconds, Handle &&handle) {
    const int fd = ConnectionNumber(d);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < qint64(seconds * 1000)) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            handle(e);
        }
        fd_set set;
        FD_ZERO(&set);
        FD_SET(fd, &set);
        timeval wait{0, 50000};
        select(fd + 1, &set, nullptr, nullptr, &wait);
    }
}

// A desktop that does what it is asked, placing, sizing and showing
// windows, and tells every change of window state asked of it.
int standInDesktop(Display *d, Window root, double seconds) {
    XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
    const Atom state = XInternAtom(d, "_NET_WM_STATE", False);
    XSelectInput(d, root, SubstructureRedirectMask | SubstructureNotifyMask);
    XSync(d, False);
    std::printf("ready\n");
    std::fflush(stdout);
    eachEventFor(d, seconds, [&](XEvent &e) {
        if (e.type == ConfigureRequest) {
            const XConfigureRequestEvent &r = e.xconfigurerequest;
            XWindowChanges c{r.x, r.y, r.width, r.height, r.border_width, r.above, r.detail};
            XConfigureWindow(d, r.window, unsigned(r.value_mask), &c);
        } else if (e.type == MapRequest) {
            XMapWindow(d, e.xmaprequest.window);
        } else if (e.type == ClientMessage && e.xclient.message_type == state) {
            std::printf("%s", e.xclient.data.l[0] ? "add" : "remove");
            for (int i = 1; i <= 2; ++i)
                if (const Atom a = Atom(e.xclient.data.l[i])) {
                    char *name = XGetAtomName(d, a);
                    std::printf(" %s", name ? name : "?");
                    if (name) XFree(name);
                }
            std::printf("\n");
            std::fflush(stdout);
        }
    });
    return 0;
}

// Every opacity any client sets on a window, as the server receives the
// request (the RECORD extension hands over each request itself), so no step
// is lost however late this probe gets to run. A window's name comes from
// the same stream of requests, as it stood when the opacity was set.
int spyOpacity(Display *d, double seconds) {
    XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
    int major = 0, minor = 0;
    Display *data = XOpenDisplay(nullptr);
    if (!data || !XRecordQueryVersion(d, &major, &minor)) {
        std::fprintf(stderr, "no RECORD extension\n");
        return 2;
    }
    struct Spy {
        Display *d;
        Atom opacity, name, netName;
        QHash<XID, QByteArray> names, netNames;
        QByteArray nameOf(XID w) {
            if (netNames.contains(w)) return netNames.value(w);
            if (names.contains(w)) return names.value(w);
            return windowName(d, Window(w)); // named before the probe began
        }
    } spy{d,
          XInternAtom(d, "_NET_WM_WINDOW_OPACITY", False),
          XInternAtom(d, "WM_NAME", False),
          XInternAtom(d, "_NET_WM_NAME", False),
          {},
          {}};
    XRecordRange *range = XRecordAllocRange();
    range->core_requests.first = X_ChangeProperty;
    range->core_requests.last = X_DeleteProperty;
    XRecordClientSpec clients = XRecordAllClients;
    const XRecordContext context = XRecordCreateContext(d, 0, &clients, 1, &range, 1);
    XFree(range);
    XSync(d, False);
    auto handle = [](XPointer closure, XRecordInterceptData *got) {
        Spy &spy = *reinterpret_cast<Spy *>(closure);
        if (got->category == XRecordFromClient && got->data) {
            const auto *req = reinterpret_cast<const xReq *>(got->data);
            if (req->reqType == X_ChangeProperty) {
                const auto *c = reinterpret_cast<const xChangePropertyReq *>(got->data);
                const char *value = reinterpret_cast<const char *>(c + 1);
                const qsizetype bytes = qsizetype(c->nUnits) * (c->format / 8);
                if (c->property == spy.opacity && c->format == 32 && c->nUnits == 1) {
                    quint32 v = 0;
                    std::memcpy(&v, value, 4);
                    std::printf("%s\t%u\n", spy.nameOf(c->window).constData(), v / 0x01010101u);
                    std::fflush(stdout);
                } else if (c->mode == PropModeReplace && c->format == 8 &&
                           (c->property == spy.name || c->property == spy.netName)) {
                    (c->property == spy.name ? spy.names : spy.netNames)[c->window] =
                        QByteArray(value, int(bytes));
                }
            } else if (req->reqType == X_DeleteProperty) {
                // An opaque window carries no opacity at all.
                const auto *c = reinterpret_cast<const xDeletePropertyReq *>(got->data);
                if (c->property == spy.opacity) {
                    std::printf("%s\t255\n", spy.nameOf(c->window).constData());
                    std::fflush(stdout);
                }
            }
        }
        XRecordFreeData(got);
    };
    if (!XRecordEnableContextAsync(data, context, handle, reinterpret_cast<XPointer>(&spy))) {
        std::fprintf(stderr, "the recording did not start\n");
        return 2;
    }
    XRecordProcessReplies(data);
    std::fprintf(stderr, "ready\n");
    std::fflush(stderr);
    const int fd = ConnectionNumber(data);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < qint64(seconds * 1000)) {
        fd_set set;
        FD_ZERO(&set);
        FD_SET(fd, &set);
        timeval wait{0, 50000};
        select(fd + 1, &set, nullptr, nullptr, &wait);
        XRecordProcessReplies(data);
    }
    XRecordDisableContext(d, context);
    XRecordFreeContext(d, context);
    XCloseDisplay(data);
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    // The probe draws nothing; a program it starts keeps the caller's platform.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool hadPlatform = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) return usage();
    QByteArray what = argv[1];

    if (what == "count") {
        const QImage a = QImage(argc > 3 ? QString::fromLocal8Bit(argv[2]) : QString())
                             .convertToFormat(QImage::Format_RGB32);
        if (a.isNull()) return usage();
        const QRgb colour = QByteArray(argv[3]).toUInt(nullptr, 16) & 0xFFFFFF;
        long n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                n += (a.pixel(x, y) & 0xFFFFFF) == colour;
        std::printf("%ld\n", n);
        return 0;
    }
    if (what == "find" || what == "same") {
        if (argc < 4) return usage();
        const QImage a =
            QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
        const QImage b =
            QImage(QString::fromLocal8Bit(argv[3])).convertToFormat(QImage::Format_RGB32);
        if (a.isNull() || b.isNull()) return usage();
        const Ignored skip = ignored(argc, argv, 4);
        if (what == "same") {
            if (a.size() != b.size()) {
                std::printf("sizes differ: %dx%d and %dx%d\n", a.width(), a.height(), b.width(),
                            b.height());
                return 1;
            }
            int x = 0, y = 0;
            if (matches(b, a, 0, 0, skip, &x, &y)) return 0;
            std::printf("first difference at %d,%d\n", x, y);
            return 1;
        }
        // Candidates are the places where the first unignored row starts.
        for (int oy = 0; oy + b.height() <= a.height(); ++oy)
            for (int ox = 0; ox + b.width() <= a.width(); ++ox)
                if ((a.pixel(ox, oy) & 0xFFFFFF) == (b.pixel(0, 0) & 0xFFFFFF) &&
                    matches(a, b, ox, oy, skip)) {
                    std::printf("%d %d\n", ox, oy);
                    return 0;
                }
        return 1;
    }

    Display *d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(d);
    int status = 0;
    if (argc < 3 && what != "compositor") what.clear();
    if (what == "shot") {
        XWindowAttributes a;
        XGetWindowAttributes(d, root, &a);
        status =
            fromX(d, root, 0, 0, a.width, a.height).save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    } else if (what == "client" && argc >= 4) {
        const Window w = Window(QByteArray(argv[2]).toULong());
        XWindowAttributes a;
        Window child;
        int x = 0, y = 0;
        if (!XGetWindowAttributes(d, w, &a) ||
            !XTranslateCoordinates(d, w, root, 0, 0, &x, &y, &child)) {
            status = 1;
        } else {
            // Read from the screen, so that whatever covers the window shows.
            status = fromX(d, root, x, y, a.width, a.height).save(QString::fromLocal8Bit(argv[3]))
                         ? 0
                         : 1;
        }
    } else if (what == "cursor") {
        int event = 0, error = 0;
        XFixesCursorImage *c =
            XFixesQueryExtension(d, &event, &error) ? XFixesGetCursorImage(d) : nullptr;
        if (!c) {
            status = 1;
        } else {
            QImage out(c->width, c->height, QImage::Format_ARGB32_Premultiplied);
            int clear = 0, solid = 0;
            for (int i = 0; i < c->width * c->height; ++i) {
                const QRgb px = QRgb(c->pixels[i]);
                out.setPixel(i % c->width, i / c->width, px);
                clear += qAlpha(px) == 0;
                solid += qAlpha(px) == 255;
            }
            // Size, hot spot, and how many pixels are see-through and opaque.
            std::printf("%d %d %d %d %d %d\n", c->width, c->height, c->xhot, c->yhot, clear, solid);
            status =
                out.convertToFormat(QImage::Format_ARGB32).save(QString::fromLocal8Bit(argv[2]))
                    ? 0
                    : 1;
            XFree(c);
        }
    } else if (what == "compositor") {
        char name[32];
        std::snprintf(name, sizeof name, "_NET_WM_CM_S%d", DefaultScreen(d));
        status = XGetSelectionOwner(d, XInternAtom(d, name, False)) != None ? 0 : 1;
    } else if (what == "first-window") {
        // Told of every window mapped from before the program starts.
        XSelectInput(d, root, SubstructureNotifyMask);
        XSync(d, False);
        QElapsedTimer clock;
        clock.start();
        const pid_t child = fork();
        if (child == 0) {
            if (hadPlatform)
                qputenv("QT_QPA_PLATFORM", platform);
            else
                qunsetenv("QT_QPA_PLATFORM");
            execvp(argv[2], argv + 2);
            _exit(127);
        }
        for (;;) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify) break;
        }
        const double ms = clock.nsecsElapsed() / 1e6;
        unsigned long user = 0, system = 0;
        if (FILE *f = std::fopen(QByteArray("/proc/" + QByteArray::number(child) + "/stat"), "r")) {
            // The 14th and 15th fields, after the name in parentheses.
            char line[1024] = {};
            if (std::fgets(line, sizeof line, f)) {
                const char *after = std::strrchr(line, ')');
                if (after)
                    std::sscanf(after + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu",
                                &user, &system);
            }
            std::fclose(f);
        }
        std::printf("%.0f %.0f %d\n", ms, (user + system) * 1000.0 / sysconf(_SC_CLK_TCK),
                    int(child));
    } else if (what == "opacity") {
        status = spyOpacity(d, QByteArray(argv[2]).toDouble());
    } else if (what == "states") {
        status = standInDesktop(d, root, QByteArray(argv[2]).toDouble());
    } else {
        status = usage();
    }
    XCloseDisplay(d);
    return status;
}
