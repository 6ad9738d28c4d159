// A family's own word pictures and colouring pages: the word's checks, a photo added upright and
// small enough, replacing, renaming and removing, and a page that the program's reader reads back.
#include "PictureFiles.h"
#include "pictures/ColouringPages.h"
#include "pictures/PictureDecoding.h"
#include "pictures/WordPictures.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <queue>
#include <random>

namespace {

struct TWordCase {
    const char* Typed;
    const char* Kept;  // empty: refused
};
class WordCheck : public ::testing::TestWithParam<TWordCase> {};
TEST_P(WordCheck, SmallRussianLettersAndSingleSpacesOnly)
{
    const wordpics::TWordCheck check = wordpics::CheckWord(QString::fromUtf8(GetParam().Typed), {});
    const QString kept = QString::fromUtf8(GetParam().Kept);
    EXPECT_EQ(check.Ok, !kept.isEmpty());
    if (check.Ok) {
        EXPECT_EQ(check.Word, kept);
        EXPECT_TRUE(check.UsedBy.contains(QStringLiteral("Найди букву")));
    } else {
        EXPECT_FALSE(check.Refusal.isEmpty());
    }
}
INSTANTIATE_TEST_SUITE_P(Words, WordCheck,
                         ::testing::Values(TWordCase{"кот", "кот"}, TWordCase{"Кот", "кот"}, TWordCase{"ЁЖ", "ёж"},
                                           TWordCase{"йогурт", "йогурт"}, TWordCase{"Подъёмный  кран ", "подъёмный кран"},
                                           TWordCase{"cat", ""}, TWordCase{"кoт", ""} /* Latin o */, TWordCase{"кот2", ""},
                                           TWordCase{"кот!", ""}, TWordCase{"   ", ""}));

// A JPEG whose stored picture (Stored pixels) has a red top-left quarter, with an EXIF orientation tag.
QByteArray OrientedJpeg(int Orientation, QSize Stored = QSize(40, 20))
{
    QImage picture(Stored, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).fillRect(0, 0, Stored.width() / 2, Stored.height() / 2, Qt::red);
    return testpics::WithSegment(testpics::Encode(picture, "JPEG"), 0xE1, testpics::ExifOrientation(Orientation));
}

class OwnPictures : public ::testing::Test {
protected:
    QTemporaryDir FUser, FInstalled, FFiles;
    QString Source(const QString& Name, const QByteArray& Bytes)
    {
        const QString path = FFiles.filePath(Name);
        testpics::WriteBytes(path, Bytes);
        return path;
    }
};

struct TOrientationCase {
    int Orientation;
    bool Turned;       // the sides swap
    QPoint RedCorner;  // where the stored top-left quarter ends up (0 or 1 per axis)
};
class ImportOrientation : public OwnPictures, public ::testing::WithParamInterface<TOrientationCase> {};
TEST_P(ImportOrientation, PhotoIsAddedUpright)
{
    const TOrientationCase c = GetParam();
    ASSERT_FALSE(wordpics::ImportWordPicture(Source(QStringLiteral("photo.jpg"), OrientedJpeg(c.Orientation)),
                                             QStringLiteral("кот"), FUser.path())
                     .has_value());
    const TDecodedPicture kept = DecodeJpegFile(wordpics::OwnPicturePath(FUser.path(), QStringLiteral("кот")));
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->size(), c.Turned ? QSize(20, 40) : QSize(40, 20));
    const int x = c.RedCorner.x() ? kept->width() - 3 : 2, y = c.RedCorner.y() ? kept->height() - 3 : 2;
    EXPECT_GT(qRed(kept->pixel(x, y)), 200);
    EXPECT_LT(qGreen(kept->pixel(x, y)), 80);
}
INSTANTIATE_TEST_SUITE_P(Exif, ImportOrientation,
                         ::testing::Values(TOrientationCase{1, false, {0, 0}}, TOrientationCase{2, false, {1, 0}},
                                           TOrientationCase{3, false, {1, 1}}, TOrientationCase{4, false, {0, 1}},
                                           TOrientationCase{5, true, {0, 0}}, TOrientationCase{6, true, {1, 0}},
                                           TOrientationCase{7, true, {1, 1}}, TOrientationCase{8, true, {0, 1}}));

