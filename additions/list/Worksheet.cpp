#include "Worksheet.h"

#include "AppInfo.h"
#include "BusyWindow.h"
#include "CryptogramPage.h"
#include "Dialogs.h"
#include "FreshChoice.h"
#include "GameRecord.h"
#include "NoWordBreaks.h"
#include "PrintWrapped.h"
#include "PrinterSurface.h"
#include "modStandard.h"
#include "QuoteFile.h"
#include "modStandard.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

const QString Heading = QStringLiteral("Comic Sans MS"), Text = QStringLiteral("MS Sans Serif"),
              Puzzle = QStringLiteral("Fixedsys");

// Entry `n` starts: on a new page unless `need` inches fit above `bottom`,
// its number in the margin; the height it starts at.
double startEntry(PrinterSurface &s, int n, double need, double bottom, double points) {
    if (s.currentY() + need > bottom) {
        s.newPage();
        s.setCurrentY(1.0);
    }
    const double top = s.currentY();
    s.setFace(Text, points, true);
    s.setCurrentX(0.55);
    s.print(QStringLiteral("%1.").arg(n));
    s.setCurrentY(top);
    return top;
}

// The answers, a line each, wrapped at the quote's width.
void printAnswer(PrinterSurface &s, const QString &text) {
    s.setCurrentX(1.0);
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString piece = word + QLatin1Char(' ');
        if (s.currentX() > 1.0 && s.currentX() + s.textWidth(word) > 7.5) {
            s.endLine();
            s.setCurrentX(1.0);
        }
        s.print(piece);
    }
    s.endLine();
}

} // namespace

Worksheet::Worksheet(LobbySeam &lobby) : Addition(lobby, QStringLiteral("worksheet")) {
    lobby.addListMenuItem(tr("Print a &Worksheet..."), [this] { menuPrintWorksheet_Click(); });
}

QStringList Worksheet::Choose(const QStringList &quotes, const QList<stats::Game> &games,
                              int count, play::Level level,
                              const std::function<int(int, int)> &randomBetween,
                              play::QuoteLevels *rated) {
    QList<play::QuoteHash> hashes;
    for (const QString &q : quotes)
        hashes << play::HashOfQuote(q);
    play::LastPlayed last;
    play::FoldLastPlayed(last, games, 0);
    QStringList chosen;
    play::QuoteLevels own;
    play::QuoteLevels &levels = rated ? *rated : own;
    for (int record : play::FreshOrder(hashes, last, randomBetween)) {
        if (chosen.size() >= count) break;
        const QString &q = quotes[record - 1];
        if (q.trimmed().isEmpty()) continue;
        if (level != play::Level::Any) {
            const int difficulty = levels.rate(q);
            if (difficulty < 1 || play::LevelOf(difficulty) != level) continue;
        }
        chosen << q;
    }
    return chosen;
}

void Worksheet::Print(PrinterSurface &s, const QStringList &quotes, const play::PuzzleKind &kind,
                      const QString &forName) {
    const double bottom = s.paper().size(QPageSize::Inch).height() - 1.0;
    QStringList answers;
    // The heading, in the title page's faces.
    s.setFace(Heading, 18, true);
    s.setCurrentX(1.0);
    s.setCurrentY(0.8);
    s.print(tr("%1 Worksheet").arg(AppInfo::Title));
    s.endLine();
    s.setFace(Text, 11);
    s.setCurrentX(1.0);
    if (!forName.isEmpty()) {
        s.print(tr("Made especially for %1!").arg(forName));
        s.endLine();
        s.setCurrentX(1.0);
    }
    s.print(kind.id() == play::WithWordBreaks().id()
                ? tr("Solve the scrambled messages below...")
                : tr("Solve the scrambled messages below: their letters stand in groups of "
                     "five, without word breaks."));
    s.endLine();
    s.setCurrentY(s.currentY() + 0.3);
    for (int n = 1; n <= quotes.size(); ++n) {
        const play::Puzzle puzzle = kind.make(quotes[n - 1]);
        answers << puzzle.board;
        s.setFace(Puzzle, 12);
        // Whole on its page: the lines, the writing room under each, a gap.
        const double need = (3 * CryptogramPage::linesOf(s, puzzle.enciphered)) * s.lineHeight();
        const double top = startEntry(s, n, need, bottom, 11);
        s.setFace(Puzzle, 12);
        s.setCurrentX(1.0);
        CryptogramPage::layOutQuote(s, puzzle.enciphered);
        s.setCurrentY(top + need);
    }
    // The answer key, on a page of its own.
    s.newPage();
    s.setFace(Heading, 16, true);
    s.setCurrentX(1.0);
    s.setCurrentY(0.8);
    s.print(tr("Answer Key"));
    s.endLine();
    s.setCurrentY(s.currentY() + 0.2);
    for (int n = 1; n <= answers.size(); ++n) {
        s.setFace(Text, 10);
        const double need = 2 * s.lineHeight() * (1 + s.textWidth(answers[n - 1]) / 6.5);
        startEntry(s, n, need, bottom, 10);
        s.setFace(Text, 10);
        printAnswer(s, answers[n - 1]);
        s.endLine();
    }
    s.endDocument();
}

