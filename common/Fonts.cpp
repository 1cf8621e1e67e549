#include "Fonts.h"

#include <QFont>
#include <QStringList>

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
}

QFont FixedsysFont(int points) {
    QFont f(QStringLiteral("Fixedsys"), points);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    return f;
}
