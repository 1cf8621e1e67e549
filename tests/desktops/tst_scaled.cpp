// Every window at the screen scale this run is given (QT_SCALE_FACTOR): the
// layout stays as designed, nothing is clipped, and every picture comes from
// the artwork made for the scale.
#include "AnimatedPicture.h"
#include "BoardPalette.h"
#include "DailyCalendar.h"
#include "DailyQuote.h"
#include "Dialogs.h"
#include "Fonts.h"
#include "HelpTopic.h"
#include "KelButton.h"
#include "LetterTiles.h"
#include "Lobby.h"
#include "NightColours.h"
#include "NightScheme.h"
#include "RecordingOpacity.h"
#include "TileBoard.h"
#include "ViewSizeChoice.h"
#include "ViewZoom.h"
#include "frmManual.h"
#include "frmNewUser.h"
#include "frmTitlePage.h"
#include "modStandard.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

namespace {

qreal scale() {
    return qApp->devicePixelRatio();
}

// Everything the player can see of `window` lies inside it and inside its
// own container, and no text is cut off.
void checkLayout(QWidget *window, const QString &what) {
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || w->isWindow() || w->size().isEmpty()) continue;
        // The inner parts of list and text views are theirs to lay out.
        if (qobject_cast<QAbstractScrollArea *>(w->parentWidget()) ||
            (w->parentWidget() &&
             qobject_cast<QAbstractScrollArea *>(w->parentWidget()->parentWidget())))
            continue;
        const QRect inWindow(w->mapTo(window, QPoint(0, 0)), w->size());
        QVERIFY2(window->rect().contains(inWindow),
                 qPrintable(QStringLiteral("%1: %2 lies outside the window")
                                .arg(what, w->objectName() + QLatin1Char(' ') +
                                               QString::fromLatin1(w->metaObject()->className()))));
        QVERIFY2(
            w->parentWidget()->rect().contains(w->geometry()),
            qPrintable(
                QStringLiteral("%1: %2 lies outside its container").arg(what, w->objectName())));
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty()) {
            const QSize room = label->contentsRect().size();
            const QString text = label->text();
            if (label->wordWrap()) {
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                         qPrintable(what + QStringLiteral(": text cut off at the foot: ") +
                                    text.left(40)));
            } else {
                const QSize need =
                    label->fontMetrics().boundingRect(QRect(0, 0, 4000, 4000), 0, text).size();
                QVERIFY2(need.width() <= room.width() && need.height() <= room.height(),
                         qPrintable(what + QStringLiteral(": text wider than its label: ") + text));
            }
        }
        if (auto *b = qobject_cast<KelButton *>(w); b && !b->Caption().isEmpty())
            QVERIFY2(b->rect().contains(b->captionRect()),
                     qPrintable(what + QStringLiteral(": caption cut off: ") + b->Caption()));
    }
}

// Pictures drawn on this screen come from the artwork for its scale.
void checkArtwork(QWidget *window, const QString &what) {
    const int k = scale() > 1.0 ? 2 : 1;
    for (KelButton *b : window->findChildren<KelButton *>()) {
        if (!b->isVisibleTo(window)) continue;
        QCOMPARE(b->surface().devicePixelRatio(), qreal(k));
        QCOMPARE(b->surface().size(), b->size() * k);
        if (b->MousePointer() == 99 && b->MouseIcon().isSet()) {
            // As large as designed times the scale, not the large artwork as it is.
            const QPixmap pointer = b->cursor().pixmap();
            QCOMPARE(pointer.size(), QSize(qRound(32 * scale()), qRound(32 * scale())));
            QCOMPARE(pointer.devicePixelRatio(), scale());
        }
    }
    QList<QWidget *> all = window->findChildren<QWidget *>();
    all << window;
    for (QWidget *w : all) {
        if (!w->autoFillBackground()) continue;
        const QBrush brush = w->palette().brush(QPalette::Window);
        if (brush.style() == Qt::TexturePattern)
            QVERIFY2(brush.texture().devicePixelRatio() == k,
                     qPrintable(what + QStringLiteral(": background of ") + w->objectName()));
    }
    for (AnimatedPicture *a : window->findChildren<AnimatedPicture *>())
        for (int i = 0; i < a->frameCount(); ++i)
            QCOMPARE(a->frame(i).devicePixelRatio(), qreal(k));
}

} // namespace