struct TSizeCase {
    const char* Name;
    QSize Stored;
    int Orientation;
    QSize Kept;        // upright, at most wordpics::kLongestSide either way, never enlarged
    QPoint RedCorner;  // where the stored top-left quarter ends up
};
class ImportSize : public OwnPictures, public ::testing::WithParamInterface<TSizeCase> {};
TEST_P(ImportSize, PhotoIsKeptUprightAtMostTheLongestSide)
{
    const TSizeCase c = GetParam();
    ASSERT_FALSE(wordpics::ImportWordPicture(Source(QStringLiteral("photo.jpg"), OrientedJpeg(c.Orientation, c.Stored)),
                                             QStringLiteral("кот"), FUser.path())
                     .has_value());
    const TDecodedPicture kept = DecodeJpegFile(wordpics::OwnPicturePath(FUser.path(), QStringLiteral("кот")));
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->size(), c.Kept);
    const int x = c.RedCorner.x() ? kept->width() - 5 : 4, y = c.RedCorner.y() ? kept->height() - 5 : 4;
    EXPECT_GT(qRed(kept->pixel(x, y)), 200);
    EXPECT_LT(qGreen(kept->pixel(x, y)), 80);
}
INSTANTIATE_TEST_SUITE_P(Photos, ImportSize,
                         ::testing::Values(TSizeCase{"WideCamera", {3200, 2000}, 1, {1600, 1000}, {0, 0}},
                                           TSizeCase{"CameraTurnedRight", {3200, 2000}, 6, {1000, 1600}, {1, 0}},
                                           TSizeCase{"CameraTurnedLeft", {3000, 2000}, 8, {1066, 1600}, {0, 1}},
                                           TSizeCase{"OneSideOver", {2000, 1200}, 1, {1600, 960}, {0, 0}},
                                           TSizeCase{"TallOneSideOver", {1000, 2400}, 3, {666, 1600}, {1, 1}},
                                           TSizeCase{"ExactlyTheLongestSide", {1600, 900}, 1, {1600, 900}, {0, 0}},
                                           TSizeCase{"SmallIsNotEnlarged", {800, 600}, 6, {600, 800}, {1, 0}}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// A detailed photo (fine noise over a gradient, as grass or fur) is kept within the file size.
TEST_F(OwnPictures, DetailedPhotoIsKeptWithinTheLargestFile)
{
    QImage photo(2400, 1800, QImage::Format_RGB32);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> grain(-40, 40);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x) {
            const int g = std::clamp(x * 200 / photo.width() + grain(random), 0, 255);
            photo.setPixel(x, y, qRgb(g, std::clamp(g + grain(random), 0, 255), 255 - g));
        }
    const QByteArray source = testpics::Encode(photo, "JPEG");
    ASSERT_GT(source.size(), 4 * wordpics::kLargestKeptFile) << "a photo that would not fit as it is";
    ASSERT_FALSE(
        wordpics::ImportWordPicture(Source(QStringLiteral("grass.jpg"), source), QStringLiteral("трава"), FUser.path())
            .has_value());
    const QString kept = wordpics::OwnPicturePath(FUser.path(), QStringLiteral("трава"));
    EXPECT_LE(QFileInfo(kept).size(), wordpics::kLargestKeptFile);
    const TDecodedPicture read = DecodeJpegFile(kept);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->size(), QSize(1600, 1200));
}

