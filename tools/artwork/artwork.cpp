// Paints every picture Cipherly shows: button icons, the mouse icon, window
// background tiles, the animated title letters and watchers, and the
// application icon, each also painted twice as large for scaled screens.
// Usage: cipherly-artwork OUTPUT_FOLDER
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

#include <cstdio>

namespace {

QString out;
// Device pixels per pixel of the artwork being painted: 1 as designed, 2 for
// scaled screens ("name@2x.png").
int scale = 1;

bool save(const QImage &img, const QString &name) {
    QString file = name;
    if (scale != 1) file.insert(file.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
    const QString path = out + QLatin1Char('/') + file;
    QDir().mkpath(QFileInfo(path).path());
    if (!img.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QImage canvas(int w, int h) {
    QImage img(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// Paints in the artwork's own pixels, whatever the scale.
void scaled(QPainter &p) {
    if (scale != 1) p.scale(scale, scale);
}

// A round, glossy badge: the base of every button icon.
void badge(QPainter &p, int size, QColor colour) {
    const QRectF r(1.5, 1.5, size - 3, size - 3);
    QRadialGradient g(r.center() - QPointF(size * 0.15, size * 0.18), size * 0.7);
    g.setColorAt(0, colour.lighter(160));
    g.setColorAt(0.6, colour);
    g.setColorAt(1, colour.darker(140));
    p.setPen(QPen(colour.darker(180), 1));
    p.setBrush(g);
    p.drawEllipse(r);
    QPainterPath shine;
    shine.addEllipse(QRectF(size * 0.22, size * 0.1, size * 0.56, size * 0.32));
    p.fillPath(shine, QColor(255, 255, 255, 70));
}

using Glyph = void (*)(QPainter &, int);

QImage icon(int size, QColor colour, Glyph glyph) {
    QImage img = canvas(size, size);
    QPainter p(&img);
    scaled(p);
    p.setRenderHint(QPainter::Antialiasing);
    badge(p, size, colour);
    p.setPen(QPen(Qt::white, size / 10.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    glyph(p, size);
    return img;
}

void glyphText(QPainter &p, int s, const QString &t) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(int(s * 0.62));
    p.setFont(f);
    p.drawText(QRectF(0, 0, s, s * 0.98), Qt::AlignCenter, t);
}

void gQuit(QPainter &p, int s) {
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(s * 0.28, s * 0.3, s * 0.44, s * 0.44), 120 * 16, 300 * 16);
    p.drawLine(QPointF(s * 0.5, s * 0.22), QPointF(s * 0.5, s * 0.5));
}
void gHelp(QPainter &p, int s) {
    glyphText(p, s, QStringLiteral("?"));
}
void gAdd(QPainter &p, int s) {
    p.drawLine(QPointF(s * 0.5, s * 0.27), QPointF(s * 0.5, s * 0.73));
    p.drawLine(QPointF(s * 0.27, s * 0.5), QPointF(s * 0.73, s * 0.5));
}
void gEdit(QPainter &p, int s) {
    p.drawLine(QPointF(s * 0.3, s * 0.7), QPointF(s * 0.7, s * 0.3));
    p.drawLine(QPointF(s * 0.27, s * 0.73), QPointF(s * 0.36, s * 0.73));
}
void gDelete(QPainter &p, int s) {
    p.drawLine(QPointF(s * 0.32, s * 0.32), QPointF(s * 0.68, s * 0.68));
    p.drawLine(QPointF(s * 0.68, s * 0.32), QPointF(s * 0.32, s * 0.68));
}
void gPrint(QPainter &p, int s) {
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(s * 0.26, s * 0.42, s * 0.48, s * 0.22));
    p.drawLine(QPointF(s * 0.36, s * 0.3), QPointF(s * 0.64, s * 0.3));
    p.drawLine(QPointF(s * 0.36, s * 0.75), QPointF(s * 0.64, s * 0.75));
}
void gSolve(QPainter &p, int s) {
    p.drawLine(QPointF(s * 0.28, s * 0.52), QPointF(s * 0.44, s * 0.68));
    p.drawLine(QPointF(s * 0.44, s * 0.68), QPointF(s * 0.73, s * 0.33));
}
void gHint(QPainter &p, int s) {
    glyphText(p, s, QStringLiteral("!"));
}
void gReturn(QPainter &p, int s) {
    p.drawLine(QPointF(s * 0.7, s * 0.5), QPointF(s * 0.3, s * 0.5));
    p.drawLine(QPointF(s * 0.3, s * 0.5), QPointF(s * 0.45, s * 0.35));
    p.drawLine(QPointF(s * 0.3, s * 0.5), QPointF(s * 0.45, s * 0.65));
}
void gContinue(QPainter &p, int s) {
    QPolygonF tri{QPointF(s * 0.38, s * 0.28), QPointF(s * 0.72, s * 0.5),
                  QPointF(s * 0.38, s * 0.72)};
    p.drawPolygon(tri);
}
void gFade(QPainter &p, int s) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor(255, 255, 255, 255 - i * 55));
        p.drawEllipse(QPointF(s * (0.3 + i * 0.13), s * 0.5), s * 0.08, s * 0.08);
    }
}
void gEmail(QPainter &p, int s) {
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(s * 0.26, s * 0.33, s * 0.48, s * 0.34));
    p.drawLine(QPointF(s * 0.26, s * 0.33), QPointF(s * 0.5, s * 0.52));
    p.drawLine(QPointF(s * 0.74, s * 0.33), QPointF(s * 0.5, s * 0.52));
}
void gGift(QPainter &p, int s) {
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(s * 0.28, s * 0.42, s * 0.44, s * 0.3));
    p.drawLine(QPointF(s * 0.5, s * 0.35), QPointF(s * 0.5, s * 0.72));
    p.drawLine(QPointF(s * 0.25, s * 0.42), QPointF(s * 0.75, s * 0.42));
    p.drawArc(QRectF(s * 0.34, s * 0.24, s * 0.16, s * 0.14), 0, 270 * 16);
    p.drawArc(QRectF(s * 0.5, s * 0.24, s * 0.16, s * 0.14), -90 * 16, 270 * 16);
}
void gSave(QPainter &p, int s) {
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(s * 0.28, s * 0.28, s * 0.44, s * 0.44));
    p.fillRect(QRectF(s * 0.38, s * 0.28, s * 0.24, s * 0.14), Qt::white);
}
void gTopic(QPainter &p, int s) {
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(s * 0.3, s * (0.36 + i * 0.14)),
                   QPointF(s * 0.7, s * (0.36 + i * 0.14)));
}

