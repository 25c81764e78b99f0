#pragma once

#include <QTest>

// QTRY_VERIFY and QTRY_COMPARE, event loop and five seconds alike. Qt 6.8's own macros convert a
// std::chrono count to int where they expand, which -Wconversion reports in every test using them.
#define WAIT_VERIFY(expr) QVERIFY(QTest::qWaitFor([&] { return bool(expr); }))
#define WAIT_COMPARE(actual, expected)                                                             \
    do {                                                                                           \
        (void)QTest::qWaitFor([&] { return (actual) == (expected); });                             \
        QCOMPARE(actual, expected);                                                                \
    } while (false)
