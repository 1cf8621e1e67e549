// The game in another language: which one a Debian user gets, and that the
// translated texts fit the windows, which keep their designed sizes.
#include "CryptogramPage.h"
#include "DailyCalendar.h"
#include "Fonts.h"
#include "KelButton.h"
#include "Language.h"
#include "Lobby.h"
#include "Minutes.h"
#include "QuoteGrid.h"
#include "QuoteMarks.h"
#include "RecordingPrinter.h"
#include "ScriptedDialogs.h"
#include "SolveGame.h"
#include "SolverHelp.h"
#include "TempFolder.h"
#include "TodaysQuote.h"
#include "WrapCheckBox.h"
#include "frmManual.h"
#include "frmNewUser.h"
#include "frmStatistics.h"
#include "frmTitlePage.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QTranslator>

namespace {

// Gives back every text it is asked for in brackets, so that a word left
// outside brackets never went through the translator.
class PseudoTranslator final : public QTranslator {
public:
    QString translate(const char *, const char *source, const char *, int) const override {
        return source && *source ? u'\u27e6' + QString::fromUtf8(source) + u'\u27e7' : QString();
    }
    bool isEmpty() const override { return false; }
};

// What of `text` is English left unmarked: bracketed texts (nested where
// one fills another's blank) and the game's own name are taken out.
QString Unmarked(QString text) {
    static const QRegularExpression marked(QStringLiteral("\u27e6[^\u27e6\u27e7]*\u27e7"));
    for (qsizetype before = -1; before != text.size();) {
        before = text.size();
        text.remove(marked);
    }
    text.remove(QStringLiteral("Cipherly")).remove(QStringLiteral("KEL Software"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    return text.contains(word) ? text.simplified() : QString();
}

// Every text a player meets in `w`: titles, captions, labels, tool tips,
// the names a screen reader gives, and the help window's topic. The quote
// boxes, which show the player's quotes, are left out.
QStringList TextsOf(const QWidget *w) {
    QStringList out{w->windowTitle()};
    QList<const QWidget *> all{w};
    for (const QWidget *c : w->findChildren<QWidget *>())
        all << c;
    for (const QWidget *c : all) {
        if (c->inherits("QuoteTextBox") || c->inherits("LetterBox")) continue;
        out << c->toolTip() << c->accessibleName() << c->accessibleDescription();
        if (auto *b = qobject_cast<const KelButton *>(c)) out << b->Caption();
        if (auto *b = qobject_cast<const QAbstractButton *>(c)) out << b->text();
        if (auto *l = qobject_cast<const QLabel *>(c)) out << l->text();
        if (auto *t = qobject_cast<const QPlainTextEdit *>(c)) out << t->toPlainText();
    }
    return out;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { RegisterFontSubstitutions(); } // the faces the game draws in
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
        // Qt's own buttons too, from Debian's translations of Qt.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
        QCOMPARE(added(1), QStringLiteral("1 Zitat wurde aus f hinzugefügt."));
        QCOMPARE(added(1234), QStringLiteral("1.234 Zitate wurden aus f hinzugefügt."));
        // A German reader's decimal comma, in the minutes and in the statistics.
        QCOMPARE(MinutesText(150), QStringLiteral("2,5"));
        QCOMPARE(MinutesText(30), QStringLiteral("0,5")); // no ",5"
        QCOMPARE(MinutesText(120), QStringLiteral("2"));  // no "2,"
        // "in 0,5 Minuten gelöst": the whole sentence reads as German does.
        SolveGame g;
        g.start(QStringLiteral("AB"));
        g.startClock(QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
        QVERIFY2(g.congratulations(QDateTime(QDate(2026, 12, 8), QTime(10, 0, 30)))
                     .contains(QStringLiteral(" 0,5 Minuten")),
                 qPrintable(g.congratulations(QDateTime(QDate(2026, 12, 8), QTime(10, 0, 30)))));
        stats::Figures f;
        f.hintsPerSolved = 1.5;
        QVERIFY(
            frmStatistics::FigureLines(f).contains(QStringLiteral("Tipps je gelöstem Spiel: 1,5")));
    }

    // Every caption of every window, in German, inside its button; every
    // check box's text inside its box. Buttons of modes not on show are laid
    // out to be measured.
    void germanTextsFitTheirControls() {
        language::Install(*qApp, {"de"});
        TempFolder folder; // the lobby's quote list goes there
        QPointer<frmMain> lobby;
        OpenLobby(lobby);
        // The calendar on its longest line: a day solved a day late.
        stats::Game late;
        late.day = QDate(2026, 12, 10);
        late.finished = QDateTime(QDate(2026, 12, 11), QTime(23, 0), Qt::UTC);
        late.outcome = stats::Outcome::Solved;
        late.seconds = 3599;
        late.hints = 12;
        const QList<QWidget *> windows{new frmTitlePage,  new frmNewUser,
                                       lobby.data(),      new frmManual,
                                       new frmStatistics, new frmDailyCalendar({late}, late.day)};
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
            for (const QLabel *l : w->findChildren<QLabel *>()) {
                if (l->text().isEmpty() || Qt::mightBeRichText(l->text())) continue;
                const QRect room = l->contentsRect();
                const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
                if (!room.contains(l->fontMetrics().boundingRect(room, flags, l->text())))
                    cut << name(w, l, l->text());
            }
        }
        CloseAllWindows();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    // A German day's result says it is the German quote of the day, with
    // German dates and plurals.
    void aGermanDaysShareLineSaysWhichQuote() {
        language::Install(*qApp, {"de"});
        const QString line = TodaysQuote::ShareLine(QDate(2026, 12, 9), 134, 1, 2, 3);
        language::Install(*qApp, {"en"});
        QCOMPARE(line,
                 QStringLiteral("Cipherly Nr. 3 \u00B7 Zitat des Tages (deutsch) 9. Dez. 2026 "
                                "\u00B7 Stufe 3 \u00B7 gel\u00F6st in 2:14 \u00B7 1 Tipp "
                                "\u00B7 Serie 2"));
    }

    // In each language, each window and each mode of the lobby: no two
    // buttons or boxes on show share an access key, nor two items of a menu.
    void noTwoThingsSeenTogetherShareAnAccessKey() {
        QStringList clashes;
        for (const char *lang : {"en", "de"}) {
            language::Install(*qApp, {lang});
            TempFolder folder;
            ScriptedDialogs script;
            auto check = [&](const QString &where, const QList<QPair<QString, QString>> &shown) {
                QHash<QChar, QString> taken;
                for (const auto &[name, text] : shown) {
                    const QChar key = KelButton::AccessKeyOf(text).toUpper();
                    if (key.isNull() || key == QChar(0)) continue;
                    if (taken.contains(key))
                        clashes << QStringLiteral("%1 %2: %3 and %4 share %5")
                                       .arg(QLatin1String(lang), where, taken[key], name, key);
                    else
                        taken.insert(key, name);
                }
            };
            auto onShow = [](const QWidget *w) {
                QList<QPair<QString, QString>> out;
                for (const QWidget *c : w->findChildren<QWidget *>()) {
                    if (!c->isVisibleTo(w)) continue;
                    if (auto *b = qobject_cast<const KelButton *>(c))
                        out.append({b->objectName(), b->Caption()});
                    else if (auto *b = qobject_cast<const QAbstractButton *>(c))
                        out.append({b->objectName(), b->text()});
                }
                return out;
            };
            auto items = [](const QMenu *menu) {
                QList<QPair<QString, QString>> out;
                for (const QAction *a : menu->actions())
                    if (a->isVisible() && !a->isSeparator())
                        out.append({a->text(), a->text().section(QLatin1Char('\t'), 0, 0)});
                return out;
            };
            QPointer<frmMain> lobby;
            frmMain &m = OpenLobby(lobby);
            for (QWidget *w : QList<QWidget *>{new frmTitlePage, new frmNewUser,
                                               new frmStatistics, new frmManual}) {
                w->show();
                check(w->objectName(), onShow(w));
            }
            auto mode = [&](const QString &name) { check(name, onShow(&m)); };
            // A menu's items, checked while it is open.
            auto menu = [&](const QString &name, QMenu *(frmMain::*open)() const,
                            const std::function<void()> &popUp) {
                QTimer::singleShot(0, [&, name, open] {
                    QMenu *shown = (m.*open)();
                    QVERIFY(shown);
                    check(name, items(shown));
                    shown->close();
                });
                popUp();
            };
            mode(QStringLiteral("list"));
            menu(QStringLiteral("list menu"), &frmMain::listMenu,
                 [&] { QTest::keyClick(Ui(m).grid, Qt::Key_F10, Qt::ShiftModifier); });
            Ui(m).cmdAddEditQuote[1]->PerformClick();
            mode(QStringLiteral("adding"));
            Ui(m).cmdAddEditCancel->PerformClick();
            Ui(m).cmdScrambleAndPrintQuote->PerformClick();
            mode(QStringLiteral("print"));
            Ui(m).cmdFinishedPrinting->PerformClick();
            Ui(m).cmdSolveRandomQuote->PerformClick();
            mode(QStringLiteral("solve"));
            menu(QStringLiteral("solve menu"), &frmMain::solveMenu,
                 [&] { m.txtBox_ContextMenu(Ui(m).txtBox[1], QPoint(10, 8)); });
            Ui(m).cmdSolve->PerformClick();
            mode(QStringLiteral("solved"));
            Ui(m).cmdFinishedSolving->PerformClick();
            CloseAllWindows();
        }
        language::Install(*qApp, {"en"});
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
    }

    // The line above the list at five-digit list sizes, with the played
    // record and the difficulty beside it, whole in each language.
    void theListsLineFitsAtAnyListSize() {
        QStringList cut;
        for (const char *lang : {"en", "de"}) {
            language::Install(*qApp, {lang});
            TempFolder folder;
            QPointer<frmMain> lobby;
            frmMain &m = OpenLobby(lobby);
            QuoteListModel &list = *Ui(m).grid->list();
            const QString design =
                frmMain::tr("Quote List (Currently Highlighted: %1 of %2 on file)")
                    .arg(32767)
                    .arg(32767);
            list.setStatus(design, frmMain::tr("Quote %1 of %2").arg(32767).arg(32767));
            play::QuoteHistory h;
            h.played = 12, h.solved = 11, h.bestSeconds = 5999;
            list.setStatusNote(QStringLiteral("marks"), QuoteMarks::Note(h));
            list.setStatusNote(QStringLiteral("level"), SolverHelp::LevelNote(1));
            QHeaderView &header = *Ui(m).grid->horizontalHeader();
            // The notes gone, the design's words stand whole.
            const auto notesOff = [&] {
                list.setStatusNote(QStringLiteral("marks"), {});
                list.setStatusNote(QStringLiteral("level"), {});
            };
            const QString text = list.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString();
            const int room = header.sectionSize(0) - 2 * header.style()->pixelMetric(
                                                         QStyle::PM_HeaderMargin, nullptr, &header);
            if (header.fontMetrics().horizontalAdvance(text) > room)
                cut << QStringLiteral("%1: %2 (%3 of %4 pixels)")
                           .arg(QLatin1String(lang), text)
                           .arg(header.fontMetrics().horizontalAdvance(text))
                           .arg(room);
            notesOff();
            QCOMPARE(list.status(), design);
            CloseAllWindows();
        }
        language::Install(*qApp, {"en"});
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    // With every text bracketed by the translator, each window in each of
    // its modes, every help topic, both menus, the messages and the
    // printed pages are left with no English outside brackets.
    void noTextEscapesTheTranslator() {
        TempFolder folder;
        ScriptedDialogs script;
        RecordingPrinter printer;
        printer.install();
        PseudoTranslator pseudo;
        QCoreApplication::installTranslator(&pseudo);
        QStringList met;
        auto meet = [&met](const QString &where, const QStringList &texts) {
            for (const QString &t : texts)
                if (!Unmarked(t).isEmpty()) met << where + QStringLiteral(": ") + t;
        };
        // The texts of `menu`, then, with it closed, each of its items that
        // `use` picks is chosen.
        auto menuTexts = [](QMenu *menu, const std::function<bool(const QString &)> &use = {}) {
            QStringList out;
            if (!menu) return out;
            const QList<QAction *> items = menu->actions();
            for (const QAction *a : items)
                out << a->text() << a->toolTip();
            menu->close();
            for (QAction *a : items)
                if (use && use(a->text())) a->trigger();
            return out;
        };
        QPointer<frmMain> lobby;
        frmMain &m = OpenLobby(lobby);
        for (QWidget *w : QList<QWidget *>{new frmTitlePage, new frmNewUser, new frmStatistics}) {
            w->show();
            meet(w->objectName(), TextsOf(w));
        }
        auto &help = *new frmManual; // discarded when it closes
        for (int i = 1; i < int(help.menuHelpTopic.size()); ++i) {
            const int n = frmManual::itemNumber(i);
            if (n == 1111 || n == 2222 || n == 3333) continue; // links to the maker's pages
            help.menuHelpTopic_Click(i);
            meet(QStringLiteral("help %1").arg(i), TextsOf(&help) << menuTexts(help.menuHelpMenu));
        }
        meet(QStringLiteral("list"), TextsOf(&m));
        Ui(m).cmdDeleteQuote->PerformClick(); // a built-in quote: it cannot be deleted
        // An import with a quote taken and one skipped, and its report.
        script.filesToOpen = {{folder.file(QStringLiteral("in.txt"))}};
        QFile in(script.filesToOpen[0][0]);
        QVERIFY(in.open(QIODevice::WriteOnly));
        in.write("X.\nA quote long enough to be taken into the list, with nothing wrong.\n");
        in.close();
        QTimer::singleShot(0, [&] {
            meet(QStringLiteral("list menu"), menuTexts(m.listMenu(), [](const QString &t) {
                     return t.contains(QStringLiteral("Import"));
                 }));
        });
        QTest::keyClick(Ui(m).grid, Qt::Key_F10, Qt::ShiftModifier);
        Ui(m).cmdScrambleAndPrintQuote->PerformClick();
        meet(QStringLiteral("print"), TextsOf(&m));
        Ui(m).chkPrintSolutionPage->setChecked(true);
        script.answers = {dialogs::Answer::No}; // not personalised
        Ui(m).cmdPrintQuote->PerformClick();
        RecordingSurface pages;
        for (int page : {1, 2})
            CryptogramPage::print(pages, page, QStringLiteral("Jo"), QStringLiteral("XJ SHAK"),
                                  QStringLiteral("NO WORD"));
        for (const RecordingSurface::Piece &p : pages.pieces)
            if (p.text != p.text.toUpper())
                meet(QStringLiteral("printed"), {p.text}); // not the cipher
        Ui(m).cmdFinishedPrinting->PerformClick();
        Ui(m).cmdSolveRandomQuote->PerformClick();
        Ui(m).cmdHint->PerformClick();
        QTimer::singleShot(0, [&] { // every aid, check and explanation
            meet(QStringLiteral("solve menu"),
                 menuTexts(m.solveMenu(), [](const QString &) { return true; }));
        });
        m.txtBox_ContextMenu(Ui(m).txtBox[1], QPoint(10, 8));
        meet(QStringLiteral("solve"), TextsOf(&m));
        Ui(m).cmdSolve->PerformClick();
        meet(QStringLiteral("solved"), TextsOf(&m));
        Ui(m).cmdFinishedSolving->PerformClick();
        script.answers = {dialogs::Answer::No};
        Ui(m).cmdQuit->PerformClick();
        for (const dialogs::Message &msg : script.messages)
            meet(QStringLiteral("message"), {msg.title, msg.text, msg.details, msg.checkBox});
        QCoreApplication::removeTranslator(&pseudo);
        CloseAllWindows();
        QVERIFY(script.messages.size() >= 2);
        QVERIFY2(met.isEmpty(), qPrintable(met.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
