#include "modStandard.h"

#include <chrono>
#include <cmath>
#include <random>

namespace modStandard {
namespace {

bool seeded = false;
std::mt19937_64 generator;
std::function<double()> replacement;

double nextUniform() {
    if (replacement) return replacement();
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    return uniform(generator);
}

} // namespace

qint16 RandomBetween(qint16 low, qint16 high) {
    if (!seeded) {
        seeded = true;
        const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        generator.seed(static_cast<std::mt19937_64::result_type>(now));
    }
    double r = nextUniform();
    // A source that returns exactly 1 would step past high; keep it in range.
    if (!(r >= 0.0) || r >= 1.0) r = std::nextafter(1.0, 0.0);
    const int span = int(high) - int(low) + 1;
    return static_cast<qint16>(int(std::floor(r * span)) + low);
}

void SetRandomSource(std::function<double()> source) {
    replacement = std::move(source);
}

bool IsRandomSeeded() {
    return seeded;
}

} // namespace modStandard
