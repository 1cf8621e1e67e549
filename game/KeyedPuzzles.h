#pragma once

#include "KeyedAlphabet.h"
#include "PuzzleKind.h"

#include <optional>

// Puzzles keyed as cipher clubs key them: the board as the design lays it
// out, the key a keyed alphabet (K1, K2 or K3) of a keyword drawn from the
// solver's common words, slid so that no letter stands for itself.
// Registered by whoever offers them.
namespace play {

const PuzzleKind &KeyedKind(cipher::Keyed kind);
// The keyed kind of that id ("k1", "k2", "k3"); nothing for another.
const PuzzleKind *KeyedKindNamed(const QString &id);

// The keyword and kind that made `key`, from the keywords a keyed puzzle
// draws (in the language the game speaks); nothing for a random key.
std::optional<cipher::KeyedReading> KeywordOf(const QString &key);

// Whether `answer` is the keyword of `reading`: the same letters in the same
// order once repeats are dropped, as the keyed alphabet keeps them.
bool SameKeyword(const QString &answer, const QString &keyword);

} // namespace play
