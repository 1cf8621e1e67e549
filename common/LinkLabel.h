#pragma once

#include <QLabel>

// A label that opens something when clicked, as the title page's contact
// lines do; it can also be reached with Tab and opened with Return or Space,
// and a screen reader meets it as a link it can press.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);

signals:
    void activated();

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
};
