#include "StandInWindow.h"

#include "AppInfo.h"

#include <QLabel>
#include <QVBoxLayout>

StandInWindow::StandInWindow(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" ") + AppInfo::Title);
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(AppInfo::Title + QStringLiteral(" ") + AppInfo::versionString() +
                                 QStringLiteral("\n\nThe game is being built: the Main Lobby opens here soon."),
                             this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    resize(420, 160);
}
