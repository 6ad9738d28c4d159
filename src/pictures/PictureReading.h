#pragma once
// One folder's pictures read on the thread pool while the window's thread goes on: each file
// fitted to the bounds asked for, through the thumbnail cache. The results keep the order of the
// paths; the window's thread is told when the last one is in.
//
// A folder is read once at a time: a reading of the same files, fitted the same way, made while
// another is still going on (the second picture game's strip opened while the first one's pictures
// are read) joins it and waits for it, so every file is decoded once for both. A file that changes
// while it is read is read again by the next reading.
#include "pictures/PictureDecoding.h"

#include <QFuture>
#include <QFutureWatcher>
#include <QSize>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class TThumbnailCache;

class TPictureReading {
public:
    // Starts reading Paths with Decode, or joins a reading of the same that is still going on.
    // Finished runs on the calling thread once every file is read (unless the reading is gone by
    // then); it must not destroy the reading. Serial reads every file here and now, on the calling
    // thread, and then Finished is never called. Readings are made on one thread only.
    TPictureReading(const QStringList& Paths, TFittedDecoder Decode, QSize Bounds,
                    std::shared_ptr<const TThumbnailCache> Cache, TDecodeMode Mode, std::function<void()> Finished);
    // Files not started yet are dropped, unless another reading waits for them too; the ones
    // being read are waited for.
    ~TPictureReading();
    TPictureReading(const TPictureReading&) = delete;
    TPictureReading& operator=(const TPictureReading&) = delete;

    bool IsFinished() const;
    int FilesRead() const;
    int FileCount() const { return FCount; }
    // Waits until every file is read.
    void Wait();
    // One result per path, in their order; only once finished.
    std::vector<TFittedDecode> Results() const;

private:
    class TDecoding;  // the decoding on the pool, shared by the readings of the same files

    int FCount = 0;
    std::shared_ptr<TDecoding> FDecoding;  // parallel only
    std::vector<TFittedDecode> FSerialResults;
    QFutureWatcher<TFittedDecode> FWatcher;
};
