// Decoded pictures are checked before anything draws them: damaged bitmaps that Qt's reader still
// turns into an indexed picture with pixels outside its colour table are unreadable files.
#include "PictureFiles.h"
#include "support/FakeDialogs.h"

#include "core/AppContext.h"
#include "pictures/ImageCollection.h"
#include "pictures/PictureCheck.h"
#include "pictures/PictureDecoding.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <cstring>

using namespace testpics;

namespace {

void PutLe(QByteArray& Bytes, int At, quint32 Value, int Size)
{
    for (int i = 0; i < Size; ++i) Bytes[At + i] = char((Value >> (8 * i)) & 0xFF);
}

// An 8-bit run-length coded bitmap file of Width × Height pixels with Colours colours, its pixel
// data Data starting at DataOffset (by default right after the colour table, as it should).
QByteArray Rle8Bitmap(int Width, int Height, int Colours, const QByteArray& Data, qint64 DataOffset = -1)
{
    const int tableStart = 14 + 40;
    const int dataStart = tableStart + 4 * Colours;
    QByteArray bmp(dataStart, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    PutLe(bmp, 2, quint32(dataStart + Data.size()), 4);
    PutLe(bmp, 10, quint32(DataOffset >= 0 ? DataOffset : dataStart), 4);
    PutLe(bmp, 14, 40, 4);
    PutLe(bmp, 18, quint32(Width), 4);
    PutLe(bmp, 22, quint32(Height), 4);
    PutLe(bmp, 26, 1, 2);  // planes
    PutLe(bmp, 28, 8, 2);  // bits per pixel
    PutLe(bmp, 30, 1, 4);  // run-length coded, 8 bits
    PutLe(bmp, 34, quint32(Data.size()), 4);
    PutLe(bmp, 38, 2835, 4);
    PutLe(bmp, 42, 2835, 4);
    PutLe(bmp, 46, quint32(Colours), 4);
    for (int i = 0; i < Colours; ++i)
        PutLe(bmp, tableStart + 4 * i, qRgb(i * 4, 200 - i * 3, i * 2) & 0xFFFFFF, 4);  // blue, green, red, 0
    return bmp + Data;
}

// The damaged colouring page: 275 bytes, 7 × 4 pixels, 52 colours, its pixel data said to start
// past the end of the file. Qt's reader reads no pixel and still returns a picture.
QByteArray DamagedPage()
{
    return ScrambleBitmapBytes(Rle8Bitmap(7, 4, 52, QByteArray(13, '\0'), 4096));
}

// Four rows of seven pixels of colour Index each, then the end-of-bitmap code.
QByteArray RowsOf(unsigned char Index)
{
    QByteArray data;
    for (int row = 0; row < 4; ++row) data += QByteArray("\x07", 1) + char(Index) + QByteArray("\0\0", 2);
    return data + QByteArray("\0\1", 2);
}

QImage Indexed(int Width, int Height, int Colours, unsigned char Fill)
{
    QImage image(Width, Height, QImage::Format_Indexed8);
    image.setColorCount(Colours);
    for (int i = 0; i < Colours; ++i) image.setColor(i, qRgb(i, 255 - i, 0));
    for (int y = 0; y < Height; ++y)
        std::memset(image.scanLine(y), Fill, size_t(Width));  // setPixel refuses colours past the table
    return image;
}

}  // namespace

TEST(DamagedPage, PixelDataPastTheEndIsUnreadable)
{
    const QByteArray stored = DamagedPage();
    ASSERT_EQ(stored.size(), 275);
    // The same bitmap with its data where it belongs reads fine, so the offset alone is the damage.
    const QByteArray bitmap = UnscrambleBitmapBytes(stored);
    EXPECT_FALSE(BitmapPixelsStartInside(bitmap));
    EXPECT_TRUE(DecodeScrambledBytes(ScrambleBitmapBytes(Rle8Bitmap(7, 4, 52, RowsOf(9)))).has_value());

    EXPECT_FALSE(DecodeScrambledBytes(stored).has_value());
}

TEST(DamagedPage, CatalogueSkipsItWithTheReadErrorBox)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    TFakeDialogs dialogs;
    TAppContext context;
    context.Settings = TSettings::ForProgramFolder(root.path() + "/");
    context.Dialogs = &dialogs;
    WriteBytes(root.path() + "/a.flim", DamagedPage());
    WritePage(root.path() + "/b.flim", Solid(6, 5, Qt::green));

