#include "DesignedWindow.h"

#include "Announcer.h"
#include "X11.h"

#include "ReturnPresses.h"
#include "WindowSize.h"

#include "AppInfo.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QTimer>

using modFadeInOut::FadeEnabled;

namespace {

// A designed window as a screen reader meets it: a frame, or a dialog while
// it is modal, named by its caption without the design's leading blank (the
// title page, which has none, by the program's name).
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::Window) {}
    QAccessible::Role role() const override {
        return widget()->windowModality() != Qt::NonModal ? QAccessible::Dialog
                                                          : QAccessible::Window;
    }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
        const QString title = widget()->windowTitle().trimmed();
        return title.isEmpty() ? AppInfo::Title : title;
    }
};

QAccessibleInterface *windowFactory(const QString &, QObject *object) {
    if (auto *w = qobject_cast<DesignedWindow *>(object)) return new WindowAccessible(w);
    return nullptr;
}

} // namespace

DesignedWindow::DesignedWindow(const QString &design, Frame frame, std::function<void()> endAction,
                               QWidget *parent)
    : QWidget(parent, Qt::Window), fade(this, [this] { m_end(); }),
      m_end(endAction ? std::move(endAction) : std::function<void()>([this] { close(); })) {
    setAttribute(Qt::WA_DeleteOnClose);
    QAccessible::installFactory(windowFactory); // Qt keeps one of each
    m_returnPresses = new ReturnPresses(this);
    if (frame == Frame::Own) {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        m_ownFrame = true;
        x11::prepareUndecorated();
        RefuseEnlarging(this);
    } else {
        MakeFixedWindow(this, frame == Frame::Minimisable);
    }
    QString error;
    if (!WindowDesign::load(QStringLiteral(":/design/%1.kel").arg(design), m_design, &error))
        qWarning("%s design: %s", qPrintable(design), qPrintable(error));
    // The captions in the player's language (tools/gather-texts.py gathers
    // them for the translators, by the design's window name, their line
    // breaks as plain line ends).
    const QByteArray context = m_design.window.toUtf8();
    for (DesignedButton &b : m_design.buttons) {
        QString caption = b.bag.read(QStringLiteral("TX"), QString()).toString();
        if (caption.trimmed().isEmpty()) continue;
        caption.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        b.bag.write(QStringLiteral("TX"), PropertyBag::Type::String,
                    KelButton::CaptionLines(QCoreApplication::translate(
                        context.constData(), caption.toUtf8().constData())));
    }
}

KelButton *DesignedWindow::designed(const QString &name, QWidget *parent) {
    return KelButton::fromDesign(m_design, name, parent ? parent : this);
}

void DesignedWindow::setReturnButton(KelButton *button) {
    m_returnPresses->setWindowButton(button);
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

void DesignedWindow::moveEvent(QMoveEvent *e) {
    QWidget::moveEvent(e);
    x11::keepFixedSizeHints(this);
}

void DesignedWindow::resizeEvent(QResizeEvent *e) {
    QWidget::resizeEvent(e);
    x11::keepFixedSizeHints(this);
}

void DesignedWindow::setVisible(bool visible) {
    QWidget::setVisible(visible);
    // A window that draws its own frame gets none from the desktop, even
    // from one that frames every normal window whatever it asks.
    if (visible && m_ownFrame) x11::markUndecorated(this);
    if (visible && !m_ownFrame) x11::markOwned(this);
    if (visible) x11::keepFixedSizeHints(this);
}

namespace {

// Says a window's text once it is the active window: a screen reader hears
// only the window the player is in.
class SayWhenActive : public QObject {
public:
    SayWhenActive(QWidget *window, const QString &text)
        : QObject(window), m_announcer(new Announcer(window)), m_text(text) {
        if (window->isActiveWindow())
            sayLater();
        else
            window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override {
        if (e->type() == QEvent::WindowActivate) {
            watched->removeEventFilter(this);
            sayLater();
        }
        return false;
    }

private:
    // After the screen reader has told the window and its focus.
    void sayLater() {
        QTimer::singleShot(600, m_announcer, [a = m_announcer, t = m_text] { a->say(t); });
    }
    Announcer *m_announcer;
    QString m_text;
};

} // namespace

void DesignedWindow::SayOnOpening(const QString &text) {
    new SayWhenActive(this, text);
}
