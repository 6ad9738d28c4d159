// Photos stand upright: a JPEG's EXIF orientation is applied wherever a word picture is decoded,
// whole or fitted to a tile, and the size it reports is the upright one.
#include "PictureFiles.h"

#include "pictures/PictureDecoding.h"

#include <gtest/gtest.h>
#include <QPainter>
#include <QTemporaryDir>

using namespace testpics;

namespace {

constexpr int kWidth = 64, kHeight = 32;  // the upright picture

// Red, green, blue and yellow quarters, so that any mirroring or turn shows.
QImage UprightQuarters()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, kWidth / 2, kHeight / 2, Qt::red);
    p.fillRect(kWidth / 2, 0, kWidth / 2, kHeight / 2, Qt::green);
    p.fillRect(0, kHeight / 2, kWidth / 2, kHeight / 2, Qt::blue);
    p.fillRect(kWidth / 2, kHeight / 2, kWidth / 2, kHeight / 2, Qt::yellow);
    return image;
}

// The picture as a camera stores it with EXIF orientation Value, after the tag's definition: which
// side of the upright picture the stored first row and first column show. Returns the upright
// point a stored point (X, Y) shows.
QPoint UprightPointOf(int Value, int X, int Y)
{
    const int w = kWidth - 1, h = kHeight - 1;
    switch (Value) {
        case 2:
            return {w - X, Y};  // row 0 top, column 0 right
        case 3:
            return {w - X, h - Y};  // bottom, right
        case 4:
            return {X, h - Y};  // bottom, left
        case 5:
            return {Y, X};  // row 0 left, column 0 top
        case 6:
            return {w - Y, X};  // right, top
        case 7:
            return {w - Y, h - X};  // right, bottom
        case 8:
            return {Y, h - X};  // left, bottom
        default:
            return {X, Y};
    }
}

QByteArray StoredJpeg(int Value)
{
    const QImage upright = UprightQuarters();
    const bool sideways = Value >= 5;
    QImage stored(sideways ? kHeight : kWidth, sideways ? kWidth : kHeight, QImage::Format_RGB32);
    for (int y = 0; y < stored.height(); ++y)
        for (int x = 0; x < stored.width(); ++x) stored.setPixel(x, y, upright.pixel(UprightPointOf(Value, x, y)));
    return WithSegment(Encode(stored, "JPG"), 0xE1, ExifOrientation(Value));
}

bool Near(QColor Colour, QColor Expected)
{
    return std::abs(Colour.red() - Expected.red()) < 60 && std::abs(Colour.green() - Expected.green()) < 60 &&
           std::abs(Colour.blue() - Expected.blue()) < 60;
}

// Whether Picture shows the quarters upright, whatever its size.
void ExpectUpright(const QImage& Picture)
{
    const int w = Picture.width(), h = Picture.height();
    EXPECT_TRUE(Near(Picture.pixelColor(w / 4, h / 4), Qt::red));
    EXPECT_TRUE(Near(Picture.pixelColor(w * 3 / 4, h / 4), Qt::green));
    EXPECT_TRUE(Near(Picture.pixelColor(w / 4, h * 3 / 4), Qt::blue));
    EXPECT_TRUE(Near(Picture.pixelColor(w * 3 / 4, h * 3 / 4), Qt::yellow));
}

class Upright : public testing::TestWithParam<int> {};

}  // namespace

TEST_P(Upright, EachExifOrientationShowsUpright)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/photo.jpg";
    WriteBytes(path, StoredJpeg(GetParam()));

    const TDecodedPicture whole = DecodeJpegFile(path);  // the big picture and the print, read whole
    ASSERT_TRUE(whole.has_value());
    EXPECT_EQ(whole->size(), QSize(kWidth, kHeight));
    ExpectUpright(*whole);

    const TFittedDecode tile = DecodeJpegFileToFit(path, QSize(16, 1 << 16));  // a tile's thumbnail
    ASSERT_TRUE(tile.has_value());
    EXPECT_EQ(tile->Picture.size(), QSize(16, 8));
    EXPECT_EQ(tile->FullSize, QSize(kWidth, kHeight));
    ExpectUpright(tile->Picture);

    const TFittedDecode tall = DecodeJpegFileToFit(path, QSize(1 << 16, 24));  // bounded by its height
    ASSERT_TRUE(tall.has_value());
    EXPECT_EQ(tall->Picture.size(), QSize(48, 24));
    ExpectUpright(tall->Picture);
}

INSTANTIATE_TEST_SUITE_P(Orientations, Upright, testing::Range(1, 9));
