#include "Dialogs.h"

#include "WindowSize.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QTextEdit>

namespace dialogs {
namespace {

QMessageBox::StandardButton toStandard(Answer a) {
    switch (a) {
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// Centres a box over its owner's client area as it shows, once its size is
// known and before the desktop maps it.
class CentreOnShow : public QObject {
public:
    CentreOnShow(QWidget *box, const QWidget *owner) : QObject(box), m_owner(owner) {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override {
        if (e->type() == QEvent::Show && m_owner)
            ShowCentredOver(static_cast<QWidget *>(watched), m_owner);
        return false;
    }

private:
    QPointer<const QWidget> m_owner;
};

class RealDialogs final : public Dialogs {
public:
    Answer message(QWidget *parent, const Message &m) override {
        QMessageBox box(parent);
        if (parent) new CentreOnShow(&box, parent);
        box.setWindowTitle(m.title);
        box.setText(m.text);
        switch (m.icon) {
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case Icon::None:
            break;
        }
        switch (m.buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        }
        box.setDefaultButton(toStandard(m.defaultAnswer));
        if (!m.details.isEmpty()) {
            box.setDetailedText(m.details);
            // A screen reader's player reaches the details by Tab and reads
            // them line by line.
            if (QAccessible::isActive())
                for (QTextEdit *details : box.findChildren<QTextEdit *>()) {
                    details->setAccessibleName(
                        QCoreApplication::translate("ScreenReader", "Details"));
                    details->setFocusPolicy(Qt::StrongFocus);
                    details->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                                     Qt::TextSelectableByKeyboard);
                }
        }
        QCheckBox *check = nullptr;
        if (!m.checkBox.isEmpty()) {
            check = new QCheckBox(m.checkBox, &box);
            box.setCheckBox(check);
        }
        const int pressed = box.exec();
        if (check && m.checked) *m.checked = check->isChecked();
        switch (pressed) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            break;
        }
        // Closing a Yes/No box from its frame counts as its safe answer.
        if (m.buttons == Buttons::YesNo) return Answer::No;
        if (m.buttons == Buttons::YesNoCancel) return Answer::Cancel;
        return Answer::Ok;
    }

    std::optional<QString> input(QWidget *parent, const Input &in) override {
        QInputDialog box(parent);
        box.setWindowTitle(in.title);
        box.setLabelText(in.prompt);
        box.setTextValue(in.initial);
        // A screen reader reads the line from its caret, which stands after
        // the answer offered: "1" for "10". The answer is told whole.
        (void)box.sizeHint(); // the line made, as it is before the box shows
        if (auto *line = box.findChild<QLineEdit *>(); line && !in.initial.isEmpty())
            line->setAccessibleDescription(
                QCoreApplication::translate("dialogs", "Offered: %1; typing replaces it")
                    .arg(in.initial));
        if (box.exec() != QDialog::Accepted) return std::nullopt;
        return box.textValue();
    }

    QStringList openFiles(QWidget *parent, const FileRequest &r) override {
        return QFileDialog::getOpenFileNames(parent, r.title, r.folder, r.filter);
    }

    QString saveFile(QWidget *parent, const FileRequest &r) override {
        const QString start =
            r.suggestedName.isEmpty() ? r.folder : QDir(r.folder).filePath(r.suggestedName);
        QString kind;
        QString chosen = QFileDialog::getSaveFileName(parent, r.title, start, r.filter, &kind);
        // A name typed without an ending takes the ending of the kind chosen.
        static const QRegularExpression ending(QStringLiteral("\\*(\\.[^ )]+)"));
        if (const auto m = ending.match(kind);
            !chosen.isEmpty() && QFileInfo(chosen).suffix().isEmpty() && m.hasMatch())
            chosen += m.captured(1);
        return chosen;
    }
};

RealDialogs realDialogs;
Dialogs *installed = nullptr;

} // namespace

Dialogs &current() {
    return installed ? *installed : realDialogs;
}

void install(Dialogs *d) {
    installed = d;
}

namespace {

// A question or a message always comes with the normal pointer, even when it
// interrupts a long operation that shows the busy one.
class NormalPointer {
public:
    NormalPointer() : m_busy(QGuiApplication::overrideCursor() != nullptr) {
        if (m_busy) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalPointer() {
        if (m_busy) QGuiApplication::restoreOverrideCursor();
    }
    NormalPointer(const NormalPointer &) = delete;
    NormalPointer &operator=(const NormalPointer &) = delete;

private:
    bool m_busy;
};

} // namespace

Answer message(QWidget *parent, const QString &title, const QString &text, Icon icon,
               Buttons buttons, Answer defaultAnswer) {
    return message(parent, Message{title, text, icon, buttons, defaultAnswer, {}, {}, nullptr});
}

Answer message(QWidget *parent, const Message &m) {
    const NormalPointer pointer;
    return current().message(parent, m);
}

QStringList openFiles(QWidget *parent, const FileRequest &r) {
    const NormalPointer pointer;
    return current().openFiles(parent, r);
}

QString saveFile(QWidget *parent, const FileRequest &r) {
    const NormalPointer pointer;
    return current().saveFile(parent, r);
}

std::optional<QString> input(QWidget *parent, const QString &title, const QString &prompt,
                             const QString &initial) {
    const NormalPointer pointer;
    return current().input(parent, Input{title, prompt, initial});
}

} // namespace dialogs
