#pragma once

#include <QList>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

// A looping picture animation that runs only while it is shown.
class AnimatedPicture : public QWidget {
    Q_OBJECT
public:
    AnimatedPicture(const QString &framePattern, int frames, int frameMs,
                    QWidget *parent = nullptr);
    int frameCount() const { return int(m_frames.size()); }
    int currentFrame() const { return m_current; }
    const QPixmap &frame(int i) const { return m_frames[i]; }
    bool running() const { return m_timer.isActive(); }

protected:
    void paintEvent(QPaintEvent *) override;
    void showEvent(QShowEvent *) override;
    void hideEvent(QHideEvent *) override;

private:
    QList<QPixmap> m_frames;
    int m_current = 0;
    QTimer m_timer;
};
