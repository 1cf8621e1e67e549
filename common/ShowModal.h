#pragma once

#include <QEventLoop>
#include <QPointer>
#include <QWidget>

// Shows `window` modally over the whole program and returns once it has
// closed and is gone (it is expected to delete itself on close).
inline void ShowModal(QWidget *window) {
    QPointer<QWidget> guard(window);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (guard) loop.exec();
}
