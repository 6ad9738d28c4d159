#pragma once
// Turning picture files into bitmaps. Decoding touches no widget and no dialog, so the files of
// one folder can be decoded side by side on worker threads; the callers report failures afterwards
// on the window's thread. Qt's image allocation limit stays in force: a picture too big for it
// fails to decode like any other unreadable file.
#include <QImage>
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

// The same two for a file's bytes already in memory; the functions above read the file and call these.
TDecodedPicture DecodeJpegBytes(const QByteArray& Bytes);
TDecodedPicture DecodeScrambledBytes(const QByteArray& Stored);

enum class TDecodeMode {
    Serial,    // one file after the other on the calling thread
    Parallel,  // the files spread over the available cores
};

// Decodes every path with Decode; the results stand in the order of Paths whatever the mode.
std::vector<TDecodedPicture> DecodeFiles(const QStringList& Paths,
                                         const std::function<TDecodedPicture(const QString&)>& Decode, TDecodeMode Mode);