class TestScaled : public QObject, private LobbyFixture {
    Q_OBJECT

    RecordingOpacity opacity;

    // A game of a fixed run of draws on show, one pair placed, with the help
    // window beside it; the caret steady, so that two pictures may be compared.
    QPointer<frmManual> openGameAndHelp(quint32 seed) {
        QApplication::setCursorFlashTime(0);
        OpenLobby(lobby);
        modStandard::SetRandomSource([&seed] {
            seed = seed * 1664525u + 1013904223u;
            return (seed >> 8) / double(1 << 24);
        });
        lobby->cmdSolveRandomQuote_Click();
        modStandard::SetRandomSource({});
        lobby->board.typePair(Ui(lobby).txtBox[2]->text()[0], u'E');
        HelpTopic = HelpTopics::MainLobby;
        QPointer<frmManual> help = new frmManual;
        help->show();
        if (!WaitOpened(help.data())) QTest::qFail("no help window", __FILE__, __LINE__);
        return help;
    }

private slots:
    void initTestCase() {
        RegisterFontSubstitutions();
        modFadeInOut::setOpacityControl(&opacity);
        qInfo("screen scale %.2f", scale());
    }
    void init() { setUpLobby(); }
    void cleanup() { tearDownLobby(); }

    void theTitlePageAndTheWelcomeScreen() {
        auto *title = new frmTitlePage;
        title->openLobby = [] {};
        title->show();
        QVERIFY(WaitOpened(title));
        QCOMPARE(title->size(), QSize(546, 231));
        QCOMPARE(title->client->geometry(), QRect(3, 3, 540, 225));
        checkLayout(title, QStringLiteral("title page"));
        checkArtwork(title, QStringLiteral("title page"));

        auto *welcome = new frmNewUser;
        welcome->show();
        QVERIFY(WaitOpened(welcome));
        QCOMPARE(welcome->size(), QSize(434, 337));
        checkLayout(welcome, QStringLiteral("welcome screen"));
        checkArtwork(welcome, QStringLiteral("welcome screen"));
    }

    void theHelpWindow() {
        HelpTopic = HelpTopics::MainLobby;
        auto *help = new frmManual;
        help->show();
        QVERIFY(WaitOpened(help));
        QCOMPARE(help->size(), QSize(429, 414));
        checkLayout(help, QStringLiteral("help window"));
        checkArtwork(help, QStringLiteral("help window"));
    }

    void theLobbyInEveryMode() {
        OpenLobby(lobby);
        QCOMPARE(lobby->size(), QSize(504, 455));
        checkLayout(lobby, QStringLiteral("list mode"));
        checkArtwork(lobby, QStringLiteral("list mode"));

        lobby->cmdAddEditQuote_Click(1);
        QCOMPARE(lobby->size(), QSize(504, 261));
        checkLayout(lobby, QStringLiteral("edit mode"));
        lobby->cmdAddEditCancel_Click();
        QCOMPARE(lobby->size(), QSize(504, 455));

        lobby->cmdScrambleAndPrintQuote_Click();
        checkLayout(lobby, QStringLiteral("print mode"));
        checkArtwork(lobby, QStringLiteral("print mode"));
        lobby->cmdFinishedPrinting_Click();

        lobby->cmdSolveRandomQuote_Click();
        checkLayout(lobby, QStringLiteral("solve mode"));
        checkArtwork(lobby, QStringLiteral("solve mode"));
        lobby->cmdFinishedSolving_Click();
    }

