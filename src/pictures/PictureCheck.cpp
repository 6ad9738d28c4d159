#include "pictures/PictureCheck.h"

#include <QImageReader>

#include <algorithm>
#include <cstring>

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

// JPEG markers without a length: restarts (D0–D7), the start and end of the picture, and TEM.
bool StandsAlone(uchar Code)
{
    return (Code >= 0xD0 && Code <= 0xD9) || Code == 0x01;
}

bool IsRestart(uchar Code)
{
    return Code >= 0xD0 && Code <= 0xD7;
}

// The offset of the next marker's code at or after At, as libjpeg finds it between segments: bytes
// up to an FF are skipped, then any number of FF fill bytes; an FF 00 there is skipped too. -1 when
// the data ends first.
qsizetype NextMarker(const uchar* Bytes, qsizetype At, qsizetype Size)
{
    while (At < Size) {
        const void* ff = std::memchr(Bytes + At, 0xFF, size_t(Size - At));
        if (ff == nullptr) return -1;
        At = static_cast<const uchar*>(ff) - Bytes;
        while (At < Size && Bytes[At] == 0xFF) ++At;
        if (At >= Size) return -1;
        if (Bytes[At] != 0x00) return At;
        ++At;
    }
    return -1;
}

// Where the entropy-coded data of a scan that starts at At ends: the offset of the FF that begins
// the first marker other than a restart. Inside the data libjpeg reads FF (after any FF fill
// bytes) followed by 00 as a data byte. -1 when the data ends first.
qsizetype EntropyCodedEnd(const uchar* Bytes, qsizetype At, qsizetype Size)
{
    while (At < Size) {
        const void* ff = std::memchr(Bytes + At, 0xFF, size_t(Size - At));
        if (ff == nullptr) return -1;
        const qsizetype start = static_cast<const uchar*>(ff) - Bytes;
        At = start;
        while (At < Size && Bytes[At] == 0xFF) ++At;
        if (At >= Size) return -1;
        if (Bytes[At] != 0x00 && !IsRestart(Bytes[At])) return start;
        ++At;
    }
    return -1;
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

qsizetype JpegEnd(QByteArrayView Jpeg)
{
    const auto* bytes = reinterpret_cast<const uchar*>(Jpeg.data());
    const qsizetype size = Jpeg.size();
    if (size < 2 || bytes[0] != 0xFF || bytes[1] != 0xD8) return -1;
    qsizetype at = 2;
    bool scanned = false;
    for (;;) {
        const qsizetype marker = NextMarker(bytes, at, size);
        if (marker < 0) return -1;
        const uchar code = bytes[marker];
        at = marker + 1;
        if (code == 0xD9) return scanned ? at : -1;
        if (StandsAlone(code)) continue;
        if (size - at < 2) return -1;
        const qsizetype length = qsizetype(bytes[at]) << 8 | bytes[at + 1];  // counts its own two bytes
        if (length < 2 || length > size - at) return -1;
        at += length;
        if (code != 0xDA) continue;
        scanned = true;
        at = EntropyCodedEnd(bytes, at, size);
        if (at < 0) return -1;
    }
}

bool JpegIsComplete(QByteArrayView Jpeg)
{
    return JpegEnd(Jpeg) >= 0;
}

bool FitsInMemory(QSize Size)
{
    return qint64(Size.width()) * Size.height() * 4 <= qint64(QImageReader::allocationLimit()) * 1024 * 1024;
}
