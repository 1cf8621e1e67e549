#pragma once

#include "Dialogs.h"

#include <QCursor>
#include <QGuiApplication>
#include <QList>
#include <functional>

// Answers message and input boxes by script and records what was asked.
class ScriptedDialogs final : public dialogs::Dialogs {
public:
    ScriptedDialogs() { dialogs::install(this); }
    ~ScriptedDialogs() override { dialogs::install(nullptr); }

    QList<dialogs::Message> messages;
    QList<dialogs::Input> inputs;
    QList<dialogs::Answer> answers;        // taken in order; default answer when empty
    QList<std::optional<QString>> entries; // input answers; cancel when empty
    std::function<void()> whileShown;      // runs inside each message, as if it were on screen
    QList<Qt::CursorShape> pointers;       // the pointer each message was shown with
    QList<dialogs::FileRequest> fileRequests;
    QList<QStringList> filesToOpen; // answers to file dialogs; cancel when empty
    QStringList filesToSave;

    dialogs::Answer message(QWidget *, const dialogs::Message &m) override {
        messages.append(m);
        const QCursor *over = QGuiApplication::overrideCursor();
        pointers.append(over ? over->shape() : Qt::ArrowCursor);
        if (whileShown) whileShown();
        return answers.isEmpty() ? m.defaultAnswer : answers.takeFirst();
    }
    std::optional<QString> input(QWidget *, const dialogs::Input &in) override {
        inputs.append(in);
        return entries.isEmpty() ? std::nullopt : entries.takeFirst();
    }
    QStringList openFiles(QWidget *, const dialogs::FileRequest &r) override {
        fileRequests.append(r);
        return filesToOpen.isEmpty() ? QStringList() : filesToOpen.takeFirst();
    }
    QString saveFile(QWidget *, const dialogs::FileRequest &r) override {
        fileRequests.append(r);
        return filesToSave.isEmpty() ? QString() : filesToSave.takeFirst();
    }
};
