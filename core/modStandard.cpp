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

QString ForTerminal(const QString &text) {
    QString out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0) || c.category() == QChar::Other_Format ||
            c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            out += u <= 0xFF ? QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'))
                             : QStringLiteral("\\u{%1}").arg(int(u), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

void SetRandomSource(std::function<double()> source) {
    replacement = std::move(source);
}

bool IsRandomSeeded() {
    return seeded;
}

} // namespace modStandard
