#include "Dialogs.h"
#include "Fonts.h"
#include "Links.h"
#include "PrintWrapped.h"
#include "PrinterSurface.h"
#include "ScriptedDialogs.h"
#include "StringResources.h"
#include "TilePicture.h"
#include "Twips.h"
#include "Win1252.h"
#include "modStandard.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <cmath>
#include <set>

using namespace modStandard;

class TestCommon : public QObject {
    Q_OBJECT

    static QList<RecordingSurface::Piece> piecesOf(const RecordingSurface &s, const QString &text) {
        QList<RecordingSurface::Piece> out;
        for (const auto &p : s.pieces)
            if (p.text == text) out << p;
        return out;
    }

private slots:
    void initTestCase() {
        RegisterFontSubstitutions();
        PrinterSurface::SetUnitToInches();
    }
    void cleanup() { SetRandomSource({}); }

    void wrappedPrintingOfOnePage() {
        RecordingSurface s;
        QWidget owner;
        s.setFontName(QStringLiteral("Arial"));
        s.setFontSize(10);
        const QString text = QStringLiteral("A short help text.\r\nIts second line.");
        PrintWrapped(s, &owner, text, QStringLiteral("Cipherly, Help Section: Topic"), true, false);
        QVERIFY(owner.isEnabled()); // given back afterwards
        QCOMPARE(s.documents, 1);
        const auto heading = piecesOf(s, QStringLiteral("Cipherly, Help Section: Topic"));
        QCOMPARE(heading.size(), 1);
        QVERIFY(heading[0].underline);
        QCOMPARE(heading[0].x, 1.0);
        QCOMPARE(heading[0].y, 1.0);
        // The text starts at 1.5 inches, not underlined; the line break starts a line.
        QCOMPARE(s.pieces[1].text, QStringLiteral("A"));
        QCOMPARE(s.pieces[1].y, 1.5);
        QVERIFY(!s.pieces[1].underline);
        const auto i = piecesOf(s, QStringLiteral("I"));
        QCOMPARE(i.size(), 1);
        QCOMPARE(i[0].x, 1.0);
        QVERIFY(i[0].y > 1.5);
        for (const auto &p : s.pieces)
            QVERIFY(!p.text.startsWith(QStringLiteral("(page")));
    }

