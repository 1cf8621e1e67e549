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

private:
    std::vector<float> m_cost;
};

} // namespace solver
