#pragma once

#include <QHash>
#include <QString>

// The puzzle as a screen reader says it.
namespace spoken {

// A solution in progress as it is read, letter by letter and word by word:
// "T blank E, A" for "T·E A"; a sign by its name ("comma"), and a place with
// a pencil letter as that letter pencilled ("pencilled R"), not as a firm one.
QString Letters(const QString &solution, const QHash<int, QChar> &pencil = {});
// A sign of a quote by its name, as a reader of letters one by one says it;
// a letter as it is.
QString Sign(QChar c);
// The pencil letters of a game ("XT QH": X pencilled as T, Q as H) at the
// places of the scrambled quote where no firm letter stands.
QHash<int, QChar> PencilPlaces(const QString &pairs, const QString &enciphered,
                               const QString &solution);
// The solve panel's instruction, with the two letter boxes in words.
QString Instruction();

} // namespace spoken
