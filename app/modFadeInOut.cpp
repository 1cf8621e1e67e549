#include "modFadeInOut.h"

#include "Focus.h"
#include "Settings.h"
#include "X11.h"
#include "modStandard.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

namespace {

class RealOpacity final : public OpacityControl {
public:
    bool available(QWidget *) override {
        // A Wayland window has no opacity a client can set: there, as on the
        // offscreen and minimal platforms, windows do not fade.
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("windows") || platform == QLatin1String("cocoa")) return true;
        if (platform == QLatin1String("xcb")) return x11::compositorRunning();
        return false;
    }
    bool apply(QWidget *window, int alpha) override {
        if (!window) return false;
        window->setWindowOpacity(qBound(0, alpha, 255) / 255.0);
        // Each step goes to the X server at once; left in the queue, several
        // steps would reach the screen as one jump.
        x11::flush();
        return true;
    }
};

RealOpacity realOpacity;
OpacityControl *installed = nullptr;

} // namespace

namespace modFadeInOut {

bool FadeEnabled = false;

OpacityControl &opacity() {
    return installed ? *installed : realOpacity;
}

void setOpacityControl(OpacityControl *c) {
    installed = c;
}

bool SetFormAlpha(QWidget *window, int alpha, bool force) {
    if (!force && !Settings::FadeStatus()) return false;
    OpacityControl &o = opacity();
    if (!o.available(window)) return false;
    return o.apply(window, alpha);
}

} // namespace modFadeInOut

FadeMachine::FadeMachine(QWidget *window, std::function<void()> endAction)
    : QObject(window), m_window(window), m_endAction(std::move(endAction)) {
    timerFadeInOut.setInterval(TickMs);
    timerFadeInOut.setTimerType(Qt::PreciseTimer);
    connect(&timerFadeInOut, &QTimer::timeout, this, &FadeMachine::timerFadeInOut_Timer);
}

void FadeMachine::StartFade(int from, int to, int step, bool unloadAtEnd) {
    m_fadeFrom = from;
    m_fadeTo = to;
    m_fadeStep = step;
    m_fadeUnloadAtEnd = unloadAtEnd;
    m_fadeFirstTick = true;
    timerFadeInOut.start();
}

void FadeMachine::WaitForFade() {
    while (timerFadeInOut.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void FadeMachine::keepLookWhileDisabled() {
    // A disabled window draws its texts grey; while it fades it is disabled
    // only to keep input away, so its disabled colours are its normal ones.
    if (m_lookKept) return;
    m_lookKept = true;
    m_hadOwnPalette = m_window->testAttribute(Qt::WA_SetPalette);
    m_ownPalette = m_window->palette();
    QPalette same = m_ownPalette;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = QPalette::ColorRole(role);
        same.setBrush(QPalette::Disabled, r, m_ownPalette.brush(QPalette::Active, r));
    }
    m_window->setPalette(same);
}

void FadeMachine::restoreLook() {
    if (!m_lookKept) return;
    m_lookKept = false;
    m_window->setPalette(m_hadOwnPalette ? m_ownPalette : QPalette());
}

void FadeMachine::timerFadeInOut_Timer() {
    if (m_fadeFirstTick) {
        m_fadeFirstTick = false;
        m_currentAlpha = qint16(m_fadeFrom);
        keepLookWhileDisabled();
        if (m_window->isEnabled()) m_focus = m_window->focusWidget();
        m_window->setEnabled(false);
    }
    if (m_fadeFrom < m_fadeTo)
        m_currentAlpha = qint16(modStandard::SmallerOf(m_fadeTo, m_currentAlpha + m_fadeStep));
    else
        m_currentAlpha = qint16(modStandard::LargerOf(m_fadeTo, m_currentAlpha - m_fadeStep));
    modFadeInOut::opacity().apply(m_window, m_currentAlpha);
    if (m_currentAlpha == m_fadeTo) {
        timerFadeInOut.stop();
        if (m_fadeUnloadAtEnd) {
            if (m_endAction) m_endAction();
        } else {
            m_window->setEnabled(true);
            restoreLook();
            RestoreFocus(m_window, m_focus);
        }
    }
}
