#pragma once
// Small picture files for the picture tests: JPEG word pictures and scrambled colouring pages.
#include "pictures/ScrambledBitmap.h"
#include "platform/Cp1251.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

namespace testpics {

inline QImage Solid(int Width, int Height, QColor Colour)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Colour);
    return image;
}

inline QByteArray Encode(const QImage& Image, const char* Format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Image.save(&buffer, Format, 95);
    return bytes;
}

inline void WriteBytes(const QString& Path, const QByteArray& Bytes)
{
    QFile file(Path);
    if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write test file");
    file.write(Bytes);
}

inline void WriteJpeg(const QString& Path, int Width, int Height, QColor Colour = Qt::red)
{
    WriteBytes(Path, Encode(Solid(Width, Height, Colour), "JPG"));
}

// Jpeg with a segment of kind Marker (APP1 = 0xE1, …) holding Payload inserted after its start
// marker, as cameras put their EXIF data there.
inline QByteArray WithSegment(const QByteArray& Jpeg, unsigned char Marker, const QByteArray& Payload)
{
    const int length = int(Payload.size()) + 2;
    QByteArray segment;
    segment.append(char(0xFF)).append(char(Marker)).append(char(length >> 8)).append(char(length & 0xFF));
    return Jpeg.left(2) + segment + Payload + Jpeg.mid(2);
}

// An APP1 EXIF payload whose first directory holds only the orientation tag (0x0112) with Value.
inline QByteArray ExifOrientation(int Value)
{
    QByteArray exif("Exif\0\0MM\0\x2A\0\0\0\x08", 14);                // big-endian TIFF, directory at 8
    exif += QByteArray("\0\x01\x01\x12\0\x03\0\0\0\x01", 10);         // 1 entry: tag, SHORT, count 1
    exif += QByteArray(1, '\0') + char(Value) + QByteArray(6, '\0');  // value, padding, no next directory
    return exif;
}

// A colouring page as stored: a bitmap file with its first five bytes scrambled.
inline void WritePage(const QString& Path, const QImage& Image)
{
    WriteBytes(Path, ScrambleBitmapBytes(Encode(Image, "BMP")));
}

}  // namespace testpics

// The program's cp1251 text of a UTF-8 literal.
inline AnsiString Cp(const char* Utf8)
{
    return cp1251::FromUnicode(QString::fromUtf8(Utf8));
}