TEST_F(OwnPictures, LargePhotoIsScaledAndReplacesTheInstalledWordAfterAsking)
{
    QDir().mkpath(FInstalled.filePath(QStringLiteral("Pic/Images/Rus")));
    testpics::WriteJpeg(FInstalled.filePath(QStringLiteral("Pic/Images/Rus/кот.jpg")), 10, 10);
    const wordpics::TWordCheck check = wordpics::CheckWord(QStringLiteral("Кот"), {FUser.path(), FInstalled.path()});
    EXPECT_EQ(check.Question, QStringLiteral("Заменить картинку «кот»?"));

    const QString photo = Source(QStringLiteral("big.png"), testpics::Encode(testpics::Solid(3200, 2000, Qt::blue), "PNG"));
    ASSERT_FALSE(wordpics::ImportWordPicture(photo, check.Word, FUser.path()).has_value());
    const TDecodedPicture kept = DecodeJpegFile(wordpics::OwnPicturePath(FUser.path(), QStringLiteral("кот")));
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->size(), QSize(1600, 1000));
    EXPECT_TRUE(fs::FileExists(FInstalled.filePath(QStringLiteral("Pic/Images/Rus/кот.jpg"))));  // untouched
    EXPECT_EQ(wordpics::OwnWords(FUser.path()), QStringList{QStringLiteral("кот")});

    ASSERT_FALSE(wordpics::RenameOwnPicture(FUser.path(), QStringLiteral("кот"), QStringLiteral("Кошка")).has_value());
    EXPECT_EQ(wordpics::OwnWords(FUser.path()), QStringList{QStringLiteral("кошка")});
    ASSERT_FALSE(wordpics::RemoveOwnPicture(FUser.path(), QStringLiteral("кошка")).has_value());
    EXPECT_TRUE(wordpics::OwnWords(FUser.path()).isEmpty());
}

TEST_F(OwnPictures, UnreadablePicturesGetOneSentenceAndNothingIsWritten)
{
    const QString heic = Source(QStringLiteral("IMG_1.heic"), QByteArray("\0\0\0\x18"
                                                                         "ftypheic\0\0\0\0mif1heic",
                                                                         24));
    const QString broken =
        Source(QStringLiteral("broken.jpg"), testpics::Encode(testpics::Solid(50, 50, Qt::red), "JPEG").left(300));
    const QString photo = Source(QStringLiteral("ok.jpg"), testpics::Encode(testpics::Solid(50, 50, Qt::red), "JPEG"));
    EXPECT_TRUE(wordpics::ImportWordPicture(heic, QStringLiteral("кот"), FUser.path())
                    .value_or(QString())
                    .contains(QStringLiteral("HEIC")));
    EXPECT_TRUE(wordpics::ImportWordPicture(broken, QStringLiteral("кот"), FUser.path())
                    .value_or(QString())
                    .contains(QStringLiteral("JPEG обрезан")));
    EXPECT_TRUE(QDir(FUser.path()).isEmpty());
    // A file where the user's folder should be: not even the superuser can write below it.
    testpics::WriteBytes(FUser.filePath(QStringLiteral("blocked")), "x");
    const auto error = wordpics::ImportWordPicture(photo, QStringLiteral("кот"), FUser.filePath(QStringLiteral("blocked")));
    EXPECT_TRUE(error.value_or(QString()).startsWith(QStringLiteral("Не удаётся записать в папку")));
}

// The black pixels' 4-connected regions of white reachable from Start.
int WhiteReachable(const QImage& Page, QPoint Start, QPoint Target)
{
    std::vector<char> seen(std::size_t(Page.width() * Page.height()), 0);
    std::queue<QPoint> todo;
    todo.push(Start);
    while (!todo.empty()) {
        const QPoint p = todo.front();
        todo.pop();
        if (!Page.rect().contains(p)) continue;
        char& s = seen[std::size_t(p.y() * Page.width() + p.x())];
        if (s || qGray(Page.pixel(p)) < 128) continue;
        s = 1;
        if (p == Target) return 1;
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) todo.push(p + d);
    }
    return 0;
}

