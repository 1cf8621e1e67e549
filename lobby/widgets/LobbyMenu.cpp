#include "LobbyMenu.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace {

QString withoutMnemonic(QString text) {
    // "&Show" is "Show"; "&&" is one "&"; what follows a tab is the key.
    text = text.section(QLatin1Char('\t'), 0, 0);
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

class MenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuItem(QMenu *menu, QAction *action) : m_menu(menu), m_action(action) {}

    bool isValid() const override { return m_menu && m_action; }
    QObject *object() const override { return m_action; }
    QWindow *window() const override { return m_menu ? m_menu->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override {
        return QAccessible::queryAccessibleInterface(m_menu);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::Role role() const override {
        if (!isValid()) return QAccessible::NoRole;
        if (m_action->isSeparator()) return QAccessible::Separator;
        return m_action->isCheckable() ? QAccessible::CheckBox : QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) return s;
        s.invisible = !m_menu->isVisible() || !m_action->isVisible();
        s.disabled = !m_action->isEnabled();
        s.focusable = !m_action->isSeparator();
        s.focused = s.selected = m_menu->activeAction() == m_action;
        s.checkable = m_action->isCheckable();
        s.checked = m_action->isChecked();
        return s;
    }
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = m_menu->actionGeometry(m_action);
        return QRect(m_menu->mapToGlobal(r.topLeft()), r.size());
    }
    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return withoutMnemonic(m_action->text());
        if (t == QAccessible::Accelerator) return m_action->text().section(QLatin1Char('\t'), 1, 1);
        return {};
    }
    void *interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                 : nullptr;
    }

    QStringList actionNames() const override {
        if (!isValid() || !m_action->isEnabled() || m_action->isSeparator()) return {};
        return {m_action->isCheckable() ? toggleAction() : pressAction()};
    }
    void doAction(const QString &name) override {
        if (actionNames().contains(name)) m_action->trigger();
    }
    // As a screen reader reads a menu item's keys: its mnemonic, its path
    // of keys and its own key, the last said with the item ("Explain a
    // Step, F2").
    QStringList keyBindingsForAction(const QString &) const override {
        const QString key =
            isValid() ? m_action->text().section(QLatin1Char('\t'), 1, 1) : QString();
        if (key.isEmpty()) return {};
        return {QStringLiteral(";;") + key};
    }

private:
    QPointer<QMenu> m_menu;
    QPointer<QAction> m_action;
};

// The menu, its items as above, at the places Qt tells their focus by.
class Menu : public QAccessibleWidget {
public:
    explicit Menu(QMenu *menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}
    ~Menu() override {
        for (QAccessible::Id id : std::as_const(m_items))
            QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return int(menu()->actions().size()); }
    QAccessibleInterface *child(int index) const override {
        const QList<QAction *> actions = menu()->actions();
        if (index < 0 || index >= actions.size()) return nullptr;
        QAction *a = actions[index];
        if (auto it = m_items.constFind(a); it != m_items.cend())
            if (QAccessibleInterface *known = QAccessible::accessibleInterface(*it);
                known && known->isValid())
                return known;
        auto *item = new MenuItem(menu(), a);
        m_items.insert(a, QAccessible::registerAccessibleInterface(item));
        return item;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        return child ? int(menu()->actions().indexOf(qobject_cast<QAction *>(child->object())))
                     : -1;
    }
    QAccessibleInterface *focusChild() const override {
        return child(int(menu()->actions().indexOf(menu()->activeAction())));
    }
    QAccessibleInterface *childAt(int x, int y) const override {
        QAction *a = menu()->actionAt(menu()->mapFromGlobal(QPoint(x, y)));
        return a ? child(int(menu()->actions().indexOf(a))) : nullptr;
    }

private:
    QMenu *menu() const { return static_cast<QMenu *>(widget()); }
    mutable QHash<QAction *, QAccessible::Id> m_items;
};

QAccessibleInterface *menuFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("LobbyMenu") && object && object->isWidgetType())
        return new Menu(static_cast<QMenu *>(object));
    return nullptr;
}

} // namespace

LobbyMenu::LobbyMenu(QWidget *parent) : QMenu(parent) {
    static const bool installed = (QAccessible::installFactory(menuFactory), true);
    Q_UNUSED(installed)
}
