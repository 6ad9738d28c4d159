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