    void everyWindowGrabbedForTheFaceCheck() {
        // Run by faces.sh twice, under two different default faces of the
        // system; the pictures must come out the same.
        const QString out = qEnvironmentVariable("CIPHERLY_GRABS");
        if (out.isEmpty()) QSKIP("run by tests/desktops/faces.sh");
        QFile system(out + QStringLiteral("/system-face.txt"));
        QVERIFY(system.open(QIODevice::WriteOnly));
        system.write(QFontInfo(QFont(QStringLiteral("Sans Serif"))).family().toUtf8());
        system.close();
        auto save = [&](QWidget *w, const QString &name) {
            for (AnimatedPicture *a : w->findChildren<AnimatedPicture *>())
                a->hide(); // the same frame in both runs: none
            QVERIFY(w->grab().save(out + QLatin1Char('/') + name + QStringLiteral(".png")));
        };
        auto *title = new frmTitlePage;
        title->openLobby = [] {};
        title->show();
        QVERIFY(WaitOpened(title));
        save(title, QStringLiteral("title"));
        auto *welcome = new frmNewUser;
        welcome->show();
        QVERIFY(WaitOpened(welcome));
        save(welcome, QStringLiteral("welcome"));
        HelpTopic = HelpTopics::MainLobby;
        // The topic names the list's folder: the same one in both runs.
        QDir::setCurrent(QDir::homePath());
        auto *help = new frmManual;
        help->show();
        QVERIFY(WaitOpened(help));
        QDir::setCurrent(folder->path());
        save(help, QStringLiteral("help"));
        OpenLobby(lobby);
        save(lobby, QStringLiteral("lobby"));
        lobby->cmdAddEditQuote_Click(1);
        save(lobby, QStringLiteral("lobby-edit"));
        lobby->cmdAddEditCancel_Click();
        lobby->cmdScrambleAndPrintQuote_Click();
        Ui(lobby).lblCode->clear(); // a fresh key each run
        Ui(lobby).txtBox[2]->setText({});
        save(lobby, QStringLiteral("lobby-print"));
        lobby->cmdFinishedPrinting_Click();
        // A game, the same in every run: a fixed run of random draws.
        quint32 seed = 2026;
        modStandard::SetRandomSource([&seed] {
            seed = seed * 1664525u + 1013904223u;
            return (seed >> 8) / double(1 << 24);
        });
        lobby->cmdSolveRandomQuote_Click();
        save(lobby, QStringLiteral("lobby-solve"));
        const QString scrambled = Ui(lobby).txtBox[2]->text();
        lobby->board.typePair(scrambled[0], u'E'); // the first letter, given a letter
        save(lobby, QStringLiteral("lobby-solve-pair"));
        lobby->cmdHint_Click();
        save(lobby, QStringLiteral("lobby-solve-hint"));
        lobby->board.setMarks(BoardSeam::Marks::Lit, {0, 1, 2});
        lobby->board.setPencilLetters({{4, u'Q'}});
        save(lobby, QStringLiteral("lobby-solve-marks"));
        lobby->cmdSolve_Click();
        save(lobby, QStringLiteral("lobby-solve-over"));
        lobby->cmdFinishedSolving_Click();
        save(lobby, QStringLiteral("lobby-after-solve"));
        modStandard::SetRandomSource({});
    }

