// Quote store and cipher figures for a full quote file of 32,767 records.
#include "QuoteFile.h"
#include "QuoteImport.h"
#include "modSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

QByteArray fullFile() {
    QByteArray all;
    all.reserve(qint64(quotes::MaxRecords) * quotes::RecordLength);
    for (int i = 0; i < quotes::MaxRecords; ++i)
        all += QByteArray("A QUOTE OF THE BENCHMARK LIST, NUMBER ")
                   .append(QByteArray::number(i).replace('0', 'O'))
                   .leftJustified(quotes::RecordLength, ' ', true);
    return all;
}

void writeFile(const QString &name, const QByteArray &bytes) {
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::abort();
}

const QByteArray &fileContent() {
    static const QByteArray bytes = fullFile();
    return bytes;
}

void BM_ReadAllRecordsAsTheListFillDoes(benchmark::State &state) {
    writeFile(quotes::QuoteFileName, fileContent());
    QStringList list;
    for (auto _ : state) {
        if (!quotes::LoadQuoteList(list)) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_ReadAllRecordsAsTheListFillDoes)->Unit(benchmark::kMillisecond);

void BM_ReadFileInOneGo(benchmark::State &state) {
    writeFile(quotes::QuoteFileName, fileContent());
    for (auto _ : state) {
        QFile f(quotes::QuoteFileName);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll());
    }
}
BENCHMARK(BM_ReadFileInOneGo)->Unit(benchmark::kMillisecond);

void BM_DeleteRecord11(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(quotes::QuoteFileName, fileContent());
        state.ResumeTiming();
        if (!quotes::DeleteQuoteRecord(11)) state.SkipWithError("delete failed");
    }
}
BENCHMARK(BM_DeleteRecord11)->Unit(benchmark::kMillisecond);

void BM_PlainCopyOfTheFile(benchmark::State &state) {
    writeFile(quotes::QuoteFileName, fileContent());
    for (auto _ : state) {
        QFile::remove(QStringLiteral("copy.dat"));
        if (!QFile::copy(quotes::QuoteFileName, QStringLiteral("copy.dat")))
            state.SkipWithError("copy failed");
    }
}
BENCHMARK(BM_PlainCopyOfTheFile)->Unit(benchmark::kMillisecond);

void BM_AppendOneRecord(benchmark::State &state) {
    QByteArray almostFull =
        fileContent().left(qint64(quotes::MaxRecords - 1) * quotes::RecordLength);
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(quotes::QuoteFileName, almostFull);
        state.ResumeTiming();
        if (!quotes::SaveQuote(QStringLiteral("ONE MORE QUOTE AT THE END OF A LONG LIST OF QUOTES"),
                               true, 0))
            state.SkipWithError("append failed");
    }
}
BENCHMARK(BM_AppendOneRecord)->Unit(benchmark::kMicrosecond);

void BM_MakeCodeKey(benchmark::State &state) {
    for (auto _ : state)
        cipher::MakeCodeKey();
}
BENCHMARK(BM_MakeCodeKey)->Unit(benchmark::kMicrosecond);

void BM_EncipherText200(benchmark::State &state) {
    cipher::MakeCodeKey();
    const QString quote = QString(QStringLiteral("THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG; "))
                              .repeated(5)
                              .left(200);
    for (auto _ : state)
        benchmark::DoNotOptimize(cipher::EncipherText(quote));
}
BENCHMARK(BM_EncipherText200)->Unit(benchmark::kMicrosecond);

template <typename F> double medianSeconds(F &&f, int runs = 5) {
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        const auto a = std::chrono::steady_clock::now();
        f();
        t.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - a).count());
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

// A fortune file of 30,000 entries, each with an attribution line.
const QByteArray &fortuneFile() {
    static const QByteArray bytes = [] {
        QByteArray all;
        for (int i = 0; i < 30000; ++i) {
            QByteArray n = QByteArray::number(i);
            for (char &c : n)
                c = char('A' + (c - '0'));
            all += "A saying of the great collection, entry " + n +
                   ",\n\twhich runs over two lines as fortunes do.\n\t\t-- Author " + n + "\n%\n";
        }
        return all;
    }();
    return bytes;
}

void importOnce() {
    QFile::remove(quotes::QuoteFileName);
    QStringList ten;
    quotes::LoadQuoteList(ten); // a fresh list of ten
    QFile f(QStringLiteral("fortunes"));
    f.open(QIODevice::ReadOnly);
    const quotes::ImportResult r =
        quotes::ImportQuotes({{QStringLiteral("fortunes"), {}, QStringLiteral("fortunes")}});
    if (r.added != 30000) std::abort();
}

void BM_Import30000Fortunes(benchmark::State &state) {
    writeFile(QStringLiteral("fortunes"), fortuneFile());
    for (auto _ : state)
        importOnce();
}
BENCHMARK(BM_Import30000Fortunes)->Unit(benchmark::kMillisecond);

void printRatios() {
    writeFile(QStringLiteral("fortunes"), fortuneFile());
    const double import = medianSeconds(importOnce, 5);
    const double readOnly = medianSeconds([] {
        QFile f(QStringLiteral("fortunes"));
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll());
    });
    const double parse = medianSeconds([] {
        QFile f(QStringLiteral("fortunes"));
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(quotes::CandidatesIn(f.readAll()));
    });
    std::printf(
        "\nImporting a fortune file of 30,000 entries into a list of ten, with the write:\n");
    std::printf("  %.0f ms (aim: under 1,000 ms); %.0fx reading the file alone (%.1f ms), "
                "%.1fx reading and splitting it into entries (%.0f ms)\n",
                import * 1000, import / readOnly, readOnly * 1000, import / parse, parse * 1000);

    writeFile(quotes::QuoteFileName, fileContent());
    QStringList list;
    const double fill = medianSeconds([&] { quotes::LoadQuoteList(list); });
    const double oneGo = medianSeconds([] {
        QFile f(quotes::QuoteFileName);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll());
    });
    const double oneGoSplit = medianSeconds([&] {
        QFile f(quotes::QuoteFileName);
        f.open(QIODevice::ReadOnly);
        const QByteArray all = f.readAll();
        list.clear();
        for (qint64 at = 0; at < all.size(); at += quotes::RecordLength)
            list.append(QString::fromLatin1(all.mid(at, quotes::RecordLength)).trimmed());
        benchmark::DoNotOptimize(list);
    });
    const double copy = medianSeconds([] {
        QFile::remove(QStringLiteral("copy.dat"));
        QFile::copy(quotes::QuoteFileName, QStringLiteral("copy.dat"));
    });
    std::vector<double> deletions;
    for (int i = 0; i < 5; ++i) {
        writeFile(quotes::QuoteFileName, fileContent());
        deletions.push_back(medianSeconds([] { quotes::DeleteQuoteRecord(11); }, 1));
    }
    std::sort(deletions.begin(), deletions.end());
    const double del = deletions[2];
    std::printf("\nQuote file of %d records:\n", int(quotes::MaxRecords));
    std::printf("  reading every record / reading the file in one go: %.2fx (aim: within 3x)\n",
                fill / oneGo);
    std::printf("  reading every record / one read split into texts:  %.2fx\n", fill / oneGoSplit);
    std::printf("  deleting record 11 / plain copy of the file:       %.2fx (aim: within 3x)\n",
                del / copy);
}

} // namespace

int main(int argc, char **argv) {
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printRatios();
    return 0;
}
