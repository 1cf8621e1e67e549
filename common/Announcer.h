#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

// Says a sentence to a screen reader, where the player is, without drawing
// anything: an empty, see-through notification in a window, which is shown
// anew with each sentence. A screen reader speaks a notification when it
// shows, whatever has the focus; changes of a control's name or description
// do not reach every screen reader.
//
// A screen reader reads a notification's words when it comes to the news of
// its showing, which on a busy machine can be after the next sentence: so
// each sentence has a notification of its own, taken in turn from a few, and
// keeps its words until its turn comes round again.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget *window);
    void say(const QString &text);
    const QString &said() const { return m_text; }
    // The words of this notification, as a screen reader reads them.
    const QString &words() const { return m_words; }

    // How many sentences may wait to be read before the first is re-used.
    static constexpr int Voices = 8;

private:
    QString m_text, m_words;
    QList<QPointer<Announcer>> m_voices; // made as they are first needed
    int m_next = 0;
    struct Voice {};
    Announcer(QWidget *window, Voice);
    void sayNow(const QString &text);
};