// Counts the 8-connected regions of black.
int BlackRegions(const QImage& Page)
{
    QImage copy = Page.convertToFormat(QImage::Format_Grayscale8);
    int regions = 0;
    for (int y = 0; y < copy.height(); ++y)
        for (int x = 0; x < copy.width(); ++x) {
            if (copy.constScanLine(y)[x] >= 128) continue;
            ++regions;
            std::queue<QPoint> todo;
            todo.push({x, y});
            while (!todo.empty()) {
                const QPoint p = todo.front();
                todo.pop();
                if (!copy.rect().contains(p) || copy.scanLine(p.y())[p.x()] >= 128) continue;
                copy.scanLine(p.y())[p.x()] = 255;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) todo.push(p + QPoint(dx, dy));
            }
        }
    return regions;
}

TEST_F(OwnPictures, CircleGivesOneClosedOutlineThatReadsBack)
{
    // A drawing larger than the page's picture area, and one much smaller (a small picture from the
    // web): each page, and its preview, has the one closed outline.
    QImage page;
    for (const int side : {900, 160}) {
        QImage drawing(side, side, QImage::Format_RGB32);
        drawing.fill(Qt::white);
        {
            QPainter painter(&drawing);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(Qt::black, side / 100.0 + 1));
            painter.drawEllipse(QPointF(side / 2.0, side / 2.0), side / 3.0, side / 3.0);
        }
        pages::TPageMaker maker;
        maker.SetPicture(drawing);
        for (const QImage& drawn : {maker.Preview(50), maker.Page(50)}) {
            const QPoint centre(drawn.width() / 2, drawn.height() / 2);
            EXPECT_EQ(BlackRegions(drawn), 1) << side << " px, drawn at " << drawn.width();
            EXPECT_EQ(WhiteReachable(drawn, QPoint(0, 0), centre), 0) << side << " px: colour inside stays inside";
        }
        page = maker.Page(50);
    }
    ASSERT_EQ(page.size(), pages::kPageSize);

    const pages::TSaved saved = pages::SavePage(page, FUser.path(), pages::kDefaultTheme, QStringLiteral("Круг"));
    ASSERT_TRUE(saved.Error.isEmpty()) << saved.Error.toStdString();
    EXPECT_EQ(saved.Path, FUser.filePath(QStringLiteral("Pic/Raskraska/Мои раскраски/Круг.flim")));
    const TDecodedPicture read = DecodeScrambledFile(saved.Path);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->convertToFormat(QImage::Format_Grayscale8), page);
    EXPECT_EQ(pages::OwnPages(FUser.path(), pages::kDefaultTheme), QStringList{QStringLiteral("Круг")});
    ASSERT_FALSE(pages::RemoveTheme(FUser.path(), pages::kDefaultTheme).has_value());
    EXPECT_TRUE(pages::OwnThemes(FUser.path()).isEmpty());
}

// The width of the first black run on the page's middle row, from the left.
int FirstLineWidth(const QImage& Page)
{
    const int y = Page.height() / 2;
    int x = 0;
    while (x < Page.width() && qGray(Page.pixel(x, y)) >= 128) ++x;
    int width = 0;
    while (x + width < Page.width() && qGray(Page.pixel(x + width, y)) < 128) ++width;
    return width;
}

bool OnlyBlackAndWhite(const QImage& Page)
{
    const QImage grey = Page.convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
            if (const uchar v = grey.constScanLine(y)[x]; v != 0 && v != 255) return false;
    return true;
}

struct TOutlineCase {
    int Side;    // of the picture: larger than the page's picture area, or a small one from the web
    int Detail;  // the slider's ends and its middle
};
class PageOutline : public ::testing::TestWithParam<TOutlineCase> {};

