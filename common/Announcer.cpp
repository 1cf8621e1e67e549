#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer *a) : QAccessibleWidget(a, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name || t == QAccessible::Description)
            return static_cast<const Announcer *>(widget())->said();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *announcerFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("Announcer") && object && object->isWidgetType())
        return new AnnouncerAccessible(static_cast<Announcer *>(object));
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *window) : QWidget(window) {
    QAccessible::installFactory(announcerFactory); // Qt keeps one of each
    setObjectName(QStringLiteral("announcer"));
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
    // Shown anew: a screen reader speaks a notification as it shows.
    hide();
    show();
}