    TRaskrasImageCollection pages(context);
    pages.LoadFromFolder(root.path());

    ASSERT_EQ(pages.Count(), 1);
    EXPECT_EQ(pages.GetImage(0)->Name, "b");
    ASSERT_EQ(dialogs.Calls.size(), 1u);
    EXPECT_EQ(dialogs.Calls[0].Text, "Ошибка чтения файла\n" + root.path() + "/a.flim\nстраница раскраски повреждена");

    EXPECT_FALSE(LoadScrambledBitmap(root.path() + "/a.flim", dialogs).has_value());
    EXPECT_EQ(dialogs.Calls.size(), 2u);
}

TEST(DamagedPage, PixelsNamingColoursBeyondTheTableAreUnreadable)
{
    // Data in place, but every pixel is colour 190 of a table of 52 (what the damaged page's
    // unread pixels hold under AddressSanitizer), or just one past the end of the table.
    EXPECT_FALSE(DecodeScrambledBytes(ScrambleBitmapBytes(Rle8Bitmap(7, 4, 52, RowsOf(190)))).has_value());
    EXPECT_FALSE(DecodeScrambledBytes(ScrambleBitmapBytes(Rle8Bitmap(7, 4, 52, RowsOf(52)))).has_value());

    // An uncompressed 8-bit page as Qt writes it, one pixel then raised past the table.
    QByteArray bmp = Encode(Indexed(5, 3, 20, 7), "BMP");
    const quint32 dataAt = quint32(uchar(bmp[10])) | quint32(uchar(bmp[11])) << 8;
    ASSERT_TRUE(DecodeScrambledBytes(ScrambleBitmapBytes(bmp)).has_value());
    bmp[int(dataAt) + 2] = char(20);
    EXPECT_FALSE(DecodeScrambledBytes(ScrambleBitmapBytes(bmp)).has_value());
}