    void theViewSizeChangesAtOnceAsAtAStart() {
        // Drawn at this run's scale as the game started.
        const int started = qRound(scale() * 100);
        QPointer<frmManual> help = openGameAndHelp(7);
        QVERIFY(help);
        lobby->activateWindow();
        QTRY_VERIFY(lobby->isActiveWindow());
        const QPointer<QWidget> focus = QApplication::focusWidget();
        QVERIFY(focus);
        const QImage atStart = lobby->grab().toImage(), helpAtStart = help->grab().toImage();
        const QString solution = Ui(lobby).txtBox[1]->text();

        // The designed size at once: every window, the game as it was.
        auto *choice = Added<ViewSizeChoice>(*lobby);
        QVERIFY(choice);
        choice->choose(ViewSizeChoice::Designed);
        QCOMPARE(Settings::ViewSize(), 100);
        for (QWidget *w :
             {static_cast<QWidget *>(lobby.data()), static_cast<QWidget *>(help.data())}) {
            QVERIFY(w->isVisible());
            QCOMPARE(w->devicePixelRatioF(), 1.0);
            QCOMPARE(w->grab().size(), w->size());
        }
        QCOMPARE(lobby->size(), QSize(504, 455));
        checkLayout(lobby, QStringLiteral("solve mode at 100 %"));
        checkArtwork(lobby, QStringLiteral("solve mode at 100 %"));
        QCOMPARE(Ui(lobby).txtBox[1]->text(), solution);
        QTRY_VERIFY(lobby->isActiveWindow());

        // And back: pixel for pixel what the start at this size drew.
        QVERIFY(viewzoom::apply(started));
        QCOMPARE(lobby->devicePixelRatioF(), scale());
        QTRY_VERIFY(lobby->isActiveWindow());
        QTRY_COMPARE(QApplication::focusWidget(), focus.data());
        QCOMPARE(lobby->grab().toImage(), atStart);
        QCOMPARE(help->grab().toImage(), helpAtStart);
        // Nothing changes while a question waits, nor past the largest size.
        QDialog question(lobby);
        question.setModal(true);
        question.show();
        QVERIFY(!viewzoom::apply(100));
        QCOMPARE(lobby->devicePixelRatioF(), scale());
        question.hide();
        Settings::Save(Settings::Keys::ViewSize, QStringLiteral("200"));
        const double before = scale();
        choice->choose(+1);
        QCOMPARE(script->messages.last().text, QStringLiteral("200 % is the largest view."));
        QCOMPARE(scale(), before);
        Settings::Save(Settings::Keys::ViewSize, QStringLiteral("0"));
        QApplication::setCursorFlashTime(1000);
        delete help;
    }