struct IconSpec {
    const char *name;
    QColor colour;
    Glyph glyph;
};

bool icons() {
    const IconSpec badges[] = {
        {"quit", QColor(214, 64, 52), gQuit},      {"help", QColor(52, 120, 214), gHelp},
        {"add", QColor(60, 170, 80), gAdd},        {"edit", QColor(232, 150, 30), gEdit},
        {"delete", QColor(200, 50, 90), gDelete},  {"print", QColor(90, 90, 200), gPrint},
        {"solve", QColor(40, 160, 150), gSolve},   {"hint", QColor(240, 190, 20), gHint},
        {"return", QColor(120, 80, 200), gReturn}, {"continue", QColor(60, 160, 60), gContinue},
        {"fade", QColor(110, 110, 140), gFade},    {"email", QColor(30, 140, 200), gEmail},
        {"gift", QColor(220, 60, 140), gGift},     {"save", QColor(50, 150, 90), gSave},
        {"cancel", QColor(170, 80, 60), gDelete},  {"topic", QColor(70, 130, 180), gTopic},
    };
    bool ok = true;
    for (const auto &s : badges) {
        ok &= save(icon(32, s.colour, s.glyph),
                   QStringLiteral("icons/%1.png").arg(QLatin1String(s.name)));
        ok &= save(icon(16, s.colour, s.glyph),
                   QStringLiteral("icons/%1-16.png").arg(QLatin1String(s.name)));
    }
    return ok;
}

// The pointer over every button: a small pointing pencil.
bool cursor() {
    QImage img = canvas(32, 32);
    QPainter p(&img);
    scaled(p);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF body{QPointF(1, 1), QPointF(9, 4), QPointF(24, 19), QPointF(19, 24), QPointF(4, 9)};
    p.setPen(QPen(QColor(60, 40, 20), 1.2));
    p.setBrush(QColor(250, 200, 60));
    p.drawPolygon(body);
    p.setBrush(QColor(240, 120, 130));
    p.drawPolygon(QPolygonF{QPointF(24, 19), QPointF(28, 23), QPointF(23, 28), QPointF(19, 24)});
    p.setBrush(QColor(60, 40, 20));
    p.drawPolygon(QPolygonF{QPointF(1, 1), QPointF(5, 2.5), QPointF(2.5, 5)});
    return save(img, QStringLiteral("cursors/pencil.png"));
}

