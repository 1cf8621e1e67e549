#pragma once

#include "WordModel.h"

#include <QString>
#include <QStringList>

// The words a keyed alphabet is keyed with, from the solver's own words.
namespace solver {

// Common words of 5 to 10 letters that a club would key an alphabet with:
// letters only, no names, none that would offend; commonest first.
const QStringList &Keywords(Language language = Language::English);

// The commonest word of the language spelled with `letters` once its repeats
// are dropped, as a keyed alphabet keeps a keyword (KANGRO: KANGAROO); empty
// when the language has none.
QString KeywordSpelled(const QString &letters, Language language = Language::English);

} // namespace solver
