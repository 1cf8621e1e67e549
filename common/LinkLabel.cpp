#include "LinkLabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel *label) : QAccessibleWidget(label, QAccessible::Link) {}
    QString text(QAccessible::Text t) const override {
        const auto *l = static_cast<const QLabel *>(widget());
        if (t == QAccessible::Name)
            return l->accessibleName().isEmpty() ? l->text() : l->accessibleName();
        if (t == QAccessible::Description)
            return l->accessibleDescription().isEmpty() ? l->toolTip().trimmed()
                                                        : l->accessibleDescription();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override {
        if (name == pressAction())
            emit static_cast<LinkLabel *>(widget())->activated();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface *linkLabelFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("LinkLabel"))
        if (auto *l = qobject_cast<LinkLabel *>(object)) return new LinkAccessible(l);
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent) {
    QAccessible::installFactory(linkLabelFactory); // Qt keeps one of each
    // Reached with Tab, never taken by a click: the page looks as designed.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
        emit activated();
        return;
    }
    QLabel::mouseReleaseEvent(e);
}

void LinkLabel::keyPressEvent(QKeyEvent *e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) {
        emit activated();
        return;
    }
    QLabel::keyPressEvent(e);
}
