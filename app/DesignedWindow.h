#pragma once

#include "KelButton.h"
#include "modFadeInOut.h"

#include <QWidget>
#include <functional>

// What every designed window of the game does alike: its design loaded from
// the program's resources, a fixed size that no desktop can enlarge, its fade
// machine, its first-activation work run once when it is on screen, and its
// end by a fade or at once. A window that closes itself is discarded.
class DesignedWindow : public QWidget {
    Q_OBJECT
public:
    // How the window is framed: a caption with a close box (and a minimise
    // box), or no frame of the desktop's at all.
    enum class Frame { Captioned, Minimisable, Own };

    // The window's one-time work on its first activation.
    virtual void Form_Activate() = 0;
    bool activated() const { return m_activated; }

    FadeMachine fade;

protected:
    // `design` names ":/design/<design>.kel"; a fade that closes the window
    // ends with `endAction`, by default closing it.
    DesignedWindow(const QString &design, Frame frame, std::function<void()> endAction = {},
                   QWidget *parent = nullptr);

    // A button as the design has it.
    KelButton *designed(const QString &name, QWidget *parent = nullptr);
    // The button Return presses where the focus is on a control that gives
    // Return no meaning (a check box); Return always presses a focused button.
    void setReturnButton(KelButton *button);
    // True the first time only: the activation's work is done from then on.
    bool beginActivation();
    // Fades in from invisible when fading is in force.
    void FadeInIfEnabled();
    // Fades out and ends (the end action) when fading is in force; else ends at once.
    void FadeOutOrEnd(int step = 20);
    void showEvent(QShowEvent *e) override;
    // Qt asks the desktop anew at each change of place or size.
    void moveEvent(QMoveEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void setVisible(bool visible) override;
    // Says what the window shows to a screen reader, once it has told the
    // window and its focus: a window read as it opens.
    void SayOnOpening(const QString &text);

private:
    WindowDesign m_design;
    std::function<void()> m_end;
    bool m_activated = false;
    bool m_ownFrame = false;
    class ReturnPresses *m_returnPresses = nullptr;
};
