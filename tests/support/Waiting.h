#pragma once
// Waiting for what another thread or process brings about, in tests and benchmarks.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <functional>

// Lets queued calls through until Done holds or Ms milliseconds have passed.
inline bool WaitUntil(const std::function<bool()>& Done, int Ms = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!Done()) {
        if (clock.elapsed() > Ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
    return true;
}
