#include "pictures/PictureCheck.h"

#include <QImageReader>

#include <algorithm>

namespace {

bool IsIndexed(QImage::Format Format)
{
    return Format == QImage::Format_Indexed8 || Format == QImage::Format_Mono || Format == QImage::Format_MonoLSB;
}

// The greatest colour number an 8-bit row uses.
int HighestIndex8(const uchar* Line, int Width)
{
    return *std::max_element(Line, Line + Width);
}

// Whether a 1-bit row uses colour number 1 anywhere within its Width pixels (the padding bits at the
// end of the last byte do not count).
bool UsesIndexOne(const uchar* Line, int Width, bool LsbFirst)
{
    const int whole = Width / 8;
    for (int i = 0; i < whole; ++i)
        if (Line[i] != 0) return true;
    const int rest = Width % 8;
    if (rest == 0) return false;
    const uchar mask = LsbFirst ? uchar((1u << rest) - 1u) : uchar(0xFFu << (8 - rest));
    return (Line[whole] & mask) != 0;
}

}  // namespace

bool IsUsablePicture(const QImage& Image)
{
    if (Image.isNull() || Image.format() == QImage::Format_Invalid) return false;
    const int width = Image.width(), height = Image.height();
    if (width <= 0 || height <= 0) return false;

    // The pixel data must be as large as the size and the format say.
    const int depth = Image.depth();
    if (depth <= 0 || depth != int(QImage::toPixelFormat(Image.format()).bitsPerPixel())) return false;
    const qsizetype rowBytes = (qsizetype(width) * depth + 7) / 8;
    if (Image.constBits() == nullptr || Image.bytesPerLine() < rowBytes) return false;
    if (Image.sizeInBytes() < qsizetype(Image.bytesPerLine()) * height) return false;

    if (!IsIndexed(Image.format())) return true;
    const int colours = Image.colorCount();
    if (colours <= 0) return false;
    if (depth == 8) {
        if (colours >= 256) return true;  // every byte names a colour
        for (int y = 0; y < height; ++y)
            if (HighestIndex8(Image.constScanLine(y), width) >= colours) return false;
        return true;
    }
    if (colours >= 2) return true;
    const bool lsbFirst = Image.format() == QImage::Format_MonoLSB;
    for (int y = 0; y < height; ++y)
        if (UsesIndexOne(Image.constScanLine(y), width, lsbFirst)) return false;
    return true;
}

bool BitmapPixelsStartInside(const QByteArray& Bitmap)
{
    constexpr qsizetype kFileHeaderBytes = 14;  // "BM", file size, two reserved words, pixel data offset
    if (Bitmap.size() < kFileHeaderBytes) return true;
    const auto byte = [&](int i) { return quint32(static_cast<unsigned char>(Bitmap[i])); };
    const quint32 offset = byte(10) | byte(11) << 8 | byte(12) << 16 | byte(13) << 24;
    return offset < quint64(Bitmap.size());
}

bool JpegIsComplete(const QByteArray& Jpeg)
{
    // Inside a scan a 0xFF byte is followed by 0x00 (stuffing) or a restart marker, so the first
    // FF D9 after the last start of scan (FF DA) is the picture's end.
    const qsizetype scan = Jpeg.lastIndexOf(QByteArrayView("\xFF\xDA", 2));
    if (scan < 0) return false;
    return Jpeg.indexOf(QByteArrayView("\xFF\xD9", 2), scan + 2) >= 0;
}

bool FitsInMemory(QSize Size)
{
    return qint64(Size.width()) * Size.height() * 4 <= qint64(QImageReader::allocationLimit()) * 1024 * 1024;
}
