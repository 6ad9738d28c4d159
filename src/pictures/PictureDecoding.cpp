#include "pictures/PictureDecoding.h"

#include "pictures/PictureCheck.h"
#include "pictures/ScrambledBitmap.h"
#include "platform/images/TurboJpeg.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTransform>
#include <QtConcurrent/QtConcurrentMap>

namespace {

std::optional<QByteArray> ReadWholeFile(const QString& Path)
{
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestPictureFile) return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

// Every picture a reader hands out passes here before it is scaled or kept: whether it can be
// used at all (PictureCheck.h).
bool AcceptDecoded(const QImage& Image)
{
    return IsUsablePicture(Image);
}

// How a picture as its file stores it is turned to stand upright: a photo's EXIF orientation.
using TTurn = QImageIOHandler::Transformations;

QSize Turned(QSize Size, TTurn Turn)
{
    return Turn.testFlag(QImageIOHandler::TransformationRotate90) ? Size.transposed() : Size;
}

// Picture as it stands upright: mirrored and flipped first, then turned a quarter clockwise, the
// order in which Qt applies its transformations.
QImage Upright(QImage Picture, TTurn Turn)
{
    const bool mirror = Turn.testFlag(QImageIOHandler::TransformationMirror);
    const bool flip = Turn.testFlag(QImageIOHandler::TransformationFlip);
    if (mirror || flip) Picture = std::move(Picture).mirrored(mirror, flip);
    if (Turn.testFlag(QImageIOHandler::TransformationRotate90)) Picture = Picture.transformed(QTransform().rotate(90));
    return Picture;
}

// Decodes Bytes as the one given format only, as a decoder for that format would, to fit Bounds
// upright. Bounds apply to the upright picture; the decoder is asked for the stored one's size.
TFittedDecode DecodeBytes(QByteArray Bytes, const char* Format, QSize Bounds)
{
    const bool jpeg = qstrcmp(Format, "jpeg") == 0;
    if (jpeg && !JpegIsComplete(Bytes)) return std::nullopt;
    QBuffer buffer(&Bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, Format);
    reader.setDecideFormatFromContent(false);
    // From the header: the stored size (invalid when the reader cannot tell) and the orientation.
    const QSize announced = reader.size();
    const TTurn turn = reader.transformation();
    // A picture too large to be held whole is refused even where the decoder could scale it down:
    // it could not be shown large or printed, and a damaged header claims such sizes too.
    if (announced.isValid() && !FitsInMemory(announced)) return std::nullopt;
    const QSize wanted = announced.isValid() ? Turned(FittedSize(Turned(announced, turn), Bounds), turn) : QSize();
    QImage image;
    // A JPEG goes to libjpeg-turbo, scaled by its DCT to the nearest size at or above the one
    // wanted; Qt's reader is left the files it cannot make RGB of (CMYK).
    if (jpeg && announced.isValid()) image = turbo_jpeg::Decode(Bytes, wanted);
    if (image.isNull()) {
        // Only a decoder that scales by itself is asked to: any other would decode whole and
        // scale before the picture could be looked at.
        if (wanted != announced && reader.supportsOption(QImageIOHandler::ScaledSize)) {
            reader.setScaledSize(wanted);
            reader.setQuality(100);  // smooth scaling and the accurate DCT
        }
        if (!reader.read(&image)) return std::nullopt;
    }
    if (!AcceptDecoded(image)) return std::nullopt;
    const QSize full = Turned(announced.isValid() ? announced : image.size(), turn);
    const QSize target = Turned(FittedSize(full, Bounds), turn);
    if (image.size() != target) image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (image.isNull()) return std::nullopt;
    return TFittedPicture{Upright(std::move(image), turn), full};
}

TFittedDecode DecodeScrambledBytesToFit(const QByteArray& Stored, QSize Bounds)
{
    if (Stored.size() < kScrambledHeaderBytes) return std::nullopt;
    const QByteArray bitmap = UnscrambleBitmapBytes(Stored);
    if (!BitmapPixelsStartInside(bitmap)) return std::nullopt;
    return DecodeBytes(bitmap, "bmp", Bounds);
}

TDecodedPicture Unfitted(TFittedDecode Decoded)
{
    if (!Decoded) return std::nullopt;
    return std::move(Decoded->Picture);
}

}  // namespace

QSize FittedSize(QSize FullSize, QSize Bounds)
{
    if (Bounds.isEmpty() || FullSize.isEmpty()) return FullSize;
    if (FullSize.width() <= Bounds.width() && FullSize.height() <= Bounds.height()) return FullSize;
    QSize fitted = FullSize.scaled(Bounds, Qt::KeepAspectRatio);
    return fitted.expandedTo(QSize(1, 1));
}

TFittedDecode DecodeBytesToFit(const QByteArray& Bytes, const char* Format, QSize Bounds)
{
    return DecodeBytes(Bytes, Format, Bounds);
}

TFittedDecode DecodeJpegFileToFit(const QString& Path, QSize Bounds)
{
    auto bytes = ReadWholeFile(Path);
    if (!bytes) return std::nullopt;
    return DecodeBytes(std::move(*bytes), "jpeg", Bounds);
}

TFittedDecode DecodeScrambledFileToFit(const QString& Path, QSize Bounds)
{
    auto stored = ReadWholeFile(Path);
    if (!stored) return std::nullopt;
    return DecodeScrambledBytesToFit(*stored, Bounds);
}

TDecodedPicture DecodeJpegFile(const QString& Path)
{
    return Unfitted(DecodeJpegFileToFit(Path, QSize()));
}

TDecodedPicture DecodeScrambledFile(const QString& Path)
{
    return Unfitted(DecodeScrambledFileToFit(Path, QSize()));
}

TDecodedPicture DecodeJpegBytes(const QByteArray& Bytes)
{
    return Unfitted(DecodeBytes(Bytes, "jpeg", QSize()));
}

TDecodedPicture DecodeScrambledBytes(const QByteArray& Stored)
{
    return Unfitted(DecodeScrambledBytesToFit(Stored, QSize()));
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
