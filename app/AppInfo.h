#pragma once

#include <QString>

// Fixed facts about the program, defined once.
namespace AppInfo {

inline const QString Title = QStringLiteral("Cipherly");
inline constexpr int Major = 3;
inline constexpr int Minor = 28;
inline constexpr int Revision = 18;
// "Encryption Word Game", in the player's language.
QString description();
// Short enough for its line on the title page.
inline const QString Copyright = QStringLiteral("2026 KEL Software");

// "3.28.18"
QString versionString();

} // namespace AppInfo
