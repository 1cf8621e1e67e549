#pragma once

#include "PuzzleKind.h"

namespace play {

// A puzzle without word breaks: the quote's letters only, in groups of five
// ("THEQU ICKBR OWN"), marks and digits dropped; what the puzzlers' clubs
// set for their hardest puzzles. Registered by whoever offers it.
const PuzzleKind &WithoutWordBreaks();

} // namespace play
