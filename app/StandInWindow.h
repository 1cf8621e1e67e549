#pragma once

#include <QWidget>

// Stand-in first window while the lobby and the title page are being built;
// the lobby replaces it.
class StandInWindow : public QWidget {
    Q_OBJECT
public:
    explicit StandInWindow(QWidget *parent = nullptr);
};
