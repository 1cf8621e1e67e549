// The game in another language: which one a Debian user gets, and that the
// translated texts fit the windows, which keep their designed sizes.
#include "KelButton.h"
#include "Language.h"
#include "Lobby.h"
#include "TempFolder.h"
#include "WrapCheckBox.h"
#include "frmManual.h"
#include "frmNewUser.h"
#include "frmStatistics.h"
#include "frmTitlePage.h"

#include <QCheckBox>
#include <QResizeEvent>
#include <QStyle>
#include <QTest>

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void theLanguageIsTheOneGettextWouldGive_data() {
        QTest::addColumn<QStringList>("env"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QTest::addColumn<QStringList>("wanted");
        QTest::newRow("LANG alone")
            << QStringList{"", "", "", "de_DE.UTF-8"} << QStringList{"de_DE", "de"};
        QTest::newRow("LC_ALL over LANG")
            << QStringList{"", "fr_FR.UTF-8", "", "de_DE.UTF-8"} << QStringList{"fr_FR", "fr"};
        QTest::newRow("LC_MESSAGES over LANG")
            << QStringList{"", "", "de_AT.UTF-8@euro", "en_GB.UTF-8"} << QStringList{"de_AT", "de"};
        QTest::newRow("LANGUAGE first, then the locale")
            << QStringList{"fr:de_CH", "", "", "en_US.UTF-8"}
            << QStringList{"fr", "de_CH", "de", "en_US", "en"};
        QTest::newRow("the C locale speaks English")
            << QStringList{"de", "C.UTF-8", "", "de_DE"} << QStringList{};
        QTest::newRow("nothing set") << QStringList{"de", "", "", ""} << QStringList{};
    }
    void theLanguageIsTheOneGettextWouldGive() {
        QFETCH(QStringList, env);
        QFETCH(QStringList, wanted);
        const char *names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
        QCOMPARE(language::Wanted([&](const char *name) {
                     for (int i = 0; i < 4; ++i)
                         if (qstrcmp(name, names[i]) == 0) return env[i];
                     return QString();
                 }),
                 wanted);
    }

    // English comes first in a list it heads, and the game has German; each
    // counts in its own words.
    void germanIsChosenUnlessEnglishComesFirst() {
        const auto added = [](int n) {
            return QCoreApplication::translate("QuoteCollections",
                                               "%Ln quote(s) were added from %1.", nullptr, n)
                .arg(QStringLiteral("f"));
        };
        QVERIFY(language::Available().contains(QStringLiteral("de")));
        QCOMPARE(language::Install(*qApp, {"en_GB", "en", "de"}), QStringLiteral("en"));
        QCOMPARE(frmNewUser::tr("&Continue"), QStringLiteral("&Continue"));
        QCOMPARE(added(1), QStringLiteral("1 quote was added from f."));
        QCOMPARE(added(1234), QStringLiteral("1,234 quotes were added from f."));
        QCOMPARE(language::Install(*qApp, {"pt_BR", "pt", "de_DE", "de"}), QStringLiteral("de_DE"));
        QCOMPARE(frmNewUser::tr("&Continue"), QStringLiteral("&Weiter"));
        QCOMPARE(added(1), QStringLiteral("1 Zitat wurde aus f hinzugefügt."));
        QCOMPARE(added(1234), QStringLiteral("1.234 Zitate wurden aus f hinzugefügt."));
    }

    // Every caption of every window, in German, inside its button; every
    // check box's text inside its box. Buttons of modes not on show are laid
    // out to be measured.
    void germanTextsFitTheirControls() {
        language::Install(*qApp, {"de"});
        TempFolder folder; // the lobby's quote list goes there
        QPointer<frmMain> lobby;
        OpenLobby(lobby);
        const QList<QWidget *> windows{new frmTitlePage, new frmNewUser, lobby.data(),
                                       new frmManual, new frmStatistics};
        QStringList cut;
        auto name = [](const QWidget *w, const QWidget *c, const QString &text) {
            return w->objectName() + QLatin1Char('.') + c->objectName() + QLatin1Char(' ') + text;
        };
        for (QWidget *w : windows) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            for (KelButton *b : w->findChildren<KelButton *>()) {
                if (b->Caption().trimmed().isEmpty()) continue;
                QResizeEvent laidOut(b->size(), b->size());
                QCoreApplication::sendEvent(b, &laidOut);
                if (!QRect(QPoint(), b->size()).contains(b->captionRect()))
                    cut << name(w, b, b->Caption());
            }
            for (const QCheckBox *c : w->findChildren<QCheckBox *>()) {
                const int box = c->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 5;
                const QRect room = c->rect().adjusted(box, 0, 0, 0);
                const QString text = QString(c->text()).remove(QLatin1Char('&'));
                const int wrap = qobject_cast<const WrapCheckBox *>(c) ? Qt::TextWordWrap : 0;
                if (!room.contains(c->fontMetrics().boundingRect(room, wrap, text)))
                    cut << name(w, c, c->text());
            }
        }
        CloseAllWindows();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
