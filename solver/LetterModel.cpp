#include "LetterModel.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace solver {

namespace {
constexpr size_t Runs = 26 * 26 * 26 * 26;
// The data's bytes are costs in twelfths of a nat.
constexpr float Scale = 12;

// The rank of each of `chances`: 1 for the likeliest, and so on.
std::vector<int> Ranks(const std::vector<double> &chances) {
    std::vector<int> order(chances.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return chances[size_t(a)] > chances[size_t(b)]; });
    std::vector<int> ranks(chances.size());
    for (size_t r = 0; r < order.size(); ++r)
        ranks[size_t(order[r])] = int(r) + 1;
    return ranks;
}

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
    // Letters, pairs and groups of three: the runs of four they begin.
    std::vector<double> letters(26, 0), pairs(26 * 26, 0), groups(26 * 26 * 26, 0);
    double all = 0;
    for (size_t i = 0; i < Runs; ++i) {
        const double p = std::exp(double(m_cost[i]));
        groups[i / 26] += p;
        pairs[i / (26 * 26)] += p;
        letters[i / (26 * 26 * 26)] += p;
        all += p;
    }
    m_share.resize(26);
    std::vector<double> doubled(26);
    for (size_t l = 0; l < 26; ++l) {
        m_share[l] = letters[l] / all;
        doubled[l] = pairs[l * 27];
    }
    m_letterRank = Ranks(letters);
    m_pairRank = Ranks(pairs);
    m_groupRank = Ranks(groups);
    m_doubleRank = Ranks(doubled);
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
