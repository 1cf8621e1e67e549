#include "NightScheme.h"

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <cmath>

namespace nightscheme {

namespace {

bool s_on = false;

enum class Kind { Ground, Text, Bevel };

Kind KindOf(QPalette::ColorRole role) {
    switch (role) {
    case QPalette::WindowText:
    case QPalette::Text:
    case QPalette::ButtonText:
    case QPalette::BrightText:
    case QPalette::ToolTipText:
    case QPalette::HighlightedText:
    case QPalette::PlaceholderText:
    case QPalette::Link:
    case QPalette::LinkVisited:
        return Kind::Text;
    case QPalette::Light:
    case QPalette::Midlight:
    case QPalette::Mid:
    case QPalette::Dark:
    case QPalette::Shadow:
    case QPalette::Button:
        return Kind::Bevel;
    default:
        return Kind::Ground;
    }
}

QColor Mapped(const QColor &day, Kind kind) {
    float h = 0, s = 0, l = 0, a = 0;
    day.getHslF(&h, &s, &l, &a);
    switch (kind) {
    case Kind::Ground: // light grounds become deep ones, a little less vivid
        l = 0.07f + (1.0f - l) * 0.26f;
        s *= 0.55f;
        break;
    case Kind::Text: // dark texts become light ones
        l = 0.80f + (0.5f - qMin(l, 0.5f)) * 0.40f;
        break;
    case Kind::Bevel: // the order of the edges kept, all of them dark
        l = 0.10f + l * 0.30f;
        s *= 0.5f;
        break;
    }
    return QColor::fromHslF(h < 0 ? 0 : h, qBound(0.0f, s, 1.0f), qBound(0.0f, l, 1.0f), a);
}

// What a widget showed by day: its own palette, and what it was made into.
const char *const DayProperty = "nightschemeDay";
const char *const NightProperty = "nightschemeNight";

bool SameExplicit(const QPalette &a, const QPalette &b) {
    if (a.resolveMask() != b.resolveMask()) return false;
    for (int g = 0; g < QPalette::NColorGroups; ++g)
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto group = QPalette::ColorGroup(g);
            const auto role = QPalette::ColorRole(r);
            if (a.isBrushSet(group, role) && a.brush(group, role) != b.brush(group, role))
                return false;
        }
    return true;
}

bool s_changing = false;

void Darken(QWidget *w) {
    if (!w->testAttribute(Qt::WA_SetPalette)) return;
    const QPalette now = w->palette();
    const QVariant night = w->property(NightProperty);
    if (night.isValid() && SameExplicit(now, night.value<QPalette>())) return;
    const QPalette dark = Night(now, true);
    w->setProperty(DayProperty, QVariant::fromValue(now));
    w->setProperty(NightProperty, QVariant::fromValue(dark));
    s_changing = true;
    w->setPalette(dark);
    s_changing = false;
}

void Lighten(QWidget *w) {
    const QVariant day = w->property(DayProperty);
    if (!day.isValid()) return;
    s_changing = true;
    if (SameExplicit(w->palette(), w->property(NightProperty).value<QPalette>()))
        w->setPalette(day.value<QPalette>());
    s_changing = false;
    w->setProperty(DayProperty, QVariant());
    w->setProperty(NightProperty, QVariant());
}

// Widgets made, or given colours of their own, while the night colours are
// on get them in night colours too.
class Watcher : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *e) override {
        if (!s_on || s_changing || !watched->isWidgetType()) return false;
        if (e->type() == QEvent::Polish || e->type() == QEvent::PaletteChange)
            Darken(static_cast<QWidget *>(watched));
        return false;
    }
};

QPalette &DayApplicationPalette() {
    static QPalette day;
    return day;
}

} // namespace

QColor Night(const QColor &day, QPalette::ColorRole role) {
    return Mapped(day, KindOf(role));
}

QColor Shown(const QColor &day, QPalette::ColorRole role) {
    if (!s_on) return day;
    QColor night = Night(day, role);
    night.setAlpha(day.alpha());
    return night;
}

QImage NightPicture(const QImage &day) {
    QImage out = day.convertToFormat(QImage::Format_ARGB32);
    QHash<QRgb, QRgb> done;
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            auto it = done.constFind(line[x]);
            if (it == done.constEnd())
                it = done.insert(line[x], Mapped(QColor::fromRgba(line[x]), Kind::Ground).rgba());
            line[x] = *it;
        }
    }
    out.setDevicePixelRatio(day.devicePixelRatio());
    return out;
}

QPalette Night(const QPalette &day, bool explicitOnly) {
    QPalette out = day;
    for (int g = 0; g < QPalette::NColorGroups; ++g)
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto group = QPalette::ColorGroup(g);
            const auto role = QPalette::ColorRole(r);
            if (explicitOnly && !day.isBrushSet(group, role)) continue;
            const QBrush brush = day.brush(group, role);
            if (brush.style() == Qt::TexturePattern) {
                QPixmap dark = QPixmap::fromImage(NightPicture(brush.textureImage().isNull()
                                                                   ? brush.texture().toImage()
                                                                   : brush.textureImage()));
                dark.setDevicePixelRatio(brush.texture().devicePixelRatio());
                out.setBrush(group, role, QBrush(dark));
            } else {
                out.setColor(group, role, Night(brush.color(), role));
            }
        }
    return out;
}

double Contrast(const QColor &a, const QColor &b) {
    auto luminance = [](const QColor &c) {
        auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

bool on() {
    return s_on;
}

void setOn(bool on) {
    if (on == s_on) return;
    static Watcher *watcher = [] {
        auto *w = new Watcher;
        qApp->installEventFilter(w);
        return w;
    }();
    Q_UNUSED(watcher);
    s_on = on;
    if (on) {
        DayApplicationPalette() = QApplication::palette();
        QApplication::setPalette(Night(DayApplicationPalette(), false));
        for (QWidget *w : QApplication::allWidgets())
            Darken(w);
    } else {
        // The application's colours first: a window with colours of its own
        // takes the others from them as its own are given back.
        QApplication::setPalette(DayApplicationPalette());
        for (QWidget *w : QApplication::allWidgets())
            Lighten(w);
    }
}

} // namespace nightscheme
