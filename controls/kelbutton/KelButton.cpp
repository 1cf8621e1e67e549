// KelButton: properties, persistence, input and events.
#include "KelButton.h"

#include "KelButtonAccessible.h"

#include "PlatformKeys.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QShortcut>

#include <cmath>

namespace {
constexpr quint32 DefaultMask = 0x00C0C0C0;
constexpr quint32 SysButtonFace = 0x80000000u | 15;
constexpr quint32 SysButtonText = 0x80000000u | 18;
} // namespace

QString KelButtonHost::displayName(const KelButton &button) const {
    return button.objectName();
}

QFont KelButtonHost::font(const KelButton &button) const {
    return button.parentWidget() ? button.parentWidget()->font() : QApplication::font();
}

KelButtonHost &KelButtonHost::standard() {
    static KelButtonHost host;
    return host;
}

KelButton::KelButton(QWidget *parent, KelButtonHost *host)
    : QWidget(parent), m_host(host ? host : &KelButtonHost::standard()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    KelButtonAccessible::install();
    m_isShown = true;
}

KelButton::~KelButton() {
    m_isShown = false;
    m_capture = QImage(); // the capture surface ends with the control
}

// ---- Persistence -------------------------------------------------------

void KelButton::InitProperties() {
    m_enabled = true;
    m_showFocusRect = true;
    m_useMaskColor = true;
    m_caption = m_host->displayName(*this);
    setFont(m_host->font(*this));
    m_buttonType = Soft3D;
    m_colorScheme = CustomColors;
    m_backColor = m_backOver = TranslateColor(SysButtonFace);
    m_foreColor = m_foreOver = TranslateColor(SysButtonText);
    m_maskColor = DefaultMask;
    UpdateAccessKey();
    LayoutCaption();
}

void KelButton::WriteProperties(PropertyBag &bag) const {
    using T = PropertyBag::Type;
    bag.write(QStringLiteral("BTYPE"), T::Int32, m_buttonType);
    bag.write(QStringLiteral("TX"), T::String, m_caption);
    bag.write(QStringLiteral("ENAB"), T::Boolean, m_enabled);
    bag.write(QStringLiteral("FONT"), T::Font, QVariant::fromValue(font()));
    bag.write(QStringLiteral("COLTYPE"), T::Int32, m_colorScheme);
    bag.write(QStringLiteral("FOCUSR"), T::Boolean, m_showFocusRect);
    bag.write(QStringLiteral("BCOL"), T::Int32, qint32(m_backColor));
    bag.write(QStringLiteral("BCOLO"), T::Int32, qint32(m_backOver));
    bag.write(QStringLiteral("FCOL"), T::Int32, qint32(m_foreColor));
    bag.write(QStringLiteral("FCOLO"), T::Int32, qint32(m_foreOver));
    bag.write(QStringLiteral("MCOL"), T::Int32, qint32(m_maskColor));
    bag.write(QStringLiteral("MPTR"), T::Int16, QVariant::fromValue<qint16>(m_mousePointer));
    bag.write(QStringLiteral("MICON"), T::Picture, QVariant::fromValue(m_mouseIcon));
    bag.write(QStringLiteral("PICN"), T::Picture, QVariant::fromValue(m_pictureNormal));
    bag.write(QStringLiteral("PICH"), T::Picture, QVariant::fromValue(m_pictureOver));
    bag.write(QStringLiteral("UMCOL"), T::Boolean, m_useMaskColor);
    bag.write(QStringLiteral("SOFT"), T::Boolean, m_softBevel);
    bag.write(QStringLiteral("PICPOS"), T::Int32, m_picturePosition);
    bag.write(QStringLiteral("NGREY"), T::Boolean, m_useGreyscale);
    bag.write(QStringLiteral("FX"), T::Int32, m_specialEffect);
    bag.write(QStringLiteral("CHECK"), T::Boolean, m_checkBox);
    bag.write(QStringLiteral("VALUE"), T::Boolean, m_value);
}

