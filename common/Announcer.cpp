#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer *a) : QAccessibleWidget(a, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name || t == QAccessible::Description)
            return static_cast<const Announcer *>(widget())->words();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *announcerFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("Announcer") && object && object->isWidgetType())
        return new AnnouncerAccessible(static_cast<Announcer *>(object));
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *window) : Announcer(window, Voice{}) {
    setObjectName(QStringLiteral("announcer"));
}

Announcer::Announcer(QWidget *window, Voice) : QWidget(window) {
    QAccessible::installFactory(announcerFactory); // Qt keeps one of each
    setObjectName(QStringLiteral("announcerVoice"));
    // Nothing to see, nothing to click, nothing to take the keys.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::say(const QString &text) {
    if (text.isEmpty()) return;
    m_text = text;
    if (m_voices.size() < Voices && m_next == m_voices.size())
        m_voices << new Announcer(parentWidget(), Voice{});
    QPointer<Announcer> &voice = m_voices[m_next];
    if (!voice) voice = new Announcer(parentWidget(), Voice{});
    m_next = (m_next + 1) % Voices;
    voice->sayNow(text);
}

void Announcer::sayNow(const QString &text) {
    m_words = text;
    // Shown anew: a screen reader speaks a notification as it shows.
    hide();
    show();
}
