// Test helper: runs the event loop until a condition holds, without the 10 ms naps of QTest::qWait.
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>

// Lets the event loop run freely (timers, serial lines, the simulated radio) and checks the
// condition every few milliseconds; returns whether it held before the time-out.
inline bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    if (condition())
        return true;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(2);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition() || clock.elapsed() >= timeoutMs)
            loop.quit();
    });
    poll.start();
    loop.exec();
    return condition();
}

// Runs the event loop for a while, for checks that something does not happen.
inline void runEventLoop(int ms)
{
    waitUntil([] { return false; }, ms);
}