void Worksheet::menuPrintWorksheet_Click() {
    QWidget *w = lobby.window();
    const std::optional<QString> asked = dialogs::input(
        w, tr("Print a Worksheet"),
        tr("How many puzzles should the worksheet hold?\n(1 to %1; each has a key of its own)")
            .arg(Most),
        QStringLiteral("10"));
    if (!asked) return;
    bool ok = false;
    const int count = asked->trimmed().toInt(&ok);
    if (!ok || count < 1 || count > Most) {
        dialogs::message(w, AppInfo::Title,
                         tr("A worksheet holds 1 to %1 puzzles: \"%2\" is not a number of them.")
                             .arg(Most)
                             .arg(asked->trimmed()),
                         dialogs::Icon::Exclamation);
        return;
    }
    // The difficulty, in the words the player reads (or the command line's).
    static const char *const Levels[] = {QT_TR_NOOP("any"), QT_TR_NOOP("easy"),
                                         QT_TR_NOOP("medium"), QT_TR_NOOP("hard"),
                                         QT_TR_NOOP("expert")};
    const std::optional<QString> which = dialogs::input(
        w, tr("Print a Worksheet"),
        tr("Which difficulty? Type %1, %2, %3 or %4,\nor %5 for quotes of every difficulty.")
            .arg(tr(Levels[1]), tr(Levels[2]), tr(Levels[3]), tr(Levels[4]), tr(Levels[0])),
        tr(Levels[0]));
    if (!which) return;
    int level = -1;
    for (int l = 0; l < 5; ++l)
        if (which->trimmed().compare(tr(Levels[l]), Qt::CaseInsensitive) == 0 ||
            which->trimmed().compare(QLatin1String(Levels[l]), Qt::CaseInsensitive) == 0)
            level = l;
    if (level < 0) {
        dialogs::message(w, AppInfo::Title,
                         tr("\"%1\" is no difficulty: type %2, %3, %4, %5 or %6.")
                             .arg(which->trimmed(), tr(Levels[1]), tr(Levels[2]), tr(Levels[3]),
                                  tr(Levels[4]), tr(Levels[0])),
                         dialogs::Icon::Exclamation);
        return;
    }
    const dialogs::Answer breaks = dialogs::message(
        w, AppInfo::Title,
        tr("Print the puzzles without word breaks (their letters in groups of five)?"),
        dialogs::Icon::Question, dialogs::Buttons::YesNoCancel, dialogs::Answer::No);
    if (breaks == dialogs::Answer::Cancel) return;
    const dialogs::Answer personal =
        dialogs::message(w, AppInfo::Title, tr("Would you like to personalize this worksheet?"),
                         dialogs::Icon::Question, dialogs::Buttons::YesNoCancel,
                         dialogs::Answer::No);
    if (personal == dialogs::Answer::Cancel) return;
    QString forName;
    if (personal == dialogs::Answer::Yes) {
        forName = dialogs::input(w, tr("Personalize this worksheet"),
                                 tr("Who are you printing this worksheet for?"))
                      .value_or(QString());
        if (forName.isEmpty()) return;
    }
    QStringList chosen;
    {
        BusyWindow busy(w); // a difficulty asked for rates the quotes
        chosen = Choose(
            lobby.quotes(), stats::ReadGames(), count, play::Level(level),
            [](int low, int high) {
                return int(modStandard::RandomBetween(qint16(low), qint16(high)));
            },
            &lobby.levels());
    }
    if (chosen.isEmpty()) {
        dialogs::message(w, AppInfo::Title,
                         tr("No quote of your list is of that difficulty: there is nothing to "
                            "print."),
                         dialogs::Icon::Information);
        return;
    }
    std::unique_ptr<PrinterSurface> surface;
    {
        BusyWindow busy(w);
        surface = PrinterSurface::open();
        surface->setPaper(PrinterSurface::LocalPaper());
        surface->setDocumentName(tr("worksheet"));
        Print(*surface,
              chosen,
              breaks == dialogs::Answer::Yes ? play::WithoutWordBreaks() : play::WithWordBreaks(),
              forName);
    }
    modStandard::ReportPrinting(w, *surface);
}

