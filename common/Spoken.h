#pragma once

#include <QString>

// The puzzle as a screen reader says it.
namespace spoken {

// A solution in progress as it is read, letter by letter and word by word:
// "T blank E, A" for "T·E A".
QString Letters(const QString &solution);
// The solve panel's instruction, with the two letter boxes in words.
QString Instruction();

} // namespace spoken
