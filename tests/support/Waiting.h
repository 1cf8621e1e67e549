#pragma once

#include <QTest>

// How long a test waits for a thing to happen before it calls it missing.
// The waits end as soon as the thing is there, so a generous limit costs a
// quiet machine nothing and lets a busy one take its time. Every test
// program is built with this header first, so QTest's own waits use it too.
inline constexpr int WaitLimit = 60000;

#undef QTRY_VERIFY
#define QTRY_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT(expr, WaitLimit)
#undef QTRY_VERIFY2
#define QTRY_VERIFY2(expr, message) QTRY_VERIFY2_WITH_TIMEOUT(expr, message, WaitLimit)
#undef QTRY_COMPARE
#define QTRY_COMPARE(expr, expected) QTRY_COMPARE_WITH_TIMEOUT(expr, expected, WaitLimit)
