#pragma once

#include <QString>

// The per-user settings, kept under application "Cipherly", section
// "Defaults". Values are text; a missing key reads as its default. Every key
// the game keeps is in this one registry, with its default.
namespace Settings {

struct Key {
    const char *name;
    const char *defaultValue;
    QString text() const { return QString::fromLatin1(name); }
};

namespace Keys {
// Whether windows fade: "True" or "False".
inline constexpr Key FadeStatus{"FadeStatus", "False"};
// "NoShow" once the player turned the welcome screen off.
inline constexpr Key NewUser{"NewUser", ""};
// Whether the solver's aids are on: "True" or "False".
inline constexpr Key SolverAids{"SolverAids", "False"};
// Whether the list's status line tells how hard the highlighted quote is.
inline constexpr Key ShowDifficulty{"ShowDifficulty", "False"};
// Whether the lobby's title bar shows the clock of a game, which then stops
// while the window is minimised or another program has the focus.
inline constexpr Key GameClock{"GameClock", "False"};
// Whether Solve and Finished, Return ask first once a pair is placed.
inline constexpr Key AskBeforeGivingUp{"AskBeforeGivingUp", "False"};
// Whether a pair can be typed on the puzzle itself.
inline constexpr Key TypeOnPuzzle{"TypeOnPuzzle", "False"};
// The size every window is shown at, from the next start: 100, 125, 150 or
// 200 (per cent of the designed size), or 0 to follow the desktop's scaling.
inline constexpr Key ViewSize{"ViewSize", "0"};
// Whether the line above the quote list tells what the record says of the
// highlighted quote (played, solved, best time).
inline constexpr Key QuoteMarks{"QuoteMarks", "False"};
// The folder quotes were last imported from.
inline constexpr Key QuoteFolder{"QuoteFolder", ""};
// The folder quotes were last exported to.
inline constexpr Key ExportFolder{"ExportFolder", ""};

// The temporary file of an export under way, so that the next start can
// remove what a killed export left; empty when none is.
inline constexpr Key ExportPending{"ExportPending", ""};

// Whether a game's start tells once where the helpers are.
inline constexpr Key HelperTip{"HelperTip", "True"};
// Whether the solver's aids show the plain alphabet rather than the cipher
// letters.
inline constexpr Key PlainLetters{"PlainLetters", "False"};
// Whether a game is solved on letter tiles, each guess over its scrambled
// letter, rather than on the two puzzle boxes.
inline constexpr Key LetterTiles{"LetterTiles", "False"};
inline constexpr Key NightColours{"NightColours", "False"};

inline constexpr Key All[] = {FadeStatus, NewUser,           SolverAids,   ShowDifficulty,
                              GameClock,  AskBeforeGivingUp, TypeOnPuzzle, ViewSize,
                              QuoteMarks, QuoteFolder,       ExportFolder, ExportPending,
                              HelperTip,  PlainLetters,      LetterTiles,  NightColours};
} // namespace Keys

inline const QString FadeStatusKey = Keys::FadeStatus.text();
inline const QString NewUserKey = Keys::NewUser.text();
inline const QString NoShow = QStringLiteral("NoShow");

// The settings file: $XDG_CONFIG_HOME/Cipherly/Cipherly.conf.
QString FilePath();
// The settings file is read only when it is a regular file of a settings
// file's size; anything else in its place (a pipe, a folder, a giant) is set
// aside, and the game starts with its defaults. What the player is told, or
// empty. Until it is put right, settings are neither read nor written.
QString CheckFile();
// The most a settings file may hold.
inline constexpr qint64 MaxFileBytes = 64 * 1024;

QString GetSetting(const QString &key, const QString &defaultValue = {});
void SaveSetting(const QString &key, const QString &value);

// The value of a key of the registry, its default when missing.
QString Get(const Key &key);
void Save(const Key &key, const QString &value);
// A "True"/"False" key of the registry, as the program writes them. Read
// back leniently: any case of "true", or a number other than 0, is on;
// anything else ("False", garbage) is off, the safe default; a missing key
// is its default.
bool IsOn(const Key &key);
void SetOn(const Key &key, bool on);

// Whether fading is switched on; off until the player turns it on.
bool FadeStatus();
// Whether the welcome screen is still to be shown.
bool ShowWelcome();
// The view size chosen: 100, 125, 150 or 200; 0 (for anything else too)
// follows the desktop.
int ViewSize();
inline constexpr int ViewSizes[] = {100, 125, 150, 200};

} // namespace Settings
