// Where a JPEG's picture ends, found by its segments: bytes after the end (a motion photo's video)
// are ignored, and a file cut short anywhere is refused.
#include "PictureFiles.h"

#include "pictures/PictureCheck.h"
#include "pictures/PictureDecoding.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QImageWriter>
#include <QRandomGenerator>

#include <functional>

using namespace testpics;

namespace {

// Noise compresses like a photo: its scan data is full of stuffed FF 00 bytes.
QImage Noise(int Width, int Height, quint32 Seed)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    QRandomGenerator rng(Seed);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) image.setPixel(x, y, qRgb(int(rng.bounded(256)), x * 2, y * 3));
    return image;
}

QByteArray Photo()
{
    return Encode(Noise(96, 64, 1), "JPG");
}

QByteArray Progressive()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(Noise(96, 64, 2));
    return bytes;
}

// A greyscale 64 × 8 JPEG made by hand with a restart marker every four blocks. Its Huffman
// tables code DC difference 0 as "0", difference category 8 as "10" and the end of block as "0",
// so each interval of blocks with differences 0, 0, 0, +255 is 000000 10 11111111 0, which is
// 02 FF 7F with 1-bits padding its end: the FF is stuffed (FF 00) and an RST marker follows.
QByteArray WithRestarts()
{
    QByteArray j("\xFF\xD8", 2);
    j += QByteArray("\xFF\xDB\x00\x43\x00", 5) + QByteArray(64, '\x01');                                    // DQT: all 1
    j += QByteArray("\xFF\xC0\x00\x0B\x08\x00\x08\x00\x40\x01\x01\x11\x00", 13);                            // SOF0 64 × 8
    j += QByteArray("\xFF\xC4\x00\x15\x00\x01\x01", 7) + QByteArray(14, '\0') + QByteArray("\x00\x08", 2);  // DC
    j += QByteArray("\xFF\xC4\x00\x14\x10\x01", 6) + QByteArray(15, '\0') + QByteArray(1, '\0');            // AC
    j += QByteArray("\xFF\xDD\x00\x04\x00\x04", 6);                                                         // DRI 4
    j += QByteArray("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 10);                                        // SOS
    j += QByteArray("\x02\xFF\x00\x7F\xFF\xD0\x02\xFF\x00\x7F", 10);
    return j + QByteArray("\xFF\xD9", 2);
}

// Size random bytes; with NoEndAfterScan they hold an FF DA and no FF D9 after it, which the
// byte search that came before this one took for a picture cut short.
QByteArray Trailer(quint32 Seed, qsizetype Size, bool NoEndAfterScan)
{
    QByteArray bytes(Size, '\0');
    QRandomGenerator(Seed).fillRange(reinterpret_cast<quint32*>(bytes.data()), Size / 4);
    if (NoEndAfterScan) {
        const qsizetype scan = Size / 2;
        bytes[scan] = char(0xFF);
        bytes[scan + 1] = char(0xDA);
        for (qsizetype i = scan + 2; i + 1 < Size; ++i)
            if (bytes[i] == char(0xFF) && bytes[i + 1] == char(0xD9)) bytes[i + 1] = 'x';
    }
    return bytes;
}

// What a phone appends to a motion photo: an MP4 file, its 'ftyp' box, then the 'mdat' box.
QByteArray Mp4Video(quint32 Seed)
{
    const QByteArray ftyp(
        "\0\0\0\x18"
        "ftypmp42\0\0\0\0mp42isom",
        24);
    return ftyp + QByteArray("\0\x04\0\x08mdat", 8) + Trailer(Seed, 0x40000, true);
}

struct TJpegCase {
    const char* Name;
    std::function<QByteArray()> Make;
};

const TJpegCase kWholeJpegs[] = {
    {"baseline photo", Photo},
    {"progressive", Progressive},
    {"restart markers", WithRestarts},
    {"EXIF segment holding markers",
     [] { return WithSegment(Photo(), 0xE1, QByteArray("Exif\0\0\xFF\xD8\xFF\xDA\x00\x02\xFF\xD9", 14)); }},
};

}  // namespace

TEST(JpegEnd, IsTheEndMarkerThatClosesThePicture)
{
    for (const TJpegCase& c : kWholeJpegs) {
        SCOPED_TRACE(c.Name);
        const QByteArray jpeg = c.Make();
        EXPECT_EQ(JpegEnd(jpeg), jpeg.size());
        EXPECT_TRUE(DecodeJpegBytes(jpeg).has_value()) << "the decoder takes it too";
    }
    EXPECT_GE(Progressive().count(QByteArrayView("\xFF\xDA", 2)), 3) << "several scans";
    EXPECT_EQ(DecodeJpegBytes(WithRestarts())->size(), QSize(64, 8));

    // Stray bytes between segments are skipped, as libjpeg skips them.
    const QByteArray photo = Photo();
    EXPECT_EQ(JpegEnd(photo.left(2) + QByteArray(3, '\0') + photo.mid(2)), photo.size() + 3);
    EXPECT_EQ(JpegEnd(QByteArray("\xFF\xD8\xFF\xD9", 4)), -1) << "no scan";
    EXPECT_EQ(JpegEnd(QByteArray("GIF89a")), -1);
    EXPECT_EQ(JpegEnd(QByteArray()), -1);
}

TEST(JpegEnd, BytesAfterTheEndAreIgnored)
{
    for (const TJpegCase& c : kWholeJpegs) {
        SCOPED_TRACE(c.Name);
        const QByteArray jpeg = c.Make();
        for (quint32 seed = 1; seed <= 16; ++seed) {
            const QByteArray trailer = Trailer(seed, 1 << 20, seed % 2 == 0);
            EXPECT_EQ(JpegEnd(jpeg + trailer), jpeg.size()) << "seed " << seed;
        }
    }
    // A motion photo as phones write it: photo, then the video.
    const QByteArray photo = Photo();
    for (quint32 seed = 1; seed <= 8; ++seed) {
        const QByteArray motion = photo + Mp4Video(seed);
        EXPECT_TRUE(JpegIsComplete(motion)) << "seed " << seed;
        const TDecodedPicture decoded = DecodeJpegBytes(motion);
        ASSERT_TRUE(decoded.has_value()) << "seed " << seed;
        EXPECT_EQ(decoded->size(), QSize(96, 64));
    }
}

TEST(JpegEnd, EveryCutIsRefused)
{
    for (const TJpegCase& c : kWholeJpegs) {
        SCOPED_TRACE(c.Name);
        const QByteArray jpeg = c.Make();
        for (qsizetype cut = 0; cut < jpeg.size(); ++cut) ASSERT_EQ(JpegEnd(jpeg.left(cut)), -1) << "cut at " << cut;
        // Cut in the middle of the scan data, and right before the end marker: libjpeg would fill
        // the rest with grey, the program refuses them.
        EXPECT_FALSE(DecodeJpegBytes(jpeg.left(jpeg.size() * 3 / 4)).has_value());
        EXPECT_FALSE(DecodeJpegBytes(jpeg.left(jpeg.size() - 2)).has_value());
    }
}