void KelButton::ReadProperties(const PropertyBag &bag) {
    auto i32 = [&](const char *k, qint64 d) {
        return qint32(bag.read(QLatin1String(k), d).toLongLong());
    };
    auto flag = [&](const char *k, bool d) { return bag.read(QLatin1String(k), d).toBool(); };
    auto pic = [&](const char *k) {
        return bag.read(QLatin1String(k), QVariant()).value<KelPicture>();
    };
    m_buttonType = i32("BTYPE", 2);
    m_caption = bag.read(QStringLiteral("TX"), QString()).toString();
    m_enabled = flag("ENAB", true);
    const QVariant f = bag.read(QStringLiteral("FONT"), QVariant::fromValue(font()));
    setFont(f.canConvert<QFont>() ? f.value<QFont>() : font());
    m_colorScheme = i32("COLTYPE", 1);
    m_showFocusRect = flag("FOCUSR", true);
    m_backColor = quint32(i32("BCOL", TranslateColor(SysButtonFace)));
    m_backOver = quint32(i32("BCOLO", m_backColor));
    m_foreColor = quint32(i32("FCOL", TranslateColor(SysButtonText)));
    m_foreOver = quint32(i32("FCOLO", m_foreColor));
    m_maskColor = quint32(i32("MCOL", DefaultMask));
    m_mousePointer = qint16(i32("MPTR", 0));
    m_mouseIcon = pic("MICON");
    applyPointer();
    m_pictureNormal = pic("PICN");
    m_pictureOver = pic("PICH");
    m_useMaskColor = flag("UMCOL", true);
    m_softBevel = flag("SOFT", false);
    m_picturePosition = i32("PICPOS", 0);
    m_useGreyscale = flag("NGREY", false);
    m_specialEffect = i32("FX", 0);
    m_checkBox = flag("CHECK", false);
    m_value = flag("VALUE", false);
    QWidget::setEnabled(m_enabled);
    MeasurePicture();
    LayoutCaption();
    UpdateAccessKey();
}

// ---- Properties ----------------------------------------------------------

void KelButton::setBackColor(quint32 c) {
    m_backColor = c;
    if (!m_host->userMode()) m_backOver = c;
    ApplyColorScheme();
    redrawLast();
    notify("BCOL");
}

void KelButton::setBackOver(quint32 c) {
    m_backOver = c;
    ApplyColorScheme();
    redrawLast();
    notify("BCOLO");
}

void KelButton::setForeColor(quint32 c) {
    m_foreColor = c;
    if (!m_host->userMode()) m_foreOver = c;
    ApplyColorScheme();
    redrawLast();
    notify("FCOL");
}

void KelButton::setForeOver(quint32 c) {
    m_foreOver = c;
    ApplyColorScheme();
    redrawLast();
    notify("FCOLO");
}

void KelButton::setMaskColor(quint32 c) {
    m_maskColor = c;
    ApplyColorScheme();
    redrawLast();
    notify("MCOL");
}

void KelButton::setButtonType(qint32 t) {
    m_buttonType = t;
    if (t == SeeThrough && isVisible()) CaptureBackground();
    ResizeHandling();
    notify("BTYPE");
}

