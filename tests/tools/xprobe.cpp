// What the real-display tests see of the screen, as a player would see it.
//   xprobe shot FILE                 the whole X screen, as shown
//   xprobe client WINDOW FILE        the client area of an X window, from the screen
//   xprobe cursor FILE               the pointer's picture, with its transparency
//   xprobe find BIG SMALL [IGNORE…]  where SMALL stands in BIG, pixel for pixel
//   xprobe same A B [IGNORE…]        whether two pictures are equal, pixel for pixel
// IGNORE is x,y,w,h in SMALL's (or A's) pixels: an area that may differ
// (an animation, a blinking caret).
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QRect>
#include <QStringList>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>

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

QList<QRect> ignored(int argc, char **argv, int from) {
    QList<QRect> out;
    for (int i = from; i < argc; ++i) {
        const QStringList v = QString::fromLatin1(argv[i]).split(QLatin1Char(','));
        if (v.size() == 4) out << QRect(v[0].toInt(), v[1].toInt(), v[2].toInt(), v[3].toInt());
    }
    return out;
}

bool matches(const QImage &big, const QImage &small, int ox, int oy, const QList<QRect> &skip,
             int *firstBadX = nullptr, int *firstBadY = nullptr) {
    for (int y = 0; y < small.height(); ++y) {
        const auto *b = reinterpret_cast<const QRgb *>(big.constScanLine(oy + y)) + ox;
        const auto *s = reinterpret_cast<const QRgb *>(small.constScanLine(y));
        for (int x = 0; x < small.width(); ++x) {
            if ((b[x] & 0xFFFFFF) == (s[x] & 0xFFFFFF)) continue;
            bool skipped = false;
            for (const QRect &r : skip)
                if (r.contains(x, y)) skipped = true;
            if (skipped) continue;
            if (firstBadX) *firstBadX = x, *firstBadY = y;
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) return usage();
    const QByteArray what = argv[1];

    if (what == "find" || what == "same") {
        if (argc < 4) return usage();
        const QImage a = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
        const QImage b = QImage(QString::fromLocal8Bit(argv[3])).convertToFormat(QImage::Format_RGB32);
        if (a.isNull() || b.isNull()) return usage();
        const QList<QRect> skip = ignored(argc, argv, 4);
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
    if (what == "shot") {
        XWindowAttributes a;
        XGetWindowAttributes(d, root, &a);
        status = fromX(d, root, 0, 0, a.width, a.height).save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
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
        XFixesCursorImage *c = XFixesQueryExtension(d, &event, &error) ? XFixesGetCursorImage(d) : nullptr;
        if (!c) {
            status = 1;
        } else {
            QImage out(c->width, c->height, QImage::Format_ARGB32_Premultiplied);
            for (int i = 0; i < c->width * c->height; ++i)
                out.setPixel(i % c->width, i / c->width, QRgb(c->pixels[i]));
            std::printf("%d %d\n", c->xhot, c->yhot);
            status = out.convertToFormat(QImage::Format_ARGB32).save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
            XFree(c);
        }
    } else {
        status = usage();
    }
    XCloseDisplay(d);
    return status;
}
