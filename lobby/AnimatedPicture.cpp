#include "AnimatedPicture.h"

#include "Artwork.h"

#include <QPainter>

AnimatedPicture::AnimatedPicture(const QString &framePattern, int frames, int frameMs,
                                 QWidget *parent)
    : QWidget(parent) {
    for (int i = 0; i < frames; ++i)
        m_frames << artwork::pixmap(framePattern.arg(i), devicePixelRatioF());
    m_timer.setInterval(frameMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_frames.isEmpty()) return;
        m_current = (m_current + 1) % int(m_frames.size());
        update();
    });
}

void AnimatedPicture::paintEvent(QPaintEvent *) {
    if (m_frames.isEmpty()) return;
    QPainter p(this);
    const QPixmap &f = m_frames[m_current];
    const QSize size = f.deviceIndependentSize().toSize();
    p.drawPixmap((width() - size.width()) / 2, (height() - size.height()) / 2, f);
}

void AnimatedPicture::showEvent(QShowEvent *) {
    m_timer.start();
}

void AnimatedPicture::hideEvent(QHideEvent *) {
    m_timer.stop();
}
