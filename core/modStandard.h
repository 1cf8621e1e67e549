#pragma once

#include <QString>

#include <QtGlobal>
#include <functional>

// Small shared routines used across the program; the tiling of pictures is
// in TilePicture.h, wrapped printing and links in PrintWrapped.h and Links.h.
namespace modStandard {

// A whole number from low to high inclusive. The generator is seeded from the
// clock on the first call of the run.
qint16 RandomBetween(qint16 low, qint16 high);

// Replaces the uniform source of [0, 1) behind RandomBetween, so a test can
// force a sequence; an empty function restores the clock-seeded generator.
void SetRandomSource(std::function<double()> source);

// True once RandomBetween has seeded the generator in this run.
bool IsRandomSeeded();

// The program's one way of advancing a counter, in the counter's own type.
template <typename T, typename A> void AddTo(T &target, A amount) {
    target = static_cast<T>(target + amount);
}

// On equality both return the first argument.
inline double LargerOf(double a, double b) {
    return a >= b ? a : b;
}
inline double SmallerOf(double a, double b) {
    return a <= b ? a : b;
}

// `text` as a terminal may show it: control characters as \xNN (\u{NNNN}
// above 0xFF), so that words echoed back from the command line can neither
// move the cursor nor change the colours.
QString ForTerminal(const QString &text);

} // namespace modStandard
