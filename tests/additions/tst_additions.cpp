// Each addition on a stand-in for the lobby's seam, without the lobby.
#include "Announcer.h"
#include "AnswerGuard.h"
#include "DailyCalendar.h"
#include "DailyQuote.h"
#include "Figures.h"
#include "FreshQuotes.h"
#include "GameFile.h"
#include "GameRecord.h"
#include "GameRow.h"
#include "GameStatistics.h"
#include "HelperTip.h"
#include "KeyedGames.h"
#include "KeyedPuzzles.h"
#include "Keywords.h"
#include "KeptGames.h"
#include "Language.h"
#include "LetterStrip.h"
#include "LetterTiles.h"
#include "NoWordBreaks.h"
#include "PairHistory.h"
#include "PatternWords.h"
#include "PencilMarks.h"
#include "PlayClock.h"
#include "PrinterSurface.h"
#include "PuzzleTyping.h"
#include "QuoteMarks.h"
#include "QuoteRules.h"
#include "RecordingPrinter.h"
#include "RecordingSystem.h"
#include "SafeFile.h"
#include "SavedGame.h"
#include "ScreenReader.h"
#include "ScriptedDialogs.h"
#include "Settings.h"
#include "SolverAids.h"
#include "SolverHelp.h"
#include "StandInLobby.h"
#include "TempFolder.h"
#include "TileBoard.h"
#include "TodaysQuote.h"
#include "UnbrokenPuzzles.h"
#include "ViewSizeChoice.h"
#include "ViewZoom.h"
#include "Worksheet.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using dialogs::Answer;
using Marks = BoardSeam::Marks;

namespace {

const QString Quote =
    QStringLiteral("THE BEST WAY OUT IS ALWAYS THROUGH, SAID THE POET - ROBERT FROST");

} // namespace

class TestAdditions : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> folder;
    std::unique_ptr<ScriptedDialogs> script;
    std::unique_ptr<StandInLobby> lobby;
    QDateTime t;

    // A new stand-in on the same clock, its list twelve times the quote.
    StandInLobby &fresh() {
        lobby = std::make_unique<StandInLobby>();
        lobby->session().now = [this] { return t; };
        for (int i = 0; i < 12; ++i)
            lobby->list << Quote;
        lobby->row = 1;
        return *lobby;
    }
    const SolveGame &game() { return lobby->game(); }
    QChar cipherOf(QChar plain) { return lobby->session().key()[plain.unicode() - 'A']; }
    // Every letter still to find typed right, but `wrong` given `as`.
    void typeTheRest(QChar wrong = {}, QChar as = {}) {
        for (QChar c : Quote)
            if (c.isLetter() && game().isOpen() && !game().isOver() &&
                game().SolveProgress()[Quote.indexOf(c)] == SolveGame::Unsolved)
                lobby->typePair(cipherOf(c), c == wrong ? as : c);
    }

