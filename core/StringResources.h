#pragma once

#include <QString>

// The program's numbered texts (reserved quotes, help topics, welcome text),
// compiled in from resources/strings/<id>.txt, from 1000 up in the player's
// language. A missing id gives "".
QString LoadResString(int id);
