// KelButton: colours, layout, shape and drawing, on the button's own surface.
#include "KelButton.h"

#include "NightScheme.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

#include <cmath>

namespace {

// Truncating division, as the drawing arithmetic is defined.
constexpr int idiv(int a, int b) {
    return a / b;
}

QColor qc(quint32 bgr) {
    return QColor(KelButton::toRgb(bgr));
}

QString displayCaption(const QString &caption) {
    QString s = caption;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

constexpr int CaptionFlags =
    Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;

} // namespace

// ---- Colours -------------------------------------------------------------

quint32 KelButton::TranslateColor(quint32 ref) {
    if ((ref & 0xFF000000u) == 0) return ref;
    if ((ref & 0xFF000000u) != 0x80000000u) return 0;
    // Every system colour of the classic desktop, 0 to 30: the desktop's
    // palette role that plays its part, or a fixed colour where Qt keeps none.
    struct Source {
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
        QRgb fixed; // used when the role is NoRole
    };
    constexpr auto A = QPalette::Active, I = QPalette::Inactive, D = QPalette::Disabled;
    static const Source system[31] = {
        {A, QPalette::Button, 0},                   // 0 scroll bar
        {A, QPalette::Window, 0},                   // 1 desktop
        {A, QPalette::Highlight, 0},                // 2 active caption
        {I, QPalette::Dark, 0},                     // 3 inactive caption
        {A, QPalette::Window, 0},                   // 4 menu
        {A, QPalette::Base, 0},                     // 5 window
        {A, QPalette::Shadow, 0},                   // 6 window frame
        {A, QPalette::WindowText, 0},               // 7 menu text
        {A, QPalette::Text, 0},                     // 8 window text
        {A, QPalette::HighlightedText, 0},          // 9 caption text
        {A, QPalette::Button, 0},                   // 10 active border
        {I, QPalette::Button, 0},                   // 11 inactive border
        {A, QPalette::Dark, 0},                     // 12 application workspace
        {A, QPalette::Highlight, 0},                // 13 highlight
        {A, QPalette::HighlightedText, 0},          // 14 highlighted text
        {A, QPalette::Button, 0},                   // 15 button face
        {A, QPalette::Dark, 0},                     // 16 button shadow
        {D, QPalette::WindowText, 0},               // 17 grey text
        {A, QPalette::ButtonText, 0},               // 18 button text
        {I, QPalette::Light, 0},                    // 19 inactive caption text
        {A, QPalette::Light, 0},                    // 20 button highlight
        {A, QPalette::Shadow, 0},                   // 21 3D dark shadow
        {A, QPalette::Midlight, 0},                 // 22 3D light
        {A, QPalette::ToolTipText, 0},              // 23 tooltip text
        {A, QPalette::ToolTipBase, 0},              // 24 tooltip background
        {A, QPalette::NoRole, qRgb(192, 192, 192)}, // 25 (kept free on the classic desktop)
        {A, QPalette::Link, 0},                     // 26 hot-tracked item
        {A, QPalette::NoRole, qRgb(166, 202, 240)}, // 27 gradient of the active caption
        {A, QPalette::NoRole, qRgb(192, 192, 192)}, // 28 gradient of an inactive caption
        {A, QPalette::Highlight, 0},                // 29 menu highlight
        {A, QPalette::Window, 0},                   // 30 menu bar
    };
    const quint32 index = ref & 0x00FFFFFFu;
    if (index > 30) return 0; // no such system colour: the translation fails
    const Source &src = system[index];
    if (src.role == QPalette::NoRole) return fromRgb(src.fixed);
    return fromRgb(QApplication::palette().color(src.group, src.role).rgb());
}

quint32 KelButton::ShadeColor(quint32 c, int d, bool scaleBlue) const {
    if (m_softBevel) d = idiv(d, 2);
    int red = int(c & 255);
    int green = int((c / 256) % 256);
    int blue = int((c / 65536) % 256);
    red += d;
    green += d;
    blue += scaleBlue ? idiv(blue * d, 192) : d;
    auto clampCh = [d](int v) {
        if (d > 0 && v > 255) return 255;
        if (d < 0 && v < 0) return 0;
        return v;
    };
    red = clampCh(red);
    green = clampCh(green);
    blue = clampCh(blue);
    return quint32(red + 256 * green + 65536 * blue);
}

void KelButton::ApplyColorScheme() {
    switch (m_colorScheme) {
    case CustomColors:
        m_c.face = TranslateColor(m_backColor);
        m_c.text = TranslateColor(m_foreColor);
        m_c.textOver = TranslateColor(m_foreOver);
        m_c.shadow = ShadeColor(m_c.face, -64, false);
        m_c.light = ShadeColor(m_c.face, 31, false);
        m_c.highlight = ShadeColor(m_c.face, 47, false);
        break;
    case ClassicGrey:
        m_c.face = 0x00C0C0C0;
        m_c.text = 0;
        m_c.textOver = 0;
        m_c.shadow = 0x00808080;
        m_c.light = 0x00DFDFDF;
        m_c.highlight = 0x00FFFFFF;
        break;
    case ContainerColors: {
        const QWidget *p = parentWidget();
        const QPalette pal = p ? p->palette() : QApplication::palette();
        // A tiled background has no single colour; its first pixel stands in.
        const QBrush back = pal.brush(p ? p->backgroundRole() : QPalette::Window);
        const QImage tile = back.textureImage();
        m_c.face = fromRgb(tile.isNull() ? back.color().rgb() : tile.pixel(0, 0));
        m_c.text = fromRgb(pal.color(p ? p->foregroundRole() : QPalette::WindowText).rgb());
        m_c.textOver = m_c.text;
        m_c.shadow = ShadeColor(m_c.face, -64, false);
        m_c.light = ShadeColor(m_c.face, 31, false);
        m_c.highlight = ShadeColor(m_c.face, 47, false);
        break;
    }
    default:
        m_c.face = TranslateColor(0x80000000u | 15);
        m_c.text = TranslateColor(0x80000000u | 18);
        m_c.textOver = m_c.text;
        m_c.shadow = TranslateColor(0x80000000u | 16);
        m_c.light = TranslateColor(0x80000000u | 22);
        m_c.highlight = TranslateColor(0x80000000u | 20);
        break;
    }
    if (nightscheme::on()) {
        // Night colours: the button's own face made dark and its texts
        // light, its edges shaded from the dark face as by day.
        m_c.face = fromRgb(nightscheme::Night(QColor(toRgb(m_c.face)), QPalette::Window).rgb());
        m_c.text = fromRgb(nightscheme::Night(QColor(toRgb(m_c.text)), QPalette::ButtonText).rgb());
        m_c.textOver =
            fromRgb(nightscheme::Night(QColor(toRgb(m_c.textOver)), QPalette::ButtonText).rgb());
        m_c.shadow = ShadeColor(m_c.face, -64, false);
        m_c.light = ShadeColor(m_c.face, 31, false);
        m_c.highlight = ShadeColor(m_c.face, 47, false);
    }
    m_c.maskRGB = TranslateColor(m_maskColor);
    m_c.tint = ShadeColor(m_c.face, 48, m_buttonType == Rounded);
}

// ---- Geometry ------------------------------------------------------------

void KelButton::ResizeHandling() {
    if (m_isCapturing) return;
    m_faceRect = QRect(0, 0, width(), height());
    m_w = width();
    m_h = height();
    switch (m_buttonType) {
    case Rounded:
        m_faceRect.adjust(4, 4, -4, -4);
        break;
    case SeeThrough:
        m_faceRect.adjust(3, 3, -3, -3);
        break;
    case Soft3D:
        m_faceRect.adjust(5, 5, -5, -5), m_faceRect.translate(1, 1);
        break;
    default:
        break;
    }
    // On a scaled screen the surface holds k device pixels per pixel, so the
    // caption and the pictures are drawn sharp rather than blown up.
    const int k = deviceScale();
    if (m_surface.size() != QSize(m_w * k, m_h * k) || m_scale != k) {
        m_scale = k;
        m_surface = QImage(qMax(m_w, 0) * k, qMax(m_h, 0) * k, QImage::Format_RGB32);
        m_surface.setDevicePixelRatio(k);
        m_surface.fill(Qt::black);
        if (!m_capture.isNull()) {
            m_capture = QImage(m_surface.size(), QImage::Format_RGB32);
            m_capture.setDevicePixelRatio(k);
            m_capture.fill(Qt::black);
        }
    }
    LayoutCaption();
    setMask(BuildRegion());
    update();
    if (m_h != 0) DrawButton(Up, true);
}

QRegion KelButton::BuildRegion() const {
    QRegion r(0, 0, m_w, m_h);
    auto cut = [&r](int x, int y) { r -= QRegion(x, y, 1, 1); };
    const int W = m_w, H = m_h;
    if (m_buttonType == Rounded) {
        cut(0, 0), cut(1, 0), cut(0, 1);
        cut(W - 2, 0), cut(W - 1, 0), cut(W - 1, 1);
        cut(0, H - 1), cut(1, H - 1), cut(0, H - 2);
        cut(W - 2, H - 1), cut(W - 1, H - 1), cut(W - 1, H - 2);
    } else if (m_buttonType == Soft3D) {
        cut(0, H - 1), cut(W - 1, 0);
    }
    return r;
}

void KelButton::MeasurePicture() {
    if (!m_pictureNormal.isSet()) {
        m_pictureWidth = m_pictureHeight = 0;
        return;
    }
    m_pictureWidth = m_pictureNormal.image.width();
    m_pictureHeight = m_pictureNormal.image.height();
}

QSize KelButton::measureCaption(const QRect &within) const {
    const QFontMetrics fm(font());
    const QString text = displayCaption(m_caption);
    if (text.isEmpty()) return {0, 0};
    const QRect r =
        fm.boundingRect(QRect(0, 0, qMax(within.width(), 1), 1 << 20), CaptionFlags, text);
    return r.size();
}

void KelButton::LayoutCaption() {
    const int PW = m_pictureWidth, PH = m_pictureHeight, W = m_w, H = m_h;
    int l, tp, r, b;
    switch (m_picturePosition) {
    case PictureLeft:
        l = PW + 4, tp = 4, r = W - 8, b = H - 8;
        break;
    case PictureRight:
        l = 4, tp = 4, r = W - PW - 8, b = H - 8;
        break;
    case PictureTop:
        l = 4, tp = PH + 4, r = W - 8, b = H - 8;
        break;
    case PictureBottom:
        l = 4, tp = 4, r = W - 8, b = H - PH - 8;
        break;
    case PictureBehind:
        l = 4, tp = 1, r = W - 8, b = H - 4;
        break;
    default: {
        // Undefined positions measure from where the last layout left off
        // and stay unmoved.
        const QRect s = m_shiftedCaptionRect;
        const QSize m = measureCaption(s);
        m_captionRect = QRect(s.left(), s.top(), m.width(), m.height());
        m_shiftedCaptionRect = m_captionRect.translated(1, 1);
        if (m_caption.trimmed().isEmpty()) PlacePicture();
        return;
    }
    }
    const QSize m = measureCaption(QRect(l, tp, r - l, b - tp));
    int cr = l + m.width(), cb = tp + m.height();
    int dx, dy;
    if (m_picturePosition == PictureRight) {
        dx = idiv(W - PW - cr - 4, 2);
        dy = idiv(H - cb, 2);
    } else if (m_picturePosition == PictureBottom) {
        dx = idiv(W - cr, 2);
        dy = idiv(H - PH - cb - 4, 2);
    } else {
        dx = idiv(W - cr, 2);
        dy = idiv(H - cb, 2);
    }
    m_captionRect = QRect(l + dx, tp + dy, m.width(), m.height());
    m_shiftedCaptionRect = m_captionRect.translated(1, 1);
    PlacePicture();
}

void KelButton::PlacePicture() {
    if (!m_pictureNormal.isSet() && !m_pictureOver.isSet()) return;
    const int PW = m_pictureWidth, PH = m_pictureHeight, W = m_w, H = m_h;
    const QRect &c = m_captionRect; // right() + 1 and bottom() + 1 are the exclusive edges
    if (!m_caption.trimmed().isEmpty() && m_picturePosition != PictureBehind) {
        switch (m_picturePosition) {
        case PictureLeft:
            m_pictureX = c.left() - PW - 6, m_pictureY = idiv(H - PH, 2);
            return;
        case PictureRight:
            m_pictureX = c.left() + c.width() + 6, m_pictureY = idiv(H - PH, 2);
            return;
        case PictureTop:
            m_pictureX = idiv(W - PW, 2), m_pictureY = c.top() - PH - 2;
            return;
        case PictureBottom:
            m_pictureX = idiv(W - PW, 2), m_pictureY = c.top() + c.height() + 2;
            return;
        default:
            return; // undefined positions leave the picture where it was
        }
    }
    m_pictureX = idiv(W - PW, 2);
    m_pictureY = idiv(H - PH, 2);
}

// ---- Primitives ----------------------------------------------------------

int KelButton::deviceScale() const {
    return qBound(1, int(std::ceil(devicePixelRatioF() - 0.01)), 4);
}

void KelButton::fillCell(int x, int y, QRgb c) {
    // One pixel of the drawing: a k-by-k block of the surface.
    const int k = m_scale;
    for (int dy = 0; dy < k; ++dy) {
        auto *line = reinterpret_cast<QRgb *>(m_surface.scanLine(y * k + dy));
        for (int dx = 0; dx < k; ++dx)
            line[x * k + dx] = c;
    }
}

void KelButton::DrawBox(int x, int y, int w, int h, quint32 colour, bool frameOnly) {
    if (w <= 0 || h <= 0) return;
    const QRgb c = toRgb(colour);
    const QRect area = QRect(x, y, w, h).intersected(QRect(0, 0, m_w, m_h));
    if (area.isEmpty()) return;
    for (int py = area.top(); py <= area.bottom(); ++py) {
        const bool edgeRow = py == y || py == y + h - 1;
        if (m_scale == 1) {
            auto *line = reinterpret_cast<QRgb *>(m_surface.scanLine(py));
            for (int px = area.left(); px <= area.right(); ++px)
                if (!frameOnly || edgeRow || px == x || px == x + w - 1) line[px] = c;
            continue;
        }
        for (int px = area.left(); px <= area.right(); ++px)
            if (!frameOnly || edgeRow || px == x || px == x + w - 1) fillCell(px, py, c);
    }
}

void KelButton::DrawDot(int x, int y, quint32 colour) {
    if (x < 0 || y < 0 || x >= m_w || y >= m_h) return;
    if (m_scale == 1)
        m_surface.setPixel(x, y, toRgb(colour));
    else
        fillCell(x, y, toRgb(colour));
}

void KelButton::DrawLine(int x1, int y1, int x2, int y2, quint32 colour) {
    if (y1 == y2) { // the ramps draw one row at a time
        if (y1 < 0 || y1 >= m_h || x1 == x2) return;
        const int step = x1 < x2 ? 1 : -1;
        const QRgb c = toRgb(colour);
        if (m_scale == 1) {
            auto *line = reinterpret_cast<QRgb *>(m_surface.scanLine(y1));
            for (int x = x1; x != x2; x += step)
                if (x >= 0 && x < m_w) line[x] = c;
            return;
        }
        for (int x = x1; x != x2; x += step)
            if (x >= 0 && x < m_w) fillCell(x, y1, c);
        return;
    }
    // Bresenham from (x1, y1) up to, but not including, (x2, y2).
    int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1, y = y1;
    while (!(x == x2 && y == y2)) {
        DrawDot(x, y, colour);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void KelButton::DrawBevel(quint32 topLeft, quint32 bottomRight) {
    const int W = m_w, H = m_h;
    DrawLine(0, 0, W, 0, topLeft);
    DrawLine(0, 0, 0, H, topLeft);
    DrawLine(W - 1, 0, W - 1, H, bottomRight);
    DrawLine(0, H - 1, W, H - 1, bottomRight);
}

void KelButton::DrawFocus() {
    if (!m_showFocusRect || !m_hasFocus) return;
    const QRect r = m_faceRect.intersected(QRect(0, 0, m_w, m_h));
    if (r.isEmpty()) return;
    // The dotted rectangle inverts every other pixel of the frame.
    auto invert = [this](int x, int y) {
        if ((x + y) % 2 != 0) return;
        for (int dy = 0; dy < m_scale; ++dy)
            for (int dx = 0; dx < m_scale; ++dx) {
                const int sx = x * m_scale + dx, sy = y * m_scale + dy;
                m_surface.setPixel(sx, sy, m_surface.pixel(sx, sy) ^ 0x00FFFFFF);
            }
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        invert(x, r.top());
        if (r.bottom() != r.top()) invert(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        invert(r.left(), y);
        if (r.right() != r.left()) invert(r.right(), y);
    }
}

void KelButton::drawCaptionText(const QRect &r, quint32 colour) {
    const QString text = displayCaption(m_caption);
    if (text.isEmpty() || m_surface.isNull()) return;
    QPainter p(&m_surface);
    p.setFont(font());
    p.setPen(qc(colour));
    // Measured rectangles are tight; let the text run on rather than clip.
    p.drawText(QRect(r.left(), r.top(), qMax(r.width(), 1), r.height() + 4),
               CaptionFlags | Qt::TextDontClip, text);
}

void KelButton::DrawCaptionEffect(const QRect &r) {
    if (m_specialEffect <= 0) return;
    const quint32 ref = m_buttonType == Soft3D ? m_c.tint : m_c.face;
    const int d = m_specialEffect == Sunken ? 40 : -40;
    drawCaptionText(r.translated(1, 1), ShadeColor(ref, d, false));
    if (m_specialEffect < 3) drawCaptionText(r.translated(-1, -1), ShadeColor(ref, -d, false));
}

void KelButton::DrawCaption(quint8 style) {
    m_lastCaptionStyle = style;
    switch (style) {
    case 0:
        DrawCaptionEffect(m_captionRect);
        drawCaptionText(m_captionRect, m_c.text);
        break;
    case 1:
        DrawCaptionEffect(m_captionRect);
        drawCaptionText(m_captionRect, m_c.textOver);
        break;
    case 2:
        DrawCaptionEffect(m_shiftedCaptionRect);
        drawCaptionText(m_shiftedCaptionRect, m_c.textOver);
        break;
    case 3:
        drawCaptionText(m_shiftedCaptionRect, m_c.highlight);
        drawCaptionText(m_captionRect, m_c.shadow);
        break;
    case 4:
        drawCaptionText(m_captionRect, Tint(-104));
        break;
    case 5:
        drawCaptionText(m_shiftedCaptionRect, ShadeColor(m_c.shadow, -50, false));
        drawCaptionText(m_captionRect, m_c.highlight);
        break;
    default:
        break;
    }
}

void KelButton::Ramp(quint32 base, int span, bool scaleBlue, bool fromBottom) {
    if (m_h == 0) return;
    const float step = float(span) / float(m_h);
    for (int i = 1; i <= m_h; ++i) {
        const int k = int(std::nearbyint(-step * float(i)));
        const int y = fromBottom ? m_h - i : i;
        DrawLine(0, y, m_w, y, ShadeColor(base, k, scaleBlue));
    }
}

void KelButton::copyCapture() {
    if (m_capture.isNull()) return;
    QPainter p(&m_surface);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPointF(0, 0), m_capture);
}

// ---- Drawing -------------------------------------------------------------

void KelButton::DrawButton(quint8 state, bool force) {
    if (m_checkBox && m_value) state = Down;
    if (!force && m_caption == m_lastCaption && state == m_lastState) return;
    if (m_h == 0 || !m_isShown || m_surface.isNull()) return;
    m_lastState = state;
    m_lastCaption = m_caption;
    m_surface.fill(toRgb(m_c.face));

    const bool swapped = m_isHover && m_colorScheme == CustomColors;
    const quint32 remembered = m_backColor;
    if (swapped) {
        m_backColor = m_backOver;
        ApplyColorScheme();
    }
    DrawBox(0, 0, m_w, m_h, m_c.face, false);
    if (!m_enabled)
        drawDisabled();
    else if (state == Up)
        drawUp();
    else if (state == Down)
        drawDown();
    if (swapped) {
        m_backColor = remembered;
        ApplyColorScheme();
    }
    update();
}

void KelButton::drawUp() {
    const int W = m_w, H = m_h;
    switch (m_buttonType) {
    case Soft3D: {
        if (!m_isHover)
            Ramp(m_c.highlight, 58, false);
        else
            DrawBox(0, 0, W, H, m_c.light, false);
        const quint8 style = m_isHover ? 1 : 0;
        if (m_host->displayAsDefault(*this)) {
            // The default button's caption is bold for this drawing only.
            m_isShown = false;
            const bool wasBold = FontBold();
            setFontBold(true);
            DrawCaption(style);
            if (m_host->displayAsDefault(*this)) {
                setFontBold(wasBold);
                m_isShown = true;
            }
        } else {
            DrawCaption(style);
        }
        DrawBox(0, 0, W, H, ShadeColor(m_c.shadow, -50, false), true);
        DrawBox(1, 1, W - 2, H - 2, ShadeColor(m_c.face, -9, false), true);
        DrawBox(2, 2, W - 4, 2, m_c.highlight, false);
        DrawBox(2, 4, 2, H - 6, m_c.highlight, false);
        DrawFocus();
        DrawPicture(PictureNormalMode);
        break;
    }
    case SeeThrough:
        copyCapture();
        DrawCaption(m_isHover ? 1 : 0);
        if (m_isHover) DrawBevel(m_c.highlight, m_c.shadow);
        DrawFocus();
        DrawPicture(PictureNormalMode);
        break;
    case Rounded:
        Ramp(m_c.tint, 25, true);
        DrawCaption(m_isHover ? 1 : 0);
        DrawBox(0, 0, W, H, 0x00733C00, true);
        DrawDot(1, 1, 0x007B4D10);
        DrawDot(1, H - 2, 0x007B4D10);
        DrawDot(W - 2, 1, 0x007B4D10);
        DrawDot(W - 2, H - 2, 0x007B4D10);
        drawRoundedRing();
        DrawPicture(PictureNormalMode);
        break;
    default:
        DrawPicture(PictureNormalMode);
        break;
    }
}

void KelButton::drawRoundedRing() {
    const int W = m_w, H = m_h;
    const bool blue = (m_hasFocus || m_host->displayAsDefault(*this)) && m_showFocusRect;
    if (m_isHover || blue) {
        const bool o = m_isHover;
        DrawBox(1, 2, W - 2, H - 4, o ? 0x0031B2FF : 0x00E7AE8C, true);
        DrawLine(2, H - 2, W - 2, H - 2, o ? 0x000096E7 : 0x00EF826B);
        DrawLine(2, 1, W - 2, 1, o ? 0x00CEF3FF : 0x00FFE7CE);
        DrawLine(1, 2, W - 1, 2, o ? 0x008CDBFF : 0x00F7D7BD);
        DrawLine(2, 3, 2, H - 3, o ? 0x006BCBFF : 0x00F0D1B5);
        DrawLine(W - 3, 3, W - 3, H - 3, o ? 0x006BCBFF : 0x00F0D1B5);
        return;
    }
    DrawLine(2, H - 2, W - 2, H - 2, Tint(-48));
    DrawLine(1, H - 3, W - 2, H - 3, Tint(-32));
    DrawLine(W - 2, 2, W - 2, H - 2, Tint(-36));
    DrawLine(W - 3, 3, W - 3, H - 3, Tint(-24));
    DrawLine(2, 1, W - 2, 1, Tint(16));
    DrawLine(1, 2, W - 2, 2, Tint(10));
    DrawLine(1, 2, 1, H - 2, Tint(-5));
    DrawLine(2, 3, 2, H - 3, Tint(-10));
}

void KelButton::drawDown() {
    const int W = m_w, H = m_h;
    switch (m_buttonType) {
    case Soft3D:
        DrawBox(1, 1, W, H, ShadeColor(m_c.face, -9, false), false);
        DrawBox(0, 0, W, H, ShadeColor(m_c.shadow, -48, false), true);
        DrawLine(2, H - 2, W - 2, H - 2, m_c.highlight);
        DrawLine(W - 2, 2, W - 2, H - 1, m_c.highlight);
        DrawCaption(5);
        DrawFocus();
        DrawPicture(PicturePressedMode);
        break;
    case SeeThrough:
        copyCapture();
        DrawBevel(m_c.shadow, m_c.highlight);
        DrawCaption(5);
        DrawFocus();
        DrawPicture(PicturePressedMode);
        break;
    case Rounded: {
        const quint32 B = Tint(-32);
        Ramp(B, 25, true, true);
        DrawCaption(2);
        DrawBox(0, 0, W, H, 0x00733C00, true);
        DrawDot(1, 1, 0x007B4D10);
        DrawDot(1, H - 2, 0x007B4D10);
        DrawDot(W - 2, 1, 0x007B4D10);
        DrawDot(W - 2, H - 2, 0x007B4D10);
        DrawLine(2, H - 2, W - 2, H - 2, ShadeColor(B, 16, true));
        DrawLine(1, H - 3, W - 2, H - 3, ShadeColor(B, 10, true));
        DrawLine(W - 2, 2, W - 2, H - 2, ShadeColor(B, 5, true));
        DrawLine(W - 3, 3, W - 3, H - 3, m_c.tint);
        DrawLine(2, 1, W - 2, 1, ShadeColor(B, -32, true));
        DrawLine(1, 2, W - 2, 2, ShadeColor(B, -24, true));
        DrawLine(1, 2, 1, H - 2, ShadeColor(B, -32, true));
        DrawLine(2, 2, 2, H - 2, ShadeColor(B, -22, true));
        DrawPicture(PicturePressedMode);
        break;
    }
    default:
        DrawPicture(PicturePressedMode);
        break;
    }
}

void KelButton::drawDisabled() {
    const int W = m_w, H = m_h;
    switch (m_buttonType) {
    case Soft3D:
        Ramp(m_c.highlight, 58, false);
        DrawBox(0, 0, W, H, ShadeColor(m_c.shadow, -50, false), true);
        DrawBox(1, 1, W - 2, H - 2, ShadeColor(m_c.face, -9, false), true);
        DrawBox(2, 2, W - 4, 2, m_c.highlight, false);
        DrawBox(2, 4, 2, H - 6, m_c.highlight, false);
        DrawCaption(3);
        DrawPicture(PictureDisabledMode);
        break;
    case SeeThrough:
        copyCapture();
        DrawCaption(3);
        DrawPicture(PictureDisabledMode);
        break;
    case Rounded:
        DrawBox(0, 0, W, H, Tint(-24), false);
        DrawCaption(4);
        DrawBox(0, 0, W, H, Tint(-84), true);
        DrawDot(1, 1, Tint(-72));
        DrawDot(1, H - 2, Tint(-72));
        DrawDot(W - 2, 1, Tint(-72));
        DrawDot(W - 2, H - 2, Tint(-72));
        DrawPicture(PictureDisabledMode);
        break;
    default:
        DrawPicture(PictureDisabledMode);
        break;
    }
}

void KelButton::paintEvent(QPaintEvent *) {
    // Moved to a screen of another scale: draw afresh for it first.
    if (deviceScale() != m_scale) ResizeHandling();
    QPainter p(this);
    p.drawImage(QPointF(0, 0), m_surface);
}

// ---- Pictures ------------------------------------------------------------

void KelButton::DrawPicture(PictureMode mode) {
    if (!m_pictureNormal.isSet()) return;
    const int x = m_pictureX, y = m_pictureY, w = m_pictureWidth, h = m_pictureHeight;
    const quint32 mask = m_c.maskRGB;
    switch (mode) {
    case PictureNormalMode:
        if (!m_isHover) {
            DrawPictureEffect(0, m_pictureNormal);
            BlitPicture(x, y, w, h, m_pictureNormal, mask, -1, false, m_useGreyscale);
        } else {
            const KelPicture &p = m_pictureOver.isSet() ? m_pictureOver : m_pictureNormal;
            DrawPictureEffect(0, p);
            BlitPicture(x, y, w, h, p, mask, -1, false, false);
        }
        break;
    case PicturePressedMode:
        if (!m_pictureOver.isSet()) {
            DrawPictureEffect(1, m_pictureNormal);
            BlitPicture(x + 1, y + 1, w, h, m_pictureNormal, mask, -1, false, false);
        } else {
            BlitPicture(x + 1, y + 1, w, h, m_pictureOver, mask, -1, false, false);
        }
        break;
    case PictureDisabledMode:
        if (m_buttonType == Rounded) {
            BlitPicture(x + 1, y + 1, w, h, m_pictureNormal, mask, -1, false, true);
        } else {
            BlitPicture(x + 1, y + 1, w, h, m_pictureNormal, mask, m_c.highlight, true, false);
            BlitPicture(x, y, w, h, m_pictureNormal, mask, m_c.shadow, true, false);
        }
        break;
    }
    if (m_picturePosition == PictureBehind) DrawCaption(m_lastCaptionStyle);
}

void KelButton::DrawPictureEffect(int offset, const KelPicture &picture) {
    if (m_specialEffect <= 0) return;
    const quint32 ref = m_buttonType == Rounded ? m_c.tint : m_c.face;
    const int d = m_specialEffect == Sunken ? 40 : -40;
    const int x = m_pictureX, y = m_pictureY, w = m_pictureWidth, h = m_pictureHeight;
    BlitPicture(x + offset + 1, y + offset + 1, w, h, picture, m_c.maskRGB,
                ShadeColor(ref, d, false), false, false);
    if (m_specialEffect < 3)
        BlitPicture(x + offset - 1, y + offset - 1, w, h, picture, m_c.maskRGB,
                    ShadeColor(ref, -d, false), false, false);
}

namespace {

// Rounds p / q to the nearest whole number, halves to even, exactly.
int roundHalfEven(int p, int q) {
    int whole = p / q;
    const int rest = p % q;
    if (2 * rest > q || (2 * rest == q && whole % 2 != 0)) ++whole;
    return whole;
}

} // namespace

void KelButton::BlitPicture(int x, int y, int w, int h, const KelPicture &picture,
                            quint32 transparent, qint64 silhouette, bool threshold, bool grey) {
    if (w == 0 || h == 0 || !picture.isSet()) return;
    const int k = m_scale;
    // The artwork made for this scale when there is one; otherwise the
    // picture's own pixels, each repeated k times.
    const QImage &artwork = picture.imageFor(k);
    QImage pic;
    if (picture.isIcon) {
        // An icon's see-through parts come out in the mask colour.
        pic = QImage(w * k, h * k, QImage::Format_RGB32);
        pic.fill(toRgb(m_c.maskRGB));
        QPainter p(&pic);
        if (k == 1 && artwork.devicePixelRatio() == 1)
            p.drawImage(0, 0, artwork);
        else
            p.drawImage(QRectF(QPointF(0, 0), artwork.deviceIndependentSize() * k), artwork);
    } else {
        pic = artwork.format() == QImage::Format_RGB32
                  ? artwork
                  : artwork.convertToFormat(QImage::Format_RGB32);
        if (pic.devicePixelRatio() != k)
            pic = pic.scaled((pic.deviceIndependentSize() * k).toSize());
    }
    const qint64 effective = m_useMaskColor ? qint64(transparent) : -1;
    const QRgb sil = silhouette >= 0 ? toRgb(quint32(silhouette)) : 0;
    for (int py = 0; py < h * k; ++py) {
        const int ty = y * k + py;
        if (ty < 0 || ty >= m_surface.height()) continue;
        auto *dst = reinterpret_cast<QRgb *>(m_surface.scanLine(ty));
        const QRgb *src =
            py < pic.height() ? reinterpret_cast<const QRgb *>(pic.constScanLine(py)) : nullptr;
        for (int px = 0; px < w * k; ++px) {
            const int tx = x * k + px;
            if (tx < 0 || tx >= m_surface.width()) continue;
            const QRgb s = (src && px < pic.width()) ? src[px] : qRgb(0, 0, 0);
            const int R = qRed(s), G = qGreen(s), B = qBlue(s);
            if (effective >= 0 && fromRgb(qRgb(R, G, B)) == quint32(effective)) continue;
            if (silhouette >= 0) {
                if (threshold && R + G + B > 384) continue;
                dst[tx] = sil;
            } else if (grey) {
                const int first = roundHalfEven(3 * R, 10);
                const int g = roundHalfEven(100 * first + 59 * G + 11 * B, 100);
                dst[tx] = qRgb(g, g, g);
            } else {
                dst[tx] = qRgb(R, G, B);
            }
        }
    }
}

void KelButton::CaptureBackground() {
    m_isCapturing = true;
    QWidget *parent = parentWidget();
    if (parent && !m_capture.isNull()) {
        // The parent's own pixels under the button, without its other children.
        QImage shot(m_capture.size(), QImage::Format_RGB32);
        shot.setDevicePixelRatio(m_capture.devicePixelRatio());
        shot.fill(toRgb(m_c.face));
        {
            QPainter p(&shot);
            parent->render(&p, QPoint(0, 0), QRegion(QRect(pos(), size())),
                           QWidget::DrawWindowBackground);
        }
        m_capture = shot;
    }
    m_isCapturing = false;
}
