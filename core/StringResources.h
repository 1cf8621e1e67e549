#pragma once

#include <QString>

// The program's numbered texts (reserved quotes, help topics, welcome text),
// compiled in from resources/strings/<id>.txt. A missing id gives "".
QString LoadResString(int id);
