#pragma once

#include "Focus.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

// Disables a window and shows the busy pointer for as long as it lives, so a
// long operation always gives the window back, whatever path it leaves by.
class BusyWindow {
public:
    explicit BusyWindow(QWidget *window) : m_window(window) {
        if (m_window) m_focus = m_window->focusWidget();
        if (m_window) m_window->setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyWindow() {
        QApplication::restoreOverrideCursor();
        if (m_window) m_window->setEnabled(true);
        if (m_window) RestoreFocus(m_window, m_focus);
    }
    BusyWindow(const BusyWindow &) = delete;
    BusyWindow &operator=(const BusyWindow &) = delete;

private:
    QWidget *m_window;
    QPointer<QWidget> m_focus;
};