private slots:
    void initTestCase() { language::Install(*qApp, {QStringLiteral("en")}); }
    void init() {
        folder = std::make_unique<TempFolder>();
        quotes::QuoteFileName = QStringLiteral("Cipherly.Dat");
        stats::SetRecordPath(folder->file(QStringLiteral("games.csv")));
        script = std::make_unique<ScriptedDialogs>();
        t = QDateTime(QDate(2026, 12, 9), QTime(9, 0, 0));
        fresh();
    }
    void cleanup() {
        lobby.reset();
        for (const Settings::Key &k :
             {Settings::Keys::ShowDifficulty, Settings::Keys::GameClock, Settings::Keys::SolverAids,
              Settings::Keys::AskBeforeGivingUp, Settings::Keys::TypeOnPuzzle,
              Settings::Keys::QuoteMarks, Settings::Keys::PlainLetters,
              Settings::Keys::LetterTiles})
            Settings::SetOn(k, false);
        stats::SetRecordPath({});
        script.reset();
        folder.reset();
    }

    // ---- Solving -------------------------------------------------------------

    void levelsStepsAndChecks() {
        new SolverHelp(*lobby, lobby->standIn);
        // The difficulty after the status line, once rated, only when asked.
        QVERIFY(!lobby->item(QStringLiteral("Show &Difficulty"))->checked());
        lobby->choose(QStringLiteral("Show &Difficulty"));
        QStringList notes; // a name of its own for each of the five levels
        for (int level = 1; level <= 5; ++level)
            notes << SolverHelp::LevelNote(level);
        QCOMPARE(QSet<QString>(notes.begin(), notes.end()).size(), 5);
        QTRY_VERIFY(notes.contains(lobby->notes.value(QStringLiteral("solverHelp"))));
        lobby->choose(QStringLiteral("Show &Difficulty"));
        QVERIFY(lobby->notes.value(QStringLiteral("solverHelp")).isEmpty());

        // A level the list lacks: the game says which level it took instead.
        lobby->choose(QStringLiteral("Random E&xpert Game"));
        QTRY_COMPARE(script->messages.size(), 1);
        const QString told = script->messages.takeLast().text;
        QVERIFY2(told.startsWith(QStringLiteral(
                     "No Expert quote came up in the list; this one is the nearest: ")),
                 qPrintable(told));

        // An easy game starts with the four commonest scrambled letters given.
        lobby->choose(QStringLiteral("Random Eas&y Game"));
        for (QChar l : QStringLiteral("TEOS")) // 6, 4, 4, 4 times
            QCOMPARE(game().SolveProgress().count(l), Quote.count(l));
        QCOMPARE(game().HintCount(), qint16(0));
        // A step explained: a sentence with its pairs, its word marked, one hint.
        QVERIFY(lobby->press(QKeySequence(Qt::Key_F2)));
        QCOMPARE(script->messages.size(), 1);
        QVERIFY(script->messages[0].text.contains(u'='));
        QVERIFY(!lobby->layers[size_t(Marks::Step)].isEmpty());
        QCOMPARE(game().HintCount(), qint16(1));
        // Asked again with no move between: the same step, no second hint.
        QVERIFY(lobby->press(QKeySequence(Qt::Key_F2)));
        QCOMPARE(script->messages.last().text, script->messages.first().text);
        QCOMPARE(game().HintCount(), qint16(1));
        // One wrong letter: the step's marks go with its board; checked, the
        // wrong letter is named and marked, one hint more.
        const QChar a = cipherOf(u'A');
        lobby->typePair(a, u'U');
        QVERIFY(lobby->layers[size_t(Marks::Step)].isEmpty());
        QVERIFY(lobby->press(QKeySequence(Qt::Key_F3)));
        QCOMPARE(script->messages.last().text,
                 QStringLiteral("One of your letters is wrong: %1, marked in the puzzle.").arg(a));
        QCOMPARE(lobby->layers[size_t(Marks::Wrong)], SolveGame::PlacesOf(game().Enciphered(), a));
        QCOMPARE(game().HintCount(), qint16(2));
        // Every letter placed, one of them wrong: said once, not left silent.
        script->messages.clear();
        typeTheRest(u'A', u'U');
        QVERIFY(game().boardFull() && !game().isOver());
        QCOMPARE(script->messages.size(), 1);
        QVERIFY(script->messages[0].text.startsWith(QStringLiteral("Every letter has its place")));
        lobby->finish();

        // An expert game gives no letter, and Hint gives none either.
        lobby->choose(QStringLiteral("Random E&xpert Game"));
        QVERIFY(!game().anyPlaced() && !lobby->session().hintsGiveLetters());
    }

    void puzzlesWithoutWordBreaks() {
        new SolverHelp(*lobby, lobby->standIn);
        new UnbrokenPuzzles(*lobby);
        const QString longer = QStringLiteral(
            "Two roads diverged in a wood, and I took the one less traveled by, and that has made "
            "all the difference. - Robert Frost");
        lobby->list.fill(longer);
        lobby->choose(QStringLiteral("Random Game With&out Word Breaks"));
        QCOMPARE(game().SolveQuote(), quotes::LettersInFives(longer));
        QCOMPARE(lobby->session().kind(), QStringLiteral("fives")); // kept with the game
        QCOMPARE(lobby->session().kept().kind, QStringLiteral("fives"));
        // Taught from letters: a group that recurs (THE, twice), across the
        // groups' blanks, its letters marked; one hint.
        QVERIFY(lobby->press(QKeySequence(Qt::Key_F2)));
        QCOMPARE(script->messages.last().text,
                 QStringLiteral("%1 stands twice in the puzzle, and THE is the commonest group "
                                "of three letters in English: %2=T, %3=H, %4=E.")
                     .arg(QString(cipherOf(u'T')) + cipherOf(u'H') + cipherOf(u'E'), cipherOf(u'T'),
                          cipherOf(u'H'), cipherOf(u'E')));
        QCOMPARE(lobby->layers[size_t(Marks::Step)].size(), 6);
        QCOMPARE(game().HintCount(), qint16(1));
        lobby->finish();
        // For printing, the highlighted quote so; the design's kind by default.
        lobby->choose(QStringLiteral("Scramble Without Word &Breaks"));
        QVERIFY(lobby->is(LobbySeam::Mode::Print));
        QCOMPARE(lobby->scrambledOnShow().size(), quotes::LettersInFives(longer).size());
        QVERIFY(!lobby->scrambledOnShow().contains(u'-'));
        lobby->playRecord(1);
        QVERIFY(lobby->session().kind().isEmpty());
    }

    void worksheetsFreshFirstNumberedWithTheirAnswers() {
        const QStringList list{QStringLiteral("ONE FISH, TWO FISH."),
                               QStringLiteral("RED FISH, BLUE FISH."),
                               QStringLiteral("THE CAT IN THE HAT.")};
        // The first played long ago, the second lately, the third never.
        QList<stats::Game> games(2);
        games[0].finished = t.addDays(-9), games[0].quote = stats::QuoteHash(list[0]);
        games[1].finished = t.addDays(-1), games[1].quote = stats::QuoteHash(list[1]);
        const auto first = [](int low, int) { return low; };
        QCOMPARE(Worksheet::Choose(list, games, 5, play::Level::Any, first),
                 QStringList({list[2], list[0], list[1]}));
        QCOMPARE(Worksheet::Choose(list, games, 1, play::Level::Any, first), QStringList{list[2]});

        PrinterSurface::SetUnitToInches();
        RecordingSurface page;
        Worksheet::Print(page, list, play::WithoutWordBreaks(), QStringLiteral("Ms Ada"));
        QCOMPARE(page.documents, 1);
        QStringList texts;
        for (const RecordingSurface::Piece &p : page.pieces)
            texts << p.text;
        const QString all = texts.join(QLatin1Char('|'));
        for (const QString &number :
             {QStringLiteral("1."), QStringLiteral("2."), QStringLiteral("3.")})
            QCOMPARE(texts.count(number), 2); // a puzzle and its answer
        QVERIFY(all.contains(QStringLiteral("Made especially for Ms Ada!")));
        QVERIFY(all.contains(QStringLiteral("THECA |TINTH |EHAT "))); // an answer, word by word
        QVERIFY(!all.contains(QStringLiteral("THE CAT")) &&
                !texts.contains(QStringLiteral(", "))); // no breaks

        // From the list's menu: how many, of which difficulty, without breaks, for whom.
        auto *sheet = new Worksheet(*lobby);
        RecordingPrinter printer;
        printer.install();
        script->entries << std::optional<QString>(QStringLiteral("2"))
                        << std::optional<QString>(QStringLiteral("Any"));
        script->answers << Answer::No << Answer::No;
        sheet->menuPrintWorksheet_Click();
        QVERIFY(printer.last && printer.last->documents == 1);
        QCOMPARE(script->inputs.size(), 2);
        script->entries << std::optional<QString>(QStringLiteral("2"))
                        << std::optional<QString>(QStringLiteral("hardest"));
        sheet->menuPrintWorksheet_Click();
        QVERIFY(script->messages.last().text.startsWith(
            QStringLiteral("\"hardest\" is no difficulty")));
        PrinterSurface::setFactory({});

        // From the command line, without a window: a PDF, or a clear refusal.
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), folder->path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), folder->file(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder->file(QStringLiteral("config")));
        env.remove(QStringLiteral("DISPLAY"));
        cli.setProcessEnvironment(env);
        for (const QStringList &bad :
             {QStringList{QStringLiteral("0"), QStringLiteral("w.pdf")},
              QStringList{QStringLiteral("3"), QStringLiteral("w.txt")},
              QStringList{QStringLiteral("3"), QStringLiteral("--level"), QStringLiteral("easiest"),
                          QStringLiteral("w.pdf")},
              QStringList{QStringLiteral("3"), QStringLiteral("w.pdf"), QStringLiteral("--for")},
              QStringList{QStringLiteral("3"), QStringLiteral("--for"), QStringLiteral("w.pdf")},
              QStringList{QStringLiteral("3"), QStringLiteral("w.pdf"),
                          QStringLiteral("--x\x1b[2J")}}) {
            cli.start(QStringLiteral(CIPHERLY_EXE),
                      QStringList{QStringLiteral("--worksheet")} + bad);
            QVERIFY(cli.waitForFinished(WaitLimit));
            QCOMPARE(cli.exitCode(), 2);
            const QByteArray told = cli.readAllStandardError();
            QVERIFY(told.contains("cipherly: "));
            QVERIFY2(!told.contains('\x1b'), told.constData()); // told back harmless
            if (bad.contains(QStringLiteral("--for")) && bad.last() != QLatin1String("w.pdf"))
                QVERIFY2(told.contains("--for takes"), told.constData());
        }
        // The player's own file of the name a temporary file once had stays;
        // the list is read, never made (the game may be running on it).
        const QString notes = folder->file(QStringLiteral(".sheet.pdf.part"));
        {
            QFile f(notes);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("MY-OWN-NOTES") == 12);
        }
        cli.start(QStringLiteral(CIPHERLY_EXE),
                  {QStringLiteral("--worksheet"), QStringLiteral("4"),
                   QStringLiteral("--no-word-breaks"), folder->file(QStringLiteral("sheet.pdf"))});
        QVERIFY(cli.waitForFinished(WaitLimit));
        QCOMPARE(cli.exitCode(), 0);
        QFile pdf(folder->file(QStringLiteral("sheet.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");
        QFile kept(notes);
        QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == "MY-OWN-NOTES");
        QVERIFY(!QFileInfo::exists(folder->file(QStringLiteral("data/Cipherly/Cipherly.Dat"))));
    }

    void theAidsLightPickAndCount() {
        auto *aids = new SolverAidsPanel(*lobby, lobby->standIn);
        QCOMPARE(lobby->placed.value(aids->stripLetters), BoardSeam::Place::BesidePuzzle);
        lobby->playRecord(3, play::Level::Any);
        // Off: nothing shows, the puzzle is not pointed at.
        QVERIFY(!aids->stripLetters->isVisibleTo(&lobby->windowWidget) &&
                lobby->pointing.isEmpty());
        lobby->solveItems[0].action();
        QCOMPARE(Settings::GetSetting(QStringLiteral("SolverAids")), QStringLiteral("True"));
        QVERIFY(aids->stripLetters->isVisibleTo(&lobby->windowWidget));
        QVERIFY(lobby->pointing.contains(aids));
        const QString &guide = game().Enciphered();
        const QChar t = cipherOf(u'T'), h = cipherOf(u'H'), o = cipherOf(u'O');
        // The letter in box 1, or the one under the pointer, lit in both boxes.
        lobby->typeCipherLetter(t);
        QCOMPARE(lobby->layers[size_t(Marks::Lit)], SolveGame::PlacesOf(guide, t));
        emit lobby->standIn.puzzleHovered(int(guide.indexOf(h)));
        QCOMPARE(lobby->layers[size_t(Marks::Lit)], SolveGame::PlacesOf(guide, h));
        emit lobby->standIn.puzzleHovered(-1);
        QCOMPARE(lobby->layers[size_t(Marks::Lit)], SolveGame::PlacesOf(guide, t));
        // A click on a letter is as typing it into box 1.
        emit lobby->standIn.puzzleClicked(int(guide.indexOf(h)));
        QCOMPARE(lobby->letter, h);
        // The strip: counts, the letters given, and a letter given twice.
        lobby->typePair(t, u'T');
        lobby->typePair(o, u'T');
        const auto entry = [&](QChar c) {
            return aids->stripLetters->entries()[c.unicode() - 'A'];
        };
        QCOMPARE(entry(t).count, int(Quote.count(u'T')));
        QVERIFY(entry(t).conflict && entry(o).conflict && !entry(h).conflict);
        lobby->typePair(o, u' ');
        QVERIFY(!entry(t).conflict && entry(t).plain == u'T');
        // Solve: every letter given, nothing lit, nothing pointed at.
        lobby->session().solve();
        for (const auto &e : aids->stripLetters->entries())
            QCOMPARE(e.plain.isNull(), e.count == 0);
        QVERIFY(lobby->layers[size_t(Marks::Lit)].isEmpty() && lobby->pointing.isEmpty());
        QCOMPARE(game().HintCount(), qint16(0)); // the aids never count as hints
    }

    void patternWordsForAWordOfTheBoardOrAnyPattern() {
        new PatternWords(*lobby, lobby->standIn);
        lobby->playRecord(1);
        // THE, its T and H placed: offered as TH?, and read on the board,
        // where E is free and no letter stands for itself.
        lobby->typePair(cipherOf(u'T'), u'T');
        lobby->typePair(cipherOf(u'H'), u'H');
        emit lobby->standIn.puzzleHovered(Quote.indexOf(QLatin1String("THE")) + 1);
        script->entries << std::optional<QString>(QStringLiteral("TH?"));
        lobby->choose(QStringLiteral("Pattern &Words..."));
        QCOMPARE(script->inputs.last().initial, QStringLiteral("TH?"));
        const QString told = script->messages.last().text;
        QVERIFY2(
            told.startsWith(QStringLiteral("Words that fit %1 with the letters on the board "
                                           "(TH?), the commonest first:\n\nTHE")
                                .arg(QString(cipherOf(u'T')) + cipherOf(u'H') + cipherOf(u'E'))),
            qPrintable(told));
        // A pattern typed anew: a shape, and one that fits nothing.
        script->entries << std::optional<QString>(QStringLiteral("abca"));
        lobby->choose(QStringLiteral("Pattern &Words..."));
        QVERIFY(script->messages.last().text.contains(QStringLiteral("\n\nTHAT, ")));
        script->entries << std::optional<QString>(QStringLiteral("Q1"));
        lobby->choose(QStringLiteral("Pattern &Words..."));
        QCOMPARE(script->messages.last().text, QStringLiteral("No word the game knows fits Q1."));
    }

    void pencilMarksAreTentativeUntilMadeFirm() {
        auto *pencil = new PencilMarks(*lobby, lobby->standIn);
        lobby->playRecord(1);
        QVERIFY(lobby->press(QKeySequence(Qt::CTRL | Qt::Key_T)));
        QVERIFY(pencil->pencil());
        const QChar t = cipherOf(u'T'), h = cipherOf(u'H');
        lobby->typePair(t, u'T');
        lobby->typePair(h, u'E');     // a wrong guess, pencilled
        QVERIFY(!game().anyPlaced()); // not the game's: no move, no count
        QCOMPARE(lobby->pencil.size(), int(Quote.count(u'T') + Quote.count(u'H')));
        QCOMPARE(lobby->pencil.value(Quote.indexOf(u'T')), QChar(u'T'));
        QCOMPARE(lobby->layers[size_t(Marks::Pencil)].size(), lobby->pencil.size());
        lobby->typePair(h, u' '); // rubbed out
        QCOMPARE(lobby->pencil.size(), int(Quote.count(u'T')));
        // Kept with the game, through its file, and back when it is resumed.
        const QDateTime now = this->t;
        play::KeptGame kept =
            *play::ParseGameFile(play::FormatGameFile(lobby->session().kept()), now);
        QCOMPARE(kept.pencil, QString(t) + u'T');
        lobby->session().restore(kept);
        lobby->resumeGame();
        QCOMPARE(pencil->letters().value(t), QChar(u'T'));
        QCOMPARE(lobby->pencil.size(), int(Quote.count(u'T')));
        QVERIFY(play::ParseGameFile(play::FormatGameFile(kept).replace("pencil=", "pencil=1"), now)
                    ->pencil.isEmpty()); // damaged: left out, the game kept
        lobby->press(QKeySequence(Qt::CTRL | Qt::Key_T));
        // Made firm: placed as the pair it is, taken back as one.
        lobby->choose(QStringLiteral("Make Pencil Marks &Firm"));
        QCOMPARE(game().SolveProgress().count(u'T'), Quote.count(u'T'));
        QVERIFY(lobby->pencil.isEmpty() && pencil->pencil());
        lobby->typePair(h, u'H');
        lobby->choose(QStringLiteral("Cl&ear Pencil Marks"));
        QVERIFY(lobby->pencil.isEmpty());
        // Off: typing places pairs again; a new game starts without any.
        lobby->press(QKeySequence(Qt::CTRL | Qt::Key_T));
        lobby->typePair(h, u'H');
        QCOMPARE(game().SolveProgress().count(u'H'), Quote.count(u'H'));
        lobby->press(QKeySequence(Qt::CTRL | Qt::Key_T));
        lobby->typePair(cipherOf(u'E'), u'E');
        lobby->playRecord(1);
        QVERIFY(!pencil->pencil() && lobby->pencil.isEmpty() && !lobby->pairTaker);
    }

    void pencilMarksMadeFirmReachTheDiskAsOne() {
        // Whatever the keeper may write while the marks are made firm holds
        // every mark, pencilled or placed: a kill part way loses none.
        new SavedGame(*lobby, lobby->standIn);
        auto *pencil = new PencilMarks(*lobby, lobby->standIn);
        lobby->playRecord(1);
        lobby->press(QKeySequence(Qt::CTRL | Qt::Key_T));
        for (const QChar c : {u'T', u'H', u'E'})
            lobby->typePair(cipherOf(c), c);
        QCOMPARE(pencil->letters().size(), 3);
        GameSession &session = lobby->session();
        const auto marks = [&] {
            const play::KeptGame k = session.kept();
            return k.pairsPlaced() + int(k.pencil.split(u' ', Qt::SkipEmptyParts).size());
        };
        QList<int> keepable; // the marks of each state the keeper would write
        connect(&session, &GameSession::changed, this, [&] {
            if (!session.changing()) keepable << marks();
        });
        connect(&session, &GameSession::changesMade, this, [&] { keepable << marks(); });
        QVERIFY(lobby->findChild<SavedGame *>()->keeper().Finish().isEmpty());
        RecordingSystem rec;
        lobby->choose(QStringLiteral("Make Pencil Marks &Firm"));
        QVERIFY(lobby->findChild<SavedGame *>()->keeper().Finish().isEmpty());
        QCOMPARE(keepable, QList<int>({3}));
        int saves = 0;
        for (const auto &c : rec.calls)
            saves +=
                c.name == QLatin1String("rename") && c.path.endsWith(QLatin1String("Game.sav"));
        QCOMPARE(saves, 1);
        QFile kept(SavedGame::FileName());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const play::KeptGame back = *play::ParseGameFile(kept.readAll(), t);
        QCOMPARE(back.pairsPlaced(), 3);
        QVERIFY(back.pencil.isEmpty());
        lobby->finish();
    }

    void aKillWhileMarksAreMadeFirmLosesNone() {
        // A child plays game after game: three letters pencilled, then made
        // firm. It is killed at a random moment once it is under way, again
        // and again: every kept game reads back, its three marks whole,
        // pencilled or placed (or none yet), never some of them lost.
        std::mt19937 random(2026);
        const QString kept = SavedGame::FileName();
        for (int round = 0; round < 60; ++round) {
            QFile::remove(kept);
            const pid_t child = fork();
            if (child == 0) {
                new SavedGame(*lobby, lobby->standIn);
                new PencilMarks(*lobby, lobby->standIn);
                for (;;) {
                    lobby->playRecord(1);
                    lobby->press(QKeySequence(Qt::CTRL | Qt::Key_T));
                    for (const QChar c : {u'T', u'H', u'E'})
                        lobby->typePair(cipherOf(c), c);
                    lobby->choose(QStringLiteral("Make Pencil Marks &Firm"));
                }
            }
            const bool underWay =
                QTest::qWaitFor([&] { return QFileInfo::exists(kept); }, WaitLimit);
            usleep(useconds_t(std::uniform_int_distribution<int>(0, 20000)(random)));
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            QVERIFY2(underWay, "the child kept no game");
            QFile f(kept);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const std::optional<play::KeptGame> back = play::ParseGameFile(f.readAll(), t);
            QVERIFY2(back, "a kept game that does not read back");
            const int placed = back->pairsPlaced(),
                      pencilled = int(back->pencil.split(u' ', Qt::SkipEmptyParts).size());
            QVERIFY2(placed == 0 || (placed == 3 && pencilled == 0),
                     qPrintable(QStringLiteral("round %1: %2 placed, %3 pencilled")
                                    .arg(round)
                                    .arg(placed)
                                    .arg(pencilled)));
        }
    }

    void theTilesCursorMovesAsAPlayerExpects() {
        // Letters only, word by word, and the letters given twice.
        const QString s = QStringLiteral("AB, 'CD' E");
        QCOMPARE(LetterTiles::NextLetter(s, -1, 1), 0);
        QCOMPARE(LetterTiles::NextLetter(s, 1, 1), 5); // past the comma and the quote mark
        QCOMPARE(LetterTiles::NextLetter(s, 5, -1), 1);
        QCOMPARE(LetterTiles::NextLetter(s, 9, 1), -1);
        QCOMPARE(LetterTiles::NextWord(s, 0, 1), 5); // the word's first letter, not its mark
        QCOMPARE(LetterTiles::NextWord(s, 6, 1), 9);
        QCOMPARE(LetterTiles::NextWord(s, 9, 1), -1); // the last word: Tab goes on
        QCOMPARE(LetterTiles::NextWord(s, 6, -1), 0); // from inside a word, the one before
        QCOMPARE(LetterTiles::NextWord(s, 0, -1), -1);
        QCOMPARE(LetterTiles::Clashes(QStringLiteral("XYZX"), QStringLiteral("TT·T")),
                 QSet<int>({0, 1, 3}));
        QCOMPARE(LetterTiles::Clashes(QStringLiteral("XYZX"), QStringLiteral("Tt·T")), QSet<int>());
    }

    void everyTileStandsInsideTheBoardAtAReadableSize() {
        // The two puzzle boxes' room; a quote of the most a list holds.
        QString longest;
        while (longest.size() < 190)
            longest += QStringLiteral("NO MAN IS AN ISLAND, ENTIRE OF ITSELF. ");
        longest = longest.left(200).trimmed();
        for (const QString &quote : {Quote, longest}) {
            TileBoard tiles;
            tiles.resize(344, 176);
            tiles.setLook({quote, quote, {}, {}, 0});
            QVERIFY2(tiles.pointSize() >= 8, qPrintable(QString::number(tiles.pointSize())));
            for (int i = 0; i < quote.size(); ++i) {
                const QRect tile = tiles.tileRect(i);
                QCOMPARE(tile.isEmpty(), quote[i] == u' ');
                QVERIFY(tile.isEmpty() || tiles.rect().contains(tile));
                if (i > 0 && !tile.isEmpty() && !tiles.tileRect(i - 1).isEmpty())
                    QVERIFY(!tile.intersects(tiles.tileRect(i - 1)));
            }
            // A word is never broken across lines when it fits on one.
            for (int i = 1; i < quote.size(); ++i)
                if (quote[i] != u' ' && quote[i - 1] != u' ')
                    QCOMPARE(tiles.tileRect(i).top(), tiles.tileRect(i - 1).top());
        }
    }

    void aGameIsSolvedOnTheTiles() {
        Settings::SetOn(Settings::Keys::LetterTiles, true);
        auto *tiles = new LetterTiles(*lobby, lobby->standIn);
        lobby->playRecord(1);
        TileBoard *board = tiles->tiles();
        QVERIFY(board->isVisibleTo(&lobby->windowWidget));
        QCOMPARE(lobby->placed.value(board), BoardSeam::Place::OverPuzzle);
        QCOMPARE(lobby->standIn.focusHolder, board); // the keyboard is the tiles' from the start
        QCOMPARE(tiles->cursor(), 0);
        const QString &scrambled = game().Enciphered();
        // The cursor's letter is lit everywhere, and Hint aims there.
        QCOMPARE(board->look().marks.keys(), SolveGame::PlacesOf(scrambled, scrambled[0]));
        QCOMPARE(lobby->standIn.hintAim(), scrambled[0]);
        // A letter typed is the pair of the cursor's letter; the cursor moves
        // on to the next letter still to find, past those now found.
        QVERIFY(tiles->key(Qt::Key_T, {}));
        QCOMPARE(game().shown()[0], QChar(u'T'));
        QCOMPARE(tiles->cursor(), 1);
        QVERIFY(tiles->key(Qt::Key_H, {}) && tiles->key(Qt::Key_E, {}));
        QCOMPARE(tiles->cursor(), int(Quote.indexOf(u'B')));
        // A wrong letter is red where it is given twice, and taken back with Backspace.
        tiles->moveTo(int(Quote.indexOf(u'W')));
        QVERIFY(tiles->key(Qt::Key_T, {}));
        QVERIFY(board->look().clashes.contains(0) &&
                board->look().clashes.contains(int(Quote.indexOf(u'W'))));
        tiles->moveTo(int(Quote.indexOf(u'W')));
        QVERIFY(tiles->key(Qt::Key_Backspace, {}));
        QCOMPARE(game().shown()[Quote.indexOf(u'W')], SolveGame::Unsolved);
        QVERIFY(board->look().clashes.isEmpty());
        // Round to the first letter still to find after the last.
        const int last = int(game().shown().lastIndexOf(SolveGame::Unsolved));
        tiles->moveTo(last);
        QVERIFY(tiles->key(Qt::Key_A + (Quote[last].unicode() - 'A'), {}));
        QCOMPARE(tiles->cursor(), int(Quote.indexOf(u'B')));
        // Tab goes to the next word; the keys of the window pass.
        QVERIFY(tiles->key(Qt::Key_Tab, {}));
        QCOMPARE(tiles->cursor(), int(Quote.indexOf(u'W')));
        QVERIFY(!tiles->key(Qt::Key_Z, Qt::ControlModifier));
        // Every letter typed in turn solves it.
        for (int guard = 0; guard < 30 && !game().isOver(); ++guard)
            QVERIFY(tiles->key(Qt::Key_A + (Quote[tiles->cursor()].unicode() - 'A'), {}));
        QVERIFY(game().isOver() && game().outcome() == SolveGame::Outcome::Solved);
        // Off: the two boxes again, the keyboard and Hint as the design has them.
        lobby->playRecord(1);
        tiles->menuLetterTiles_Click();
        QVERIFY(!board->isVisibleTo(&lobby->windowWidget));
        QVERIFY(!lobby->standIn.focusHolder && !lobby->standIn.hintAim);
        QVERIFY(!Settings::IsOn(Settings::Keys::LetterTiles));
    }

    void thePlainAlphabetWithTheLanguagesCounts() {
        auto *aids = new SolverAidsPanel(*lobby, lobby->standIn);
        lobby->playRecord(1);
        QVERIFY(!aids->SolverAids);
        lobby->choose(QStringLiteral("Plai&n Letters")); // the aids come with it
        QVERIFY(aids->SolverAids && aids->PlainLetters);
        QCOMPARE(aids->stripLetters->face(), LetterStrip::Face::Plain);
        const auto row = [&](QChar plain) {
            return aids->stripLetters->entries()[plain.unicode() - 'A'];
        };
        // About so often in a quote this long: E far above Z.
        QVERIFY(row(u'E').count >= 5 && row(u'E').count > 2 * row(u'W').count &&
                row(u'Z').count == 0);
        QVERIFY(row(u'T').plain.isNull());
        lobby->typePair(cipherOf(u'T'), u'T');
        QCOMPARE(row(u'T').plain, cipherOf(u'T'));
        lobby->typePair(cipherOf(u'H'), u'T'); // given twice
        QVERIFY(row(u'T').conflict);
        lobby->choose(QStringLiteral("Plai&n Letters"));
        QCOMPARE(aids->stripLetters->face(), LetterStrip::Face::Cipher);
        QVERIFY(!Settings::IsOn(Settings::Keys::PlainLetters));
    }

    void typingOnThePuzzlePlacesAndMovesOn() {
        auto *typing = new PuzzleTyping(*lobby, lobby->standIn);
        lobby->playRecord(3, play::Level::Any);
        emit lobby->standIn.puzzleClicked(0); // off: no pick
        QVERIFY(typing->at() < 0 && !lobby->standIn.puzzleTakesKeys());
        lobby->solveItems[0].action();
        QVERIFY(lobby->standIn.puzzleTakesKeys());
        emit lobby->standIn.puzzleClicked(0);
        QCOMPARE(lobby->layers[size_t(Marks::Picked)],
                 SolveGame::PlacesOf(game().Enciphered(), game().Enciphered()[0]));
        QCOMPARE(lobby->said.last(), QStringLiteral("%1 picked, %2 places, no letter yet")
                                         .arg(cipherOf(u'T'))
                                         .arg(Quote.count(u'T')));
        const auto key = [&](int k) { return lobby->puzzleKeys(k, Qt::NoModifier); };
        // A wrong letter, taken back with a blank, then put right.
        QVERIFY(key(Qt::Key_X));
        QCOMPARE(game().SolveProgress()[0], QChar(u'X'));
        QVERIFY(key(Qt::Key_Left));
        QCOMPARE(typing->at(), 0);
        QVERIFY(key(Qt::Key_Space));
        QCOMPARE(game().SolveProgress()[0], SolveGame::Unsolved);
        QVERIFY(key(Qt::Key_T) && !key(Qt::Key_Tab));
        QVERIFY(!lobby->puzzleKeys(Qt::Key_Z, Qt::ControlModifier)); // the window's keys pass
        // From the last letter still to find, the pick goes round to the first
        // (it used to stay there, and the next letter overwrote it).
        const int last = int(game().SolveProgress().lastIndexOf(SolveGame::Unsolved));
        emit lobby->standIn.puzzleClicked(last);
        QVERIFY(key(Qt::Key_A + game().SolveQuote()[last].unicode() - 'A'));
        QCOMPARE(typing->at(), game().nextUnsolved(-1));
        // Every other letter typed where the pick moves on to: the game is won.
        while (!game().isOver()) {
            const int at = typing->at();
            QVERIFY(at > 0 && game().SolveProgress()[at] == SolveGame::Unsolved);
            QVERIFY(key(Qt::Key_A + game().SolveQuote()[at].unicode() - 'A'));
        }
        QVERIFY(game().SolveProgress() == Quote && lobby->layers[size_t(Marks::Picked)].isEmpty());
    }

    void theClockPausesWhileAwayAndByHandAndStandsUnderTheGamesOwnWindows() {
        auto *clock = new PlayClock(*lobby, lobby->standIn);
        QCOMPARE(lobby->placed.value(clock->cover), BoardSeam::Place::OverPuzzle);
        lobby->playRecord(3, play::Level::Any);
        QVERIFY(lobby->titleNote.isEmpty()); // off: the design's title
        lobby->setAway(true);
        QVERIFY(!lobby->session().paused()); // off: timed as ever
        lobby->setAway(false);
        // Under a window of the game's own, or minimised, the time stands
        // still, clock shown or not, and the board stays uncovered.
        using A = LobbySeam::AwayFor;
        auto heldFor = [this, clock](A why, int secs) {
            const qint64 before = lobby->session().seconds();
            lobby->setAway(true, why);
            const bool covered = clock->cover->isVisibleTo(&lobby->windowWidget);
            t = t.addSecs(secs);
            const qint64 during = lobby->session().seconds();
            lobby->setAway(false);
            return std::tuple(during - before, lobby->session().seconds() - before, covered);
        };
        QCOMPARE(heldFor(A::OwnWindow, 30), std::tuple(qint64(0), qint64(0), false));
        QCOMPARE(heldFor(A::Minimised, 30), std::tuple(qint64(0), qint64(0), false));
        QCOMPARE(heldFor(A::OtherProgram, 30), std::tuple(qint64(30), qint64(30), false));
        QVERIFY(!lobby->session().paused());
        lobby->solveItems[0].action();
        QCOMPARE(heldFor(A::OwnWindow, 30), std::tuple(qint64(0), qint64(0), false));
        QVERIFY(!lobby->session().paused());
        lobby->solveItems[0].action();
        lobby->finish();
        lobby->playRecord(3, play::Level::Any);
        lobby->solveItems[0].action();
        t = t.addSecs(192);
        QCOMPARE(clock->titleNote(), QStringLiteral(" \u2014 3:12"));
        // Away for twenty minutes: covered, and not counted.
        lobby->setAway(true);
        QVERIFY(lobby->session().paused() && clock->cover->isVisibleTo(&lobby->windowWidget));
        QCOMPARE(lobby->titleNote, QStringLiteral(" \u2014 3:12 (paused)"));
        t = t.addSecs(1200);
        lobby->setAway(false);
        QVERIFY(!lobby->session().paused() && !clock->cover->isVisibleTo(&lobby->windowWidget));
        QCOMPARE(lobby->session().seconds(), qint64(192));
        // Paused by hand, it stays paused until asked.
        QVERIFY(lobby->press(QKeySequence(Qt::Key_F9)));
        lobby->setAway(true);
        lobby->setAway(false);
        QVERIFY(lobby->session().paused());
        t = t.addSecs(60);
        QVERIFY(lobby->press(QKeySequence(Qt::Key_Pause)));
        QCOMPARE(lobby->session().seconds(), qint64(192));
        // A game that ends under a message of its own ends with the time it
        // had when the message opened, in the record as on the clock.
        lobby->setAway(true, A::OwnWindow);
        t = t.addSecs(45);
        lobby->session().solve();
        QCOMPARE(lobby->session().endedGame().seconds, qint64(192));
        lobby->setAway(false);
        lobby->finish();
        QVERIFY(lobby->titleNote.isEmpty());
    }

    void noAnswerByAccident() {
        new AnswerGuard(*lobby, lobby->standIn);
        using L = LobbySeam::Leaving;
        QVERIFY(lobby->mayLeave(L::ShowAnswer)); // off: as designed
        lobby->solveItems[0].action();
        lobby->playRecord(3, play::Level::Any);
        // The second Alt+S of a double press shows nothing, and asks nothing.
        QVERIFY(!lobby->mayLeave(L::ShowAnswer));
        t = t.addSecs(5);
        QVERIFY(lobby->mayLeave(L::ShowAnswer) && lobby->mayLeave(L::GiveUp)); // no pair yet
        lobby->session().hint([](int, int) { return 1; });
        QVERIFY(lobby->mayLeave(L::GiveUp)); // a hint is no pair of the player's
        // With a pair placed, both ask; No keeps the game.
        lobby->typePair(cipherOf(u'T'), u'T');
        script->answers = {Answer::No, Answer::No};
        QVERIFY(!lobby->mayLeave(L::ShowAnswer) && !lobby->mayLeave(L::GiveUp));
        QVERIFY(script->messages[0].text.startsWith(QStringLiteral("Show the answer?")));
        QVERIFY(script->messages[1].text.startsWith(QStringLiteral("Give up this game?")));
        QCOMPARE(script->messages[1].checkBox, QStringLiteral("Don't ask again"));
        QCOMPARE(script->messages[1].defaultAnswer, Answer::No);
        script->answers = {Answer::Yes};
        QVERIFY(lobby->mayLeave(L::ShowAnswer));
    }

    void pairsTakenBackAndPutBack() {
        new PairHistory(*lobby, lobby->standIn);
        lobby->playRecord(3, play::Level::Any);
        lobby->session().hint([](int, int) { return 1; }); // a hint stays
        const QString afterHint = game().SolveProgress();
        lobby->typePair(cipherOf(u'S'), u'S');
        const QString paired = game().SolveProgress();
        QVERIFY(lobby->press(QKeySequence(Qt::CTRL | Qt::Key_Z)));
        QCOMPARE(game().SolveProgress(), afterHint);
        QVERIFY(lobby->press(QKeySequence(Qt::CTRL | Qt::Key_Z))); // nothing more to take back
        QCOMPARE(game().SolveProgress(), afterHint);
        QVERIFY(lobby->press(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
        QCOMPARE(game().SolveProgress(), paired);
        QVERIFY(lobby->press(QKeySequence(Qt::CTRL | Qt::Key_Z)) &&
                lobby->press(QKeySequence(Qt::CTRL | Qt::Key_Y)));
        QCOMPARE(game().SolveProgress(), paired);
        QCOMPARE(game().HintCount(), qint16(1));
    }

    void theViewSizeIsAppliedAtOnceAndKept() {
        QCOMPARE(ViewSizeChoice::Stepped(0, +1), 125); // the desktop's counts as 100 %
        QCOMPARE(ViewSizeChoice::Stepped(150, +1), 200);
        QCOMPARE(ViewSizeChoice::Stepped(200, +1), 200);
        QCOMPARE(ViewSizeChoice::Stepped(125, -1), 100);
        QCOMPARE(ViewSizeChoice::Stepped(100, -1), 100);
        QCOMPARE(ViewSizeChoice::Stepped(150, 0), 0);
        QCOMPARE(ViewSizeChoice::Stepped(200, ViewSizeChoice::Designed), 100);
        new ViewSizeChoice(*lobby);
        QVERIFY(lobby->item(QStringLiteral("Lar&ger View\tCtrl++")));
        lobby->press(QKeySequence(Qt::CTRL | Qt::Key_Plus));
        lobby->press(QKeySequence(Qt::CTRL | Qt::Key_Equal));
        QCOMPARE(Settings::ViewSize(), 150);
        QCOMPARE(viewzoom::factor(), 1.5);
        QVERIFY(script->messages.isEmpty());
        auto said = [&] {
            QStringList words;
            for (auto *a : lobby->window()->findChildren<Announcer *>())
                words << a->said();
            return words;
        };
        QVERIFY(said().contains(QStringLiteral("View size 150 %")));
        lobby->press(QKeySequence(Qt::CTRL | Qt::Key_Plus));
        lobby->press(QKeySequence(Qt::CTRL | Qt::Key_Plus));
        QCOMPARE(script->messages.last().text, QStringLiteral("200 % is the largest view."));
        QCOMPARE(viewzoom::factor(), 2.0);
        lobby->press(QKeySequence(Qt::CTRL | Qt::Key_0));
        QCOMPARE(Settings::ViewSize(), 100);
        QCOMPARE(viewzoom::factor(), 1.0);
        Settings::Save(Settings::Keys::ViewSize,
                       QStringLiteral("175")); // not a size: the desktop's
        QCOMPARE(Settings::ViewSize(), 0);
        lobby->press(QKeySequence(Qt::CTRL | Qt::Key_Minus));
        QCOMPARE(Settings::ViewSize(), 100);
        QCOMPARE(viewzoom::factor(), 1.0);
        Settings::Save(Settings::Keys::ViewSize, QStringLiteral("0"));
    }

    void pencilMarksAreHeardAsGuessesAndTheirChangesTold() {
        auto *reader = new ScreenReader(*lobby, lobby->standIn);
        new PencilMarks(*lobby, lobby->standIn);
        lobby->playRecord(1);
        const QChar t = cipherOf(u'T'), h = cipherOf(u'H');
        lobby->press(QKeySequence(Qt::CTRL | Qt::Key_T));
        lobby->typePair(t, u'T');
        lobby->typePair(h, u'H');
        // Heard back as pencilled, never as firm, nor as unknown letters alone.
        QVERIFY(lobby->press(QKeySequence(Qt::Key_F6)));
        QVERIFY(reader->lastSaid().contains(QStringLiteral("pencilled T")));
        QVERIFY(lobby->press(QKeySequence(Qt::Key_F7)));
        QVERIFY(reader->lastSaid().contains(QStringLiteral("%1 pencilled as T").arg(t)));
        // A pencilled pair typed firm is a move, not a letter there already.
        lobby->press(QKeySequence(Qt::CTRL | Qt::Key_T));
        lobby->typePair(t, u'T');
        QCOMPARE(reader->lastSaid(),
                 QStringLiteral("%1 stands for T, %2 places").arg(t).arg(Quote.count(u'T')));
        // A letter given twice names the other scrambled letter.
        lobby->typePair(cipherOf(u'O'), u'T');
        QVERIFY2(reader->lastSaid().endsWith(QStringLiteral(". T is also given to %1").arg(t)),
                 qPrintable(reader->lastSaid()));
        lobby->typePair(cipherOf(u'O'), u' ');
        lobby->choose(QStringLiteral("Make Pencil Marks &Firm"));
        QCOMPARE(lobby->said.last(), QStringLiteral("1 pencil mark made firm"));
        lobby->choose(QStringLiteral("Cl&ear Pencil Marks"));
        QCOMPARE(lobby->said.last(), QStringLiteral("No pencil marks to clear"));
        // Kept, it is told so at the question and as it comes back.
        lobby->press(QKeySequence(Qt::CTRL | Qt::Key_T));
        lobby->typePair(cipherOf(u'E'), u'E');
        lobby->session().restore(lobby->session().kept());
        lobby->resumeGame();
        QVERIFY(reader->lastSaid().startsWith(
            QStringLiteral("Solving a quote, a kept game going on: 2 letters placed and 1 pencil "
                           "mark. ")));
    }

    void gamesOfEveryKindAreToldApartAtTheirStart() {
        GameSession session;
        session.now = [this] { return t; };
        const play::Puzzle fives = play::WithoutWordBreaks().make(Quote);
        session.start(fives.board, fives.enciphered, fives.key, play::Level::Easy,
                      QDate(2026, 12, 8), play::WithoutWordBreaks().id(), Quote);
        const QString said = ScreenReader::StartSaid(session);
        QVERIFY2(said.startsWith(QStringLiteral("Solving Today's Quote of ")), qPrintable(said));
        QVERIFY(said.contains(QStringLiteral("2026")));
        QVERIFY(said.contains(QStringLiteral("in groups of five letters without word breaks")));
        QVERIFY(said.contains(
            QStringLiteral("%1 letters given").arg(play::GivenLetters(play::Level::Easy))));
        const play::Puzzle plain = play::WithWordBreaks().make(Quote);
        session.start(plain.board, plain.enciphered, plain.key);
        QCOMPARE(ScreenReader::StartSaid(session), QStringLiteral("Solving a quote. "));
    }

    void theScreenReaderSaysEachMoveAsWhatItWas() {
        auto *reader = new ScreenReader(*lobby, lobby->standIn);
        lobby->playRecord(3, play::Level::Any);
        QVERIFY(reader->lastSaid().startsWith(QStringLiteral("Solving a quote. ")));
        const QChar s = cipherOf(u'S');
        lobby->typePair(s, u'S');
        QCOMPARE(reader->lastSaid(),
                 QStringLiteral("%1 stands for S, %2 places").arg(s).arg(Quote.count(u'S')));
        // A hint that gives no letter (a step explained) makes no hint of the next pair.
        lobby->session().countHint();
        lobby->typePair(cipherOf(u'F'), u'F');
        QCOMPARE(reader->lastSaid(),
                 QStringLiteral("%1 stands for F, 1 place").arg(cipherOf(u'F')));
        lobby->session().undo();
        QVERIFY(reader->lastSaid().startsWith(QStringLiteral("Undone: ")));
        lobby->session().hint([](int, int) { return 1; });
        QCOMPARE(reader->lastSaid().left(6), QStringLiteral("Hint: "));
        // No dot is ever spoken: a blank typed on a blank.
        lobby->typePair(cipherOf(u'R'), u' ');
        QCOMPARE(reader->lastSaid(), QStringLiteral("%1 has no letter yet").arg(cipherOf(u'R')));
        // Paused, the puzzle is not given away; going on is said too.
        lobby->session().pause();
        QVERIFY(reader->lastSaid().startsWith(QStringLiteral("Paused")));
        QVERIFY(lobby->press(QKeySequence(Qt::Key_F6)));
        QCOMPARE(reader->lastSaid(), QStringLiteral("The game is paused. F9 goes on."));
        lobby->session().unpause();
        QCOMPARE(reader->lastSaid(), QStringLiteral("Going on"));
        lobby->session().setHintsGiveLetters(false); // an expert's game: Hint is said to give none
        lobby->session().hint([](int, int) { return 1; });
        QVERIFY(reader->lastSaid().startsWith(QStringLiteral("No hints in an expert game")));
        QVERIFY(lobby->press(QKeySequence(Qt::Key_F7)));
        QVERIFY(reader->lastSaid().contains(QStringLiteral(" unknown: ")));
        QVERIFY(lobby->press(QKeySequence(Qt::SHIFT | Qt::Key_F6)));
        QVERIFY(reader->lastSaid().startsWith(QStringLiteral("Scrambled quote: ")));
        // After Solve, the answer in words.
        lobby->session().solve();
        QCOMPARE(reader->lastSaid(), QStringLiteral("The answer: ") + Quote);
        lobby->setMode(LobbySeam::Mode::List);
        QTRY_COMPARE(reader->lastSaid(), QStringLiteral("Quote list"));
        QCOMPARE(lobby->said.last(), reader->lastSaid());
    }

    // ---- The list and the record ------------------------------------------

    void everyGameThatEndsIsRecordedOnce() {
        new GameStatistics(*lobby, lobby->standIn);
        // Solved with a hint, after 12 minutes 18 seconds.
        lobby->playRecord(3, play::Level::Any);
        lobby->session().hint([](int, int) { return 1; });
        t = t.addSecs(738);
        typeTheRest();
        lobby->finish(); // already recorded: once only
        // Shown with Solve after 95 seconds; abandoned after 12.
        lobby->playRecord(3, play::Level::Any);
        t = t.addSecs(95);
        lobby->session().solve();
        lobby->finish();
        lobby->playRecord(3, play::Level::Any);
        t = t.addSecs(12);
        lobby->typePair(cipherOf(u'A'), u'E'); // a move, if a wrong one
        lobby->finish();
        // Left before any move: only skipped, not recorded.
        lobby->playRecord(3, play::Level::Any);
        t = t.addSecs(40);
        lobby->finish();
        const QList<stats::Game> games = stats::ReadGames();
        QCOMPARE(games.size(), 3);
        QCOMPARE(games[0].outcome, stats::Outcome::Solved);
        QCOMPARE(games[0].seconds, qint64(738));
        QCOMPARE(games[0].hints, 1);
        QCOMPARE(games[0].length, int(Quote.size()));
        QCOMPARE(games[0].finished, QDateTime(QDate(2026, 12, 9), QTime(9, 12, 18)));
        QCOMPARE(games[1].outcome, stats::Outcome::Shown);
        QCOMPARE(games[1].seconds, qint64(95));
        QCOMPARE(games[2].outcome, stats::Outcome::Abandoned);
        QCOMPARE(games[2].seconds, qint64(12));
        QVERIFY(script->messages.isEmpty());
        // A record that cannot be kept is told once, and play goes on.
        QFile blocker(folder->file(QStringLiteral("blocked")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        stats::SetRecordPath(folder->file(QStringLiteral("blocked/games.csv")));
        for (int i = 0; i < 3; ++i) {
            lobby->playRecord(3, play::Level::Any);
            lobby->session().solve();
            lobby->finish();
        }
        QCOMPARE(script->messages.size(), 1);
        QVERIFY(script->messages[0].text.contains(QStringLiteral("cannot be recorded")));
    }

    void theQuotesRecordAfterTheStatusLine() {
        new GameStatistics(*lobby, lobby->standIn);
        new QuoteMarks(*lobby);
        const auto note = [&] { return lobby->notes.value(QStringLiteral("quoteMarks")); };
        lobby->choose(QStringLiteral("Show &Played Record"));
        QTRY_COMPARE(note(), QStringLiteral(" \u00B7 Unplayed"));
        lobby->playRecord(1, play::Level::Any);
        lobby->session().solve();
        lobby->finish();
        emit lobby->highlightChanged(1);
        QTRY_COMPARE(note(), QStringLiteral(" \u00B7 Played once, unsolved"));
        lobby->choose(QStringLiteral("Show &Played Record"));
        QVERIFY(note().isEmpty());
        QCOMPARE(QuoteMarks::Note({3, 2, 151}),
                 QStringLiteral(" \u00B7 Solved \u00D72, best 2:31"));
    }

    void freshQuotesFirstAndTheHighlightedOneOnRequest() {
        new GameStatistics(*lobby, lobby->standIn);
        new FreshQuotes(*lobby);
        lobby->showList(5); // the ten built-in quotes
        QSet<QString> played;
        for (int i = 0; i < 10; ++i) {
            t = t.addSecs(60);
            lobby->playRecord(0, play::Level::Any);
            played << game().SolveQuote();
            lobby->session().solve();
            lobby->finish();
        }
        QCOMPARE(played.size(), 10);
        // All played: the next is the one played longest ago.
        const QList<stats::Game> games = stats::ReadGames();
        QString oldest;
        for (const QString &q : std::as_const(lobby->list))
            if (stats::QuoteHash(q) == games[0].quote) oldest = q;
        lobby->playRecord(0, play::Level::Any);
        QCOMPARE(game().SolveQuote(), oldest);
        lobby->finish();
        lobby->choose(QStringLiteral("Solve &This Quote"));
        QCOMPARE(game().SolveQuote(), lobby->list[4]);
    }

    void todaysQuoteItsDaysInARowAndAResultToShare() {
        new GameStatistics(*lobby, lobby->standIn);
        auto *daily = new TodaysQuote(*lobby, lobby->standIn);
        const QDate day = t.date();
        daily->today = [day] { return day; };
        QVERIFY(lobby->press(QKeySequence(Qt::CTRL | Qt::Key_D)));
        QVERIFY(lobby->is(LobbySeam::Mode::Solve));
        QCOMPARE(lobby->session().day(), day);
        QCOMPARE(lobby->titleNote, QStringLiteral(" \u2014 Today's Quote, 9 Dec 2026"));
        QCOMPARE(game().SolveQuote(), play::DailyPuzzle(day)->board);
        QVERIFY(!daily->copyResult()); // nothing solved yet
        t = t.addSecs(134);
        for (QChar c : game().SolveQuote())
            if (c >= u'A' && c <= u'Z' && !game().isOver()) lobby->typePair(cipherOf(c), c);
        QVERIFY(game().isOver());
        // Recorded with its day; the closing message tells the run and copies.
        QCOMPARE(stats::ReadGames().last().day, day);
        script->answers = {Answer::Yes};
        QTRY_COMPARE(script->messages.size(), 1);
        QVERIFY2(script->messages[0].text.contains(QStringLiteral("Days in a row: 1 (longest 1)")),
                 qPrintable(script->messages[0].text));
        const QString line = QGuiApplication::clipboard()->text();
        const int level = lobby->session().levels().rate(game().SolveQuote());
        QCOMPARE(line, TodaysQuote::ShareLine(day, 134, 0, 1, level));
        QCOMPARE(TodaysQuote::Number(day), 3); // the third day with a quote of the day
        QVERIFY2(line == QStringLiteral("Cipherly #3 \u00B7 Today's Quote 9 Dec 2026 \u00B7 level "
                                        "%1 \u00B7 solved in 2:14 \u00B7 0 hints \u00B7 streak 1")
                             .arg(level),
                 qPrintable(line));
        // Ctrl+C copies it again; no word of the answer is in it.
        QGuiApplication::clipboard()->clear();
        QVERIFY(lobby->press(QKeySequence(QKeySequence::Copy)));
        QCOMPARE(QGuiApplication::clipboard()->text(), line);
        for (const QString &word : game().SolveQuote().split(u' ', Qt::SkipEmptyParts))
            if (word.size() > 3) QVERIFY(!line.toUpper().contains(word));
        // The day again: its result, to copy, and a game for fun that
        // records nothing and keeps the run.
        lobby->finish();
        const qsizetype rows = stats::ReadGames().size();
        QGuiApplication::clipboard()->clear();
        script->messages.clear();
        script->answers = {Answer::Yes};
        script->whileShown = [this] { *script->messages.last().checked = true; };
        QVERIFY(lobby->press(QKeySequence(Qt::CTRL | Qt::Key_D)));
        script->whileShown = {};
        QCOMPARE(script->messages.size(), 1);
        QVERIFY2(script->messages[0].text.contains(QStringLiteral("solved already: in 2:14, with 0 hints")),
                 qPrintable(script->messages[0].text));
        QVERIFY(script->messages[0].text.contains(line));
        QCOMPARE(QGuiApplication::clipboard()->text(), line);
        QVERIFY(lobby->is(LobbySeam::Mode::Solve));
        QVERIFY(lobby->session().replay());
        QVERIFY(play::FormatGameFile(lobby->session().kept()).contains("replay=yes\n"));
        QVERIFY(play::ParseGameFile(play::FormatGameFile(lobby->session().kept()))->replay);
        t = t.addSecs(50);
        for (QChar c : game().SolveQuote())
            if (c >= u'A' && c <= u'Z' && !game().isOver()) lobby->typePair(cipherOf(c), c);
        QVERIFY(game().isOver());
        QTest::qWait(20);
        QCOMPARE(script->messages.size(), 1); // no run told
        QGuiApplication::clipboard()->clear();
        QVERIFY(lobby->press(QKeySequence(QKeySequence::Copy)));
        QCOMPARE(QGuiApplication::clipboard()->text(), line); // the day's result, not the replay's
        lobby->finish();
        QVERIFY(lobby->titleNote.isEmpty());
        QCOMPARE(stats::ReadGames().size(), rows);
        // Played again and left: nothing recorded either; No plays nothing.
        script->answers = {Answer::Yes};
        QVERIFY(lobby->press(QKeySequence(Qt::CTRL | Qt::Key_D)));
        lobby->typePair(cipherOf(game().SolveQuote()[0]), u'Q');
        lobby->finish();
        QCOMPARE(stats::ReadGames().size(), rows);
        QCOMPARE(stats::FiguresOf(stats::ReadGames(), day).currentStreak, 1);
        script->answers = {Answer::No};
        QVERIFY(lobby->press(QKeySequence(Qt::CTRL | Qt::Key_D)));
        QVERIFY(lobby->is(LobbySeam::Mode::List));
        // A day to come is refused with a word, and nothing is played.
        QVERIFY(!daily->play(day.addDays(1)));
        QVERIFY(script->messages.last().text.contains(QStringLiteral("still to come")));
        QVERIFY(lobby->is(LobbySeam::Mode::List));
    }

    void theCalendarShowsEachDaysStateAndPlaysTheDayChosen() {
        const QDate today = t.date(), first = play::FirstDailyDate();
        QCOMPARE(first.daysTo(today), 2);
        const auto row = [](const QDate &day, const QDate &ended, stats::Outcome outcome) {
            stats::Game g;
            g.day = day;
            g.finished = QDateTime(ended, QTime(21, 0), Qt::UTC);
            g.outcome = outcome;
            g.seconds = 134;
            g.hints = 1;
            return g;
        };
        // The first day solved on its day; the second left, then solved a
        // day later; today not played.
        frmDailyCalendar w({row(first, first, stats::Outcome::Solved),
                            row(first.addDays(1), first.addDays(1), stats::Outcome::Abandoned),
                            row(first.addDays(1), today, stats::Outcome::Solved)},
                           today);
        QSignalSpy chosen(&w, &frmDailyCalendar::dayChosen);
        QCOMPARE(w.lblDay->text(), QStringLiteral("9 Dec 2026, #3: not played yet."));
        QVERIFY2(w.lblRuns->text().contains(QStringLiteral("(longest 1)")),
                 qPrintable(w.lblRuns->text()));
        QWidget *days = w.calendar->findChild<QAbstractItemView *>();
        QTest::keyClick(days, Qt::Key_Left);
        QCOMPARE(
            w.lblDay->text(),
            QStringLiteral("8 Dec 2026, #2: solved later, on 9 Dec 2026, in 2:14 with 1 hint."));
        const QList<Announcer *> voices = w.findChildren<Announcer *>();
        QVERIFY(std::any_of(voices.begin(), voices.end(),
                            [&w](Announcer *a) { return a->said() == w.lblDay->text(); }));
        QTest::keyClick(days, Qt::Key_Left);
        QTest::keyClick(days, Qt::Key_Left); // no day before the first
        QCOMPARE(w.lblDay->text(),
                 QStringLiteral("7 Dec 2026, #1: solved on its day, in 2:14 with 1 hint."));
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(days, Qt::Key_Right); // nor after today
        QCOMPARE(w.calendar->selectedDate(), today);
        QCOMPARE(frmDailyCalendar::DayLine(today, {stats::DayState::Started, {}}),
                 QStringLiteral("9 Dec 2026, #3: started, not solved yet."));
        QCOMPARE(QSet<QString>({frmDailyCalendar::Mark(stats::DayState::SolvedOnDay),
                                frmDailyCalendar::Mark(stats::DayState::SolvedLater),
                                frmDailyCalendar::Mark(stats::DayState::Started)})
                     .size(),
                 3);
        QVERIFY(frmDailyCalendar::Mark(stats::DayState::NotPlayed).isEmpty());
        QTest::keyClick(days, Qt::Key_Left);
        QTest::keyClick(days, Qt::Key_Return);
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen[0][0].toDate(), first.addDays(1));

        // From the list: the day chosen is played, and a window closed
        // without one plays nothing.
        auto *daily = new TodaysQuote(*lobby, lobby->standIn);
        daily->today = [today] { return today; };
        QDate pick;
        daily->chooseDay = [&pick](QWidget *) { return pick; };
        QVERIFY(lobby->press(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)));
        QVERIFY(lobby->is(LobbySeam::Mode::List));
        pick = first;
        lobby->choose(QStringLiteral("Today's Quote &Calendar...\tCtrl+Shift+D"));
        QVERIFY(lobby->is(LobbySeam::Mode::Solve));
        QCOMPARE(lobby->session().day(), first);
        QCOMPARE(game().SolveQuote(), play::DailyPuzzle(first)->board);
        QCOMPARE(lobby->titleNote, QStringLiteral(" \u2014 Today's Quote, 7 Dec 2026"));
    }

    void aDayAskedByAnotherStartIsOfferedWhereThePlayerIs() {
        new GameStatistics(*lobby, lobby->standIn);
        auto *daily = new TodaysQuote(*lobby, lobby->standIn);
        const QDate today = t.date(), first = play::FirstDailyDate();
        daily->today = [today] { return today; };
        // Before the lobby opens, the day waits for the opening.
        daily->dayAsked(first);
        QCOMPARE(std::exchange(TodaysQuote::Requested, QDate()), first);
        emit lobby->lobbyOpened();
        QVERIFY(lobby->is(LobbySeam::Mode::List));
        // In the list, at once; the day on show asks nothing.
        daily->dayAsked(first);
        QCOMPARE(lobby->session().day(), first);
        lobby->typePair(cipherOf(game().SolveQuote()[0]), u'Q');
        daily->dayAsked(first);
        QVERIFY(script->messages.isEmpty());
        // Over a game of another day, a question: No keeps the game.
        script->answers = {Answer::No};
        daily->dayAsked(today);
        QCOMPARE(script->messages.size(), 1);
        QVERIFY2(script->messages[0].text.contains(QStringLiteral("Today's Quote of 9 Dec 2026")),
                 qPrintable(script->messages[0].text));
        QCOMPARE(lobby->session().day(), first);
        QVERIFY(stats::ReadGames().isEmpty());
        // Yes: the game is left unfinished, and the day asked for is played.
        script->answers = {Answer::Yes};
        daily->dayAsked(today);
        QCOMPARE(lobby->session().day(), today);
        QCOMPARE(stats::ReadGames().size(), 1);
        QCOMPARE(stats::ReadGames()[0].outcome, stats::Outcome::Abandoned);
        QCOMPARE(stats::ReadGames()[0].day, first);
    }

    void aKeyedGameIsKeptAsOneAndAsksItsKeywordAtTheEnd() {
        new GameStatistics(*lobby, lobby->standIn);
        new KeyedGames(*lobby, lobby->standIn);
        lobby->showList(5);
        for (const bool right : {true, false}) {
            lobby->choose(QStringLiteral("Random &Keyed Game"));
            QVERIFY(lobby->is(LobbySeam::Mode::Solve));
            const QString kind = lobby->session().kind();
            const play::PuzzleKind *keyed = play::KeyedKindNamed(kind);
            QVERIFY2(keyed, qPrintable(kind));
            QCOMPARE(lobby->titleNote, QStringLiteral(" \u2014 ") + keyed->name());
            // Its key is a keyed alphabet of that kind, of a common keyword,
            // and the kept game keeps it so.
            const auto reading = play::KeywordOf(lobby->session().key());
            QVERIFY(reading);
            QCOMPARE(cipher::KindName(reading->kind).toLower(), kind);
            QVERIFY(solver::Keywords().contains(reading->keyword));
            for (int i = 0; i < 26; ++i) QVERIFY(lobby->session().key()[i] != QChar(u'A' + i));
            QCOMPARE(play::ParseGameFile(play::FormatGameFile(lobby->session().kept()))->kind, kind);
            // Solved: the keyword asked, and told right or not.
            script->entries = {right ? reading->keyword.toLower() : QStringLiteral("nothing")};
            for (QChar c : game().SolveQuote())
                if (c >= u'A' && c <= u'Z' && !game().isOver()) lobby->typePair(cipherOf(c), c);
            QTRY_COMPARE(script->inputs.size(), 1);
            QVERIFY(script->inputs[0].prompt.contains(cipher::KindName(reading->kind)));
            QTRY_COMPARE(script->messages.size(), 1);
            QCOMPARE(script->messages[0].text,
                     (right ? QStringLiteral("Right: the keyword was %1.")
                            : QStringLiteral("Not this time: the keyword was %1."))
                         .arg(reading->keyword));
            // Recorded as any solved game: the keyword counts for nothing.
            QCOMPARE(stats::ReadGames().last().outcome, stats::Outcome::Solved);
            lobby->finish();
            QVERIFY(lobby->titleNote.isEmpty());
            script->inputs.clear();
            script->messages.clear();
        }
        QCOMPARE(stats::ReadGames().size(), 2);
        // A kept game whose key is no keyed one of its kind is played on as
        // the design's.
        play::KeptGame other = AppleADay(QStringLiteral("A\u00B7 A\u00B7\u00B7\u00B7\u00B7 A \u00B7A\u00B7, A\u00B7 \u00B7\u00B7\u00B7\u00B7 \u00B7A\u00B7"));
        other.kind = QStringLiteral("k2");
        const auto parsed = play::ParseGameFile(play::FormatGameFile(other));
        QVERIFY(parsed);
        QVERIFY(parsed->kind.isEmpty());
    }

    void theFirstGameTellsWhereTheHelpersAreOnce() {
        Settings::SetOn(Settings::Keys::HelperTip, true);
        new HelperTip(*lobby, lobby->standIn);
        lobby->playRecord(3, play::Level::Any);
        QTRY_COMPARE(script->messages.size(), 1);
        QCOMPARE(script->messages[0].text, HelperTip::Text());
        QVERIFY(HelperTip::Text().contains(QStringLiteral("Explain a Step (F2)")));
        // Not kept for the next game (the box left unticked): never again.
        QVERIFY(!Settings::IsOn(Settings::Keys::HelperTip));
        lobby->finish();
        fresh();
        new HelperTip(*lobby, lobby->standIn);
        lobby->playRecord(3, play::Level::Any);
        QTest::qWait(20);
        QCOMPARE(script->messages.size(), 1);
    }

    // ---- The kept game -------------------------------------------------------

    void aGameLeftOpenIsOfferedAndContinuedOrRecorded() {
        for (const Answer answer : {Answer::Yes, Answer::No}) {
            new SavedGame(*lobby, lobby->standIn);
            new GameStatistics(*lobby, lobby->standIn);
            QVERIFY(lobby->keepsOpenGames);
            lobby->playRecord(3, play::Level::Any);
            lobby->typePair(cipherOf(u'T'), u'T');
            lobby->session().hint([](int, int) { return 2; });
            t = t.addSecs(40);
            lobby->typePair(cipherOf(u'H'), u'H');
            const QString progress = game().SolveProgress();
            QVERIFY(lobby->findChild<SavedGame *>()->keeper().Finish().isEmpty());
            lobby->session().suspend(); // the program ends, the game open
            fresh();
            new SavedGame(*lobby, lobby->standIn);
            new GameStatistics(*lobby, lobby->standIn);
            script->answers = {answer};
            emit lobby->lobbyOpened();
            QTRY_COMPARE(script->messages.size(), 1);
            // T typed, H hinted and typed again: two pairs, not the places they fill.
            QVERIFY2(script->messages[0].text.contains(QStringLiteral("with 2 pairs placed")),
                     qPrintable(script->messages[0].text));
            if (answer == Answer::Yes) {
                QVERIFY(lobby->is(LobbySeam::Mode::Solve));
                QCOMPARE(game().SolveProgress(), progress);
                QCOMPARE(game().HintCount(), qint16(1));
                QCOMPARE(game().SolveStartTime().secsTo(t), qint64(40)); // the time goes on
                QVERIFY(lobby->session().undo()); // pairs from before the break
                t = t.addSecs(5);
                lobby->session().solve();
            }
            QVERIFY(!QFile::exists(SavedGame::FileName()));
            const QList<stats::Game> games = stats::ReadGames();
            QCOMPARE(games.size(), 1);
            QCOMPARE(games[0].outcome,
                     answer == Answer::Yes ? stats::Outcome::Shown : stats::Outcome::Abandoned);
            QCOMPARE(games[0].seconds, qint64(answer == Answer::Yes ? 45 : 40));
            QFile::remove(stats::RecordPath());
            script->messages.clear();
            fresh();
        }
    }

    void aDayAskedForWaitsForTheKeptGame() {
        // `cipherly --daily` with a game kept: the player is asked first.
        // Continued, it is played on and the day waits; ended, it is in the
        // record as abandoned, and the day is played.
        const QDate day = t.date();
        const auto fileBytes = [](const QString &name) {
            QFile f(name);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        for (const Answer answer : {Answer::Yes, Answer::No}) {
            new SavedGame(*lobby, lobby->standIn);
            lobby->playRecord(3, play::Level::Any);
            lobby->typePair(cipherOf(u'T'), u'T');
            QVERIFY(lobby->findChild<SavedGame *>()->keeper().Finish().isEmpty());
            lobby->session().suspend();
            const QByteArray kept = fileBytes(SavedGame::FileName());
            fresh();
            // Attached in the game's order: the day's addition first.
            auto *daily = new TodaysQuote(*lobby, lobby->standIn);
            new SavedGame(*lobby, lobby->standIn);
            new GameStatistics(*lobby, lobby->standIn);
            daily->today = [day] { return day; };
            TodaysQuote::Requested = day;
            script->answers = {answer};
            emit lobby->lobbyOpened();
            QTRY_COMPARE(script->messages.size(), 1);
            QVERIFY(script->messages[0].text.contains(QStringLiteral("not finished yet")));
            QTest::qWait(100); // what waited for the answer has run
            QVERIFY(lobby->is(LobbySeam::Mode::Solve));
            if (answer == Answer::Yes) {
                QCOMPARE(game().SolveQuote(), lobby->list[2]);
                QVERIFY(!lobby->session().day().isValid());
                QVERIFY(lobby->findChild<SavedGame *>()->keeper().Finish().isEmpty());
                QVERIFY(
                    fileBytes(SavedGame::FileName()).contains("quote=" + lobby->list[2].toUtf8()));
                QVERIFY(stats::ReadGames().isEmpty());
            } else {
                QCOMPARE(lobby->session().day(), day);
                QCOMPARE(game().SolveQuote(), play::DailyPuzzle(day)->board);
                const QList<stats::Game> games = stats::ReadGames();
                QCOMPARE(games.size(), 1);
                QCOMPARE(games[0].outcome, stats::Outcome::Abandoned);
                QVERIFY(kept.contains("quote=" + lobby->list[2].toUtf8()));
            }
            lobby->finish();
            QFile::remove(SavedGame::FileName());
            QFile::remove(stats::RecordPath());
            script->messages.clear();
            fresh();
        }
    }

    void aKeptGameThatEndedOrIsDamagedIsNeverLost() {
        // A kill can come between the kept game marked ended, its row in the
        // record, and its removal: the next start records it once, never
        // offers it again.
        play::KeptGame s = AppleADay(QStringLiteral("AN APPLE A DAY, AS THEY SAY"));
        s.ended = s.started.addSecs(95);
        s.outcome = SolveGame::Outcome::Solved;
        for (const bool rowWritten : {false, true}) {
            QFile::remove(stats::RecordPath());
            if (rowWritten) stats::AppendGame(play::RowOf(s));
            QVERIFY(safefile::replaceFile(SavedGame::FileName(), play::FormatGameFile(s)));
            fresh();
            new SavedGame(*lobby, lobby->standIn);
            emit lobby->lobbyOpened();
            QTRY_VERIFY(!QFile::exists(SavedGame::FileName()));
            QVERIFY(script->messages.isEmpty() && lobby->is(LobbySeam::Mode::List));
            QCOMPARE(stats::ReadGames().size(), 1);
        }
        // Damaged: set aside, said, not lost.
        QVERIFY(safefile::replaceFile(SavedGame::FileName(),
                                      "Cipherly game in progress 1\nquote=SHORT\n"));
        fresh();
        new SavedGame(*lobby, lobby->standIn);
        emit lobby->lobbyOpened();
        QTRY_COMPARE(script->messages.size(), 1);
        QVERIFY(script->messages[0].text.contains(QStringLiteral("could not be read")));
        QVERIFY(QFile::exists(SavedGame::FileName() + QStringLiteral(".damaged")));
    }
};

QTEST_MAIN(TestAdditions)
#include "tst_additions.moc"