    void nightColoursAtOnceAndTheDayColoursBackPixelForPixel() {
        QPointer<frmManual> help = openGameAndHelp(11);
        QVERIFY(help);
        lobby->board.setMarks(BoardSeam::Marks::Lit, {0, 1, 2});
        const QImage day = lobby->grab().toImage(), helpDay = help->grab().toImage();
        const QString solution = Ui(lobby).txtBox[1]->text();

        auto *night = Added<NightColours>(*lobby);
        QVERIFY(night);
        night->toggle();
        QVERIFY(nightscheme::on());
        QVERIFY(Settings::IsOn(Settings::Keys::NightColours));
        // Dark grounds, light texts that read well on them, the game kept.
        for (QWidget *w :
             {static_cast<QWidget *>(lobby.data()), static_cast<QWidget *>(help.data())}) {
            const QImage shown = w->grab().toImage();
            double light = 0;
            for (int y = 0; y < shown.height(); y += 7)
                for (int x = 0; x < shown.width(); x += 7)
                    light += qGray(shown.pixel(x, y));
            light /= (shown.height() / 7 + 1) * (shown.width() / 7 + 1);
            QVERIFY2(
                light < 80,
                qPrintable(QStringLiteral("%1 is not dark: %2").arg(w->objectName()).arg(light)));
            for (QLabel *label : w->findChildren<QLabel *>()) {
                if (!label->isVisibleTo(w) || label->text().isEmpty()) continue;
                const QColor text = label->palette().color(QPalette::WindowText);
                const QImage under = label->grab().toImage();
                const QColor ground = under.pixelColor(0, 0);
                QVERIFY2(nightscheme::Contrast(text, ground) >= 4.5,
                         qPrintable(QStringLiteral("%1: %2 on %3")
                                        .arg(label->text().left(30), text.name(), ground.name())));
            }
        }
        QCOMPARE(Ui(lobby).txtBox[1]->text(), solution);
        // The owner-drawn buttons' captions read well on their faces, under
        // the pointer too.
        auto rgb = [](quint32 ref) {
            return QColor(int(ref & 0xFF), int(ref >> 8 & 0xFF), int(ref >> 16 & 0xFF));
        };
        for (QWidget *w :
             {static_cast<QWidget *>(lobby.data()), static_cast<QWidget *>(help.data())})
            for (KelButton *b : w->findChildren<KelButton *>()) {
                const KelButton::Colours &c = b->colours();
                for (quint32 text : {c.text, c.textOver})
                    QVERIFY2(nightscheme::Contrast(rgb(text), rgb(c.face)) >= 4.5,
                             qPrintable(b->objectName()));
            }
        // The puzzle's letters, firm or pencilled, read well on every mark,
        // and the marks are told apart from each other and from the ground.
        const BoardPalette &marks = BoardPalette::Night();
        for (int box : {1, 2}) {
            const QPalette &p = Ui(lobby).txtBox[box]->palette();
            QList<QColor> grounds{p.color(QPalette::Base)};
            for (int layer = 0; layer < 5; ++layer)
                grounds << marks.layer(layer);
            for (int i = 0; i < grounds.size(); ++i) {
                QVERIFY2(nightscheme::Contrast(p.color(QPalette::Text), grounds[i]) >= 4.5,
                         qPrintable(QStringLiteral("box %1, ground %2").arg(box).arg(i)));
                for (int j = 0; j < i; ++j) {
                    const int apart = std::abs(grounds[i].red() - grounds[j].red()) +
                                      std::abs(grounds[i].green() - grounds[j].green()) +
                                      std::abs(grounds[i].blue() - grounds[j].blue());
                    QVERIFY2(apart >= 24,
                             qPrintable(QStringLiteral("grounds %1 and %2 of box %3: %4 %5")
                                            .arg(j)
                                            .arg(i)
                                            .arg(box)
                                            .arg(grounds[j].name(), grounds[i].name())));
                }
            }
        }
        // The marks and the letter tiles in night colours too.
        QCOMPARE(lobby->board.palette().lit, BoardPalette::Night().lit);
        QVERIFY(qGray(BoardPalette::Night().lit.rgb()) < 80);
        auto *letterTiles = Added<LetterTiles>(*lobby);
        QVERIFY(letterTiles);
        letterTiles->menuLetterTiles_Click();
        TileBoard *tiles = letterTiles->tiles();
        QVERIFY(tiles->isVisible());
        QVERIFY(qGray(tiles->grab().toImage().pixel(2, 2)) < 80);
        letterTiles->menuLetterTiles_Click();
        QVERIFY(!tiles->isVisible());
        Settings::SetOn(Settings::Keys::LetterTiles, false);
        if (!qEnvironmentVariableIsEmpty("CIPHERLY_NIGHT_SHOTS")) {
            lobby->grab().save(qEnvironmentVariable("CIPHERLY_NIGHT_SHOTS") + "/lobby.png");
            help->grab().save(qEnvironmentVariable("CIPHERLY_NIGHT_SHOTS") + "/help.png");
        }
        // Off: the day's windows, pixel for pixel.
        night->toggle();
        QVERIFY(!nightscheme::on());
        QCOMPARE(lobby->grab().toImage(), day);
        QCOMPARE(help->grab().toImage(), helpDay);
        Settings::SetOn(Settings::Keys::NightColours, false);
        QApplication::setCursorFlashTime(1000);
        delete help;
    }

