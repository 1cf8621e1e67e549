#include "AnimatedPicture.h"

#include <QEvent>

#include "Artwork.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <QWindow>

namespace {

// The one clock of every animation: a single-shot timer set for the next
// frame due, which moves on every picture due within a few milliseconds of
// it, so that frames due close together cost one wakeup.
class Clock : public QObject {
public:
    static Clock &instance() {
        static Clock *c = new Clock(qApp);
        return *c;
    }
    void add(AnimatedPicture *p) {
        if (!m_pictures.contains(p)) m_pictures << p;
        schedule();
    }
    void remove(AnimatedPicture *p) {
        m_pictures.removeAll(p);
        schedule();
    }
    qint64 now() const { return m_since.elapsed(); }

private:
    explicit Clock(QObject *parent) : QObject(parent) {
        m_since.start();
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
    }
    static constexpr qint64 Together = 60;   // ms: frames this close are moved on at once
    static constexpr qint64 LookAgain = 250; // ms: while nothing running can be seen

    void tick() {
        const qint64 t = now();
        for (AnimatedPicture *p : std::as_const(m_pictures))
            if (p->dueMs() <= t + Together) p->advance(t);
        schedule();
    }
    void schedule() {
        if (m_pictures.isEmpty()) {
            m_timer.stop();
            return;
        }
        qint64 next = -1;
        for (AnimatedPicture *p : std::as_const(m_pictures))
            if (p->seen() && (next < 0 || p->dueMs() < next)) next = p->dueMs();
        // Nothing to be seen: look again now and then, without drawing.
        const qint64 wait = next < 0 ? LookAgain : qMax<qint64>(0, next - now());
        m_timer.start(int(wait));
    }

    QList<AnimatedPicture *> m_pictures;
    QTimer m_timer;
    QElapsedTimer m_since;
};

} // namespace

AnimatedPicture::AnimatedPicture(const QString &framePattern, int frames, int frameMs,
                                 QWidget *parent)
    : QWidget(parent), m_pattern(framePattern), m_count(frames), m_interval(frameMs),
      m_frames(frames) {}

AnimatedPicture::~AnimatedPicture() {
    if (m_running) Clock::instance().remove(this);
}

void AnimatedPicture::setHeld(bool held) {
    if (held == m_held) return;
    m_held = held;
    if (!m_running) return; // shown again, it goes on as it stands
    if (held) {
        Clock::instance().remove(this);
    } else {
        m_due = Clock::instance().now() + m_interval;
        Clock::instance().add(this);
    }
}

const QPixmap &AnimatedPicture::frame(int i) const {
    if (m_frames[i].isNull()) m_frames[i] = artwork::pixmap(m_pattern.arg(i), devicePixelRatioF());
    return m_frames[i];
}

bool AnimatedPicture::seen() const {
    if (!m_running || !isVisible()) return false;
    const QWidget *top = window();
    if (top->isMinimized()) return false;
    if (const QWindow *w = top->windowHandle(); w && !w->isExposed()) return false;
    // Another of the game's windows over it (a modal window over its owner)
    // hides it when it covers all of it.
    const QRect mine(mapToGlobal(QPoint(0, 0)), size());
    const QWidget *over = QApplication::activeModalWidget();
    return !(over && over != top && over->isVisible() && over->frameGeometry().contains(mine));
}

void AnimatedPicture::advance(qint64 nowMs) {
    m_due = qMax(m_due + m_interval, nowMs + m_interval / 2);
    if (!seen() || m_count == 0) return;
    m_current = (m_current + 1) % m_count;
    update();
}

void AnimatedPicture::paintEvent(QPaintEvent *) {
    if (m_count == 0) return;
    QPainter p(this);
    const QPixmap &f = frame(m_current);
    const QSize size = f.deviceIndependentSize().toSize();
    p.drawPixmap((width() - size.width()) / 2, (height() - size.height()) / 2, f);
}

bool AnimatedPicture::event(QEvent *e) {
    if (e->type() == QEvent::ScreenChangeInternal) {
        for (QPixmap &frame : m_frames)
            frame = QPixmap();
        update();
    }
    return QWidget::event(e);
}

void AnimatedPicture::showEvent(QShowEvent *) {
    m_running = true;
    if (m_held) return;
    m_due = Clock::instance().now() + m_interval;
    Clock::instance().add(this);
}

void AnimatedPicture::hideEvent(QHideEvent *) {
    m_running = false;
    Clock::instance().remove(this);
}
