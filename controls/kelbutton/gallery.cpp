// kelbutton-gallery: every KelButton style and colour scheme in every look,
// side by side. `--snapshot FILE.png` writes the sheet and exits.
#include "KelButton.h"
#include "TilePicture.h"
#include "modStandard.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>

#include <cstdio>

namespace {

constexpr int CellW = 135, CellH = 43, Gap = 12, LabelW = 190, HeaderH = 28;

QPixmap backgroundTile() {
    QImage tile(24, 24, QImage::Format_RGB32);
    tile.fill(QColor(226, 236, 250));
    QPainter p(&tile);
    p.setPen(QColor(196, 214, 240));
    for (int i = -24; i < 24; i += 6)
        p.drawLine(i, 24, i + 24, 0);
    return QPixmap::fromImage(tile);
}

const char *schemeName(int s) {
    switch (s) {
    case KelButton::CustomColors:
        return "custom colours";
    case KelButton::ClassicGrey:
        return "classic grey";
    case KelButton::ContainerColors:
        return "container colours";
    default:
        return "system colours";
    }
}

struct Look {
    const char *name;
    bool hover, focus, enabled;
    quint8 state;
};

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QString snapshot;
    for (int i = 1; i + 1 < argc; ++i)
        if (QString::fromLocal8Bit(argv[i]) == QLatin1String("--snapshot"))
            snapshot = QString::fromLocal8Bit(argv[i + 1]);

    WindowDesign design;
    QString error;
    if (!WindowDesign::load(QStringLiteral(":/design/gallery.kel"), design, &error)) {
        std::fprintf(stderr, "gallery design: %s\n", qPrintable(error));
        return 1;
    }

    const Look looks[] = {{"up", false, false, true, KelButton::Up},
                          {"hovered", true, false, true, KelButton::Up},
                          {"down", false, false, true, KelButton::Down},
                          {"focused", false, true, true, KelButton::Up},
                          {"disabled", false, false, false, KelButton::Up}};
    const int schemes[] = {KelButton::CustomColors, KelButton::ClassicGrey,
                           KelButton::ContainerColors, KelButton::SystemColors};

    QScrollArea view;
    auto *sheetOwner = new QWidget; // the view owns it
    QWidget &sheet = *sheetOwner;
    sheet.setWindowTitle(QStringLiteral("KelButton gallery"));
    modStandard::TilePicture(backgroundTile(), &sheet);
    const int rows = int(design.buttons.size()) * 4;
    sheet.resize(LabelW + 5 * (CellW + Gap) + Gap, HeaderH + rows * (CellH + Gap) + Gap);

    for (int c = 0; c < 5; ++c) {
        auto *h = new QLabel(QString::fromLatin1(looks[c].name), &sheet);
        h->setGeometry(LabelW + c * (CellW + Gap), 6, CellW, HeaderH - 8);
        h->setAlignment(Qt::AlignCenter);
        QFont f = h->font();
        f.setBold(true);
        h->setFont(f);
    }

    QList<QPair<KelButton *, Look>> cells;
    int row = 0;
    for (const auto &d : design.buttons) {
        for (int scheme : schemes) {
            const int y = HeaderH + row * (CellH + Gap);
            auto *label = new QLabel(
                QStringLiteral("%1\n%2").arg(d.name, QLatin1String(schemeName(scheme))), &sheet);
            label->setGeometry(8, y, LabelW - 12, CellH);
            for (int c = 0; c < 5; ++c) {
                auto *b = new KelButton(&sheet);
                b->ReadProperties(d.bag);
                b->setGeometry(LabelW + c * (CellW + Gap), y, CellW, CellH);
                b->setColorScheme(scheme);
                if (!looks[c].enabled) b->setEnabledProperty(false);
                cells.append({b, looks[c]});
            }
            ++row;
        }
    }

    view.setWidget(&sheet);
    view.resize(sheet.width() + 24, qMin(sheet.height() + 4, 900));
    sheet.show();
    view.show();
    QApplication::processEvents();
    for (auto &[b, look] : cells)
        b->DrawLook(look.hover, look.focus, look.state);

    if (!snapshot.isEmpty()) {
        if (!sheet.grab().save(snapshot)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(snapshot));
            return 1;
        }
        return 0;
    }
    return app.exec();
}