    void theOwnerIsDisabledWhileItPrints() {
        // A surface that notes, at every piece of text, whether the owner takes input.
        struct Watching : RecordingSurface {
            QWidget *owner = nullptr;
            QList<bool> enabled;
            QList<bool> busyPointer;
            void drawText(double x, double y, const QFont &f, const QString &t) override {
                enabled << owner->isEnabled();
                busyPointer << (QApplication::overrideCursor() != nullptr);
                RecordingSurface::drawText(x, y, f, t);
            }
        } s;
        QWidget owner;
        s.owner = &owner;
        PrintWrapped(s, &owner, QStringLiteral("Some text to print."), QStringLiteral("Heading"),
                     false, false);
        QVERIFY(!s.enabled.isEmpty());
        QVERIFY(!s.enabled.contains(true));
        QVERIFY(!s.busyPointer.contains(false));
        QVERIFY(owner.isEnabled());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void wrappedPrintingOverThreePages() {
        RecordingSurface s;
        s.setFontName(QStringLiteral("Arial"));
        s.setFontSize(10);
        QString text;
        for (int i = 0; i < 130; ++i)
            text += QStringLiteral("Line %1 of a long help topic that goes on.\r\n").arg(i);
        PrintWrapped(s, nullptr, text, QStringLiteral("Heading"), false, false);
        int lastPage = 0;
        for (const auto &p : s.pieces)
            lastPage = qMax(lastPage, p.page);
        QCOMPARE(lastPage, 3);
        QCOMPARE(piecesOf(s, QStringLiteral("Heading")).size(), 1); // page 1 only
        QVERIFY(piecesOf(s, QStringLiteral("(page 1)")).isEmpty());
        for (int page : {2, 3}) {
            const auto foot = piecesOf(s, QStringLiteral("(page %1)").arg(page));
            QCOMPARE(foot.size(), 1);
            QCOMPARE(foot[0].page, page);
            QCOMPARE(foot[0].x, 6.0);
            QCOMPARE(foot[0].y, 9.2);
        }
        // Later pages start at the top margin; no line goes below 8.8 inches.
        for (const auto &p : s.pieces) {
            QVERIFY(p.y >= 1.0);
            if (!p.text.startsWith(QStringLiteral("(page"))) QVERIFY(p.y <= 8.8 + s.lineHeight());
        }
        double firstOnPage2 = 99;
        for (const auto &p : s.pieces)
            if (p.page == 2) firstOnPage2 = qMin(firstOnPage2, p.y);
        QCOMPARE(firstOnPage2, 1.0);
    }

    void wrappedPrintingBreaksLines() {
        RecordingSurface s;
        s.setFontName(QStringLiteral("Courier"));
        s.setFontSize(10);
        PrintWrapped(s, nullptr, QString(150, QLatin1Char('x')), QString(), false, false);
        double maxX = 0;
        QSet<double> rows;
        for (const auto &p : s.pieces) {
            maxX = qMax(maxX, p.x + s.textWidth(p.text));
            rows.insert(p.y);
        }
        QVERIFY(maxX > 8.0 && maxX < 8.0 + s.textWidth(QStringLiteral("x")) + 1e-9);
        QVERIFY(rows.size() >= 2);
        RecordingSurface b;
        b.setFontName(QStringLiteral("Courier"));
        b.setFontSize(10);
        PrintWrapped(b, nullptr, QStringLiteral("word ").repeated(40), QString(), false, false);
        // Every line but the last ends with the first blank printed past 6.5 inches.
        QMap<double, double> lineEnd;
        for (const auto &p : b.pieces)
            lineEnd[p.y] = qMax(lineEnd.value(p.y), p.x + b.textWidth(p.text));
        const QList<double> ends = lineEnd.values();
        for (int i = 0; i + 1 < ends.size(); ++i)
            QVERIFY(ends[i] > 6.5 && ends[i] < 6.5 + b.textWidth(QStringLiteral("word ")) + 1e-9);
    }

    void randomBetweenStaysInsideInclusiveBounds() {
        QVERIFY(!IsRandomSeeded());
        for (int i = 0; i < 100; ++i)
            QCOMPARE(RandomBetween(1, 1), qint16(1));
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
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
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

    void theDesktopOpenersFailureIsToldWithoutHoldingUpTheWindow() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
        // A desktop opener that cannot open the address, as xdg-open exits 4.
        QTemporaryDir bin;
        QFile opener(bin.filePath(QStringLiteral("xdg-open")));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        // It waits for the test's word (a minute at most), so the window is
        // seen to go on while it works however busy the machine is.
        opener.write("#!/bin/sh\nd=$(dirname \"$0\")\necho \"$1\" >>\"$d/asked\"\n"
                     "for i in $(seq 600); do [ -e \"$d/go\" ] && break; sleep 0.1; done\n"
                     "s=$(cat \"$d/status\")\necho \"$1\" >>\"$d/done\"\nexit \"$s\"\n");
        opener.close();
        opener.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                              QFileDevice::ExeOwner);
        auto status = [&](const char *code) {
            QFile f(bin.filePath(QStringLiteral("status")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(code);
        };
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit() + ':' + path);
        ScriptedDialogs script;
        status("4");
        auto read = [&](const char *name) {
            QFile f(bin.filePath(QLatin1String(name)));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        modStandard::OpenLink(modStandard::WebLink, nullptr, QString());
        // The window goes on while the opener works: it has not finished.
        QVERIFY(read("done").isEmpty());
        QVERIFY(script.messages.isEmpty());
        QVERIFY(QFile(bin.filePath(QStringLiteral("go"))).open(QIODevice::WriteOnly));
        QTRY_COMPARE(script.messages.size(), 1);
        QCOMPARE(script.messages[0].text,
                 QStringLiteral("Could not establish an internet connection!"));
        status("0");
        modStandard::OpenLink(modStandard::EmailLink, nullptr, QString());
        QTRY_COMPARE(read("done"), QByteArray("http://www.example.com/cipherly\n"
                                              "mailto:kel.software@example.com\n"));
        QTest::qWait(500);
        QCOMPARE(script.messages.size(), 1); // a success is not told
        qputenv("PATH", path);
#else
        QSKIP("the desktop opener is a Linux matter");
#endif
    }

    void twipsConvertAtFifteenPerPixel() {
        QCOMPARE(twips::toPixels(7200), 480);
        QCOMPARE(twips::toPixels(680), 45);
        QCOMPARE(twips::fromPixels(45), 675);
    }
};

QTEST_MAIN(TestCommon)
#include "tst_common.moc"
