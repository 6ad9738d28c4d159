#include "pictures/PictureReading.h"

#include "pictures/ThumbnailCache.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentMap>

TPictureReading::TPictureReading(const QStringList& Paths, TFittedDecoder Decode, QSize Bounds,
                                 std::shared_ptr<const TThumbnailCache> Cache, TDecodeMode Mode,
                                 std::function<void()> Finished)
    : FCount(int(Paths.size()))
{
    auto read = [Decode, Bounds, Cache](const QString& Path) -> TFittedDecode {
        // An error must not leave a worker: the pool would hand it to the window's thread, in
        // the middle of the event loop. A file that cannot be read for any reason is unreadable.
        try {
            return Cache ? Cache->Read(Path, Bounds, Decode) : Decode(Path, Bounds);
        } catch (...) {
            return std::nullopt;
        }
    };
    if (Mode == TDecodeMode::Serial) {
        FSerialResults.reserve(size_t(Paths.size()));
        for (const QString& path : Paths) FSerialResults.push_back(read(path));
        return;
    }
    FParallel = true;
    if (Finished) QObject::connect(&FWatcher, &QFutureWatcherBase::finished, &FWatcher, std::move(Finished));
    // mapped keeps the order of its input in resultAt, whatever order the files finish in.
    FFuture = QtConcurrent::mapped(Paths, std::function<TFittedDecode(const QString&)>(read));
    FWatcher.setFuture(FFuture);
}

TPictureReading::~TPictureReading()
{
    if (!FParallel) return;
    FWatcher.disconnect();
    FFuture.cancel();
    FFuture.waitForFinished();
}

bool TPictureReading::IsFinished() const
{
    return !FParallel || FFuture.isFinished();
}

int TPictureReading::FilesRead() const
{
    return FParallel ? FFuture.progressValue() : FCount;
}

void TPictureReading::Wait()
{
    if (FParallel) FFuture.waitForFinished();
}

std::vector<TFittedDecode> TPictureReading::Results() const
{
    if (!FParallel) return FSerialResults;
    std::vector<TFittedDecode> out;
    out.reserve(size_t(FCount));
    for (int i = 0; i < FCount; ++i) out.push_back(FFuture.isResultReadyAt(i) ? FFuture.resultAt(i) : std::nullopt);
    return out;
}