QString KelButton::CaptionLines(QString lines) {
    return lines.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void KelButton::setCaption(const QString &caption) {
    m_caption = caption;
    UpdateAccessKey();
    LayoutCaption();
    DrawButton(Up, true);
    notify("TX");
}

void KelButton::setEnabledProperty(bool on) {
    m_enabled = on;
    DrawButton(Up, true);
    QWidget::setEnabled(on);
    notify("ENAB");
}

void KelButton::setFontProperty(const QFont &f) {
    setFont(f);
    LayoutCaption();
    DrawButton(Up, true);
    notify("FONT");
}

void KelButton::changeFont(const std::function<void(QFont &)> &change) {
    QFont f = font();
    change(f);
    setFont(f);
    LayoutCaption();
    DrawButton(Up, true);
}

void KelButton::setFontBold(bool on) {
    changeFont([on](QFont &f) { f.setBold(on); });
}

void KelButton::setFontItalic(bool on) {
    changeFont([on](QFont &f) { f.setItalic(on); });
}

void KelButton::setFontUnderline(bool on) {
    changeFont([on](QFont &f) { f.setUnderline(on); });
}

qint16 KelButton::FontSize() const {
    return qint16(std::nearbyint(font().pointSizeF()));
}

void KelButton::setFontSize(qint16 points) {
    changeFont([points](QFont &f) { f.setPointSize(points); });
}

void KelButton::setFontName(const QString &name) {
    changeFont([&name](QFont &f) { f.setFamily(name); });
}

void KelButton::setColorScheme(qint32 s) {
    m_colorScheme = s;
    ApplyColorScheme();
    DrawButton(Up, true);
    notify("COLTYPE");
}

void KelButton::setShowFocusRect(bool on) {
    m_showFocusRect = on;
    redrawLast();
    notify("FOCUSR");
}

void KelButton::applyPointer() {
    switch (m_mousePointer) {
    case 99:
        if (m_mouseIcon.isSet()) {
            // As large as designed times the screen's scale, drawn from the
            // large artwork on a scaled screen; the pencil writes with its
            // tip, the picture's top-left corner.
            const qreal dpr = devicePixelRatioF();
            QImage art = m_mouseIcon.imageFor(dpr > 1 ? 2 : 1);
            const QSize designed = m_mouseIcon.image.size();
            const QSize side(qRound(designed.width() * dpr), qRound(designed.height() * dpr));
            if (art.size() != side)
                art = art.scaled(side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            art.setDevicePixelRatio(dpr);
            const int tip = qMax(1, qRound(dpr));
            setCursor(QCursor(QPixmap::fromImage(art), tip, tip));
        } else
            unsetCursor();
        break;
    case 1:
        setCursor(Qt::ArrowCursor);
        break;
    case 2:
        setCursor(Qt::CrossCursor);
        break;
    case 3:
        setCursor(Qt::IBeamCursor);
        break;
    case 11:
        setCursor(Qt::WaitCursor);
        break;
    case 13:
        setCursor(Qt::BusyCursor);
        break;
    default:
        unsetCursor();
        break;
    }
}

void KelButton::setMousePointer(qint16 code) {
    m_mousePointer = code;
    applyPointer();
    notify("MPTR");
}

void KelButton::setMouseIcon(const KelPicture &icon) {
    m_mouseIcon = icon;
    applyPointer();
    notify("MICON");
}

qint32 KelButton::hwnd() const {
    return qint32(internalWinId());
}

void KelButton::setSoftBevel(bool on) {
    m_softBevel = on;
    ApplyColorScheme();
    redrawLast();
    notify("SOFT");
}

void KelButton::setPictureNormal(const KelPicture &p) {
    m_pictureNormal = p;
    MeasurePicture();
    LayoutCaption();
    redrawLast();
    notify("PICN");
}

void KelButton::setPictureOver(const KelPicture &p) {
    m_pictureOver = p;
    if (m_isHover) redrawLast();
    notify("PICO");
}

void KelButton::setPicturePosition(qint32 p) {
    m_picturePosition = p;
    notify("PICPOS");
    LayoutCaption();
    redrawLast();
}

void KelButton::setUseMaskColor(bool on) {
    m_useMaskColor = on;
    if (m_pictureNormal.isSet()) redrawLast();
    notify("UMCOL");
}

void KelButton::setUseGreyscale(bool on) {
    m_useGreyscale = on;
    if (m_pictureNormal.isSet()) redrawLast();
    notify("NGREY");
}

void KelButton::setSpecialEffect(qint32 fx) {
    m_specialEffect = fx;
    redrawLast();
    notify("FX");
}

void KelButton::setCheckBoxBehaviour(bool on) {
    m_checkBox = on;
    redrawLast();
    notify("CHECK");
}

void KelButton::setValue(bool on) {
    m_value = on;
    if (m_checkBox) DrawButton(Up, true);
    notify("VALUE");
}

void KelButton::Refresh() {
    if (m_buttonType == SeeThrough) CaptureBackground();
    ApplyColorScheme();
    LayoutCaption();
    m_isShown = true;
    redrawLast();
}

void KelButton::DrawLook(bool hover, bool focus, quint8 state) {
    const bool wasHover = m_isHover, hadFocus = m_hasFocus;
    m_isHover = hover;
    m_hasFocus = focus;
    DrawButton(state, true);
    m_isHover = wasHover;
    m_hasFocus = hadFocus;
}

void KelButton::PerformClick() {
    m_pressButton = 1;
    ClickHandling();
}

KelButton *KelButton::fromDesign(const WindowDesign &design, const QString &name, QWidget *parent,
                                 KelButtonHost *host) {
    auto *b = new KelButton(parent, host);
    b->setObjectName(name);
    const DesignedButton *d = design.find(name);
    if (!d) {
        qWarning("window design %s has no button %s", qPrintable(design.window), qPrintable(name));
        b->InitProperties();
        return b;
    }
    b->ReadProperties(d->bag);
    b->setGeometry(d->left / 15, d->top / 15, d->width / 15, d->height / 15);
    return b;
}

void KelButton::AmbientChanged() {
    ApplyColorScheme();
    redrawLast();
}

// ---- Access key ----------------------------------------------------------

QChar KelButton::AccessKeyOf(const QString &caption) {
    if (caption.size() <= 1) return {};
    const int p = caption.indexOf(QLatin1Char('&'));
    if (p < 0 || p == caption.size() - 1) return {};
    if (caption[p + 1] != QLatin1Char('&')) return caption[p + 1];
    // Only the first "&&" is skipped.
    const int q = caption.indexOf(QLatin1Char('&'), p + 2);
    if (q < 0 || q == caption.size() - 1) return {};
    if (caption[q + 1] == QLatin1Char('&')) return {};
    return caption[q + 1];
}

void KelButton::UpdateAccessKey() {
    delete m_shortcut;
    m_shortcut = nullptr;
    m_accessKey = AccessKeyOf(m_caption);
    if (m_accessKey.isNull() || m_accessKey.isSpace()) return;
    m_shortcut = new QShortcut(QKeySequence(QStringLiteral("Alt+") + m_accessKey.toUpper()), this);
    m_shortcut->setContext(Qt::WindowShortcut);
    connect(m_shortcut, &QShortcut::activated, this, &KelButton::PerformClick);
}

// ---- Input ---------------------------------------------------------------

qint16 KelButton::shiftCode(Qt::KeyboardModifiers m) {
    qint16 s = 0;
    if (m & Qt::ShiftModifier) s |= 1;
    if (m & Qt::ControlModifier) s |= 2;
    if (m & Qt::AltModifier) s |= 4;
    return s;
}

qint16 KelButton::buttonCode(Qt::MouseButtons b) {
    qint16 c = 0;
    if (b & Qt::LeftButton) c |= 1;
    if (b & Qt::RightButton) c |= 2;
    if (b & Qt::MiddleButton) c |= 4;
    return c;
}

qint16 KelButton::keyCode(const QKeyEvent *e) {
    return qint16(PlatformKeyCode(e->key(), e->modifiers()));
}

void KelButton::mousePressed(qint16 button, qint16 shift, float x, float y) {
    emit MouseDown(button, shift, x, y);
    m_pressButton = quint8(button & 0xFF);
    if (button != 2) DrawButton(Down, false);
}

void KelButton::mousePressEvent(QMouseEvent *e) {
    m_afterDoubleClick = false;
    m_pointer = e->position().toPoint();
    mousePressed(buttonCode(e->button()), shiftCode(e->modifiers()), float(e->position().x()),
                 float(e->position().y()));
}

void KelButton::mouseDoubleClickEvent(QMouseEvent *e) {
    if (m_pressButton == 1 && e->button() == Qt::LeftButton) {
        mousePressed(1, 0, 0.0f, 0.0f);
        grabMouse();
    }
    m_afterDoubleClick = true;
}

void KelButton::mouseReleaseEvent(QMouseEvent *e) {
    qint16 button = buttonCode(e->button());
    qint16 shift = shiftCode(e->modifiers());
    float x = float(e->position().x()), y = float(e->position().y());
    if (QWidget::mouseGrabber() == this) releaseMouse();
    emit MouseUp(button, shift, x, y);
    if (button != 2) DrawButton(Up, false);
    // The host's click: a press and release on the button itself. The second
    // press of a double click makes no click of its own.
    const QPoint at = e->position().toPoint();
    const bool onButton = rect().contains(at) && (mask().isEmpty() || mask().contains(at));
    if (onButton && !m_afterDoubleClick) ClickHandling();
    m_afterDoubleClick = false;
}

void KelButton::mouseMoveEvent(QMouseEvent *e) {
    qint16 button = buttonCode(e->buttons());
    qint16 shift = shiftCode(e->modifiers());
    float x = float(e->position().x()), y = float(e->position().y());
    m_pointer = e->position().toPoint();
    emit MouseMove(button, shift, x, y);
    if (button >= 2) return;
    if (!IsMouseOver()) {
        DrawButton(Up, false);
        OverTimerTick(); // the tick that would find the pointer gone
        return;
    }
    if (!m_overTracking) emit MouseIn();
    if (button == 0 && !m_isHover) {
        m_overTracking = true;
        m_isHover = true;
        DrawButton(Up, true);
        emit MouseOver();
    } else if (button == 1) {
        m_isHover = true;
        DrawButton(Down, false);
        m_isHover = false;
    }
}

void KelButton::ClickHandling() {
    if (m_pressButton != 1 || !m_enabled) return;
    if (m_checkBox) m_value = !m_value;
    DrawButton(Up, true);
    showNow();
    emit Click();
}

void KelButton::keyPressEvent(QKeyEvent *e) {
    qint16 code = keyCode(e);
    qint16 shift = shiftCode(e->modifiers());
    emit KeyDown(code, shift);
    m_pressKey = quint8(code & 0xFF);
    if (code == 32) DrawButton(Down, false);
    if (!e->text().isEmpty() && e->text()[0].unicode() < 256 &&
        !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        qint16 ascii = qint16(e->text()[0].unicode());
        emit KeyPress(ascii);
    }
    // Keys other than space belong to the window as well (F1, Esc, ...).
    if (e->key() == Qt::Key_Space)
        e->accept();
    else
        e->ignore();
}

void KelButton::keyReleaseEvent(QKeyEvent *e) {
    if (e->isAutoRepeat()) {
        e->accept();
        return;
    }
    qint16 code = keyCode(e);
    qint16 shift = shiftCode(e->modifiers());
    emit KeyUp(code, shift);
    if (code == 32 && m_pressKey == 32) {
        if (m_checkBox) m_value = !m_value;
        DrawButton(Up, false);
        showNow();
        emit Click();
    }
    if (e->key() == Qt::Key_Space)
        e->accept();
    else
        e->ignore();
}

void KelButton::focusInEvent(QFocusEvent *) {
    m_hasFocus = true;
    redrawLast();
}

void KelButton::focusOutEvent(QFocusEvent *) {
    m_hasFocus = false;
    redrawLast();
}

void KelButton::showEvent(QShowEvent *) {
    if (m_buttonType == SeeThrough) {
        if (m_capture.isNull() && m_w > 0 && m_h > 0) {
            m_capture = QImage(m_surface.size(), QImage::Format_RGB32);
            m_capture.setDevicePixelRatio(m_scale);
            m_capture.fill(Qt::black);
        }
        CaptureBackground();
    }
    m_isShown = true;
    ApplyColorScheme();
    DrawButton(Up, true);
}

void KelButton::hideEvent(QHideEvent *) {
    m_isShown = false;
}

void KelButton::resizeEvent(QResizeEvent *) {
    ResizeHandling();
}

bool KelButton::event(QEvent *e) {
    if (e->type() == QEvent::FontChange && !m_isCapturing) LayoutCaption();
    // The colours of its window changed (night colours on or off): drawn
    // again in the colours that follow from them.
    if (e->type() == QEvent::PaletteChange && !m_isCapturing) {
        ApplyColorScheme();
        redrawLast();
    }
    // A pointer of the button's own is given again as the pointer comes in
    // (a desktop may have put its own in place while a tooltip showed) and
    // when the button moves to a screen of another scale.
    if ((e->type() == QEvent::Enter || e->type() == QEvent::ScreenChangeInternal) &&
        m_mousePointer == 99)
        applyPointer();
    if (e->type() == QEvent::Enter) m_pointer = static_cast<QEnterEvent *>(e)->position().toPoint();
    const bool result = QWidget::event(e);
    // The pointer went to another widget, a window over this one, or away.
    if (e->type() == QEvent::Leave) {
        m_pointer = QPoint(-1, -1);
        OverTimerTick();
    }
    return result;
}

bool KelButton::IsMouseOver() const {
    const QPoint local = m_pointer;
    return rect().contains(local) && (mask().isEmpty() || mask().contains(local)) &&
           !childAt(local);
}

void KelButton::OverTimerTick() {
    if (!m_overTracking || IsMouseOver()) return;
    m_overTracking = false;
    m_isHover = false;
    DrawButton(Up, true);
    emit MouseOut();
}

void KelButton::showNow() {
    repaint();
}
