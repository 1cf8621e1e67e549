// The quote boxes to a screen reader: Qt's own reading of a text box, but for
// the dot that stands for a letter not placed yet, which is read as a blank
// (a screen reader would say "middle dot" each time), and a pencil letter,
// read as a blank too (its description tells it). One character for one,
// so every place a screen reader is told of stays where it is.
#include "QuoteTextBox.h"

#include <QAccessibleWidget>
#include <QScrollBar>
#include <QTextBlock>

namespace {

class QuoteBox : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit QuoteBox(QuoteTextBox *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    QuoteTextBox *box() const { return static_cast<QuoteTextBox *>(widget()); }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.multiLine = true;
        s.readOnly = box()->isReadOnly();
        s.editable = !box()->isReadOnly();
        s.selectableText = true;
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString all() const {
        QString t = box()->document()->toPlainText();
        // A box that is only read shows small letters for pencil letters
        // alone (a quote is in capitals): a guess, read as a letter not
        // placed, and told as pencilled in the box's description.
        if (box()->isReadOnly())
            for (QChar &c : t)
                if (c.isLower()) c = QLatin1Char(' ');
        return t.replace(QChar(0x00B7), QLatin1Char(' '));
    }
    QString text(int start, int end) const override {
        return all().mid(start, qMax(0, end - start));
    }
    int characterCount() const override { return int(all().size()); }

    int cursorPosition() const override { return box()->textCursor().position(); }
    void setCursorPosition(int position) override {
        QTextCursor c = box()->textCursor();
        c.setPosition(qBound(0, position, characterCount()));
        box()->setTextCursor(c);
    }
    void selection(int index, int *start, int *end) const override {
        const QTextCursor c = box()->textCursor();
        *start = *end = 0;
        if (index == 0 && c.hasSelection()) *start = c.selectionStart(), *end = c.selectionEnd();
    }
    int selectionCount() const override { return box()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override {
        QTextCursor c = box()->textCursor();
        c.clearSelection();
        box()->setTextCursor(c);
    }
    void setSelection(int, int start, int end) override {
        QTextCursor c = box()->textCursor();
        c.setPosition(qBound(0, start, characterCount()));
        c.setPosition(qBound(0, end, characterCount()), QTextCursor::KeepAnchor);
        box()->setTextCursor(c);
    }

    QRect characterRect(int offset) const override {
        QTextCursor c(box()->document());
        c.setPosition(qBound(0, offset, characterCount()));
        QRect r = box()->cursorRect(c);
        const QString ch = text(offset, offset + 1);
        r.setWidth(box()->fontMetrics().horizontalAdvance(ch.isEmpty() ? QStringLiteral(" ") : ch));
        return QRect(box()->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint &point) const override {
        return box()->cursorForPosition(box()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int) override {
        setCursorPosition(start);
        box()->ensureCursorVisible();
    }
    QString attributes(int offset, int *start, int *end) const override {
        *start = 0;
        *end = characterCount();
        Q_UNUSED(offset)
        return {};
    }
};

QAccessibleInterface *quoteBoxFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("QuoteTextBox") && object && object->isWidgetType())
        return new QuoteBox(static_cast<QuoteTextBox *>(object));
    return nullptr;
}

} // namespace

void InstallQuoteTextBoxAccessible() {
    static const bool installed = (QAccessible::installFactory(quoteBoxFactory), true);
    Q_UNUSED(installed)
}
