// Picture catalogues: the folders they read, the names they give, the colouring-page format and
// what the user is told when something cannot be read.
#include "PictureFiles.h"
#include "support/FakeDialogs.h"
#include "support/QtPrint.h"

#include "core/AppContext.h"
#include "pictures/ImageCollection.h"
#include "pictures/PictureName.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <map>

using namespace testpics;

namespace {

class PictureCatalogue : public ::testing::Test {
protected:
    QTemporaryDir Root;
    TFakeDialogs Dialogs;
    TAppContext Context;

    void SetUp() override
    {
        ASSERT_TRUE(Root.isValid());
        Context.Settings = TSettings::ForProgramFolder(Root.path() + "/");
        Context.Dialogs = &Dialogs;
        QDir(Root.path()).mkpath("Pic/Images/Rus");
        QDir(Root.path()).mkpath("theme");
    }
    QString Words() const { return Root.path() + "/Pic/Images/Rus/"; }
    QString Theme() const { return Root.path() + "/theme/"; }

    std::vector<AnsiString> Names(const TImageCollection& Images) const
    {
        std::vector<AnsiString> out;
        for (int i = 0; i < Images.Count(); ++i) out.push_back(Images.GetImage(i)->Name);
        return out;
    }
};

}  // namespace

TEST(PictureNameRule, NameIsTheFileNameUpToTheFirstDot)
{
    EXPECT_EQ(PictureNameFromFileName("кот.jpg"), Cp("кот"));
    EXPECT_EQ(PictureNameFromFileName("ёж.02.jpg"), Cp("ёж"));
    EXPECT_EQ(PictureNameFromFileName("котjpeg"), AnsiString());
    EXPECT_EQ(PictureNameFromFileName(".jpg"), AnsiString());
    EXPECT_EQ(PictureNameFromFileName("Ёлка-2.jpeg"), Cp("Ёлка-2"));
}

TEST(PictureNameRule, CharactersOutsideCp1251BecomeOneQuestionMarkEach)
{
    // One byte per character, also for a character outside the basic plane (a surrogate pair).
    EXPECT_EQ(PictureNameFromFileName(QString::fromUtf8("日本.jpg")), AnsiString("??"));
    EXPECT_EQ(PictureNameFromFileName(QString::fromUtf8("кот\xF0\x9F\x90\x88.jpg")), Cp("кот") + "?");
    // A decomposed й (и + combining breve, as some systems store names) is one letter.
    const QString decomposed = QString::fromUtf8("и\xCC\x86од.jpg");
    EXPECT_EQ(PictureNameFromFileName(decomposed), Cp("йод"));
}

TEST(ScrambledFormat, FirstFiveBytesShiftByTenTheRestIsKept)
{
    QByteArray stored(5 + 300, '\0');
    const unsigned char head[5] = {0x4C, 0x57, 0x05, 0x00, 0xFF};
    for (int i = 0; i < 5; ++i) stored[i] = static_cast<char>(head[i]);
    for (int i = 5; i < stored.size(); ++i) stored[i] = static_cast<char>((i * 37) & 0xFF);

    const QByteArray plain = UnscrambleBitmapBytes(stored);
    ASSERT_EQ(plain.size(), stored.size());
    const unsigned char expected[5] = {0x42, 0x4D, 0xFB, 0xF6, 0xF5};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(static_cast<unsigned char>(plain[i]), expected[i]) << i;
    EXPECT_EQ(plain.mid(5), stored.mid(5));
    EXPECT_EQ(ScrambleBitmapBytes(plain), stored);
}

