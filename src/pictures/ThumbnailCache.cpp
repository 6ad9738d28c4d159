#include "pictures/ThumbnailCache.h"

#include "platform/images/SharedPictures.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstdio>

namespace {

constexpr quint32 kMagic = 0x4B565448;  // "KVTH"
// 2: pictures upright (EXIF orientation applied); entries of version 1 may show a photo on its side
// and are read anew.
constexpr quint16 kVersion = 2;

}  // namespace

TThumbnailCache::TThumbnailCache(QString Folder) : FFolder(std::move(Folder))
{
    if (!FFolder.isEmpty() && !FFolder.endsWith(u'/')) FFolder += u'/';
}

QString TThumbnailCache::DefaultFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return base.isEmpty() ? QString() : base + QStringLiteral("/thumbnails/");
}

std::optional<TThumbnailCache::TKey> TThumbnailCache::KeyOf(const QString& Path, QSize Bounds)
{
    const QFileInfo info(Path);
    if (!info.isFile()) return std::nullopt;
    return TKey{info.absoluteFilePath(), info.size(), info.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch(),
                Bounds};
}

QString TThumbnailCache::EntryPath(const QString& Path, QSize Bounds) const
{
    const QString key =
        QFileInfo(Path).absoluteFilePath() + QStringLiteral("\n%1x%2").arg(Bounds.width()).arg(Bounds.height());
    return FFolder + QString::fromLatin1(QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".thumb");
}

TFittedDecode TThumbnailCache::Read(const QString& Path, QSize Bounds, TFittedDecoder Decode) const
{
    if (Bounds.isEmpty()) return Decode(Path, Bounds);
    // The same picture at the same size held elsewhere in this run (the other picture game's
    // strip) is shared, pixels and all.
    const QString tag = QStringLiteral("fit %1x%2").arg(Bounds.width()).arg(Bounds.height());
    if (auto held = shared_pictures::Find(Path, tag)) return TFittedPicture{held->Picture, held->FullSize};
    // The key is taken before decoding: should the file change meanwhile, the entry names the old
    // file and the next run decodes the new one.
    const auto key = KeyOf(Path, Bounds);
    TFittedDecode read = key ? Find(*key) : std::nullopt;
    if (!read) {
        read = Decode(Path, Bounds);
        if (key && read) Store(*key, *read);
    }
    if (read) shared_pictures::Put(Path, tag, {read->Picture, read->FullSize});
    return read;
}

TFittedDecode TThumbnailCache::Find(const TKey& Key) const
{
    if (FFolder.isEmpty()) return std::nullopt;
    QFile file(EntryPath(Key.Path, Key.Bounds));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint16 version = 0;
    in >> magic >> version;
    if (in.status() != QDataStream::Ok || magic != kMagic || version != kVersion) return std::nullopt;
    QString path;
    qint64 size = 0, modified = 0;
    QSize bounds, full;
    QByteArray png;
    in >> path >> size >> modified >> bounds >> full >> png;
    if (in.status() != QDataStream::Ok || !in.atEnd()) return std::nullopt;
    if (path != Key.Path || size != Key.Size || modified != Key.ModifiedMs || bounds != Key.Bounds) return std::nullopt;
    TFittedDecode picture = DecodeBytesToFit(png, "png", QSize());
    if (!picture || full.isEmpty() || picture->Picture.size() != FittedSize(full, Key.Bounds)) return std::nullopt;
    picture->FullSize = full;
    return picture;
}

void TThumbnailCache::Store(const TKey& Key, const TFittedPicture& Picture) const
{
    if (FFolder.isEmpty() || Picture.Picture.isNull() || !QDir().mkpath(FFolder)) return;
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!Picture.Picture.save(&buffer, "PNG", 80)) return;
    }
    // Written beside its place and renamed over it, so a reader never sees half an entry. Unlike
    // QSaveFile this does not wait for the disk (fsync): on an old laptop's disk that costs each
    // photo of a first opening many milliseconds, and an entry lost in a power cut is only read
    // again from its photo.
    const QString path = EntryPath(Key.Path, Key.Bounds);
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open()) return;
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << kVersion << Key.Path << Key.Size << Key.ModifiedMs << Key.Bounds << Picture.FullSize << png;
    if (out.status() != QDataStream::Ok || !file.flush()) return;
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) == 0)
        file.setAutoRemove(false);  // it is the entry now
}