// A dark round thing photographed on a light, dusty table: one closed outline at any detail, no
// specks for the dust, as thick as a crayon needs on the page and black on white, with no grey for
// the printer to dither.
TEST_P(PageOutline, IsOneClosedLineOfTheCrayonsWidth)
{
    const TOutlineCase c = GetParam();
    QImage photo(c.Side, c.Side, QImage::Format_RGB32);
    photo.fill(QColor(235, 230, 220));
    {
        QPainter painter(&photo);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(70, 60, 50));
        painter.drawEllipse(QPointF(c.Side / 2.0, c.Side / 2.0), c.Side / 3.0, c.Side / 3.0);
        std::mt19937 random(3);
        std::uniform_int_distribution<int> where(0, c.Side - 3);
        for (int i = 0; c.Side >= 1000 && i < 300; ++i)
            painter.fillRect(where(random), where(random), 2, 2, QColor(90, 90, 90));
    }
    pages::TPageMaker maker;
    maker.SetPicture(photo);
    const QImage page = maker.Page(c.Detail), preview = maker.Preview(c.Detail);
    EXPECT_EQ(page.size(), pages::kPageSize);
    for (const QImage& drawn : {page, preview}) {
        EXPECT_EQ(BlackRegions(drawn), 1) << "drawn at " << drawn.width();
        EXPECT_EQ(WhiteReachable(drawn, QPoint(0, 0), QPoint(drawn.width() / 2, drawn.height() / 2)), 0)
            << "drawn at " << drawn.width() << ": colour inside stays inside";
        EXPECT_TRUE(OnlyBlackAndWhite(drawn)) << "drawn at " << drawn.width();
    }
    EXPECT_GE(FirstLineWidth(page), pages::kLineWidth - 1);
    EXPECT_LE(FirstLineWidth(page), 2 * pages::kLineWidth);
}
INSTANTIATE_TEST_SUITE_P(Pictures, PageOutline,
                         ::testing::Values(TOutlineCase{1500, 0}, TOutlineCase{1500, 50}, TOutlineCase{1500, 100},
                                           TOutlineCase{160, 0}, TOutlineCase{160, 50}, TOutlineCase{160, 100}),
                         [](const auto& Info) {
                             return std::to_string(Info.param.Side) + "px_detail" + std::to_string(Info.param.Detail);
                         });

// A bus as a children's picture is drawn (coloured shapes in dark outlines, windows and wheels),
// photographed at a camera's size: with some grain.
QImage BusPhoto()
{
    QImage photo(1800, 1200, QImage::Format_RGB32);
    photo.fill(QColor(240, 236, 228));
    {
        QPainter painter(&photo);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(40, 40, 40), 18));
        painter.setBrush(QColor(240, 190, 40));
        painter.drawRoundedRect(QRectF(200, 250, 1400, 600), 60, 60);
        painter.setBrush(QColor(150, 200, 235));
        for (int i = 0; i < 4; ++i) painter.drawRoundedRect(QRectF(300 + i * 320, 330, 240, 220), 30, 30);
        painter.setBrush(QColor(50, 50, 50));
        for (const int x : {480, 1320}) painter.drawEllipse(QPointF(x, 860), 130, 130);
        painter.setBrush(QColor(170, 170, 170));
        for (const int x : {480, 1320}) painter.drawEllipse(QPointF(x, 860), 50, 50);
    }
    std::mt19937 random(11);
    std::uniform_int_distribution<int> grain(-12, 12);
    for (int y = 0; y < photo.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const int g = grain(random);
            row[x] = qRgb(std::clamp(qRed(row[x]) + g, 0, 255), std::clamp(qGreen(row[x]) + g, 0, 255),
                          std::clamp(qBlue(row[x]) + g, 0, 255));
        }
    }
    return photo;
}

// The share of Drawn's black pixels that have a black pixel of Other within Reach pixels (both of one size).
double SharedLines(const QImage& Drawn, const QImage& Other, int Reach)
{
    const QImage a = Drawn.convertToFormat(QImage::Format_Grayscale8), b = Other.convertToFormat(QImage::Format_Grayscale8);
    int black = 0, shared = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (a.constScanLine(y)[x] >= 128) continue;
            ++black;
            bool near = false;
            for (int v = std::max(0, y - Reach); v <= std::min(b.height() - 1, y + Reach) && !near; ++v)
                for (int u = std::max(0, x - Reach); u <= std::min(b.width() - 1, x + Reach) && !near; ++u)
                    near = b.constScanLine(v)[u] < 160;
            shared += near ? 1 : 0;
        }
    return black ? double(shared) / black : 0.0;
}

class PageAsPreviewed : public ::testing::TestWithParam<int> {};

