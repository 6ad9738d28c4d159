#include "platform/images/SharedPictures.h"

#include <QFileInfo>

#include <map>
#include <mutex>

namespace shared_pictures {

namespace {

struct TEntry {
    qint64 Size = -1;
    qint64 ModifiedMs = 0;
    TShared Shared;
};

std::mutex& Lock()
{
    static std::mutex lock;
    return lock;
}

std::map<QString, TEntry>& Entries()
{
    static std::map<QString, TEntry> entries;
    return entries;
}

// The entry's key and the file's stamp now; nothing when there is no such file.
std::optional<std::pair<QString, TEntry>> Stamp(const QString& Path, const QString& Tag)
{
    const QFileInfo info(Path);
    if (!info.isFile()) return std::nullopt;
    return std::make_pair(info.absoluteFilePath() + u'\n' + Tag,
                          TEntry{info.size(), info.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch(), {}});
}

}  // namespace

std::optional<TShared> Find(const QString& Path, const QString& Tag)
{
    const auto stamp = Stamp(Path, Tag);
    if (!stamp) return std::nullopt;
    std::lock_guard guard(Lock());
    const auto at = Entries().find(stamp->first);
    if (at == Entries().end()) return std::nullopt;
    // Held by no one but the registry, or from an older file: gone.
    if (at->second.Shared.Picture.isDetached() || at->second.Size != stamp->second.Size ||
        at->second.ModifiedMs != stamp->second.ModifiedMs) {
        Entries().erase(at);
        return std::nullopt;
    }
    return at->second.Shared;
}

namespace {

void PutStamped(std::pair<QString, TEntry> Stamped, const TShared& Shared)
{
    if (Shared.Picture.isNull()) return;
    Stamped.second.Shared = Shared;
    std::lock_guard guard(Lock());
    // Pictures no one else holds any more are let go: the registry never keeps one alive alone.
    std::erase_if(Entries(), [](const auto& Entry) { return Entry.second.Shared.Picture.isDetached(); });
    Entries()[Stamped.first] = std::move(Stamped.second);
}

}  // namespace

void Put(const QString& Path, const QString& Tag, const TShared& Shared)
{
    if (auto stamp = Stamp(Path, Tag)) PutStamped(std::move(*stamp), Shared);
}

void Forget(const QString& Path)
{
    const QString prefix = QFileInfo(Path).absoluteFilePath() + u'\n';
    std::lock_guard guard(Lock());
    std::erase_if(Entries(), [&](const auto& Entry) { return Entry.first.startsWith(prefix); });
}

QImage Get(const QString& Path, const QString& Tag, const std::function<QImage()>& Read)
{
    // The stamp is taken before reading: a file changed meanwhile is read again next time.
    auto stamp = Stamp(Path, Tag);
    if (auto held = Find(Path, Tag)) return held->Picture;
    QImage picture = Read();
    if (stamp) PutStamped(std::move(*stamp), TShared{picture, picture.size()});
    return picture;
}

}  // namespace shared_pictures
