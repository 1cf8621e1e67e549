// The lobby with a full quote file: filling the list, and moving the highlight.
#include "Additions.h"
#include "Controls.h"
#include "CryptogramPage.h"
#include "Fonts.h"
#include "LetterStrip.h"
#include "NightScheme.h"
#include "PrinterSurface.h"
#include "QuoteFile.h"
#include "Settings.h"
#include "SolveGame.h"
#include "SolverAids.h"
#include "ViewZoom.h"
#include "frmMain.h"
#include "modStandard.h"
#include "modSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void writeFullFile() {
    QFile f(quotes::QuoteFileName);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    for (int i = 0; i < quotes::MaxRecords; ++i)
        f.write(QByteArray("A QUOTE OF THE BENCHMARK LIST, WHICH IS AS LONG AS IT MAY BE")
                    .leftJustified(200, ' '));
}

frmMain &lobby() {
    static frmMain *m = [] {
        writeFullFile();
        auto *w = NewLobby();
        w->show();
        while (!w->activated())
            QApplication::processEvents();
        return w;
    }();
    return *m;
}

void BM_FillQuoteList32767(benchmark::State &state) {
    frmMain &m = lobby();
    for (auto _ : state) {
        m.FillQuoteList();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FillQuoteList32767)->Unit(benchmark::kMillisecond);

void BM_HighlightChange(benchmark::State &state) {
    frmMain &m = lobby();
    int row = 1;
    for (auto _ : state) {
        row = row % 32000 + 97;
        Ui(m).grid->setRow(row);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_HighlightChange)->Unit(benchmark::kMillisecond);

const QString LongQuote =
    QString(QStringLiteral("THE WOODS ARE LOVELY, DARK AND DEEP; BUT I HAVE PROMISES. "))
        .repeated(4)
        .left(200);

// A game's start without its window: the record drawn and read, a key, the
// quote enciphered and the solution set up.
void BM_StartGameCore(benchmark::State &state) {
    lobby();
    SolveGame game;
    for (auto _ : state) {
        quotes::OpenQuoteFile();
        quotes::ReadQuoteRecord(modStandard::RandomBetween(1, quotes::QuoteCount));
        quotes::CloseQuoteFile();
        cipher::MakeCodeKey();
        game.start(quotes::QuoteRecord.trimmed());
        benchmark::DoNotOptimize(cipher::EncipherText(game.SolveQuote()));
    }
}
BENCHMARK(BM_StartGameCore)->Unit(benchmark::kMicrosecond);

// The same through the lobby's own button, and back to the list (no fades).
void BM_StartAndLeaveGameInTheWindow(benchmark::State &state) {
    frmMain &m = lobby();
    for (auto _ : state) {
        m.cmdSolveRandomQuote_Click();
        m.cmdFinishedSolving_Click();
    }
}
BENCHMARK(BM_StartAndLeaveGameInTheWindow)->Unit(benchmark::kMillisecond);

// The view size changed on a game on show, to the window drawn again at the
// new size: every open window made anew and painted.
void BM_ZoomAFullGame(benchmark::State &state) {
    frmMain &m = lobby();
    m.cmdSolveRandomQuote_Click();
    const int sizes[] = {150, 100};
    int i = 0;
    for (auto _ : state) {
        viewzoom::apply(sizes[i++ % 2]);
        m.repaint();
        QApplication::processEvents();
    }
    viewzoom::apply(100);
    m.cmdFinishedSolving_Click();
}
BENCHMARK(BM_ZoomAFullGame)->Unit(benchmark::kMillisecond);

// Night colours switched on a game on show, to the window drawn again in them.
void BM_NightColoursOnAFullGame(benchmark::State &state) {
    frmMain &m = lobby();
    m.cmdSolveRandomQuote_Click();
    bool on = false;
    for (auto _ : state) {
        nightscheme::setOn(on = !on);
        m.repaint();
        QApplication::processEvents();
    }
    nightscheme::setOn(false);
    m.cmdFinishedSolving_Click();
}
BENCHMARK(BM_NightColoursOnAFullGame)->Unit(benchmark::kMillisecond);

void BM_UpdateSolution200(benchmark::State &state) {
    frmMain &m = lobby();
    m.cmdSolveRandomQuote_Click();
    cipher::MakeCodeKey();
    m.session.start(LongQuote, cipher::EncipherText(LongQuote));
    Ui(m).txtBox[2]->setText(m.game.Enciphered());
    Ui(m).txtBox[1]->setText(m.game.SolveProgress());
    const QString cipherE = cipher::KeyTable('E', 1);
    for (auto _ : state)
        m.board.typePair(cipherE[0], u'E');
    m.cmdFinishedSolving_Click();
}
BENCHMARK(BM_UpdateSolution200)->Unit(benchmark::kMicrosecond);

// The solver's aids following the pointer over a 200-character quote: both
// boxes lit anew and the strip counted again, and all three painted.
void BM_SolverAidsFollowThePointer200(benchmark::State &state) {
    frmMain &m = lobby();
    m.cmdSolveRandomQuote_Click();
    cipher::MakeCodeKey();
    m.session.start(LongQuote, cipher::EncipherText(LongQuote));
    Ui(m).txtBox[2]->setText(m.game.Enciphered());
    Ui(m).txtBox[1]->setText(m.game.SolveProgress());
    SolverAidsPanel *aids = m.seam().findChild<SolverAidsPanel *>();
    aids->SolverAids = true;
    aids->ApplySolverAids();
    int at = 0;
    for (auto _ : state) {
        at = (at + 7) % 200;
        aids->txtBox_LetterHovered(at);
        Ui(m).txtBox[1]->repaint();
        Ui(m).txtBox[2]->repaint();
        aids->stripLetters->repaint();
    }
    aids->SolverAids = false;
    m.cmdFinishedSolving_Click();
}
BENCHMARK(BM_SolverAidsFollowThePointer200)->Unit(benchmark::kMicrosecond);

void BM_PrintBothPagesToPdf(benchmark::State &state) {
    QTemporaryDir out;
    cipher::MakeCodeKey();
    const QString cipher = cipher::EncipherText(LongQuote);
    for (auto _ : state) {
        auto pdf = DeviceSurface::toPdfFolder(out.path());
        for (int page = 1; page <= 2; ++page) {
            pdf->setDocumentName(page == 1 ? QStringLiteral("puzzle") : QStringLiteral("solution"));
            CryptogramPage::print(*pdf, page, QStringLiteral("Sam"), cipher, LongQuote);
        }
        state.PauseTiming();
        for (const QString &f : pdf->files())
            QFile::remove(f);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PrintBothPagesToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    RegisterFontSubstitutions();
    PrinterSurface::SetUnitToInches();
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    // No first-game tip waiting for an answer in the middle of a measure.
    Settings::SetOn(Settings::Keys::HelperTip, false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
