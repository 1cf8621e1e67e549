#include "Dialogs.h"
#include "Links.h"
#include "ScriptedDialogs.h"
#include "StringResources.h"
#include "Twips.h"
#include "Win1252.h"
#include "modStandard.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include <cmath>
#include <set>

using namespace modStandard;

class TestCommon : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SetRandomSource({}); }

    void randomBetweenStaysInsideInclusiveBounds() {
        QVERIFY(!IsRandomSeeded());
        for (int i = 0; i < 100; ++i) QCOMPARE(RandomBetween(1, 1), qint16(1));
        QVERIFY(IsRandomSeeded());
        std::set<int> seen;
        for (int i = 0; i < 5000; ++i) {
            const int v = RandomBetween(65, 90);
            QVERIFY2(v >= 65 && v <= 90, qPrintable(QString::number(v)));
            seen.insert(v);
        }
        QCOMPARE(int(seen.size()), 26);
    }

    void randomBetweenMapsTheUnitIntervalEdges() {
        // The largest r below 1 is still the top value, never one past it.
        SetRandomSource([] { return std::nextafter(1.0, 0.0); });
        QCOMPARE(RandomBetween(65, 90), qint16(90));
        SetRandomSource([] { return 0.0; });
        QCOMPARE(RandomBetween(65, 90), qint16(65));
        // A faulty source that says 1.0 is held inside the range.
        SetRandomSource([] { return 1.0; });
        QCOMPARE(RandomBetween(65, 90), qint16(90));
        SetRandomSource([] { return 0.5; });
        QCOMPARE(RandomBetween(-3, 3), qint16(0));
        QCOMPARE(RandomBetween(-32768, 32767), qint16(0));
    }

    void addToKeepsTheTargetsType() {
        qint16 count = 9;
        AddTo(count, 1);
        QCOMPARE(count, qint16(10));
        double d = 0.5;
        AddTo(d, 1);
        QCOMPARE(d, 1.5);
    }

    void largerAndSmallerReturnTheFirstOnEquality() {
        // 0.0 and -0.0 compare equal; the sign shows which one came back.
        QVERIFY(!std::signbit(LargerOf(0.0, -0.0)));
        QVERIFY(std::signbit(LargerOf(-0.0, 0.0)));
        QVERIFY(!std::signbit(SmallerOf(0.0, -0.0)));
        QVERIFY(std::signbit(SmallerOf(-0.0, 0.0)));
        QCOMPARE(LargerOf(3, 7), 7.0);
        QCOMPARE(SmallerOf(3, 7), 3.0);
        QCOMPARE(LargerOf(-1, -2), -1.0);
    }

    void tilePicturePaintsFromTheTopLeftAtNaturalSize() {
        // A 100 x 100 tile with a marked corner on a 250 x 120 target: corners
        // must land at x = 0, 100, 200 and y = 0, 100.
        QImage tile(100, 100, QImage::Format_RGB32);
        tile.fill(Qt::white);
        {
            QPainter p(&tile);
            p.fillRect(0, 0, 3, 3, Qt::red);
        }
        QWidget target;
        target.resize(250, 120);
        TilePicture(QPixmap::fromImage(tile), &target);
        const QImage shot = target.grab().toImage();
        QCOMPARE(shot.size(), QSize(250, 120));
        for (int x : {0, 100, 200})
            for (int y : {0, 100}) {
                QCOMPARE(QColor(shot.pixel(x, y)), QColor(Qt::red));
                QCOMPARE(QColor(shot.pixel(x + 2, y + 2)), QColor(Qt::red));
                QCOMPARE(QColor(shot.pixel(x + 3, y + 3)), QColor(Qt::white));
            }
        QCOMPARE(QColor(shot.pixel(99, 99)), QColor(Qt::white));
        QCOMPARE(QColor(shot.pixel(249, 119)), QColor(Qt::white));
        // The background persists: a second grab is the same picture.
        QCOMPARE(target.grab().toImage(), shot);
    }

    void win1252RoundTripsEveryByte() {
        QByteArray all(256, 0);
        for (int i = 0; i < 256; ++i) all[i] = char(i);
        const QString text = win1252::decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text[0x80], QChar(0x20AC));
        QCOMPARE(text[0xE9], QChar(0xE9));
        QVERIFY(!win1252::firstUnencodable(text));
        QCOMPARE(win1252::encode(text), all);
    }

    void win1252NamesTheFirstCharacterItCannotHold() {
        QCOMPARE(win1252::firstUnencodable(QStringLiteral("CAFÉ – OK")), std::nullopt);
        const auto bad = win1252::firstUnencodable(QString::fromUtf8("SNOW \u2603 AND \u4E2D"));
        QVERIFY(bad);
        QCOMPARE(*bad, QChar(0x2603));
    }

    void stringResourcesAreFoundByNumber() {
        QVERIFY(!LoadResString(1).isEmpty());
        QCOMPARE(LoadResString(424242), QString());
    }

    void linksOpenThroughTheDesktopAndTellFailures() {
        ScriptedDialogs script;
        QList<QUrl> opened;
        bool works = true;
        modStandard::SetUrlOpener([&](const QUrl &u) {
            opened << u;
            return works;
        });
        modStandard::OpenLink(modStandard::EmailLink, nullptr, QString());
        modStandard::OpenLink(modStandard::WebLink, nullptr, QStringLiteral("www.example.org/x"));
        QCOMPARE(opened, QList<QUrl>({QUrl(QStringLiteral("mailto:kel.software@example.com")),
                                      QUrl(QStringLiteral("http://www.example.org/x"))}));
        QVERIFY(script.messages.isEmpty());
        works = false;
        modStandard::OpenLink(modStandard::WebLink, nullptr, QString());
        modStandard::OpenLink(42, nullptr, QStringLiteral("anything")); // no target at all
        QCOMPARE(script.messages.size(), 2);
        for (const auto &m : script.messages) {
            QCOMPARE(m.title, QStringLiteral("Error"));
            QCOMPARE(m.text, QStringLiteral("Could not establish an internet connection!"));
            QCOMPARE(m.icon, dialogs::Icon::Critical);
        }
        QCOMPARE(opened.size(), 3); // an unknown kind never reaches the desktop
        modStandard::SetUrlOpener({});
    }

    void twipsConvertAtFifteenPerPixel() {
        QCOMPARE(twips::toPixels(7200), 480);
        QCOMPARE(twips::toPixels(680), 45);
        QCOMPARE(twips::fromPixels(45), 675);
    }
};

QTEST_MAIN(TestCommon)
#include "tst_common.moc"
