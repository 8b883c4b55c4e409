#pragma once
// Waits for a condition while the event loop runs freely. QTest::qWaitFor sleeps 10 ms between its
// looks and handles no events meanwhile, so a conversation of many short request/reply turns (a
// firmware upgrade of two thousand blocks) would crawl at the test's pace rather than the link's.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace lumio::test {

template <class Condition>
bool waitUntil(Condition condition, int milliseconds) {
    if (condition()) return true;
    QEventLoop loop;
    QTimer look;
    QElapsedTimer waited;
    waited.start();
    bool met = false;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        met = condition();
        if (met || waited.elapsed() >= milliseconds) loop.quit();
    });
    look.start(5);
    loop.exec();
    return met;
}

}  // namespace lumio::test
