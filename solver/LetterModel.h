#pragma once

#include "WordModel.h"

#include <string>
#include <vector>

namespace solver {

// How letters follow letters in running text, word breaks left out: the
// chance of each run of four letters, counted at build time in the same
// texts as the words. What reads a cipher given without word breaks.
class LetterModel {
public:
    // The model of a language the game ships with; loaded on first use, from
    // any thread.
    static const LetterModel &shared(Language language = Language::English);
    // A model from data in the solver's own form; empty when it is damaged.
    explicit LetterModel(const std::string &data);

    bool empty() const { return m_cost.empty(); }
    // The log likelihood of the run `a`, `b`, `c`, `d` (each 0 to 25).
    float logp(int a, int b, int c, int d) const {
        return m_cost[size_t(((a * 26 + b) * 26 + c) * 26 + d)];
    }
    // The sum of that for every run of four in `letters` (each 0 to 25).
    float logp(const std::vector<int> &letters) const;

    // How often letters stand in the texts counted, as a share of all
    // letters, and as a rank from 1 (the commonest): a letter, a pair of
    // letters in a row, a group of three, a doubled letter (LL) among the
    // doubled ones. 0 from an empty model.
    double share(int letter) const { return empty() ? 0 : m_share[size_t(letter)]; }
    int letterRank(int letter) const { return rank(m_letterRank, size_t(letter)); }
    int pairRank(int a, int b) const { return rank(m_pairRank, size_t(a * 26 + b)); }
    int groupRank(int a, int b, int c) const {
        return rank(m_groupRank, size_t((a * 26 + b) * 26 + c));
    }
    int doubleRank(int letter) const { return rank(m_doubleRank, size_t(letter)); }

private:
    static int rank(const std::vector<int> &ranks, size_t at) {
        return at < ranks.size() ? ranks[at] : 0;
    }
    std::vector<float> m_cost;
    std::vector<double> m_share;
    std::vector<int> m_letterRank, m_pairRank, m_groupRank, m_doubleRank;
};

} // namespace solver
