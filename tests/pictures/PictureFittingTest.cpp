// Pictures read at the size they are shown: the size a picture is fitted to, the JPEG and page
// readers asked for a size, and a catalogue that keeps its pictures at its tiles' size.
#include "PictureFiles.h"
#include "support/FakeDialogs.h"
#include "support/QtPrint.h"

#include "core/AppContext.h"
#include "pictures/ImageCollection.h"
#include "pictures/PictureDecoding.h"
#include "pictures/TileGeometry.h"

#include <gtest/gtest.h>
#include <QPainter>
#include <QTemporaryDir>

using namespace testpics;

namespace {

// Four quarters of four colours, so that a scaled copy can be told from a cropped or turned one.
QImage Quarters(int W, int H)
{
    QImage image(W, H, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, W / 2, H / 2, Qt::red);
    p.fillRect(W / 2, 0, W - W / 2, H / 2, Qt::green);
    p.fillRect(0, H / 2, W / 2, H - H / 2, Qt::blue);
    p.fillRect(W / 2, H / 2, W - W / 2, H - H / 2, Qt::yellow);
    return image;
}

// Whether Colour is near Expected (a JPEG's colours drift a little).
bool Near(QColor Colour, QColor Expected)
{
    return std::abs(Colour.red() - Expected.red()) < 40 && std::abs(Colour.green() - Expected.green()) < 40 &&
           std::abs(Colour.blue() - Expected.blue()) < 40;
}

}  // namespace

TEST(FittedSize, ScalesDownKeepingProportionsAndNeverUp)
{
    EXPECT_EQ(FittedSize(QSize(4000, 3000), QSize(211, 1 << 16)), QSize(211, 158));
    EXPECT_EQ(FittedSize(QSize(3000, 4000), QSize(842, 574)), QSize(430, 574));
    EXPECT_EQ(FittedSize(QSize(100, 80), QSize(211, 1 << 16)), QSize(100, 80)) << "a small picture stays as it is";
    EXPECT_EQ(FittedSize(QSize(4000, 3000), QSize()), QSize(4000, 3000)) << "no bounds: the whole picture";
    EXPECT_EQ(FittedSize(QSize(20000, 10), QSize(211, 1 << 16)), QSize(211, 1)) << "never thinner than a pixel";
}

TEST(FittedDecoding, JpegAndPageAreReadNoLargerThanAsked)
{
    QTemporaryDir dir;
    const QString jpeg = dir.path() + "/photo.jpg";
    WriteBytes(jpeg, Encode(Quarters(1600, 1200), "JPG"));

    const TFittedDecode small = DecodeJpegFileToFit(jpeg, QSize(211, 1 << 16));
    ASSERT_TRUE(small.has_value());
    EXPECT_EQ(small->Picture.size(), QSize(211, 158));
    EXPECT_EQ(small->FullSize, QSize(1600, 1200));
    // Scaled, not cropped: each quarter keeps its colour.
    EXPECT_TRUE(Near(small->Picture.pixelColor(20, 20), Qt::red));
    EXPECT_TRUE(Near(small->Picture.pixelColor(190, 20), Qt::green));
    EXPECT_TRUE(Near(small->Picture.pixelColor(20, 140), Qt::blue));
    EXPECT_TRUE(Near(small->Picture.pixelColor(190, 140), Qt::yellow));

    const TFittedDecode whole = DecodeJpegFileToFit(jpeg, QSize());
    ASSERT_TRUE(whole.has_value());
    EXPECT_EQ(whole->Picture.size(), QSize(1600, 1200));
    EXPECT_EQ(DecodeJpegFile(jpeg)->size(), QSize(1600, 1200)) << "the full-size reader is unchanged";

    // A colouring page: decoded whole, then scaled smoothly.
    const QString page = dir.path() + "/page.flim";
    WritePage(page, Quarters(1240, 1754));
    const TFittedDecode thumb = DecodeScrambledFileToFit(page, QSize(211, 1 << 16));
    ASSERT_TRUE(thumb.has_value());
    EXPECT_EQ(thumb->Picture.size(), QSize(211, 298));
    EXPECT_EQ(thumb->FullSize, QSize(1240, 1754));
    EXPECT_EQ(thumb->Picture.pixelColor(180, 280), QColor(Qt::yellow));

    EXPECT_FALSE(DecodeJpegFileToFit(dir.path() + "/none.jpg", QSize(10, 10)).has_value());
    WriteBytes(dir.path() + "/bad.jpg", "no jpeg");
    EXPECT_FALSE(DecodeJpegFileToFit(dir.path() + "/bad.jpg", QSize(10, 10)).has_value());
}

TEST(FittedCatalogue, KeepsPicturesAtTheTilesSizeWithTheirFilesAndProportions)
{
    QTemporaryDir root;
    QDir(root.path()).mkpath("Pic/Images/Rus");
    const QString words = root.path() + "/Pic/Images/Rus/";
    WriteBytes(words + "арбуз.jpg", Encode(Quarters(4000, 3000), "JPG"));
    WriteJpeg(words + "кот.jpg", 60, 40);
    TFakeDialogs dialogs;
    TAppContext context;
    context.Settings = TSettings::ForProgramFolder(root.path() + "/");
    context.Dialogs = &dialogs;

    TImageCollection images(context);
    images.PictureBounds = TileImageBounds(217, 1.0);
    images.ThumbnailFolder = root.path() + "/cache";
    images.LoadFromFolder("Pic/Images/Rus/");

    ASSERT_EQ(images.Count(), 2);
    EXPECT_EQ(images.GetImage(0)->Picture.size(), QSize(211, 158));
    EXPECT_EQ(images.GetImage(0)->FullSize, QSize(4000, 3000));
    EXPECT_EQ(images.GetImage(0)->FileName, words + "арбуз.jpg");
    EXPECT_EQ(images.GetImage(1)->Picture.size(), QSize(60, 40));
    EXPECT_EQ(images.GetImage(1)->FullSize, QSize(60, 40));

    // Read again for showing large: at the size asked for, or whole; the kept one when the file is gone.
    const auto read = images.PictureReader(*images.GetImage(0));
    EXPECT_EQ(read(QSize(800, 600)).size(), QSize(800, 600));
    EXPECT_EQ(read(QSize()).size(), QSize(4000, 3000));
    QFile::remove(words + "арбуз.jpg");
    EXPECT_EQ(read(QSize(800, 600)).size(), QSize(211, 158));
    EXPECT_TRUE(dialogs.Calls.empty());
}