TEST_F(PictureCatalogue, PageWhoseTailIsAMultipleOfTheOldBlockSizeIsReadWhole)
{
    // 21 × 32 at 24 bits: rows of 64 bytes, 54 + 2048 = 2102 bytes = 5 + 2097.
    QImage image(21, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 21; ++x) image.setPixel(x, y, qRgb(x * 12, y * 8, (x + y) * 3));
    const QByteArray bmp = Encode(image, "BMP");
    ASSERT_EQ(bmp.size(), 5 + 2097);
    WriteBytes(Theme() + "a.flim", ScrambleBitmapBytes(bmp));

    auto page = LoadScrambledBitmap(Theme() + "a.flim", Dialogs);
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->convertToFormat(QImage::Format_RGB32), image);  // the last row too
    EXPECT_TRUE(Dialogs.Calls.empty());
}

TEST_F(PictureCatalogue, PagesThatCannotBeReadGiveOneBoxEachAndAreSkipped)
{
    WritePage(Theme() + "1.flim", Solid(10, 10, Qt::red));
    WriteBytes(Theme() + "2.flim", QByteArray("\x4C\x57\x01", 3));  // shorter than the scrambled head
    WritePage(Theme() + "3.flim", Solid(11, 10, Qt::green));
    WriteBytes(Theme() + "4.flim", ScrambleBitmapBytes("BM this is no bitmap at all"));
    WritePage(Theme() + "5.flim", Solid(12, 10, Qt::blue));
    WriteBytes(Theme() + "6.flim", Encode(Solid(10, 10, Qt::red), "BMP"));  // never scrambled

    TRaskrasImageCollection pages(Context);
    pages.LoadFromFolder(Theme());

    ASSERT_EQ(pages.Count(), 3);
    EXPECT_EQ(pages.GetImage(0)->Name, "1");
    EXPECT_EQ(pages.GetImage(1)->Name, "3");
    EXPECT_EQ(pages.GetImage(2)->Name, "5");
    EXPECT_EQ(pages.GetImage(1)->Picture.width(), 11);
    EXPECT_EQ(pages.GetImage(2)->Picture.pixelColor(0, 0), QColor(Qt::blue));
    // Each box names its file and says what is wrong with it.
    const QStringList expected = {
        "Ошибка чтения файла\n" + Theme() + "2.flim\nстраница раскраски повреждена",
        "Ошибка чтения файла\n" + Theme() + "4.flim\nстраница раскраски повреждена",
        "Ошибка чтения файла\n" + Theme() + "6.flim\nне страница раскраски",
    };
    ASSERT_EQ(Dialogs.Calls.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(Dialogs.Calls[i].Kind, TDialogCall::Message);
        EXPECT_EQ(Dialogs.Calls[i].Title, "Кварнель");
        EXPECT_EQ(Dialogs.Calls[i].Text, expected[qsizetype(i)]);
    }
}

