// The baseline of the desktop benchmarks: a plain Qt window with a label and a
// button, started, shown and left alone, as the game's first window is.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("Plain window"));
    auto *layout = new QVBoxLayout(&w);
    layout->addWidget(new QLabel(QStringLiteral("A plain window with a label and a button.")));
    layout->addWidget(new QPushButton(QStringLiteral("A button")));
    w.resize(400, 300);
    w.show();
    return app.exec();
}
