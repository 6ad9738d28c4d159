#include "pictures/PictureDecoding.h"

#include "pictures/PictureCheck.h"
#include "pictures/ScrambledBitmap.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtConcurrent/QtConcurrentMap>

namespace {

std::optional<QByteArray> ReadWholeFile(const QString& Path)
{
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

// Decodes Bytes as the one given format only, as a decoder for that format would.
TDecodedPicture DecodeBytes(QByteArray Bytes, const char* Format)
{
    QBuffer buffer(&Bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, Format);
    reader.setDecideFormatFromContent(false);
    QImage image;
    if (!reader.read(&image) || !IsUsablePicture(image)) return std::nullopt;
    return image;
}

}  // namespace

TDecodedPicture DecodeJpegFile(const QString& Path)
{
    auto bytes = ReadWholeFile(Path);
    if (!bytes) return std::nullopt;
    return DecodeJpegBytes(*bytes);
}

TDecodedPicture DecodeScrambledFile(const QString& Path)
{
    auto stored = ReadWholeFile(Path);
    if (!stored) return std::nullopt;
    return DecodeScrambledBytes(*stored);
}

TDecodedPicture DecodeJpegBytes(const QByteArray& Bytes)
{
    return DecodeBytes(Bytes, "jpeg");
}

TDecodedPicture DecodeScrambledBytes(const QByteArray& Stored)
{
    if (Stored.size() < kScrambledHeaderBytes) return std::nullopt;
    const QByteArray bitmap = UnscrambleBitmapBytes(Stored);
    if (!BitmapPixelsStartInside(bitmap)) return std::nullopt;
    return DecodeBytes(bitmap, "bmp");
}

std::vector<TDecodedPicture> DecodeFiles(const QStringList& Paths,
                                         const std::function<TDecodedPicture(const QString&)>& Decode, TDecodeMode Mode)
{
    std::vector<TDecodedPicture> out;
    if (Mode == TDecodeMode::Serial || Paths.size() < 2) {
        out.reserve(static_cast<size_t>(Paths.size()));
        for (const QString& path : Paths) out.push_back(Decode(path));
        return out;
    }
    // blockingMapped keeps the order of its input, so the catalogue keeps the listing order.
    const QList<TDecodedPicture> mapped = QtConcurrent::blockingMapped<QList<TDecodedPicture>>(Paths, Decode);
    out.assign(mapped.begin(), mapped.end());
    return out;
}
