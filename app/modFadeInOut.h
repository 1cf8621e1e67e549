#pragma once

#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QTimer>
#include <functional>

class QWidget;

// Window opacity behind one small interface, so the platform check and every
// applied value can be replaced in tests.
class OpacityControl {
public:
    virtual ~OpacityControl() = default;
    // Whether the desktop can show a window with an opacity at all.
    virtual bool available(QWidget *window) = 0;
    // Sets the opacity, 0 (invisible) to 255 (opaque); false when it failed.
    virtual bool apply(QWidget *window, int alpha) = 0;
};

namespace modFadeInOut {

// Fading is in force for this run; every decision whether to fade reads it.
extern bool FadeEnabled;

OpacityControl &opacity();
// Installs `c` (not owned); nullptr restores the real one.
void setOpacityControl(OpacityControl *c);

// Prepares `window` for fading and sets its opacity. Without `force`, nothing
// happens unless the player switched fading on. True when the window now
// shows that opacity.
bool SetFormAlpha(QWidget *window, int alpha, bool force);

} // namespace modFadeInOut

// The fade machine every fading window carries; the window supplies only what
// happens when a closing fade ends.
class FadeMachine : public QObject {
    Q_OBJECT
public:
    // One step per tick at about the pace of a classic desktop's fastest timer.
    static constexpr int TickMs = 15;

    FadeMachine(QWidget *window, std::function<void()> endAction);

    void StartFade(int from, int to, int step, bool unloadAtEnd);
    // Keeps processing events until the running fade has ended.
    void WaitForFade();
    bool isFading() const { return timerFadeInOut.isActive(); }
    int currentAlpha() const { return m_currentAlpha; }

    void timerFadeInOut_Timer();

    QTimer timerFadeInOut;

private:
    void keepLookWhileDisabled();
    void restoreLook();

    QWidget *m_window;
    QPalette m_ownPalette;
    bool m_hadOwnPalette = false;
    bool m_lookKept = false;
    std::function<void()> m_endAction;
    QPointer<QWidget> m_focus; // what held the focus when the fade began
    int m_fadeFrom = 0, m_fadeTo = 0, m_fadeStep = 0;
    bool m_fadeUnloadAtEnd = false;
    bool m_fadeFirstTick = false;
    qint16 m_currentAlpha = 0;
};
