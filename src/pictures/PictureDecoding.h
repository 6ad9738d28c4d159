#pragma once
// Turning picture files into bitmaps. Decoding touches no widget and no dialog, so the files of
// one folder can be decoded side by side on worker threads; the callers report failures afterwards
// on the window's thread. Qt's image allocation limit stays in force: a picture too big for it
// fails to decode like any other unreadable file.
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// Nothing: the file could not be read or decoded, or decoded to a picture unsafe to draw (PictureCheck.h).
using TDecodedPicture = std::optional<QImage>;

// A JPEG file decoded at full size.
TDecodedPicture DecodeJpegFile(const QString& Path);
// A colouring page: a bitmap file whose first five bytes are stored shifted (see ScrambledBitmap.h),
// unscrambled in memory. A file shorter than the five scrambled bytes is unreadable.
TDecodedPicture DecodeScrambledFile(const QString& Path);

// A picture read to be shown no larger than some bounds, and the size it has in its file.
struct TFittedPicture {
    QImage Picture;
    QSize FullSize;
};
using TFittedDecode = std::optional<TFittedPicture>;  // nothing: unreadable, as above
// Reads a file to fit Bounds (device pixels); empty Bounds: at its own size.
using TFittedDecoder = TFittedDecode (*)(const QString& Path, QSize Bounds);

// The size a FullSize picture is kept at to fit Bounds: scaled down with its proportions kept
// (each side at least 1), never up; FullSize itself for empty Bounds.
QSize FittedSize(QSize FullSize, QSize Bounds);

// The two readers above, fitting the picture to Bounds. A JPEG is scaled by the decoder itself
// (libjpeg-turbo's DCT scaling to the nearest size at or above the one wanted, then a smooth scale
// to the exact size), so a photo is never decoded whole only to be made small; a colouring page is
// decoded whole, then scaled smoothly. A photo's EXIF orientation is applied: every reader hands
// out the picture upright, and its FullSize is the upright size.
TFittedDecode DecodeJpegFileToFit(const QString& Path, QSize Bounds);
TFittedDecode DecodeScrambledFileToFit(const QString& Path, QSize Bounds);
// Bytes in Format ("png", "jpeg", ...) read the same way; the thumbnail cache reads its entries so.
TFittedDecode DecodeBytesToFit(const QByteArray& Bytes, const char* Format, QSize Bounds);

// The full-size readers for a file's bytes already in memory; the file readers read the file and
// call these.
TDecodedPicture DecodeJpegBytes(const QByteArray& Bytes);
TDecodedPicture DecodeScrambledBytes(const QByteArray& Stored);

enum class TDecodeMode {
    Serial,    // one file after the other on the calling thread
    Parallel,  // the files spread over the available cores
};

// Decodes every path with Decode; the results stand in the order of Paths whatever the mode.
std::vector<TDecodedPicture> DecodeFiles(const QStringList& Paths,
                                         const std::function<TDecodedPicture(const QString&)>& Decode, TDecodeMode Mode);
