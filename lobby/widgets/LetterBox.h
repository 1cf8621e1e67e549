#pragma once

#include <QKeySequence>
#include <QLineEdit>
#include <QList>

// One of the solve panel's two one-letter boxes; it tells the window when the
// focus enters it and which key was released in it.
class LetterBox : public QLineEdit {
    Q_OBJECT
public:
    explicit LetterBox(int index, QWidget *parent = nullptr);
    int index() const { return m_index; }
    // Keys the window answers wherever its focus is: the box lets them pass
    // rather than take them for its own typing (Ctrl+Z, say). Not owned.
    void setWindowKeys(const QList<QKeySequence> *keys) { m_windowKeys = keys; }

signals:
    void gotFocus(int index);
    // The released key's platform code (65-90 letters, 32 space, 190 full stop, ...).
    void keyUp(int index, int keyCode);

protected:
    bool event(QEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;

private:
    int m_index;
    // The keys pressed while the box had the focus: only their release is a
    // key-up of the box's own (not that of a key that opened the panel, or
    // of a shortcut).
    QList<int> m_pressed;
    const QList<QKeySequence> *m_windowKeys = nullptr;
};
