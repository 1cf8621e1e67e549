#pragma once

#include "WindowSize.h"

#include <QEventLoop>
#include <QPointer>
#include <QWidget>

// Shows `window` modally over the whole program, owned by and centred over
// the window `over` belongs to, and returns once it has closed and is gone (it is
// expected to delete itself on close).
inline void ShowModal(QWidget *window, const QWidget *over = nullptr) {
    QPointer<QWidget> guard(window);
    window->setWindowModality(Qt::ApplicationModal);
    SetOwner(window, over);
    ShowCentredOver(window, over);
    window->show();
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (guard) loop.exec();
}
