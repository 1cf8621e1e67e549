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
    QString details; // shown under "Show Details..." when not empty
    // A check box under the text ("Don't ask again") when not empty; where
    // its state is told when the box closes.
    QString checkBox;
    bool *checked = nullptr;
};

struct Input {
    QString title;
    QString prompt;
    QString initial;
};

// A file dialog: its title, the folder it opens at, its filter ("Text files
// (*.txt);;All files (*)") and, when saving, the name it suggests.
struct FileRequest {
    QString title;
    QString folder;
    QString filter;
    QString suggestedName;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer message(QWidget *parent, const Message &m) = 0;
    // The entered text, or nothing when the user cancelled.
    virtual std::optional<QString> input(QWidget *parent, const Input &in) = 0;
    // The files chosen to open; none when the user cancelled.
    virtual QStringList openFiles(QWidget *parent, const FileRequest &r) = 0;
    // The file chosen to save to; empty when the user cancelled.
    virtual QString saveFile(QWidget *parent, const FileRequest &r) = 0;
};

// The dialogs in force; the real message boxes unless a test installed others.
Dialogs &current();
// Installs `d` (not owned); nullptr restores the real message boxes.
void install(Dialogs *d);

Answer message(QWidget *parent, const QString &title, const QString &text, Icon icon,
               Buttons buttons = Buttons::Ok, Answer defaultAnswer = Answer::Ok);
std::optional<QString> input(QWidget *parent, const QString &title, const QString &prompt,
                             const QString &initial = {});
// A message with details the player can unfold.
Answer message(QWidget *parent, const Message &m);
QStringList openFiles(QWidget *parent, const FileRequest &r);
QString saveFile(QWidget *parent, const FileRequest &r);

} // namespace dialogs
