#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;

// The language the game speaks: the player's, as a Debian user sets it, where
// the game has a translation; English, the design's own, otherwise.
namespace language {

// The languages the player asks for, most wanted first ("de_AT", "de"), read
// as gettext reads them: LANGUAGE (a list, unless the locale is C), then
// LC_ALL, LC_MESSAGES and LANG. `env` gives a variable's value.
QStringList Wanted(const std::function<QString(const char *)> &env);

// Installs the game's translation and Qt's own (for its stock dialogs) for
// the first wanted language the game has, and makes it the locale numbers
// and dates follow. `file`, when given, is a translation to use instead
// (for a translator trying one; one that cannot be read is said, and the
// wanted languages are tried). The language chosen; "en" for English.
QString Install(QCoreApplication &app, const QStringList &wanted, const QString &file = {});

// The languages the game has a translation of, beside English.
QStringList Available();

} // namespace language
