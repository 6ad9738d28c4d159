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

#include <queue>

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

// A JPEG whose stored picture has a red top-left quarter, with an EXIF orientation tag.
QByteArray OrientedJpeg(int Orientation)
{
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).fillRect(0, 0, 20, 10, Qt::red);
    const QByteArray jpeg = testpics::Encode(picture, "JPEG");
    QByteArray app1(
        "\xFF\xE1\x00\x22"
        "Exif\0\0"
        "MM\x00\x2A\x00\x00\x00\x08"
        "\x00\x01"
        "\x01\x12\x00\x03\x00\x00\x00\x01",
        4 + 6 + 8 + 2 + 8);
    app1 += char(0);
    app1 += char(Orientation);
    app1 += QByteArray(2 + 4, '\0');  // padding of the value, no next directory
    return jpeg.left(2) + app1 + jpeg.mid(2);
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

TEST(PageNames, LettersDigitsAndSingleSpaces)
{
    EXPECT_FALSE(pages::NameRefusal(QStringLiteral("Мои раскраски 2")).has_value());
    for (const char* bad : {"", "Мои  раскраски", "Мои/раскраски", " Мои", "Мои_раскраски"})
        EXPECT_TRUE(pages::NameRefusal(QString::fromUtf8(bad)).has_value()) << bad;
}

}  // namespace
