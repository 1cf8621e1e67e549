// KelButton figures: one full drawing of a 135 x 43 button per style, and a
// hover tick.
#include "KelButton.h"

#include <QApplication>
#include <QCursor>

#include <benchmark/benchmark.h>

namespace {

struct Fixture {
    QWidget window;
    KelButton *button;
    explicit Fixture(int type) {
        window.resize(300, 120);
        button = new KelButton(&window);
        button->InitProperties();
        button->setCaption(QStringLiteral("&Solve a\r\nRandom Quote"));
        button->setPictureNormal(
            KelPicture::fromResource(QStringLiteral(":/pictures/icons/solve.png")));
        button->setGeometry(20, 20, 135, 43);
        button->setButtonType(type);
        window.show();
        QApplication::processEvents();
    }
};

void BM_DrawButton(benchmark::State &state) {
    Fixture f(int(state.range(0)));
    for (auto _ : state)
        f.button->DrawLook(false, false, KelButton::Up);
}
BENCHMARK(BM_DrawButton)
    ->Arg(KelButton::Soft3D)
    ->Arg(KelButton::Rounded)
    ->Arg(KelButton::SeeThrough)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond);

void BM_HoverTick(benchmark::State &state) {
    Fixture f(KelButton::Soft3D);
    QCursor::setPos(f.button->mapToGlobal(QPoint(60, 20)));
    for (auto _ : state)
        benchmark::DoNotOptimize(f.button->IsMouseOver());
}
BENCHMARK(BM_HoverTick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
