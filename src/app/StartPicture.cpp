#include "app/StartPicture.h"

#include "platform/FileSystem.h"

#include <QtEndian>

#include <cstdint>

namespace start_picture {

namespace {

constexpr qsizetype kHeaderBytes = 8;
constexpr quint32 kLargestSide = 4096;

}  // namespace

QByteArray Stored(const QImage& Picture)
{
    const QImage picture = Picture.convertToFormat(QImage::Format_RGB32);
    QByteArray bytes(kHeaderBytes, Qt::Uninitialized);
    qToLittleEndian<quint32>(quint32(picture.width()), bytes.data());
    qToLittleEndian<quint32>(quint32(picture.height()), bytes.data() + 4);
    for (int y = 0; y < picture.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(picture.constScanLine(y)), qsizetype(picture.width()) * 4);
    return bytes;
}

std::optional<QImage> FromStored(QByteArrayView Bytes)
{
    if (Bytes.size() < kHeaderBytes) return std::nullopt;
    const quint32 width = qFromLittleEndian<quint32>(Bytes.data());
    const quint32 height = qFromLittleEndian<quint32>(Bytes.data() + 4);
    if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide ||
        Bytes.size() != kHeaderBytes + qsizetype(width) * height * 4)
        return std::nullopt;
    const auto* pixels = reinterpret_cast<const uchar*>(Bytes.data() + kHeaderBytes);
    // A picture over read-only bytes: anyone who changes it gets a copy of their own.
    const QImage inPlace(pixels, int(width), int(height), int(width) * 4, QImage::Format_RGB32);
    // QImage wants its rows 4-byte aligned; elsewhere a copy is made.
    if (reinterpret_cast<std::uintptr_t>(pixels) % 4 != 0) return inPlace.copy();
    return inPlace;
}

std::optional<QImage> BuiltIn()
{
    const auto stored = fs::ResourceInPlace(QStringLiteral(":/start/start-screen.raw"));
    return stored ? FromStored(*stored) : std::nullopt;
}

}  // namespace start_picture
