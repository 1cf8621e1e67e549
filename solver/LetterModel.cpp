#include "LetterModel.h"

#include <QFile>

namespace solver {

namespace {
constexpr size_t Runs = 26 * 26 * 26 * 26;
// The data's bytes are costs in twelfths of a nat.
constexpr float Scale = 12;

LetterModel load(const char *name) {
    QFile f(QString::fromLatin1(name));
    f.open(QIODevice::ReadOnly);
    const QByteArray d = f.readAll();
    return LetterModel(std::string(d.constData(), size_t(d.size())));
}
} // namespace

LetterModel::LetterModel(const std::string &data) {
    if (data.size() != 4 + Runs || data.compare(0, 4, "CPL1") != 0) return;
    m_cost.resize(Runs);
    for (size_t i = 0; i < Runs; ++i)
        m_cost[i] = -float(uint8_t(data[4 + i])) / Scale;
}

const LetterModel &LetterModel::shared(Language language) {
    if (language == Language::German) {
        static const LetterModel german = load(":/solver/letters-de.bin");
        return german;
    }
    static const LetterModel english = load(":/solver/letters.bin");
    return english;
}

float LetterModel::logp(const std::vector<int> &letters) const {
    float sum = 0;
    for (size_t i = 3; i < letters.size(); ++i)
        sum += logp(letters[i - 3], letters[i - 2], letters[i - 1], letters[i]);
    return sum;
}

} // namespace solver
