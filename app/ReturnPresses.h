#pragma once

#include <QObject>
#include <QPointer>

class KelButton;
class QWidget;

// Return (or Enter) presses the button that has the focus, as on every
// desktop: a button answers Space itself, and no window of the game gives
// Return a meaning of its own where a button has the focus. Where the focus
// is on a control that gives Return none either (a check box), Return
// presses the window's own button for it, if it has one (Continue on the
// welcome screen). A player who goes by keys alone (Tab, then Return) is not
// stuck on the first page.
class ReturnPresses : public QObject {
public:
    explicit ReturnPresses(QWidget *window);
    void setWindowButton(KelButton *button) { m_windowButton = button; }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    QPointer<KelButton> m_windowButton;
};
