#pragma once

#include <QList>
#include <QPixmap>
#include <QWidget>

// A looping picture animation that runs only while it is shown. Every
// animation of the program is driven by one clock, which wakes only when a
// frame is due, and a picture that cannot be seen (its window minimised or
// covered by another of the game's windows) does not draw. Frames are read
// when first shown.
class AnimatedPicture : public QWidget {
    Q_OBJECT
public:
    AnimatedPicture(const QString &framePattern, int frames, int frameMs,
                    QWidget *parent = nullptr);
    ~AnimatedPicture() override;
    int frameCount() const { return m_count; }
    int currentFrame() const { return m_current; }
    const QPixmap &frame(int i) const;
    // Shown, and so on the clock unless held.
    bool running() const { return m_running; }
    // A held picture stands still on its frame, off the clock (a paused
    // game, a window in the background).
    void setHeld(bool held);
    bool held() const { return m_held; }
    // Whether a player could see it now.
    bool seen() const;
    // The next frame, when it is due by `nowMs`; for the clock.
    void advance(qint64 nowMs);
    qint64 dueMs() const { return m_due; }

protected:
    void paintEvent(QPaintEvent *) override;
    void showEvent(QShowEvent *) override;
    void hideEvent(QHideEvent *) override;
    // The frames are drawn anew from the artwork for a screen of another scale.
    bool event(QEvent *e) override;

private:
    QString m_pattern;
    int m_count;
    int m_interval;
    mutable QList<QPixmap> m_frames; // null until first needed
    int m_current = 0;
    bool m_running = false;
    bool m_held = false;
    qint64 m_due = 0;
};
