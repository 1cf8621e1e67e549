#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace solver {

// The languages the solver reads.
enum class Language { English, German };

// The language the game speaks, of those the solver reads: German where the
// game's locale is German, English otherwise.
Language SpokenLanguage();

// The words the solver knows, how common each is and which follow which:
// built at build time from a word list and a body of text, read once.
// Words are lower case ASCII letters, with apostrophes inside some.
class WordModel {
public:
    // The model of a language the game ships with; loaded on first use, from
    // any thread.
    static const WordModel &shared(Language language = Language::English);
    // A model from data in the solver's own form; empty when it is damaged.
    explicit WordModel(const std::string &data, Language language = Language::English);

    Language language() const { return m_language; }
    // Whether a word of one letter is a word of the language (A and I in
    // English; German has none).
    bool loneLetterWord(const std::string &word) const;

    bool empty() const { return m_words.empty(); }
    int size() const { return int(m_words.size()); }
    const std::string &text(int id) const { return m_words[size_t(id)]; }
    // The log of how likely the word is at any place in a text.
    float logp(int id) const { return m_logp[size_t(id)]; }
    // How often the word was seen in the text the model was counted from.
    uint32_t count(int id) const { return m_count[size_t(id)]; }
    // Whether the word list spells the word as a name (Max, Wilde).
    bool name(int id) const { return m_name[size_t(id)]; }
    // How often a word a person knows well enough to think of it was seen:
    // about once in 150,000 words of the text counted (at least twice).
    uint32_t common() const { return m_common; }
    // The cost, as a log likelihood, of a word the model does not know,
    // its letters not yet read.
    float unknownLogp(int length) const;
    // The same for a word the model does not know, spelled out: a name that
    // reads like English costs less than a jumble.
    float spelledLogp(const std::string &word) const;
    // How English a run of letters reads, letter after letter: the log
    // likelihood of each letter after the two before it ('?' letters and
    // what they touch are left out).
    float lettersLogp(const std::string &word) const;
    // The log of how likely `next` is right after `word`.
    float pairLogp(int word, int next) const;
    // The word's id, or -1.
    int find(const std::string &word) const;
    // The commonest word spelled with an apostrophe that reads as `letters`
    // without it (DONT: DON'T), or -1: letters given without marks.
    int findUnmarked(const std::string &letters) const;
    // Whether a word the list lacks is made of words it holds, as German
    // compounds are (KOSTEN + GRUENDEN, with a joining S allowed): up to
    // three parts of `least` letters or more. Four by default: with parts of
    // three, a wrong reading of a cipher too often passes for a compound; a
    // quote's own text may take three (FAHR + RAD + TEILE).
    static constexpr size_t CompoundPart = 4;
    bool compound(const std::string &word, size_t least = CompoundPart) const {
        return compoundPartLogp(word, least) > -1e30f;
    }
    // The log likelihood of the rarest part of the likeliest way to read
    // `word` as a compound, or below -1e30 when it is none.
    float compoundPartLogp(const std::string &word, size_t least = CompoundPart,
                           int parts = 3) const;
    // German writes a word shortened with an apostrophe (GAB'S, HAB', WAR'N,
    // VOR'M): the log likelihood of the word it stands for, or below -1e30
    // when the list holds no such word (and in English).
    float elidedLogp(const std::string &word) const;
    bool elided(const std::string &word) const { return elidedLogp(word) > -1e30f; }
    // German takes words from English (USER, SUPPORT, HARDWARE): whether a
    // German text's word is a common English one. Always false in English.
    bool borrowed(const std::string &word) const;
    // Whether the word reads as a word of the language: one of the list, or
    // in German a compound of them or one shortened. A word borrowed is not
    // enough: a text of other languages would read as German by them.
    bool knows(const std::string &word) const {
        return find(word) >= 0 ||
               (m_language == Language::German && (compound(word) || elided(word)));
    }
    // The words with the same pattern of repeated letters (and apostrophes),
    // most common first; null when there are none.
    const std::vector<int> *withPattern(const std::string &pattern) const;

    // The words a pattern a puzzler types stands for, commonest first. Without
    // a '?' it is a shape: each letter an unknown, the same letter the same
    // one, different letters different ones (ABCA: THAT). With a '?' its
    // letters stand for themselves and '?' for any letter (?E?'S: LET'S,
    // MEN'S). Apostrophes stand for themselves; case does not matter.
    std::vector<int> matching(const std::string &pattern) const;

    // The pattern of a word: each letter as the order in which it first
    // appears (0, 1, ...), an apostrophe as itself. "hello" and "cheer" share
    // one, whichever letters spell them.
    static std::string pattern(const std::string &word);

private:
    Language m_language;
    std::vector<std::string> m_words;
    std::vector<float> m_logp;
    std::vector<uint32_t> m_count;
    std::vector<bool> m_name;
    std::unordered_map<std::string, int> m_ids;
    std::unordered_map<std::string, std::vector<int>> m_patterns;
    std::unordered_map<std::string, int> m_unmarked;
    std::unordered_map<uint64_t, uint32_t> m_pairs;
    uint32_t m_common = 3;
    float m_rare = 0; // a word of the list never seen in the text
    // Letter after two letters: 27 x 27 x 27, 26 meaning a word's edge.
    std::vector<float> m_trigram;
};

} // namespace solver
