#pragma once

#include <QString>

// The two per-user settings, kept under application "Cipherly", section
// "Defaults". Values are text; a missing key reads as the reader's default.
namespace Settings {

inline const QString FadeStatusKey = QStringLiteral("FadeStatus");
inline const QString NewUserKey = QStringLiteral("NewUser");
inline const QString NoShow = QStringLiteral("NoShow");

QString GetSetting(const QString &key, const QString &defaultValue = {});
void SaveSetting(const QString &key, const QString &value);

// "True"/"False" as the program writes them. Read back leniently: any case of
// "true", or a number other than 0, is on; anything else (missing, "False",
// garbage) is off, the safe default.
bool ReadBoolean(const QString &key, bool defaultValue);
QString BooleanText(bool value);

// Whether fading is switched on; off until the player turns it on.
bool FadeStatus();
// Whether the welcome screen is still to be shown.
bool ShowWelcome();

} // namespace Settings
