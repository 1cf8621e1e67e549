#include "KelButtonAccessible.h"

#include "KelButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTimer>

namespace {

QAccessibleInterface *kelButtonFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("KelButton") && object && object->isWidgetType())
        if (auto *b = qobject_cast<KelButton *>(object)) return new KelButtonAccessible(b);
    return nullptr;
}

} // namespace

KelButtonAccessible::KelButtonAccessible(KelButton *button)
    : QAccessibleWidget(button, QAccessible::Button) {}

KelButton *KelButtonAccessible::button() const {
    return static_cast<KelButton *>(widget());
}

void KelButtonAccessible::install() {
    QAccessible::installFactory(kelButtonFactory); // Qt keeps one of each
}

QString KelButtonAccessible::spoken(const QString &caption) {
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (c == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) out += caption[++i];
            continue;
        }
        out += c == QLatin1Char('\r') || c == QLatin1Char('\n') ? QChar(QLatin1Char(' ')) : c;
    }
    return out.simplified();
}

QAccessible::Role KelButtonAccessible::role() const {
    return button()->CheckBoxBehaviour() ? QAccessible::CheckBox : QAccessible::Button;
}

QString KelButtonAccessible::text(QAccessible::Text t) const {
    const KelButton *b = button();
    switch (t) {
    case QAccessible::Name:
        if (!b->accessibleName().isEmpty()) return b->accessibleName();
        return spoken(b->Caption());
    case QAccessible::Description:
        if (!b->accessibleDescription().isEmpty()) return b->accessibleDescription();
        return b->toolTip().trimmed();
    case QAccessible::Accelerator: {
        const QKeySequence key = QKeySequence::mnemonic(b->Caption());
        return key.isEmpty() ? QString() : key.toString(QKeySequence::NativeText);
    }
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State KelButtonAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    const KelButton *b = button();
    s.disabled = !b->Enabled() || !b->isEnabled();
    s.focusable = b->focusPolicy() != Qt::NoFocus;
    s.focused = b->hasFocus();
    if (b->CheckBoxBehaviour()) {
        s.checkable = true;
        s.checked = b->Value();
    }
    s.defaultButton = b->isDefault();
    return s;
}

QStringList KelButtonAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    names.prepend(button()->CheckBoxBehaviour() ? toggleAction() : pressAction());
    return names;
}

void KelButtonAccessible::doAction(const QString &actionName) {
    if (actionName != pressAction() && actionName != toggleAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    KelButton *b = button();
    if (!b->Enabled() || !b->isEnabled()) return;
    // As Space does: the design's key events and the click, in their order.
    // Once the screen reader has its answer: a click may open a window that
    // waits for the player.
    QTimer::singleShot(0, b, [b] {
        if (!b->Enabled() || !b->isEnabled()) return;
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(b, &down);
        QApplication::sendEvent(b, &up);
    });
}

QStringList KelButtonAccessible::keyBindingsForAction(const QString &actionName) const {
    if (actionName == pressAction() || actionName == toggleAction()) {
        // The access key only: a screen reader reads what it is given, and
        // "Space" after every button's name says nothing a player needs.
        const QString key = text(QAccessible::Accelerator);
        return key.isEmpty() ? QStringList() : QStringList{key};
    }
    return QAccessibleWidget::keyBindingsForAction(actionName);
}