int Worksheet::FromCommandLine(const QStringList &args) {
    auto refuse = [](const QString &why) {
        std::fputs(qPrintable(QStringLiteral("cipherly: %1\n").arg(why)), stderr);
        return 2;
    };
    bool ok = false;
    const int count = args.value(0).toInt(&ok);
    if (!ok || count < 1 || count > Most)
        return refuse(tr("--worksheet takes a number of puzzles from 1 to %1, then FILE.pdf")
                          .arg(Most));
    play::Level level = play::Level::Any;
    const play::PuzzleKind *kind = &play::WithWordBreaks();
    QString forName, file;
    static const QStringList Levels{QStringLiteral("easy"), QStringLiteral("medium"),
                                    QStringLiteral("hard"), QStringLiteral("expert")};
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--level") && i + 1 < args.size() &&
            Levels.contains(args[i + 1].toLower())) {
            level = play::Level(Levels.indexOf(args[++i].toLower()) + 1);
        } else if (a == QLatin1String("--level")) {
            return refuse(tr("--level takes easy, medium, hard or expert"));
        } else if (a == QLatin1String("--no-word-breaks")) {
            kind = &play::WithoutWordBreaks();
        } else if (a == QLatin1String("--for")) {
            if (i + 1 >= args.size() || args[i + 1].trimmed().isEmpty() ||
                args[i + 1].startsWith(QLatin1String("--")))
                return refuse(tr("--for takes the name of the one the worksheet is for"));
            forName = args[++i];
        } else if (a.startsWith(QLatin1String("--")) || !file.isEmpty()) {
            return refuse(tr("%1 is not understood with --worksheet (see --help)")
                              .arg(modStandard::ForTerminal(a)));
        } else {
            file = a;
        }
    }
    if (!file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return refuse(tr("--worksheet writes a PDF file: name one ending in .pdf"));
    QStringList list;
    // Read, never written: the game may be running on the list.
    if (const quotes::Status s = quotes::PeekQuoteList(list); !s) {
        std::fputs(qPrintable(tr("cipherly: the quote list could not be read: %1\n")
                                  .arg(s.reason)),
                   stderr);
        return 1;
    }
    const QStringList chosen = Choose(list, stats::ReadGames(), count, level, [](int low, int high) {
        return int(modStandard::RandomBetween(qint16(low), qint16(high)));
    });
    if (chosen.isEmpty()) {
        std::fputs(qPrintable(tr("cipherly: no quote of the list is of that difficulty\n")),
                   stderr);
        return 1;
    }
    auto surface = DeviceSurface::toPdfFile(QFileInfo(file).absoluteFilePath());
    surface->setPaper(PrinterSurface::LocalPaper());
    surface->setDocumentName(tr("worksheet"));
    Print(*surface, chosen, *kind, forName);
    if (!surface->failures().isEmpty()) {
        std::fputs(qPrintable(surface->failures().join(QLatin1Char('\n')) + QLatin1Char('\n')),
                   stderr);
        return 1;
    }
    if (chosen.size() < count)
        std::fputs(qPrintable(tr("cipherly: the list held %1 such quotes; the worksheet has "
                                 "them all\n")
                                  .arg(chosen.size())),
                   stderr);
    return 0;
}
