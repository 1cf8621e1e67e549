#pragma once

#include <QString>

// Minutes in the "###.#" pattern the game reports times in: 738 s -> "12.3",
// 30 s -> ".5", 120 s -> "2."; in another language as its numbers are
// written: "0,5", "2".
QString MinutesText(qint64 seconds);

// A time as minutes and seconds, for the statistics, which are the game's own
// wording: 6 s -> "6 s", 72 s -> "1 min 12 s", 720 s -> "12 min".
QString MinutesSecondsText(qint64 seconds);

// A clock's minutes and seconds: 192 s -> "3:12".
QString ClockText(qint64 seconds);
