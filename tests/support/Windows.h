#pragma once

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include "Waiting.h"

// Deletes every window a test case left open, so the next one starts alone.
inline void CloseAllWindows() {
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (!w->parentWidget()) windows << w;
    for (const auto &w : windows)
        delete w.data();
}

// Waits until one of the program's windows has been shown and activated.
template <typename W> bool WaitOpened(W *w) {
    return QTest::qWaitFor([w] { return w->activated(); }, WaitLimit);
}

// As WaitOpened, and its fade in has finished too.
template <typename W> bool WaitSettled(W *w) {
    return QTest::qWaitFor([w] { return w->activated() && !w->fade.isFading(); }, WaitLimit);
}
