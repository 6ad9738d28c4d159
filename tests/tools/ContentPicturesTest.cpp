// The pictures of the content tree, and the stored colouring page read back as the program reads it.
#include "content/IconArt.h"
#include "content/PictureMaker.h"
#include "pictures/ScrambledBitmap.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

using namespace content;

namespace {
int DarkPixels(const QImage& Image, const QRect& Area)
{
    const QImage rgb = Image.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = Area.top(); y <= Area.bottom(); ++y)
        for (int x = Area.left(); x <= Area.right(); ++x) n += qGray(rgb.pixel(x, y)) < 128;
    return n;
}

const TPictureRef kCat{QStringLiteral("cat"), QStringLiteral("1f408")};
}  // namespace

TEST(ContentPictures, StoredPageUnscramblesToTheSameOneBitBitmap)
{
    const TEmojiFontArt art;
    const QImage page = ColouringPage({QStringLiteral("Животные"), QStringLiteral("кот"), kCat}, art);
    ASSERT_EQ(page.size(), kColouringPageSize);
    EXPECT_EQ(page.depth(), 1);

    const QByteArray stored = StoredColouringPage(page);
    ASSERT_GT(stored.size(), 5);
    EXPECT_EQ(quint8(stored[0]), 0x42 + 10);
    EXPECT_EQ(quint8(stored[1]), 0x4D + 10);
    // Small enough for the size budget: 1 bit a pixel plus headers.
    EXPECT_LT(stored.size(), 1240 * 1754 / 8 + 2048);

    QImage back;
    ASSERT_TRUE(back.loadFromData(UnscrambleBitmapBytes(stored), "BMP"));
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), page.convertToFormat(QImage::Format_RGB32));
    // Read as stored, without unscrambling, it is not a bitmap.
    EXPECT_FALSE(QImage().loadFromData(stored, "BMP"));
}

TEST(ContentPictures, ColouringPageHasATitleAndAPictureToColour)
{
    const QImage page = ColouringPage({QStringLiteral("Животные"), QStringLiteral("кот"), kCat}, TEmojiFontArt());
    const int title = DarkPixels(page, QRect(0, 60, 1240, 230));
    const int picture = DarkPixels(page, QRect(0, 380, 1240, 1060));
    EXPECT_GT(title, 2000);
    EXPECT_GT(picture, 10000);
    // Outlines, not filled shapes: most of the picture area stays white to be coloured.
    EXPECT_LT(picture, 1240 * 1060 / 4);
}

TEST(ContentPictures, OutlinesFollowColourBoundaries)
{
    QImage two(40, 40, QImage::Format_ARGB32);
    two.fill(Qt::transparent);
    QPainter p(&two);
    p.fillRect(QRect(5, 5, 15, 30), QColor(Qt::red));
    p.fillRect(QRect(20, 5, 15, 30), QColor(Qt::blue));
    p.end();
    const QImage outline = OutlineFromColour(two, QSize(400, 400));
    ASSERT_EQ(outline.size(), QSize(400, 400));
    EXPECT_GT(DarkPixels(outline, QRect(195, 150, 10, 100)), 500) << "line between red and blue";
    EXPECT_GT(DarkPixels(outline, QRect(45, 150, 10, 100)), 500) << "line around the shape";
    EXPECT_EQ(DarkPixels(outline, QRect(100, 150, 30, 100)), 0) << "inside a region stays white";
    EXPECT_EQ(DarkPixels(outline, QRect(0, 0, 20, 20)), 0) << "the ground stays white";
}

TEST(ContentPictures, SvgRedrawnForColouringHasNoColourLeft)
{
    QTemporaryDir dir;
    QFile json(dir.filePath(QStringLiteral("icons.json")));
    ASSERT_TRUE(json.open(QIODevice::WriteOnly));
    json.write(
        R"({"prefix":"x","width":32,"height":32,"icons":{"dot":{"body":"<g fill=\"none\"><circle cx=\"16\" cy=\"16\" r=\"12\" fill=\"#ff0000\" fill-opacity=\".5\"/><path stroke=\"#00ff00\" d=\"M4 4L28 28\"/></g>"}},"aliases":{"spot":{"parent":"dot"}}})");
    json.close();
    QString error;
    const auto art = TFluentIconArt::FromFile(json.fileName(), error);
    ASSERT_TRUE(art) << error.toStdString();
    EXPECT_TRUE(art->Has({QStringLiteral("spot"), QString()}));
    EXPECT_FALSE(art->Has({QStringLiteral("nothing"), QString()}));

    const QString svg = QString::fromUtf8(art->Svg(QStringLiteral("dot"), true));
    EXPECT_FALSE(svg.contains(QStringLiteral("#ff0000")));
    EXPECT_FALSE(svg.contains(QStringLiteral("#00ff00")));
    EXPECT_FALSE(svg.contains(QStringLiteral("opacity")));

    const QImage colour = art->Colour({QStringLiteral("dot"), QString()}, QSize(64, 64));
    EXPECT_GT(qRed(colour.pixel(32, 24)), 100);
    const QImage outline = art->Outline({QStringLiteral("dot"), QString()}, QSize(320, 320));
    EXPECT_EQ(outline.pixel(160, 110), qRgb(255, 255, 255)) << "inside the circle is white";
    EXPECT_GT(DarkPixels(outline, QRect(150, 30, 20, 20)), 20) << "the circle's rim is black";

    EXPECT_FALSE(TFluentIconArt::FromFile(dir.filePath(QStringLiteral("missing.json")), error));
}

TEST(ContentPictures, CardsAndWordPicturesHaveTheirSizes)
{
    const TEmojiFontArt art;
    TLetterEntry letter{QStringLiteral("к"),
                        QStringLiteral("К"),
                        QStringLiteral("consonant"),
                        QStringLiteral("ка"),
                        QStringLiteral("k@"),
                        QStringLiteral("кот"),
                        kCat};
    const QImage card = LetterCard(letter, 0, art);
    EXPECT_EQ(card.size(), kLetterCardSize);
    EXPECT_NE(card.pixel(5, 5), LetterCard(letter, 1, art).pixel(5, 5)) << "neighbouring cards differ in colour";
    EXPECT_EQ(WordPicture({QStringLiteral("кот"), kCat}, art).size(), kWordPictureSize);
    QImage decoded;
    EXPECT_TRUE(decoded.loadFromData(JpegBytes(card), "JPG"));
    EXPECT_EQ(decoded.size(), kLetterCardSize);
}