TEST_F(PictureCatalogue, ReadingPagesWritesNothingIntoTheThemeFolder)
{
    WritePage(Theme() + "кошка.flim", Solid(8, 8, Qt::red));
    WritePage(Theme() + "собака.flim", Solid(9, 8, Qt::green));
    WriteBytes(Theme() + "temp.tmp", "the user's own file");
    WriteBytes(Theme() + "broken.flim", "xx");

    auto snapshot = [&] {
        std::map<QString, std::pair<qint64, QDateTime>> files;
        QDirIterator it(Theme(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        while (it.hasNext()) {
            QFileInfo fi(it.next());
            files[fi.fileName()] = {fi.size(), fi.lastModified()};
        }
        return std::make_pair(files, QFileInfo(Theme()).lastModified());
    };
    const auto before = snapshot();
    ASSERT_EQ(::chmod(QFile::encodeName(Theme()).constData(), 0555), 0);

    TRaskrasImageCollection pages(Context);
    pages.LoadFromFolder(Root.path() + "/theme");  // no trailing separator: one is added

    ::chmod(QFile::encodeName(Theme()).constData(), 0755);
    EXPECT_EQ(pages.Folder, Root.path() + "/theme");
    ASSERT_EQ(pages.Count(), 2);  // temp.tmp is not a page
    EXPECT_EQ(pages.GetImage(0)->Name, Cp("кошка"));
    EXPECT_EQ(Dialogs.Calls.size(), 1u);  // broken.flim only
    const auto after = snapshot();
    EXPECT_EQ(after.first, before.first);
    EXPECT_EQ(after.second, before.second);  // not even a file created and removed again
    QFile own(Theme() + "temp.tmp");
    ASSERT_TRUE(own.open(QIODevice::ReadOnly));
    EXPECT_EQ(own.readAll(), QByteArray("the user's own file"));
}

TEST_F(PictureCatalogue, MissingFolderIsReportedWithTheFullPathTested)
{
    TImageCollection words(Context);
    words.LoadFromFolder("Pic/Nowhere/");
    EXPECT_EQ(words.Count(), 0);
    EXPECT_EQ(words.Folder, "Pic/Nowhere/");

    TRaskrasImageCollection pages(Context);
    pages.LoadFromFolder(Root.path() + "/Темы/Нет");

    ASSERT_EQ(Dialogs.Calls.size(), 2u);
    EXPECT_EQ(Dialogs.Calls[0].Title, "Кварнель");
    EXPECT_EQ(Dialogs.Calls[0].Text, "Директория " + Root.path() + "/Pic/Nowhere/ не существует.");
    EXPECT_EQ(Dialogs.Calls[1].Title, "Кварнель");
    EXPECT_EQ(Dialogs.Calls[1].Text, "Директория " + Root.path() + "/Темы/Нет/ не существует.");
}

TEST_F(PictureCatalogue, EmptyFolderGivesNoItemsAndNoBox)
{
    TImageCollection words(Context);
    words.LoadFromFolder("Pic/Images/Rus/");
    EXPECT_EQ(words.Count(), 0);
    EXPECT_TRUE(Dialogs.Calls.empty());
}

TEST_F(PictureCatalogue, WordPicturesComeInCaseInsensitiveOrderWithTheirNames)
{
    WriteJpeg(Words() + "Вишня.jpg", 30, 20);
    WriteJpeg(Words() + "банан.JPG", 31, 20);
    WriteJpeg(Words() + "Арбуз.jpg", 32, 20);
    WriteJpeg(Words() + "ёж.02.jpg", 33, 20);
    WriteJpeg(Words() + "котjpeg", 34, 20);   // listed by "*jpeg" without a dot
    WriteJpeg(Words() + "слон.png", 35, 20);  // not listed
    QDir(Words()).mkdir("папка.jpg");         // a folder is never a picture

    TImageCollection words(Context);
    words.LoadFromFolder("Pic/Images/Rus/");

    const std::vector<AnsiString> expected = {Cp("Арбуз"), Cp("банан"), Cp("Вишня"), Cp("ёж"), AnsiString()};
    EXPECT_EQ(Names(words), expected);
    EXPECT_EQ(words.GetImage(0)->Picture.size(), QSize(32, 20));  // decoded at full size
    EXPECT_EQ(words.GetImage(4)->Picture.width(), 34);
    EXPECT_TRUE(Dialogs.Calls.empty());
}

TEST_F(PictureCatalogue, LoadingTheSameFolderAgainGivesTheSameItems)
{
    for (int i = 0; i < 7; ++i) WriteJpeg(Words() + QString("слово%1.jpg").arg(i), 10 + i, 10);
    TImageCollection words(Context);
    words.LoadFromFolder("Pic/Images/Rus/");
    const auto first = Names(words);
    std::vector<QSize> sizes;
    for (int i = 0; i < words.Count(); ++i) sizes.push_back(words.GetImage(i)->Picture.size());

    words.LoadFromFolder("Pic/Images/Rus/");
    EXPECT_EQ(words.Count(), 7);
    EXPECT_EQ(Names(words), first);
    for (int i = 0; i < words.Count(); ++i) EXPECT_EQ(words.GetImage(i)->Picture.size(), sizes[i]);
}

TEST_F(PictureCatalogue, ParallelDecodingKeepsTheListingOrder)
{
    // Sizes falling with the name, so that the quick files of the end finish first.
    for (int i = 0; i < 24; ++i)
        WriteJpeg(Words() + QString("w%1.jpg").arg(i, 2, 10, QChar('0')), 400 - i * 15, 50 + i, QColor(i * 10, 0, 0));
    TImageCollection parallel(Context);
    parallel.LoadFromFolder("Pic/Images/Rus/");
    TImageCollection serial(Context);
    serial.DecodeMode = TDecodeMode::Serial;
    serial.LoadFromFolder("Pic/Images/Rus/");

    ASSERT_EQ(parallel.Count(), 24);
    ASSERT_EQ(serial.Count(), 24);
    for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(parallel.GetImage(i)->Name, QString("w%1").arg(i, 2, 10, QChar('0')).toStdString());
        EXPECT_EQ(parallel.GetImage(i)->Picture.size(), QSize(400 - i * 15, 50 + i));
        EXPECT_EQ(parallel.GetImage(i)->Picture, serial.GetImage(i)->Picture);
    }
}

TEST_F(PictureCatalogue, UndecodableAndOversizedJpegsAreSkippedWithABox)
{
    ASSERT_GT(QImageReader::allocationLimit(), 0);  // the limit is on

    WriteJpeg(Words() + "а.jpg", 20, 20);
    WriteBytes(Words() + "б.jpg", "not a jpeg");
    // A JPEG whose frame header claims 30000 × 30000 pixels: far over the allocation limit.
    QByteArray huge = Encode(Solid(16, 16, Qt::green), "JPG");
    const qsizetype sof = huge.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    huge[sof + 5] = char(0x75);
    huge[sof + 6] = char(0x30);  // height 30000
    huge[sof + 7] = char(0x75);
    huge[sof + 8] = char(0x30);  // width 30000
    WriteBytes(Words() + "в.jpg", huge);
    WriteBytes(Words() + "г.jpg", Encode(Solid(20, 20, Qt::red), "PNG"));  // not a JPEG inside
    WriteJpeg(Words() + "д.jpg", 21, 20);

    TImageCollection words(Context);
    words.LoadFromFolder("Pic/Images/Rus/");

    EXPECT_EQ(Names(words), (std::vector<AnsiString>{Cp("а"), Cp("д")}));
    const QString folder = Context.Settings.ContentFolder + "Pic/Images/Rus/";
    const QStringList expected = {
        "Ошибка чтения файла\n" + folder + "б.jpg\nне JPEG",
        "Ошибка чтения файла\n" + folder + "в.jpg\nслишком большой рисунок (30000 × 30000 точек)",
        "Ошибка чтения файла\n" + folder + "г.jpg\nне JPEG (это PNG)",
    };
    ASSERT_EQ(Dialogs.Calls.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(Dialogs.Calls[i].Title, "Кварнель");
        EXPECT_EQ(Dialogs.Calls[i].Text, expected[qsizetype(i)]);
    }
}

TEST(ImageItem, AssignCopiesNameAndSharesPixelsUntilChanged)
{
    TAppContext context;
    TImageCollection images(context);
    TImageItem* a = images.AddImage();
    TImageItem* b = images.AddImage();
    a->Name = "cat";
    a->Picture = Solid(5, 4, Qt::red);

    b->Assign(*a);
    EXPECT_EQ(b->Name, "cat");
    EXPECT_EQ(b->Picture.constBits(), a->Picture.constBits());
    b->Picture.setPixelColor(0, 0, Qt::blue);
    EXPECT_EQ(a->Picture.pixelColor(0, 0), QColor(Qt::red));

    TCollection other(TItemClass::Of<TCollectionItem>());
    TCollectionItem* foreign = other.Add();
    EXPECT_THROW(b->Assign(*foreign), EInvalidCast);
    EXPECT_THROW(images.GetImage(2), EListError);
}
