#pragma once
// The start-up loader: one background thread that runs once per run, while the window's thread
// keeps its message loop going. Whatever the loader does to widgets it hands to the window's
// thread with Post, as a queued call.
#include <QObject>
#include <QPointer>

#include <atomic>
#include <functional>
#include <thread>

class TStartupLoader {
public:
    // Window receives the queued calls; calls posted after it is gone are dropped.
    explicit TStartupLoader(QObject* Window);
    // Waits for the thread, so nothing it made is freed under it.
    ~TStartupLoader();
    TStartupLoader(const TStartupLoader&) = delete;
    TStartupLoader& operator=(const TStartupLoader&) = delete;

    // Starts Body on a new thread; only the first call of a run starts anything. Returns whether it started.
    bool Start(std::function<void()> Body);
    bool Started() const { return FStarted; }
    // Waits until the thread has ended (at once when it never started or has been joined).
    void Join();
    // Asks the body to stop at its next check (the program is ending). Safe from any thread.
    void Stop() { FStop = true; }
    bool StopRequested() const { return FStop; }

    // Runs Call on the window's thread, after the events already queued there. Safe from any thread.
    void Post(std::function<void()> Call) const;

private:
    QPointer<QObject> FWindow;
    std::thread FThread;
    bool FStarted = false;
    std::atomic<bool> FStop{false};
};