// A background tile: a soft colour with faint scattered letters, the
// program's theme, repeating seamlessly.
QImage tile(QColor base, QColor ink, quint32 seed) {
    const int size = 96;
    QImage img(size * scale, size * scale, QImage::Format_RGB32);
    QLinearGradient g(0, 0, size, size);
    g.setColorAt(0, base.lighter(104));
    g.setColorAt(0.5, base);
    g.setColorAt(1, base.lighter(104));
    QPainter p(&img);
    p.fillRect(img.rect(), base);
    scaled(p);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setBold(true);
    quint32 r = seed;
    auto next = [&r] {
        r = r * 1664525u + 1013904223u;
        return r >> 8;
    };
    for (int i = 0; i < 9; ++i) {
        const int x = int(next() % size), y = int(next() % size);
        const QChar letter(QLatin1Char(char('A' + next() % 26)));
        f.setPixelSize(14 + int(next() % 12));
        p.setFont(f);
        p.setPen(ink);
        // Draw at every wrapped position so the tile repeats without seams.
        for (int dx : {-size, 0, size})
            for (int dy : {-size, 0, size}) {
                p.save();
                p.translate(x + dx, y + dy);
                p.rotate(double(int(next() % 50)) - 25.0);
                p.drawText(0, 0, QString(letter));
                p.restore();
            }
    }
    return img;
}

// The two watchers of the solve panel: one looks around (and blinks), the
// other bobs to the music behind his shades.
QImage watcher(bool shades, int frame) {
    const int size = 72;
    QImage img = canvas(size, size);
    QPainter p(&img);
    scaled(p);
    p.setRenderHint(QPainter::Antialiasing);
    const double phase = frame / 8.0 * 2 * M_PI;
    const double bob = shades ? 3 * std::sin(phase) : 0;
    const QPointF c(size / 2.0, size / 2.0 + 2 + bob);
    QRadialGradient g(c - QPointF(8, 10), 40);
    const QColor skin = shades ? QColor(120, 200, 255) : QColor(255, 214, 70);
    g.setColorAt(0, skin.lighter(135));
    g.setColorAt(1, skin.darker(115));
    p.setPen(QPen(skin.darker(170), 2));
    p.setBrush(g);
    p.drawEllipse(c, 28, 27);
    if (shades) {
        p.setPen(QPen(QColor(20, 20, 30), 2));
        p.setBrush(QColor(25, 25, 40));
        p.drawRoundedRect(QRectF(c.x() - 22, c.y() - 10, 19, 12), 4, 4);
        p.drawRoundedRect(QRectF(c.x() + 3, c.y() - 10, 19, 12), 4, 4);
        p.drawLine(QPointF(c.x() - 3, c.y() - 6), QPointF(c.x() + 3, c.y() - 6));
        // A glint that travels across the lenses.
        const double gx = -20 + (frame % 8) * 5.5;
        p.setPen(QPen(QColor(255, 255, 255, 200), 2));
        p.drawLine(QPointF(c.x() + gx, c.y() - 8), QPointF(c.x() + gx + 3, c.y() - 3));
        p.setPen(QPen(QColor(90, 40, 20), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - 12, c.y() + 1, 24, 14), 200 * 16, 140 * 16);
    } else {
        const bool blink = frame == 5;
        const QPointF look(4 * std::cos(phase), 3 * std::sin(phase));
        for (int side : {-1, 1}) {
            const QPointF eye(c.x() + side * 10, c.y() - 6);
            p.setPen(QPen(QColor(60, 40, 20), 1.5));
            p.setBrush(Qt::white);
            if (blink) {
                p.drawLine(eye - QPointF(7, 0), eye + QPointF(7, 0));
            } else {
                p.drawEllipse(eye, 8, 9);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(40, 90, 160));
                p.drawEllipse(eye + look, 4, 4);
                p.setBrush(Qt::black);
                p.drawEllipse(eye + look, 2, 2);
            }
        }
        p.setPen(QPen(QColor(140, 60, 20), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - 9, c.y() + 5, 18, 10), 200 * 16, 140 * 16);
    }
    return img;
}

bool watchers() {
    bool ok = true;
    for (int f = 0; f < 8; ++f) {
        ok &= save(watcher(false, f), QStringLiteral("watchers/eyes-%1.png").arg(f));
        ok &= save(watcher(true, f), QStringLiteral("watchers/shades-%1.png").arg(f));
    }
    return ok;
}