    // The calendar of the days at night: the days, their marks and the day
    // chosen read well on their grounds, as drawn.
    void theCalendarReadsWellInNightColours() {
        nightscheme::setOn(true);
        const auto dayAgain = qScopeGuard([] { nightscheme::setOn(false); });
        const QDate today = play::FirstDailyDate().addDays(3);
        stats::Game solved;
        solved.finished = QDateTime(today, QTime(20, 0), Qt::UTC);
        solved.day = today;
        solved.outcome = stats::Outcome::Solved;
        frmDailyCalendar w({solved}, today);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage shown = w.calendar->grab().toImage();
        // The lightest and the darkest colour of a cell: its text and its ground.
        const auto cellContrast = [&shown, &w](const QDate &day) {
            auto *view = w.calendar->findChild<QAbstractItemView *>();
            const QModelIndex at = [&] {
                for (int r = 0; r < view->model()->rowCount(); ++r)
                    for (int c = 0; c < view->model()->columnCount(); ++c) {
                        const QModelIndex i = view->model()->index(r, c);
                        if (i.data().toString() == QString::number(day.day()) &&
                            view->visualRect(i).top() > view->height() / 8)
                            return i;
                    }
                return QModelIndex();
            }();
            const QRect cell = view->visualRect(at).translated(view->mapTo(w.calendar, QPoint()));
            QColor light(Qt::black), dark(Qt::white);
            for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y)
                for (int x = cell.left() + 2; x < cell.right() - 1; ++x) {
                    const QColor c = shown.pixelColor(x * shown.width() / w.calendar->width(),
                                                      y * shown.height() / w.calendar->height());
                    if (qGray(c.rgb()) > qGray(light.rgb())) light = c;
                    if (qGray(c.rgb()) < qGray(dark.rgb())) dark = c;
                }
            return nightscheme::Contrast(light, dark);
        };
        for (const QDate &day : {today, today.addDays(-1)}) { // chosen and solved; not played
            const double contrast = cellContrast(day);
            QVERIFY2(contrast >= 4.5,
                     qPrintable(QStringLiteral("%1: %2").arg(day.toString()).arg(contrast)));
        }
    }

    // A message of the game's own at night: its text and its button read well.
    void aMessageReadsWellInNightColours() {
        nightscheme::setOn(true);
        const auto dayAgain = qScopeGuard([] { nightscheme::setOn(false); });
        double messageText = 0, messageButton = 0;
        int ground = 255;
        QTimer::singleShot(0, this, [&] {
            QWidget *box = nullptr;
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->isModal()) box = w;
            if (!box) return;
            const QImage shown = box->grab().toImage();
            ground = qGray(shown.pixel(1, 1));
            for (QLabel *label : box->findChildren<QLabel *>())
                if (!label->text().isEmpty())
                    messageText = nightscheme::Contrast(
                        label->palette().color(QPalette::WindowText), shown.pixelColor(1, 1));
            for (QAbstractButton *b : box->findChildren<QAbstractButton *>())
                messageButton = nightscheme::Contrast(b->palette().color(QPalette::ButtonText),
                                                      b->palette().color(QPalette::Button));
            box->close();
        });
        dialogs::Dialogs *scripted = &dialogs::current();
        dialogs::install(nullptr); // the real box this once
        dialogs::message(nullptr, QStringLiteral("Cipherly"),
                         QStringLiteral("No letters are placed yet."), dialogs::Icon::Information);
        dialogs::install(scripted);
        QVERIFY2(ground < 80, qPrintable(QString::number(ground)));
        QVERIFY2(messageText >= 4.5, qPrintable(QString::number(messageText)));
        QVERIFY2(messageButton >= 4.5, qPrintable(QString::number(messageButton)));
    }

    void aButtonPictureIsTheArtworkForTheScale() {
        auto *title = new frmTitlePage;
        title->openLobby = [] {};
        title->show();
        QVERIFY(WaitOpened(title));
        KelButton *b = title->cmdContinue;
        const int k = scale() > 1.0 ? 2 : 1;
        QImage art(k == 2 ? QStringLiteral(":/pictures/icons/continue@2x.png")
                          : QStringLiteral(":/pictures/icons/continue.png"));
        art = art.convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!art.isNull());
        const QPoint at = b->picturePos() * k;
        int compared = 0;
        for (int y = 0; y < art.height(); ++y)
            for (int x = 0; x < art.width(); ++x) {
                const QRgb a = art.pixel(x, y);
                if (qAlpha(a) != 255 || (a & 0xFFFFFF) == 0xC0C0C0) continue;
                QCOMPARE(QColor(b->surface().pixel(at + QPoint(x, y))), QColor(a));
                ++compared;
            }
        QVERIFY(compared > art.width() * art.height() / 3);
    }
};

QTEST_MAIN(TestScaled)
#include "tst_scaled.moc"
