#include "KelButton.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QPainter>
#include <QSet>
#include <QTest>

#include <cmath>

namespace {

constexpr quint32 bgr(int r, int g, int b) {
    return quint32(r) | quint32(g) << 8 | quint32(b) << 16;
}

QColor at(const KelButton &b, int x, int y) {
    return QColor(b.surface().pixel(x, y));
}
QColor col(quint32 c) {
    return QColor(KelButton::toRgb(c));
}

// Right and bottom exclusive, as the layout is reasoned about.
QList<int> edges(const QRect &r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// A button whose caption always measures 40 x 15, as in the worked layout.
class MeasuredButton : public KelButton {
public:
    using KelButton::KelButton;
    QSize measureCaption(const QRect &) const override { return {40, 15}; }
};

class DesignHost : public KelButtonHost {
public:
    bool design = true;
    bool isDefault = false;
    bool userMode() const override { return !design; }
    bool displayAsDefault(const KelButton &) const override { return isDefault; }
};

KelPicture solid(int w, int h, QColor c) {
    KelPicture p;
    p.image = QImage(w, h, QImage::Format_RGB32);
    p.image.fill(c);
    return p;
}

// Every event the button raises, in order.
struct Log : QObject {
    QStringList events;
    QList<QPointF> downAt;
    std::function<void(qint16 &)> onKeyDown;
    std::function<void()> onClick;
    explicit Log(KelButton &b) {
        connect(&b, &KelButton::Click, this, [this] {
            events << QStringLiteral("Click");
            if (onClick) onClick();
        });
        connect(&b, &KelButton::MouseDown, this, [this](qint16 &bt, qint16 &, float &x, float &y) {
            events << QStringLiteral("MouseDown%1").arg(bt);
            downAt << QPointF(x, y);
        });
        connect(&b, &KelButton::MouseUp, this, [this](qint16 &bt, qint16 &, float &, float &) {
            events << QStringLiteral("MouseUp%1").arg(bt);
        });
        connect(&b, &KelButton::MouseMove, this, [this](qint16 &, qint16 &, float &, float &) {
            events << QStringLiteral("MouseMove");
        });
        connect(&b, &KelButton::KeyDown, this, [this](qint16 &k, qint16 &) {
            events << QStringLiteral("KeyDown%1").arg(k);
            if (onKeyDown) onKeyDown(k);
        });
        connect(&b, &KelButton::KeyPress, this,
                [this](qint16 &a) { events << QStringLiteral("KeyPress%1").arg(a); });
        connect(&b, &KelButton::KeyUp, this,
                [this](qint16 &k, qint16 &) { events << QStringLiteral("KeyUp%1").arg(k); });
        connect(&b, &KelButton::MouseOver, this, [this] { events << QStringLiteral("MouseOver"); });
        connect(&b, &KelButton::MouseIn, this, [this] { events << QStringLiteral("MouseIn"); });
        connect(&b, &KelButton::MouseOut, this, [this] { events << QStringLiteral("MouseOut"); });
    }
    QStringList without(const QString &name) const {
        QStringList l = events;
        l.removeAll(name);
        return l;
    }
};

// A window with one shown button of the given style, ready for input.
struct Stage {
    QWidget window;
    KelButton *button;
    explicit Stage(int type, const QString &caption = QStringLiteral("&Go"),
                   QSize size = {135, 43}) {
        window.resize(400, 200);
        button = new KelButton(&window);
        button->InitProperties();
        button->setGeometry(50, 50, size.width(), size.height());
        button->setButtonType(type);
        button->setCaption(caption);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QPoint centre() const { return button->mapToGlobal(button->rect().center()); }
};

} // namespace

class TestKelButton : public QObject {
    Q_OBJECT

private slots:
    // ---- Properties and persistence ------------------------------------

    void emptyStoreLoadsAFlatSystemButton() {
        KelButton b;
        b.ReadProperties(PropertyBag{});
        QCOMPARE(b.ButtonType(), 2);
        QCOMPARE(b.ColorScheme(), 1);
        QCOMPARE(b.Caption(), QString());
        QVERIFY(b.Enabled());
        QVERIFY(b.ShowFocusRect());
        QVERIFY(b.UseMaskColor());
        QVERIFY(!b.SoftBevel() && !b.UseGreyscale() && !b.CheckBoxBehaviour() && !b.Value());
        QCOMPARE(b.BackOver(), b.BackColor());
        QCOMPARE(b.ForeOver(), b.ForeColor());
        QCOMPARE(b.BackColor(), KelButton::TranslateColor(0x80000000u | 15));
        QCOMPARE(b.MaskColor(), 0x00C0C0C0u);
        QVERIFY(!b.PictureNormal().isSet());
    }

    void savingAlwaysWritesAll22KeysInOrder() {
        KelButton b;
        b.ReadProperties(PropertyBag{});
        PropertyBag bag;
        b.WriteProperties(bag);
        QStringList keys;
        for (const auto &e : bag.entries())
            keys << e.key;
        QCOMPARE(keys, QStringList({"BTYPE", "TX",    "ENAB",  "FONT",  "COLTYPE", "FOCUSR",
                                    "BCOL",  "BCOLO", "FCOL",  "FCOLO", "MCOL",    "MPTR",
                                    "MICON", "PICN",  "PICH",  "UMCOL", "SOFT",    "PICPOS",
                                    "NGREY", "FX",    "CHECK", "VALUE"}));
        using T = PropertyBag::Type;
        QCOMPARE(bag.entries()[3].type, T::Font);
        QCOMPARE(bag.entries()[11].type, T::Int16);
        QCOMPARE(bag.entries()[14].type, T::Picture);
        QCOMPARE(bag.entries()[21].type, T::Boolean);
    }

    void loadingNeitherNotifiesNorDraws() {
        KelButton source;
        source.InitProperties();
        source.setMousePointer(99);
        PropertyBag bag;
        source.WriteProperties(bag);
        KelButton b;
        QStringList names;
        connect(&b, &KelButton::PropertyChanged, this, [&](const QString &n) { names << n; });
        b.ReadProperties(bag);
        QVERIFY(names.isEmpty());
        QCOMPARE(b.MousePointer(), qint16(99));
        QCOMPARE(b.colours().face, 0u); // colours are derived when shown
    }

    void pictureOverIsStoredAsPichButNotifiedAsPico() {
        KelButton b;
        QStringList names;
        connect(&b, &KelButton::PropertyChanged, this, [&](const QString &n) { names << n; });
        KelPicture over = KelPicture::fromResource(QStringLiteral(":/pictures/icons/hint.png"));
        b.setPictureOver(over);
        QCOMPARE(names, QStringList{"PICO"});
        PropertyBag bag;
        b.WriteProperties(bag);
        QVERIFY(bag.contains(QStringLiteral("PICH")) && !bag.contains(QStringLiteral("PICO")));
        KelButton c;
        c.ReadProperties(bag);
        QCOMPARE(c.PictureOver().source, over.source);
        QVERIFY(c.PictureOver().isSet());
    }

    void changeNotificationsCarryTheirNames() {
        KelButton b;
        QStringList names;
        connect(&b, &KelButton::PropertyChanged, this, [&](const QString &n) { names << n; });
        b.setBackColor(1), b.setBackOver(2), b.setForeColor(3), b.setForeOver(4), b.setMaskColor(5);
        b.setButtonType(3), b.setCaption(QStringLiteral("x")), b.setEnabledProperty(true),
            b.setFontProperty(QFont());
        b.setColorScheme(2), b.setShowFocusRect(true), b.setMousePointer(0), b.setMouseIcon({}),
            b.setSoftBevel(false);
        b.setPictureNormal({}), b.setPicturePosition(1), b.setUseMaskColor(true),
            b.setUseGreyscale(false);
        b.setSpecialEffect(0), b.setCheckBoxBehaviour(false), b.setValue(false);
        b.setFontBold(true), b.setFontItalic(true), b.setFontUnderline(true), b.setFontSize(10),
            b.setFontName("Arial");
        QCOMPARE(names,
                 QStringList({"BCOL", "BCOLO",  "FCOL",    "FCOLO",  "MCOL", "BTYPE", "TX",
                              "ENAB", "FONT",   "COLTYPE", "FOCUSR", "MPTR", "MICON", "SOFT",
                              "PICN", "PICPOS", "UMCOL",   "NGREY",  "FX",   "CHECK", "VALUE"}));
    }

    void overColoursFollowOnlyInDesignMode() {
        DesignHost host;
        KelButton b(nullptr, &host);
        b.InitProperties();
        b.setBackColor(bgr(1, 2, 3));
        b.setForeColor(bgr(4, 5, 6));
        QCOMPARE(b.BackOver(), bgr(1, 2, 3));
        QCOMPARE(b.ForeOver(), bgr(4, 5, 6));
        host.design = false;
        b.setBackColor(bgr(7, 8, 9));
        b.setForeColor(bgr(10, 11, 12));
        QCOMPARE(b.BackOver(), bgr(1, 2, 3));
        QCOMPARE(b.ForeOver(), bgr(4, 5, 6));
    }

    void freshButtonDefaults() {
        QWidget host;
        host.setFont(QFont(QStringLiteral("Arial"), 11));
        KelButton b(&host);
        b.setObjectName(QStringLiteral("cmdSomething"));
        b.InitProperties();
        QCOMPARE(b.Caption(), QStringLiteral("cmdSomething"));
        QCOMPARE(b.ButtonType(), 14);
        QCOMPARE(b.ColorScheme(), 2);
        QCOMPARE(b.FontSize(), qint16(11));
        QCOMPARE(b.MaskColor(), bgr(192, 192, 192));
        QVERIFY(b.Enabled() && b.ShowFocusRect() && b.UseMaskColor());
        QCOMPARE(b.Version(), QStringLiteral("w2005.08.15"));
    }

    void fontSizeReadsWholePoints() {
        KelButton b;
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(9.75);
        b.setFontProperty(f);
        QCOMPARE(b.FontSize(), qint16(10));
    }

    void valueWithoutCheckBoxIsStoredWithoutRedraw() {
        Stage s(KelButton::Soft3D);
        const QImage before = s.button->surface();
        s.button->setValue(true);
        QCOMPARE(s.button->surface(), before);
        PropertyBag bag;
        s.button->WriteProperties(bag);
        KelButton c;
        c.ReadProperties(bag);
        QVERIFY(c.Value());
    }

    void designFilesLoadAndSaveBackIdentical() {
        QDirIterator it(QStringLiteral(":/design"), {QStringLiteral("*.kel")});
        int files = 0;
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(f.readAll());
            WindowDesign design;
            QString error;
            QVERIFY2(WindowDesign::parse(text, design, &error), qPrintable(path + ": " + error));
            QVERIFY(!design.buttons.isEmpty());
            WindowDesign saved = design;
            for (auto &d : saved.buttons) {
                KelButton b;
                b.ReadProperties(d.bag);
                PropertyBag again;
                b.WriteProperties(again);
                d.bag = again;
            }
            QCOMPARE(saved.format(), text);
            ++files;
        }
        QVERIFY(files >= 1);
    }

    void damagedDesignFilesAreRefusedWithALine() {
        WindowDesign d;
        QString error;
        QVERIFY(!WindowDesign::parse(QStringLiteral("window w\nbutton a 1 2 3\nend\n"), d, &error));
        QVERIFY(error.startsWith(QStringLiteral("line 2")));
        QVERIFY(!WindowDesign::parse(
            QStringLiteral("window w\nbutton a 1 2 3 4\n  TX what x\nend\n"), d, &error));
        QVERIFY(!WindowDesign::parse(QStringLiteral("window w\nbutton a 1 2 3 4\n  TX str x\n"), d,
                                     &error));
        QVERIFY(WindowDesign::parse(
            QStringLiteral(
                "window w\nbutton a 1 2 3 4\n  TX str Two\\r\\nLines \\\\ & more\nend\n"),
            d, &error));
        QCOMPARE(d.buttons[0].bag.read(QStringLiteral("TX"), {}).toString(),
                 QStringLiteral("Two\r\nLines \\ & more"));
    }

    void accessKeys_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("key");
        QTest::newRow("Hin&t") << "Hin&t"
                               << "t";
        QTest::newRow("&Solve") << "&Solve"
                                << "S";
        QTest::newRow("doubled only") << "Encrypting && Printing a Quote"
                                      << "";
        QTest::newRow("doubled then single") << "A && B &Cut"
                                             << "C";
        QTest::newRow("doubled then doubled") << "A && B && C"
                                              << "";
        QTest::newRow("lone &") << "&"
                                << "";
        QTest::newRow("ends in &") << "Quit&"
                                   << "";
        QTest::newRow("single char") << "Q"
                                     << "";
        QTest::newRow("multi-line") << "&Finished,\r\nReturn"
                                    << "F";
    }
    void accessKeys() {
        QFETCH(QString, caption);
        QFETCH(QString, key);
        QCOMPARE(QString(KelButton::AccessKeyOf(caption)).remove(QChar(0)), key);
    }

