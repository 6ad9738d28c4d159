#include "pictures/PictureReading.h"

#include "pictures/ThumbnailCache.h"
#include "platform/images/SharedPictures.h"

#include <QFileInfo>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentMap>

#include <map>

namespace {

// A file's size and modification time: a picture read while they changed is of no file that is
// there now.
std::pair<qint64, qint64> StampOf(const QString& Path)
{
    const QFileInfo info(Path);
    return {info.size(), info.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch()};
}

}  // namespace

class TPictureReading::TDecoding {
public:
    explicit TDecoding(QFuture<TFittedDecode> Started) : Future(std::move(Started)) {}
    // The last reading that wanted it is gone: what has not started is dropped.
    ~TDecoding()
    {
        Future.cancel();
        Future.waitForFinished();
    }
    TDecoding(const TDecoding&) = delete;
    TDecoding& operator=(const TDecoding&) = delete;

    QFuture<TFittedDecode> Future;

    // The decoding of the same files fitted the same way still going on, or a new one from Start.
    static std::shared_ptr<TDecoding> Join(const QString& Key, const std::function<QFuture<TFittedDecode>()>& Start)
    {
        static std::map<QString, std::weak_ptr<TDecoding>> going;  // the window's thread only
        std::erase_if(going, [](const auto& Entry) { return Entry.second.expired(); });
        if (auto decoding = going[Key].lock(); decoding && !decoding->Future.isFinished()) return decoding;
        auto decoding = std::make_shared<TDecoding>(Start());
        going[Key] = decoding;
        return decoding;
    }
};

TPictureReading::TPictureReading(const QStringList& Paths, TFittedDecoder Decode, QSize Bounds,
                                 std::shared_ptr<const TThumbnailCache> Cache, TDecodeMode Mode,
                                 std::function<void()> Finished)
    : FCount(int(Paths.size()))
{
    auto read = [Decode, Bounds, Cache](const QString& Path) -> TFittedDecode {
        // An error must not leave a worker: the pool would hand it to the window's thread, in
        // the middle of the event loop. A file that cannot be read for any reason is unreadable.
        try {
            const auto before = StampOf(Path);
            TFittedDecode picture = Cache ? Cache->Read(Path, Bounds, Decode) : Decode(Path, Bounds);
            // Replaced while it was read: what was read is this reading's, but not kept for others.
            if (StampOf(Path) != before) shared_pictures::Forget(Path);
            return picture;
        } catch (...) {
            return std::nullopt;
        }
    };
    if (Mode == TDecodeMode::Serial) {
        FSerialResults.reserve(size_t(Paths.size()));
        for (const QString& path : Paths) FSerialResults.push_back(read(path));
        return;
    }
    const QString key =
        Paths.join(u'\n') +
        QStringLiteral("\n%1x%2 %3 ").arg(Bounds.width()).arg(Bounds.height()).arg(reinterpret_cast<quintptr>(Decode)) +
        (Cache ? QStringLiteral("cache ") + Cache->Folder() : QStringLiteral("no cache"));
    // mapped keeps the order of its input in resultAt, whatever order the files finish in.
    FDecoding = TDecoding::Join(
        key, [&] { return QtConcurrent::mapped(Paths, std::function<TFittedDecode(const QString&)>(read)); });
    if (Finished) QObject::connect(&FWatcher, &QFutureWatcherBase::finished, &FWatcher, std::move(Finished));
    FWatcher.setFuture(FDecoding->Future);
}

TPictureReading::~TPictureReading()
{
    FWatcher.disconnect();
}

bool TPictureReading::IsFinished() const
{
    return !FDecoding || FDecoding->Future.isFinished();
}

int TPictureReading::FilesRead() const
{
    return FDecoding ? FDecoding->Future.progressValue() : FCount;
}

void TPictureReading::Wait()
{
    if (FDecoding) FDecoding->Future.waitForFinished();
}

std::vector<TFittedDecode> TPictureReading::Results() const
{
    if (!FDecoding) return FSerialResults;
    const QFuture<TFittedDecode>& future = FDecoding->Future;
    std::vector<TFittedDecode> out;
    out.reserve(size_t(FCount));
    for (int i = 0; i < FCount; ++i) out.push_back(future.isResultReadyAt(i) ? future.resultAt(i) : std::nullopt);
    return out;
}
