#include "Fonts.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace {

// The widget classes a desktop's theme gives fonts of their own.
const char *const ThemedClasses[] = {
    "QMenu",          "QMenuBar",          "QMenuItem",    "QMessageBox", "QLabel",
    "QTipLabel",      "QStatusBar",        "QPushButton",  "QCheckBox",   "QRadioButton",
    "QToolButton",    "QAbstractItemView", "QListView",    "QHeaderView", "QComboMenuItem",
    "QComboLineEdit", "QGroupBox",         "QTabBar",      "QLineEdit",   "QPlainTextEdit",
    "QTextEdit",      "QProgressDialog",   "QInputDialog", "QFileDialog", "QDialog"};

} // namespace

void RegisterFontSubstitutions() {
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Courier"), {QStringLiteral("Liberation Mono"),
                                                           QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Fixedsys"), {QStringLiteral("Liberation Mono"),
                                                            QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("URW Chancery L"),
                                QStringLiteral("DejaVu Sans")});
    // Text that names no face takes the game's own, never the desktop's
    // choice: a desktop whose sans-serif face is another (or whose theme
    // gives menus and messages a face of their own) changes no pixel.
    if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
        const QFont face = DefaultFace();
        QApplication::setFont(face);
        for (const char *name : ThemedClasses)
            QApplication::setFont(face, name);
    }
}

QFont DefaultFace() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(9);
    return f;
}

QFont FixedsysFont(int points) {
    QFont f(QStringLiteral("Fixedsys"), points);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    return f;
}
