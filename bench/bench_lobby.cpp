// The lobby with a full quote file: filling the list, and moving the highlight.
#include "QuoteFile.h"
#include "frmMain.h"

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
        f.write(QByteArray("A QUOTE OF THE BENCHMARK LIST, WHICH IS AS LONG AS IT MAY BE").leftJustified(200, ' '));
}

frmMain &lobby() {
    static frmMain *m = [] {
        writeFullFile();
        auto *w = new frmMain;
        w->show();
        while (!w->activated()) QApplication::processEvents();
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
        m.grid->setRow(row);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_HighlightChange)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
