#pragma once

#include <QString>
#include <QWidget>

// Says a sentence to a screen reader, where the player is, without drawing
// anything: an empty, see-through notification in a window, which is shown
// anew with each sentence. A screen reader speaks a notification when it
// shows, whatever has the focus; changes of a control's name or description
// do not reach every screen reader.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget *window);
    void say(const QString &text);
    const QString &said() const { return m_text; }

private:
    QString m_text;
};