    // ---- Colours and layout ----------------------------------------------

    void shadeColorWorkedExamples() {
        KelButton b;
        QCOMPARE(b.ShadeColor(bgr(192, 192, 192), 48, true), bgr(240, 240, 240));
        QCOMPARE(b.ShadeColor(bgr(128, 64, 32), -64, false), bgr(64, 0, 0));
        QCOMPARE(b.ShadeColor(bgr(250, 10, 255), 20, false), bgr(255, 30, 255));
        // Halves of odd steps truncate toward zero.
        b.setSoftBevel(true);
        QCOMPARE(b.ShadeColor(bgr(192, 192, 192), 48, true), bgr(216, 216, 216));
        QCOMPARE(b.ShadeColor(bgr(100, 100, 100), -9, false), bgr(96, 96, 96));
    }

    void customSchemeDerivesItsTones() {
        Stage s(KelButton::Soft3D);
        s.button->setColorScheme(KelButton::CustomColors);
        s.button->setBackColor(bgr(128, 128, 255));
        const auto &c = s.button->colours();
        QCOMPARE(c.shadow, bgr(64, 64, 191));
        QCOMPARE(c.light, bgr(159, 159, 255));
        QCOMPARE(c.highlight, bgr(175, 175, 255));
        s.button->setColorScheme(KelButton::ClassicGrey);
        QCOMPARE(s.button->colours().face, bgr(192, 192, 192));
        QCOMPARE(s.button->colours().shadow, bgr(128, 128, 128));
        QCOMPARE(s.button->colours().tint, bgr(240, 240, 240));
        QCOMPARE(KelButton::TranslateColor(0x81000000u), 0u); // not a colour reference
    }