// One capital of the title: it rocks and shimmers through the rainbow.
QImage titleLetter(QChar letter, int index, int frame) {
    QImage img = canvas(40, 25);
    QPainter p(&img);
    scaled(p);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double phase = (frame + index * 2) / 8.0 * 2 * M_PI;
    QColor c = QColor::fromHsv((index * 45 + frame * 12) % 360, 210, 230);
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setBold(true);
    f.setPixelSize(22);
    p.setFont(f);
    p.translate(20, 13 + 1.5 * std::sin(phase));
    p.rotate(8 * std::sin(phase));
    const QRectF box(-20, -13, 40, 25);
    p.setPen(QColor(60, 40, 90, 160));
    p.drawText(box.translated(1.5, 1.5), Qt::AlignCenter, QString(letter));
    QLinearGradient g(0, -12, 0, 12);
    g.setColorAt(0, c.lighter(150));
    g.setColorAt(1, c.darker(130));
    p.setPen(QPen(QBrush(g), 1));
    p.drawText(box, Qt::AlignCenter, QString(letter));
    return img;
}

bool titleLetters() {
    bool ok = true;
    const QString word = QStringLiteral("CIPHERLY");
    for (int i = 0; i < 8; ++i)
        for (int f = 0; f < 8; ++f)
            ok &= save(titleLetter(word[i], i, f),
                       QStringLiteral("title/letter%1-%2.png").arg(i + 1).arg(f));
    return ok;
}

// The application icon: a scrambled "C" over a page of cipher letters.
QImage appIcon(int size) {
    QImage img = canvas(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 256.0, size / 256.0);
    QLinearGradient g(0, 0, 256, 256);
    g.setColorAt(0, QColor(255, 214, 90));
    g.setColorAt(1, QColor(240, 140, 40));
    p.setPen(QPen(QColor(150, 80, 20), 6));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(12, 12, 232, 232), 44, 44);
    QFont small(QStringLiteral("DejaVu Sans Mono"));
    small.setBold(true);
    small.setPixelSize(30);
    p.setFont(small);
    p.setPen(QColor(255, 255, 255, 120));
    const char *rows[] = {"QXZ JV", "KEL BU", "RYN WO", "PDS FM"};
    for (int r = 0; r < 4; ++r)
        p.drawText(QPointF(40, 70 + r * 50), QString::fromLatin1(rows[r]));
    QFont big(QStringLiteral("DejaVu Serif"));
    big.setBold(true);
    big.setPixelSize(190);
    p.setFont(big);
    p.setPen(QColor(90, 30, 120, 170));
    p.drawText(QRectF(10, 6, 240, 240), Qt::AlignCenter, QStringLiteral("C"));
    p.setPen(QColor(70, 20, 110));
    p.drawText(QRectF(0, -4, 240, 240), Qt::AlignCenter, QStringLiteral("C"));
    return img;
}

bool appIcons() {
    bool ok = true;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        ok &= save(appIcon(size), QStringLiteral("app/cipherly-%1.png").arg(size));
    return ok;
}

bool tiles() {
    bool ok = true;
    ok &= save(tile(QColor(206, 226, 250), QColor(180, 205, 240), 11),
               QStringLiteral("tiles/lobby.png"));
    ok &= save(tile(QColor(214, 240, 214), QColor(188, 222, 190), 23),
               QStringLiteral("tiles/list.png"));
    ok &= save(tile(QColor(252, 234, 214), QColor(240, 214, 190), 37),
               QStringLiteral("tiles/quote.png"));
    ok &= save(tile(QColor(232, 222, 248), QColor(212, 198, 236), 41),
               QStringLiteral("tiles/solve.png"));
    ok &= save(tile(QColor(226, 244, 226), QColor(204, 230, 206), 53),
               QStringLiteral("tiles/manual.png"));
    ok &= save(tile(QColor(255, 246, 210), QColor(245, 228, 170), 67),
               QStringLiteral("tiles/title.png"));
    ok &= save(tile(QColor(222, 238, 252), QColor(196, 220, 244), 79),
               QStringLiteral("tiles/newuser.png"));
    return ok;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    out = QString::fromLocal8Bit(argv[1]);
    bool ok = icons() && cursor() && tiles() && watchers() && titleLetters() && appIcons();
    // The same pictures, painted for screens scaled twice (the application
    // icon already comes in every size).
    scale = 2;
    ok = ok && icons() && cursor() && tiles() && watchers() && titleLetters();
    return ok ? 0 : 1;
}