// What the slider shows is what is saved: the page, seen at the preview's size, has the lines its
// preview has and no others, at either end of the slider and in the middle.
TEST_P(PageAsPreviewed, HasThePreviewsLines)
{
    pages::TPageMaker maker;
    maker.SetPicture(BusPhoto());
    const QImage preview = maker.Preview(GetParam());
    const QImage page = maker.Page(GetParam()).scaled(preview.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_GT(SharedLines(preview, page, 3), 0.9) << "the preview's lines are on the page";
    EXPECT_GT(SharedLines(page, preview, 3), 0.9) << "the page has no lines the preview lacks";
}
INSTANTIATE_TEST_SUITE_P(Slider, PageAsPreviewed, ::testing::Values(0, 50, 100));

double BlackShare(const QImage& Page)
{
    const QImage grey = Page.convertToFormat(QImage::Format_Grayscale8);
    qint64 black = 0;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x) black += grey.constScanLine(y)[x] < 128 ? 1 : 0;
    return double(black) / (qint64(grey.width()) * grey.height());
}

// A ball on a striped cloth: "Проще" draws the ball alone, "Подробнее" the cloth's stripes too.
TEST(PageDetail, TheSimpleEndLeavesTextureOutTheDetailedEndKeepsIt)
{
    QImage photo(1500, 1500, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x) {
            const int stripe = (x / 6) % 2 ? 30 : -30;
            photo.setPixel(x, y, qRgb(200 + stripe, 190 + stripe, 170 + stripe));
        }
    {
        QPainter painter(&photo);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(40, 40, 90));
        painter.drawEllipse(QPointF(750, 750), 500, 500);
    }
    pages::TPageMaker maker;
    maker.SetPicture(photo);
    for (const QImage& drawn : {maker.Page(0), maker.Preview(0)}) {
        EXPECT_EQ(BlackRegions(drawn), 1) << "drawn at " << drawn.width();
        EXPECT_EQ(WhiteReachable(drawn, QPoint(0, 0), QPoint(drawn.width() / 2, drawn.height() / 2)), 0);
    }
    for (const QImage& drawn : {maker.Page(100), maker.Preview(100)})
        EXPECT_GT(BlackShare(drawn), 4 * BlackShare(maker.Page(0))) << "drawn at " << drawn.width();
}

// A page made from a photo file stands as the photo does: a wide one on its side, one the camera
// turned (EXIF) upright; the file's name is offered as the page's.
TEST_F(OwnPictures, PageFromAPhotoFileStandsAsThePhotoStands)
{
    struct TCase {
        const char* File;
        QByteArray Bytes;
        QSize Page;
        const char* Name;
    } cases[] = {
        {"IMG_0001 (2).png", testpics::Encode(testpics::Solid(1200, 800, Qt::darkGreen), "PNG"),
         pages::kPageSize.transposed(), "IMG 0001 2"},
        {"кот.jpg", OrientedJpeg(6, QSize(1200, 800)), pages::kPageSize, "кот"},
        {"ёж.jpg", OrientedJpeg(1, QSize(4000, 3000)), pages::kPageSize.transposed(), "ёж"},
    };
    for (const TCase& c : cases) {
        pages::TPageMaker maker;
        ASSERT_FALSE(maker.Open(Source(QString::fromUtf8(c.File), c.Bytes)).has_value()) << c.File;
        EXPECT_EQ(maker.PageSize(), c.Page) << c.File;
        EXPECT_EQ(maker.Page(50).size(), c.Page) << c.File;
        EXPECT_EQ(maker.SuggestedName(), QString::fromUtf8(c.Name));
    }
}

TEST(PageNames, LettersDigitsAndSingleSpaces)
{
    EXPECT_FALSE(pages::NameRefusal(QStringLiteral("Мои раскраски 2")).has_value());
    for (const char* bad : {"", "Мои  раскраски", "Мои/раскраски", " Мои", "Мои_раскраски"})
        EXPECT_TRUE(pages::NameRefusal(QString::fromUtf8(bad)).has_value()) << bad;
}

}  // namespace
