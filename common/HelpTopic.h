#pragma once

#include <QtGlobal>

// The help topic the help window opens at: the topic of the lobby's mode.
namespace HelpTopics {
inline constexpr qint16 MainLobby = 3;
inline constexpr qint16 QuoteListMaintenance = 4;
inline constexpr qint16 EncryptingPrinting = 5;
inline constexpr qint16 SolvingOnScreen = 6;
// The additions' topics.
inline constexpr qint16 QuoteCollections = 16;
inline constexpr qint16 Statistics = 17;
inline constexpr qint16 SolverAids = 18;
} // namespace HelpTopics

extern qint16 HelpTopic;