    void layoutWorkedExample() {
        QWidget w;
        MeasuredButton b(&w);
        b.InitProperties();
        b.setButtonType(KelButton::Soft3D);
        b.setCaption(QStringLiteral("Help"));
        b.setPictureNormal(solid(32, 32, Qt::red));
        b.resize(113, 43);
        w.show(); // a hidden widget hears of its size when shown
        QCOMPARE(edges(b.captionRect()), QList<int>({54, 16, 94, 31}));
        QCOMPARE(edges(b.shiftedCaptionRect()), QList<int>({55, 17, 95, 32}));
        QCOMPARE(b.picturePos(), QPoint(16, 5));
        b.setPicturePosition(KelButton::PictureRight);
        // T = 4, 4, 113 - 32 - 8; measured to 44, 19; moved by (113-32-44-4)\2, (43-19)\2.
        QCOMPARE(edges(b.captionRect()), QList<int>({4 + 16, 4 + 12, 44 + 16, 19 + 12}));
        QCOMPARE(b.picturePos(), QPoint(60 + 6, 5));
        b.setCaption(QStringLiteral("  "));
        QCOMPARE(b.picturePos(), QPoint((113 - 32) / 2, (43 - 32) / 2));
    }

    void windowShapesCutTheirCorners() {
        Stage s(KelButton::Rounded, QStringLiteral("R"), {20, 10});
        const QRegion r = s.button->mask();
        const QList<QPoint> cut{{0, 0}, {1, 0}, {0, 1}, {18, 0}, {19, 0}, {19, 1},
                                {0, 9}, {1, 9}, {0, 8}, {18, 9}, {19, 9}, {19, 8}};
        int missing = 0;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 20; ++x)
                if (!r.contains(QPoint(x, y))) {
                    ++missing;
                    QVERIFY(cut.contains(QPoint(x, y)));
                }
        QCOMPARE(missing, 12);
        s.button->setButtonType(KelButton::Soft3D);
        const QRegion soft = s.button->mask();
        QVERIFY(!soft.contains(QPoint(0, 9)) && !soft.contains(QPoint(19, 0)));
        QVERIFY(soft.contains(QPoint(0, 0)) && soft.contains(QPoint(19, 9)));
        s.button->setButtonType(KelButton::SeeThrough);
        QCOMPARE(s.button->mask(), QRegion(0, 0, 20, 10));
    }

    // ---- Painting --------------------------------------------------------

    void soft3DRampShadesEveryRow() {
        Stage s(KelButton::Soft3D, QString(), {60, 30});
        const auto c = s.button->colours();
        s.button->DrawLook(false, false, KelButton::Up); // without the focus rectangle
        QCOMPARE(at(*s.button, 30, 0),
                 col(s.button->ShadeColor(c.shadow, -50, false))); // outer frame
        for (int i = 4; i <= 27; ++i) {
            const int k = int(std::nearbyint(-float(58) / 30.0f * float(i)));
            QCOMPARE(at(*s.button, 30, i), col(s.button->ShadeColor(c.highlight, k, false)));
        }
        // Line 1's shade, -1.933, rounds to -2, under the inner frame.
        QCOMPARE(int(std::nearbyint(-58.0f / 30.0f)), -2);
        QCOMPARE(at(*s.button, 1, 10), col(s.button->ShadeColor(c.face, -9, false)));
        QCOMPARE(at(*s.button, 2, 2), col(c.highlight));
        QCOMPARE(at(*s.button, 3, 25), col(c.highlight));
    }

    void soft3DLooks() {
        Stage s(KelButton::Soft3D, QString());
        KelButton &b = *s.button;
        const auto c = b.colours();
        const int W = 135, H = 43;
        b.DrawLook(true, false, KelButton::Up); // hovered: flat light face from BackOver
        KelButton probe;
        probe.setBackColor(b.BackOver());
        probe.setColorScheme(KelButton::CustomColors);
        QCOMPARE(at(b, 60, 20), col(probe.colours().light));
        b.DrawLook(false, false, KelButton::Down);
        QCOMPARE(at(b, 0, 20), col(b.ShadeColor(c.shadow, -48, false)));
        QCOMPARE(at(b, 60, 20), col(b.ShadeColor(c.face, -9, false)));
        QCOMPARE(at(b, W - 2, 20), col(c.highlight));
        QCOMPARE(at(b, 60, H - 2), col(c.highlight));
        // Focus: every other pixel of the face rectangle inverted.
        b.DrawLook(false, false, KelButton::Up);
        const QImage plain = b.surface();
        b.DrawLook(false, true, KelButton::Up);
        QCOMPARE(b.faceRect(), QRect(6, 6, W - 10, H - 10));
        QCOMPARE(b.surface().pixel(6, 6), plain.pixel(6, 6) ^ 0x00FFFFFF);
        QCOMPARE(b.surface().pixel(7, 6), plain.pixel(7, 6));
        QCOMPARE(b.surface().pixel(8, 6), plain.pixel(8, 6) ^ 0x00FFFFFF);
        QCOMPARE(b.surface().pixel(30, 20), plain.pixel(30, 20));
        b.setShowFocusRect(false);
        b.DrawLook(false, true, KelButton::Up);
        QCOMPARE(b.surface(), plain);
    }

    void roundedLooks() {
        Stage s(KelButton::Rounded, QString());
        KelButton &b = *s.button;
        const int H = 43;
        auto tint = [&](int k) { return col(b.ShadeColor(b.colours().tint, k, true)); };
        QCOMPARE(b.colours().tint, b.ShadeColor(b.colours().face, 48, true));
        b.DrawLook(false, false, KelButton::Up);
        QCOMPARE(at(b, 0, 10), col(0x00733C00));
        QCOMPARE(at(b, 1, 1), col(0x007B4D10));
        QCOMPARE(at(b, 1, 10), tint(-5));
        QCOMPARE(at(b, 60, H - 2), tint(-48));
        QCOMPARE(at(b, 60, 1), tint(16));
        b.DrawLook(true, false, KelButton::Up);
        QCOMPARE(at(b, 1, 10), col(0x0031B2FF));
        QCOMPARE(at(b, 2, 10), col(0x006BCBFF));
        QCOMPARE(at(b, 60, H - 2), col(0x000096E7));
        b.DrawLook(false, true, KelButton::Up);
        QCOMPARE(at(b, 1, 10), col(0x00E7AE8C));
        QCOMPARE(at(b, 60, 1), col(0x00FFE7CE));
        b.setEnabledProperty(false);
        b.DrawLook(false, true, KelButton::Down);
        QCOMPARE(at(b, 60, 20), tint(-24));
        QCOMPARE(at(b, 0, 10), tint(-84));
        QCOMPARE(at(b, 1, 1), tint(-72));
    }

    void soft3DDisabledAndSeeThroughFocusAndDisabled() {
        Stage s(KelButton::Soft3D, QString());
        KelButton &b = *s.button;
        const auto c = b.colours();
        b.setEnabledProperty(false);
        // Disabled: the ramp and frames of the up look, whatever the state, and no focus.
        b.DrawLook(true, true, KelButton::Down);
        const int k = int(std::nearbyint(-58.0f / 43.0f * 20.0f));
        QCOMPARE(at(b, 60, 20), col(b.ShadeColor(c.highlight, k, false)));
        QCOMPARE(at(b, 0, 20), col(b.ShadeColor(c.shadow, -50, false)));
        QCOMPARE(at(b, 2, 2), col(c.highlight));
        const QImage disabled = b.surface();
        b.DrawLook(false, false, KelButton::Up);
        QCOMPARE(b.surface(), disabled);

        Stage t(KelButton::SeeThrough, QString());
        KelButton &see = *t.button;
        see.DrawLook(false, false, KelButton::Up);
        const QImage plain = see.surface();
        see.DrawLook(false, true, KelButton::Up);
        // The face rectangle is inset by 3: every other pixel of its edge inverted.
        QCOMPARE(see.faceRect(), QRect(3, 3, 135 - 6, 43 - 6));
        QCOMPARE(see.surface().pixel(3, 3), plain.pixel(3, 3) ^ 0x00FFFFFF);
        QCOMPARE(see.surface().pixel(4, 3), plain.pixel(4, 3));
        see.setEnabledProperty(false);
        see.DrawLook(false, true, KelButton::Down);
        QCOMPARE(see.surface(), plain); // no edge, no focus, the parent's pixels
    }

    void hoverColoursLastOneDrawing() {
        Stage s(KelButton::Soft3D, QString());
        KelButton &b = *s.button;
        b.setBackColor(bgr(100, 120, 140));
        b.setBackOver(bgr(10, 200, 30));
        b.DrawLook(true, false, KelButton::Up);
        // The hovered face is the light tone of BackOver...
        QCOMPARE(at(b, 60, 20), col(b.ShadeColor(bgr(10, 200, 30), 31, false)));
        // ...and afterwards every derived colour is BackColor's again.
        QCOMPARE(b.colours().face, bgr(100, 120, 140));
        QCOMPARE(b.colours().highlight, bgr(147, 167, 187));
        QCOMPARE(b.BackColor(), bgr(100, 120, 140));
    }

    void seeThroughShowsTheParentAndItsEdges() {
        QWidget window;
        window.resize(300, 120);
        QPalette pal = window.palette();
        pal.setColor(QPalette::Window, QColor(12, 150, 210));
        window.setPalette(pal);
        window.setAutoFillBackground(true);
        auto *b = new KelButton(&window);
        b->InitProperties();
        b->setCaption(QString());
        b->setButtonType(KelButton::SeeThrough);
        b->setGeometry(20, 20, 100, 40);
        QVERIFY(!b->hasCaptureSurface());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(b->hasCaptureSurface());
        QCOMPARE(at(*b, 50, 20), QColor(12, 150, 210));
        b->DrawLook(true, false, KelButton::Up);
        QCOMPARE(at(*b, 0, 20), col(b->colours().highlight));
        QCOMPARE(at(*b, 99, 20), col(b->colours().shadow));
        QCOMPARE(at(*b, 99, 0), col(b->colours().shadow)); // top-right takes the second colour
        QCOMPARE(at(*b, 50, 20), QColor(12, 150, 210));
        b->DrawLook(false, false, KelButton::Down);
        QCOMPARE(at(*b, 0, 20), col(b->colours().shadow));
        QCOMPARE(at(*b, 50, 39), col(b->colours().highlight));
    }

    void seeThroughMadeLaterHasNoCaptureUntilShownAgain() {
        Stage s(KelButton::Soft3D);
        s.button->setButtonType(KelButton::SeeThrough);
        QVERIFY(!s.button->hasCaptureSurface());
        s.button->hide();
        s.button->show();
        QVERIFY(s.button->hasCaptureSurface());
    }

    void flatDrawsNoCaption() {
        Stage s(2, QStringLiteral("WWWWWWWW"));
        const QImage img = s.button->surface();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                QCOMPARE(img.pixel(x, y), img.pixel(0, 0));
    }

    // ---- Pictures --------------------------------------------------------

    void whiteTurnsGrey254() {
        Stage s(KelButton::Soft3D, QString());
        s.button->setUseGreyscale(true);
        s.button->setPictureNormal(solid(8, 8, Qt::white));
        const QPoint p = s.button->picturePos();
        s.button->DrawLook(false, false, KelButton::Up);
        QCOMPARE(at(*s.button, p.x() + 3, p.y() + 3), QColor(254, 254, 254));
        s.button->DrawLook(true, false, KelButton::Up);
        QCOMPARE(at(*s.button, p.x() + 3, p.y() + 3), QColor(255, 255, 255));
        // Pressed is in colour too, one pixel down-right.
        s.button->DrawLook(false, false, KelButton::Down);
        QCOMPARE(at(*s.button, p.x() + 8, p.y() + 8), QColor(255, 255, 255));
    }

    void oddWidthPicturesDrawWithoutShear() {
        Stage s(KelButton::Soft3D, QString());
        KelPicture pic;
        pic.image = QImage(15, 9, QImage::Format_RGB32);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 15; ++x)
                pic.image.setPixel(x, y, qRgb(10 * x, 20 * y, (x == y) ? 255 : 0));
        s.button->setPictureNormal(pic);
        s.button->DrawLook(false, false, KelButton::Up);
        const QPoint p = s.button->picturePos();
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 15; ++x)
                QCOMPARE(at(*s.button, p.x() + x, p.y() + y), QColor(pic.image.pixel(x, y)));
    }

    void maskColourIsSeeThroughOnlyWhenAsked() {
        Stage s(KelButton::Rounded, QString());
        KelButton &b = *s.button;
        b.setPictureNormal(solid(6, 6, QColor(192, 192, 192)));
        const QPoint p = b.picturePos();
        b.DrawLook(false, false, KelButton::Up);
        QVERIFY(at(b, p.x() + 2, p.y() + 2) != QColor(192, 192, 192));
        b.setUseMaskColor(false);
        b.DrawLook(false, false, KelButton::Up);
        QCOMPARE(at(b, p.x() + 2, p.y() + 2), QColor(192, 192, 192));
        // An icon's see-through parts are drawn when the mask is off.
        KelPicture icon;
        icon.isIcon = true;
        icon.image = QImage(6, 6, QImage::Format_ARGB32);
        icon.image.fill(Qt::transparent);
        b.setPictureNormal(icon);
        b.DrawLook(false, false, KelButton::Up);
        QCOMPARE(at(b, p.x() + 2, p.y() + 2), col(b.colours().maskRGB));
    }

    void disabledPicturesBecomeSilhouettes() {
        Stage s(KelButton::Soft3D, QString());
        KelButton &b = *s.button;
        KelPicture pic = solid(6, 6, QColor(20, 20, 20));
        pic.image.setPixel(0, 0, qRgb(200, 100, 90)); // sum 390 > 384: left out
        b.setPictureNormal(pic);
        b.setEnabledProperty(false);
        const QPoint p = b.picturePos();
        QCOMPARE(at(b, p.x() + 6, p.y() + 6),
                 col(b.colours().highlight)); // only the +1 copy reaches here
        QCOMPARE(at(b, p.x() + 2, p.y() + 2), col(b.colours().shadow));
        QVERIFY(at(b, p.x(), p.y()) != col(b.colours().shadow));
        // Rounded: grey, one pixel down-right.
        b.setButtonType(KelButton::Rounded);
        const QPoint r = b.picturePos();
        QCOMPARE(at(b, r.x() + 6, r.y() + 6), QColor(20, 20, 20));
    }

    void pictureOverAloneIsNeverDrawn() {
        Stage s(KelButton::Soft3D, QString());
        s.button->setPictureOver(solid(10, 10, Qt::red));
        s.button->DrawLook(true, false, KelButton::Up);
        const QImage hovered = s.button->surface();
        s.button->DrawLook(false, false, KelButton::Down);
        for (const QImage &img : {hovered, s.button->surface()})
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    QVERIFY(QColor(img.pixel(x, y)) != QColor(Qt::red));
    }

    void pictureBehindDrawsTheCaptionOverThePicture() {
        Stage s(2, QStringLiteral("WWWW"));
        s.button->setPicturePosition(KelButton::PictureBehind);
        s.button->setPictureNormal(solid(60, 30, Qt::green));
        s.button->setForeColor(bgr(255, 0, 0));
        s.button->setColorScheme(KelButton::CustomColors);
        const QImage img = s.button->surface();
        bool red = false;
        for (int y = 0; y < img.height() && !red; ++y)
            for (int x = 0; x < img.width(); ++x)
                if (QColor(img.pixel(x, y)).red() > 200 && QColor(img.pixel(x, y)).green() < 60)
                    red = true;
        QVERIFY2(red, "the caption stands over the picture");
    }

    // ---- Input and events ------------------------------------------------

    void rightButtonDrawsNothingAndNeverClicks() {
        Stage s(KelButton::Soft3D);
        Log log(*s.button);
        const QImage before = s.button->surface();
        QTest::mousePress(s.button, Qt::RightButton, {}, QPoint(20, 20));
        QCOMPARE(s.button->surface(), before);
        QTest::mouseRelease(s.button, Qt::RightButton, {}, QPoint(20, 20));
        QCOMPARE(log.without("MouseMove"), QStringList({"MouseDown2", "MouseUp2"}));
    }

    void middleButtonPressesButNeverClicks() {
        Stage s(KelButton::Soft3D);
        Log log(*s.button);
        QTest::mousePress(s.button, Qt::MiddleButton, {}, QPoint(20, 20));
        QCOMPARE(s.button->lastState(), quint8(KelButton::Down));
        QTest::mouseRelease(s.button, Qt::MiddleButton, {}, QPoint(20, 20));
        QCOMPARE(s.button->lastState(), quint8(KelButton::Up));
        QVERIFY(!log.events.contains("Click"));
    }

    void leftClickIsDrawnUpBeforeTheHandlerRuns() {
        Stage s(KelButton::Soft3D);
        Log log(*s.button);
        quint8 stateAtClick = 99;
        log.onClick = [&] { stateAtClick = s.button->lastState(); };
        QTest::mousePress(s.button, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(s.button->lastState(), quint8(KelButton::Down));
        QTest::mouseRelease(s.button, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(log.without("MouseMove"), QStringList({"MouseDown1", "MouseUp1", "Click"}));
        QCOMPARE(stateAtClick, quint8(KelButton::Up));
        // Released off the button: no click.
        log.events.clear();
        QTest::mousePress(s.button, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseRelease(s.button, Qt::LeftButton, {}, QPoint(300, 20));
        QVERIFY(!log.events.contains("Click"));
    }

    void spaceKeyOrderAndItsVeto() {
        Stage s(KelButton::Soft3D);
        s.button->setFocus();
        Log log(*s.button);
        quint8 stateAtClick = 99;
        log.onClick = [&] { stateAtClick = s.button->lastState(); };
        QTest::keyPress(s.button, Qt::Key_Space);
        QCOMPARE(s.button->lastState(), quint8(KelButton::Down));
        QTest::keyRelease(s.button, Qt::Key_Space);
        QCOMPARE(log.events, QStringList({"KeyDown32", "KeyPress32", "KeyUp32", "Click"}));
        QCOMPARE(stateAtClick, quint8(KelButton::Up));
        // A handler that sets KeyCode to 0 stops both the pressed look and the click.
        log.events.clear();
        log.onKeyDown = [](qint16 &k) { k = 0; };
        QTest::keyPress(s.button, Qt::Key_Space);
        QCOMPARE(s.button->lastState(), quint8(KelButton::Up));
        QTest::keyRelease(s.button, Qt::Key_Space);
        QVERIFY(!log.events.contains("Click"));
    }

    void keyEventsCarryThePlatformCodes_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");
        QTest::newRow("Home") << int(Qt::Key_Home) << 0 << 36;
        QTest::newRow("End") << int(Qt::Key_End) << 0 << 35;
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << 0 << 33;
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 0 << 34;
        QTest::newRow("Insert") << int(Qt::Key_Insert) << 0 << 45;
        QTest::newRow("comma") << int(Qt::Key_Comma) << 0 << 188;
        QTest::newRow("full stop") << int(Qt::Key_Period) << 0 << 190;
        QTest::newRow("semicolon") << int(Qt::Key_Semicolon) << 0 << 186;
        QTest::newRow("apostrophe") << int(Qt::Key_Apostrophe) << 0 << 222;
        QTest::newRow("shifted 1") << int(Qt::Key_Exclam) << int(Qt::ShiftModifier) << 49;
        QTest::newRow("question mark") << int(Qt::Key_Question) << int(Qt::ShiftModifier) << 191;
        QTest::newRow("keypad 5") << int(Qt::Key_5) << int(Qt::KeypadModifier) << 101;
        QTest::newRow("keypad point") << int(Qt::Key_Period) << int(Qt::KeypadModifier) << 110;
        QTest::newRow("keypad plus") << int(Qt::Key_Plus) << int(Qt::KeypadModifier) << 107;
        QTest::newRow("F12") << int(Qt::Key_F12) << 0 << 123;
        QTest::newRow("Caps Lock") << int(Qt::Key_CapsLock) << 0 << 20;
        QTest::newRow("Menu") << int(Qt::Key_Menu) << 0 << 93;
        QTest::newRow("Num Lock") << int(Qt::Key_NumLock) << 0 << 144;
        QTest::newRow("letter") << int(Qt::Key_Q) << 0 << 81;
        QTest::newRow("digit") << int(Qt::Key_7) << 0 << 55;
    }
    void keyEventsCarryThePlatformCodes() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        Stage s(KelButton::Soft3D);
        s.button->setFocus();
        Log log(*s.button);
        QTest::keyPress(s.button, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTest::keyRelease(s.button, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        // A shifted key comes after the Shift key's own (16).
        QVERIFY2(log.events.contains(QStringLiteral("KeyDown%1").arg(code)),
                 qPrintable(log.events.join(QLatin1Char(' '))));
        QVERIFY(log.events.contains(QStringLiteral("KeyUp%1").arg(code)));
    }

    void everySystemColourTranslates() {
        // A desktop whose every colour is its own and none is black: no
        // system colour reference may come out black.
        const QPalette saved = QApplication::palette();
        QPalette vivid;
        int n = 1;
        for (int g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            for (int r = 0; r < QPalette::NColorRoles; ++r)
                vivid.setColor(QPalette::ColorGroup(g), QPalette::ColorRole(r),
                               QColor(40 + n % 200, 60 + (n * 7) % 190, 80 + (n * 13) % 170)),
                    ++n;
        QApplication::setPalette(vivid);
        QSet<quint32> seen;
        for (quint32 i = 0; i <= 30; ++i) {
            const quint32 c = KelButton::TranslateColor(0x80000000u | i);
            QVERIFY2(c != 0, qPrintable(QStringLiteral("system colour %1 came out black").arg(i)));
            seen << c;
        }
        QVERIFY(seen.size() > 15); // they follow the desktop, not one fallback
        QCOMPARE(KelButton::TranslateColor(0x80000000u | 15),
                 KelButton::fromRgb(vivid.color(QPalette::Active, QPalette::Button).rgb()));
        QCOMPARE(KelButton::TranslateColor(0x80000000u | 31), 0u); // no such system colour
        QApplication::setPalette(saved);
    }

    void checkBoxTogglesBeforeClickAndStaysDown() {
        Stage s(KelButton::Soft3D);
        s.button->setCheckBoxBehaviour(true);
        Log log(*s.button);
        bool valueAtClick = false;
        log.onClick = [&] { valueAtClick = s.button->Value(); };
        QTest::mouseClick(s.button, Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(s.button->Value());
        QVERIFY(valueAtClick);
        QCOMPARE(s.button->lastState(), quint8(KelButton::Down));
        QTest::mouseClick(s.button, Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!s.button->Value());
        QCOMPARE(s.button->lastState(), quint8(KelButton::Up));
    }

    void accessKeyClicksOnlyEnabledButtons() {
        Stage s(KelButton::Soft3D, QStringLiteral("Hin&t"));
        Log log(*s.button);
        QTest::mouseClick(s.button, Qt::RightButton, {}, QPoint(20, 20));
        QTest::keyClick(&s.window, Qt::Key_T, Qt::AltModifier);
        QCOMPARE(log.events.count("Click"), 1);
        s.button->setEnabledProperty(false);
        QTest::keyClick(&s.window, Qt::Key_T, Qt::AltModifier);
        QCOMPARE(log.events.count("Click"), 1);
    }

    void doubleClickPressesAgainAtZero() {
        Stage s(KelButton::Soft3D);
        Log log(*s.button);
        // What the window system delivers for a double click.
        const QPointF p(30, 25);
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                               QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            QMouseEvent e(t, p, s.button->mapToGlobal(p), Qt::LeftButton,
                          t == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
            QApplication::sendEvent(s.button, &e);
            if (t == QEvent::MouseButtonDblClick)
                QCOMPARE(s.button->lastState(), quint8(KelButton::Down));
        }
        QCOMPARE(log.downAt.last(), QPointF(0, 0));
        QCOMPARE(log.events.count("MouseDown1"), 2);
        QCOMPARE(log.events.count("Click"), 1);
        QCOMPARE(s.button->lastState(), quint8(KelButton::Up));
    }

    void hoverIsTrackedFromThePointer() {
        Stage s(KelButton::Rounded);
        Log log(*s.button);
        QCursor::setPos(s.centre());
        QTest::mouseMove(s.button, s.button->rect().center());
        QTRY_VERIFY(s.button->isHover());
        QCOMPARE(log.without("MouseMove"), QStringList({"MouseIn", "MouseOver"}));
        QVERIFY(s.button->overTimerActive());
        // A cut-out corner pixel is not over the button.
        QCursor::setPos(s.button->mapToGlobal(QPoint(0, 0)));
        QTest::mouseMove(&s.window, s.button->mapTo(&s.window, QPoint(0, 0)));
        QTRY_VERIFY(!s.button->isHover());
        QVERIFY(!s.button->overTimerActive());
        QCOMPARE(log.events.count("MouseOut"), 1);
    }

    void slidingOutAndBackWithTheLeftButtonHeld() {
        Stage s(KelButton::Soft3D);
        Log log(*s.button);
        QCursor::setPos(s.centre());
        QTest::mousePress(s.button, Qt::LeftButton, {}, s.button->rect().center());
        // Out: drawn up.
        QCursor::setPos(s.window.mapToGlobal(QPoint(5, 5)));
        QMouseEvent out(QEvent::MouseMove, QPointF(-40, -40),
                        s.button->mapToGlobal(QPointF(-40, -40)), Qt::NoButton, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(s.button, &out);
        QCOMPARE(s.button->lastState(), quint8(KelButton::Up));
        // Back in: MouseIn (no hover timer running) and drawn down.
        QCursor::setPos(s.centre());
        QMouseEvent in(QEvent::MouseMove, QPointF(s.button->rect().center()), QPointF(s.centre()),
                       Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(s.button, &in);
        QCOMPARE(s.button->lastState(), quint8(KelButton::Down));
        QCOMPARE(log.events.count("MouseIn"), 1);
        QVERIFY(!log.events.contains("MouseOver"));
        QVERIFY(!s.button->isHover());
        QTest::mouseRelease(s.button, Qt::LeftButton, {}, s.button->rect().center());
        QCOMPARE(log.events.count("Click"), 1);
    }
};

QTEST_MAIN(TestKelButton)
#include "tst_kelbutton.moc"
