#pragma once
// Keeps answers off the caller's thread: Add only queues a row; a worker thread with its own
// connection writes each row as its own transaction as soon as it arrives. A killed program loses
// at most what is still queued (the last moments), never a written row.
#include "platform/storage/ProgressDatabase.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class TProgressWriter {
public:
    // OnWritten runs on the worker after each row is committed; OnStopped once, on the worker, when
    // the file refuses a write (full disk, read-only): from then on rows are dropped.
    TProgressWriter(const QString& Path, std::function<void(const progressdb::TAnswerRow&)> OnWritten,
                    std::function<void(const QString& Error)> OnStopped);
    // Writes what is still queued (giving up on a file another program keeps locked), then ends.
    ~TProgressWriter();
    TProgressWriter(const TProgressWriter&) = delete;
    TProgressWriter& operator=(const TProgressWriter&) = delete;

    void Add(progressdb::TAnswerRow Row);
    // Waits until every row added so far is written or dropped.
    void Flush();
    bool Stopped() const;

private:
    void Run();
    void Stop(const QString& Error);

    const QString FPath;
    const std::function<void(const progressdb::TAnswerRow&)> FOnWritten;
    const std::function<void(const QString&)> FOnStopped;
    mutable std::mutex FMutex;
    std::condition_variable FWake;  // rows arrived, or the end
    std::condition_variable FIdle;  // the queue is empty and nothing is being written
    std::deque<progressdb::TAnswerRow> FQueue;
    bool FWriting = false;
    bool FEnding = false;
    bool FStopped = false;
    std::thread FThread;  // last: starts once everything above exists
};
