#include "DesignedWindow.h"

#include "WindowSize.h"

#include <QTimer>

using modFadeInOut::FadeEnabled;

DesignedWindow::DesignedWindow(const QString &design, Frame frame, std::function<void()> endAction,
                               QWidget *parent)
    : QWidget(parent, Qt::Window), fade(this, [this] { m_end(); }),
      m_end(endAction ? std::move(endAction) : std::function<void()>([this] { close(); })) {
    setAttribute(Qt::WA_DeleteOnClose);
    if (frame == Frame::Own) {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        RefuseEnlarging(this);
    } else {
        MakeFixedWindow(this, frame == Frame::Minimisable);
    }
    QString error;
    if (!WindowDesign::load(QStringLiteral(":/design/%1.kel").arg(design), m_design, &error))
        qWarning("%s design: %s", qPrintable(design), qPrintable(error));
}

KelButton *DesignedWindow::designed(const QString &name, QWidget *parent) {
    return KelButton::fromDesign(m_design, name, parent ? parent : this);
}

bool DesignedWindow::beginActivation() {
    if (m_activated) return false;
    m_activated = true;
    return true;
}

void DesignedWindow::FadeInIfEnabled() {
    if (FadeEnabled) fade.StartFade(0, 255, 20, false);
}

void DesignedWindow::FadeOutOrEnd(int step) {
    if (FadeEnabled)
        fade.StartFade(255, 0, step, true);
    else
        m_end();
}

void DesignedWindow::showEvent(QShowEvent *e) {
    QWidget::showEvent(e);
    // The first activation runs once the window is on screen.
    if (!m_activated) QTimer::singleShot(0, this, [this] { Form_Activate(); });
}
