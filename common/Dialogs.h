#pragma once

#include <QString>
#include <optional>

class QWidget;

// Every message box and input box of the program goes through here, so the
// windows stay testable: a test installs a scripted Dialogs that records each
// request and answers it.
namespace dialogs {

enum class Icon { None, Information, Exclamation, Critical, Question };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct Message {
    QString title;
    QString text;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    Answer defaultAnswer = Answer::Ok;
};

struct Input {
    QString title;
    QString prompt;
    QString initial;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer message(QWidget *parent, const Message &m) = 0;
    // The entered text, or nothing when the user cancelled.
    virtual std::optional<QString> input(QWidget *parent, const Input &in) = 0;
};

// The dialogs in force; the real message boxes unless a test installed others.
Dialogs &current();
// Installs `d` (not owned); nullptr restores the real message boxes.
void install(Dialogs *d);

Answer message(QWidget *parent, const QString &title, const QString &text, Icon icon,
               Buttons buttons = Buttons::Ok, Answer defaultAnswer = Answer::Ok);
std::optional<QString> input(QWidget *parent, const QString &title, const QString &prompt,
                             const QString &initial = {});

} // namespace dialogs