TEST(DamagedPage, ValidIndexedPagesStillDecode)
{
    // Run-length coded, the last colour of the table used.
    const auto rle = DecodeScrambledBytes(ScrambleBitmapBytes(Rle8Bitmap(7, 4, 52, RowsOf(51))));
    ASSERT_TRUE(rle.has_value());
    EXPECT_EQ(rle->format(), QImage::Format_Indexed8);
    EXPECT_EQ(rle->size(), QSize(7, 4));
    EXPECT_EQ(rle->colorCount(), 52);
    EXPECT_EQ(rle->pixelIndex(6, 3), 51);
    EXPECT_EQ(rle->pixel(0, 0), qRgb(51 * 4, 200 - 51 * 3, 51 * 2));

    // Uncompressed, as Qt writes an indexed picture.
    QImage image = Indexed(9, 4, 33, 0);
    for (int x = 0; x < 9; ++x) image.setPixel(x, 2, uint(x * 4));
    const auto plain = DecodeScrambledBytes(ScrambleBitmapBytes(Encode(image, "BMP")));
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(plain->convertToFormat(QImage::Format_RGB32), image.convertToFormat(QImage::Format_RGB32));

    // Two-colour pages, the format of the demo content.
    QImage mono(13, 7, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.fill(1);
    mono.setPixel(12, 6, 0);
    const auto twoColour = DecodeScrambledBytes(ScrambleBitmapBytes(Encode(mono, "BMP")));
    ASSERT_TRUE(twoColour.has_value());
    EXPECT_EQ(twoColour->pixelColor(12, 6), QColor(Qt::black));
    EXPECT_EQ(twoColour->pixelColor(0, 0), QColor(Qt::white));
}

TEST(PictureCheck, IndexedPicturesNeedEveryPixelInTheirTable)
{
    EXPECT_TRUE(IsUsablePicture(Indexed(7, 4, 52, 51)));
    EXPECT_FALSE(IsUsablePicture(Indexed(7, 4, 52, 52)));
    EXPECT_FALSE(IsUsablePicture(Indexed(7, 4, 52, 190)));
    EXPECT_TRUE(IsUsablePicture(Indexed(7, 4, 256, 255)));

    QImage one = Indexed(7, 4, 52, 3);
    one.scanLine(3)[6] = 200;  // the very last pixel
    EXPECT_FALSE(IsUsablePicture(one));

    QImage noTable(3, 3, QImage::Format_Indexed8);
    noTable.fill(0u);
    EXPECT_EQ(noTable.colorCount(), 0);
    EXPECT_FALSE(IsUsablePicture(noTable));
}

TEST(PictureCheck, OneBitPicturesWithOneColourUseOnlyColourZero)
{
    for (QImage::Format format : {QImage::Format_Mono, QImage::Format_MonoLSB}) {
        QImage image(11, 3, format);
        image.setColorTable({qRgb(0, 0, 0)});
        image.fill(0u);
        EXPECT_TRUE(IsUsablePicture(image)) << format;

        // The unused bits at the end of a row do not count...
        QImage padded = image;
        for (int y = 0; y < 3; ++y) {
            uchar& last = padded.scanLine(y)[1];  // pixels 8..10 and five padding bits
            last |= format == QImage::Format_Mono ? 0x1F : 0xF8;
        }
        EXPECT_TRUE(IsUsablePicture(padded)) << format;

        // ...a pixel of colour 1 does, wherever it is.
        for (const QPoint at : {QPoint(0, 0), QPoint(7, 1), QPoint(8, 1), QPoint(10, 2)}) {
            QImage one = image;
            one.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
            one.setPixel(at, 1);
            one.setColorTable({qRgb(0, 0, 0)});
            EXPECT_FALSE(IsUsablePicture(one)) << format << " at " << at.x() << "," << at.y();
        }

        QImage twoColours = image;
        twoColours.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        twoColours.fill(1u);
        EXPECT_TRUE(IsUsablePicture(twoColours)) << format;
    }
}

TEST(PictureCheck, OtherPicturesNeedOnlyPixels)
{
    EXPECT_FALSE(IsUsablePicture(QImage()));
    EXPECT_TRUE(IsUsablePicture(Solid(3, 2, Qt::red)));
    QImage grey(5, 5, QImage::Format_Grayscale8);
    grey.fill(255u);
    EXPECT_TRUE(IsUsablePicture(grey));
    EXPECT_TRUE(IsUsablePicture(QImage(2, 2, QImage::Format_RGB888)));
}

TEST(PictureCheck, PixelDataMustStartInsideTheBitmap)
{
    const QByteArray bmp = Encode(Solid(4, 4, Qt::blue), "BMP");
    EXPECT_TRUE(BitmapPixelsStartInside(bmp));
    QByteArray moved = bmp;
    PutLe(moved, 10, quint32(bmp.size()), 4);  // right at the end: not one pixel inside
    EXPECT_FALSE(BitmapPixelsStartInside(moved));
    PutLe(moved, 10, 0xFFFFFFFFu, 4);
    EXPECT_FALSE(BitmapPixelsStartInside(moved));
    PutLe(moved, 10, quint32(bmp.size() - 1), 4);
    EXPECT_TRUE(BitmapPixelsStartInside(moved));
    EXPECT_TRUE(BitmapPixelsStartInside(QByteArray("BM\1")));  // too short to say: the reader decides
}
