#pragma once

#include <QString>

// Minutes in the "###.#" pattern the game reports times in: 738 s -> "12.3",
// 30 s -> ".5", 120 s -> "2.".
QString MinutesText(qint64 seconds);
