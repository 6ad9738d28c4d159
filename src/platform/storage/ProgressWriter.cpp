#include "platform/storage/ProgressWriter.h"

#include <chrono>

using namespace progressdb;

namespace {
// Another copy of the program holding the lock past the connection's busy timeout: try again
// after a pause, and at the end give up after a few tries rather than keep the program from quitting.
constexpr auto kBusyPause = std::chrono::milliseconds(100);
constexpr int kBusyTriesAtEnd = 3;
}  // namespace

TProgressWriter::TProgressWriter(const QString& Path, std::function<void(const TAnswerRow&)> OnWritten,
                                 std::function<void(const QString&)> OnStopped)
    : FPath(Path), FOnWritten(std::move(OnWritten)), FOnStopped(std::move(OnStopped)), FThread([this] { Run(); })
{}

TProgressWriter::~TProgressWriter()
{
    {
        std::lock_guard lock(FMutex);
        FEnding = true;
    }
    FWake.notify_all();
    FThread.join();
}

void TProgressWriter::Add(TAnswerRow Row)
{
    {
        std::lock_guard lock(FMutex);
        if (FStopped) return;
        FQueue.push_back(std::move(Row));
    }
    FWake.notify_one();
}

void TProgressWriter::Flush()
{
    std::unique_lock lock(FMutex);
    FIdle.wait(lock, [this] { return FQueue.empty() && !FWriting; });
}

bool TProgressWriter::Stopped() const
{
    std::lock_guard lock(FMutex);
    return FStopped;
}

void TProgressWriter::Stop(const QString& Error)
{
    {
        std::lock_guard lock(FMutex);
        FStopped = true;
        FQueue.clear();
        FWriting = false;
    }
    FIdle.notify_all();
    if (FOnStopped) FOnStopped(Error);
}

void TProgressWriter::Run()
{
    // The connection belongs to this thread: Qt SQL connections are used where they were made.
    TProgressDatabase database(FPath);
    if (database.Open(false) != TOpenState::osOpen) Stop(database.LastError());
    int busyTries = 0;
    for (;;) {
        TAnswerRow row;
        {
            std::unique_lock lock(FMutex);
            FWake.wait(lock, [this] { return !FQueue.empty() || FEnding; });
            if (FQueue.empty()) break;
            row = FQueue.front();  // stays queued until written, so Flush waits for it
            FWriting = true;
        }
        const TWriteResult result = database.AddAnswer(row);
        if (result == TWriteResult::wrFailed) {
            Stop(database.LastError());
            continue;
        }
        if (result == TWriteResult::wrBusy) {
            bool ending = false;
            {
                std::lock_guard lock(FMutex);
                ending = FEnding;
            }
            if (ending && ++busyTries >= kBusyTriesAtEnd) {
                Stop(database.LastError());
                continue;
            }
            std::this_thread::sleep_for(kBusyPause);
            continue;
        }
        busyTries = 0;
        if (FOnWritten) FOnWritten(row);
        bool idle = false;
        {
            std::lock_guard lock(FMutex);
            FQueue.pop_front();
            FWriting = false;
            idle = FQueue.empty();
        }
        if (idle) FIdle.notify_all();
    }
}
