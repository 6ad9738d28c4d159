#include "letters/Letter.h"

#include "support/QtPrint.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A program folder of its own with an (initially empty) letter picture folder.
struct TLetterFolder {
    QTemporaryDir Dir;
    TSettings Settings = TSettings::ForProgramFolder(Dir.path() + "/");

    TLetterFolder() { QDir(Dir.path()).mkpath("Pic/Alphabet/Rus"); }

    QString PictureOf(unsigned char Lower) const { return TLetterCollection::PictureFileName(Settings, Lower); }

    void WritePicture(unsigned char Lower, QColor Colour, QSize Size = {40, 30}) const
    {
        QImage img(Size, QImage::Format_RGB32);
        img.fill(Colour);
        ASSERT_TRUE(img.save(PictureOf(Lower), "JPG"));
    }
};

std::string Lowers(const TLetterCollection& c)
{
    std::string s;
    for (int i = 0; i < c.Count(); ++i) s += char(c.GetLetter(static_cast<unsigned short>(i))->LowerLetter);
    return s;
}

}  // namespace

TEST(LetterTable, NamesModeHoldsTheWholeAlphabetWithYoAfterYe)
{
    TLetterFolder f;
    TRusLetterCollection c(f.Settings);
    c.MakeLetters();
    ASSERT_EQ(c.Count(), 33);
    EXPECT_EQ(c.GetLetter(5)->UpperLetter, 0xC5);
    EXPECT_EQ(c.GetLetter(6)->UpperLetter, 0xA8);  // Ё
    EXPECT_EQ(c.GetLetter(6)->LowerLetter, 0xB8);
    EXPECT_EQ(c.GetLetter(7)->LowerLetter, 0xE6);   // Ж
    EXPECT_EQ(c.GetLetter(27)->UpperLetter, 0xDA);  // Ъ
    EXPECT_EQ(c.GetLetter(28)->UpperLetter, 0xDB);  // Ы
    EXPECT_EQ(c.GetLetter(29)->UpperLetter, 0xDC);  // Ь
    EXPECT_EQ(c.GetLetter(32)->LowerLetter, 0xFF);  // я
    // Every capital pairs with its small letter, and the table holds 10 vowels, 21 consonants, 2 signs.
    int kinds[3] = {0, 0, 0};
    for (int i = 0; i < 33; ++i) {
        const TLetter* l = c.GetLetter(static_cast<unsigned short>(i));
        EXPECT_EQ(QString(cp1251::ToUnicode(l->UpperLetter)).toLower(), QString(cp1251::ToUnicode(l->LowerLetter))) << i;
        ++kinds[l->LetterKind];
        EXPECT_TRUE(l->SoundFileName.empty()) << "MakeLetters leaves the sound names alone";
    }
    EXPECT_EQ(kinds[lkVowel], 10);
    EXPECT_EQ(kinds[lkConsonant], 21);
    EXPECT_EQ(kinds[lkSign], 2);
    EXPECT_EQ(c.GetLetter(10)->LetterKind, lkConsonant) << "Й";
    EXPECT_EQ(c.GetLetter(28)->LetterKind, lkVowel) << "Ы";
}

TEST(LetterTable, SoundsModeDropsTheTwoSigns)
{
    TLetterFolder f;
    f.Settings.LetterSetMode = lsSounds;
    TRusLetterCollection c(f.Settings);
    c.MakeLetters();
    ASSERT_EQ(c.Count(), 31);
    EXPECT_EQ(c.GetLetter(6)->LowerLetter, 0xB8);
    EXPECT_EQ(c.GetLetter(26)->UpperLetter, 0xD9);  // Щ
    EXPECT_EQ(c.GetLetter(27)->UpperLetter, 0xDB);  // Ы
    EXPECT_EQ(c.GetLetter(28)->UpperLetter, 0xDD);  // Э
    EXPECT_EQ(c.GetLetter(29)->UpperLetter, 0xDE);  // Ю
    EXPECT_EQ(c.GetLetter(30)->UpperLetter, 0xDF);  // Я
    EXPECT_EQ(Lowers(c).find('\xFA'), std::string::npos);
    EXPECT_EQ(Lowers(c).find('\xFC'), std::string::npos);
}

TEST(LetterTable, AnUnknownModeGivesAnEmptyCatalogueAndEmptiesAFullOne)
{
    TLetterFolder f;
    TRusLetterCollection c(f.Settings);
    c.BuildAlphabet();
    ASSERT_EQ(c.Count(), 33);
    for (int mode : {0, 3, -1}) {
        f.Settings.LetterSetMode = mode;
        c.BuildAlphabet();
        EXPECT_EQ(c.Count(), 0) << mode;
    }
}

TEST(LetterTable, SoundFileNamesAreTheSmallLetterAndMp3)
{
    TLetterFolder f;
    TRusLetterCollection c(f.Settings);
    c.BuildAlphabet();
    EXPECT_EQ(c.GetLetter(0)->SoundFileName, std::string("\xE0.mp3"));
    EXPECT_EQ(c.GetLetter(6)->SoundFileName, std::string("\xB8.mp3"));
    EXPECT_EQ(c.GetLetter(32)->SoundFileName, std::string("\xFF.mp3"));
}

TEST(LetterCollection, GetLetterOutsideTheListIsAListError)
{
    TLetterFolder f;
    TRusLetterCollection c(f.Settings);
    EXPECT_THROW(c.GetLetter(0), EListError);
    c.MakeLetters();
    EXPECT_NO_THROW(c.GetLetter(32));
    EXPECT_THROW(c.GetLetter(33), EListError);
    TLetter* added = c.AddLetter();
    EXPECT_EQ(added->Index(), 33);
    EXPECT_EQ(added->LowerLetter, 0);
    EXPECT_TRUE(added->Picture.isNull());
}

TEST(LetterPictures, AreReadByTheSmallLettersUtf8NameAndMissingOnesStayEmpty)
{
    TLetterFolder f;
    EXPECT_TRUE(f.PictureOf(0xB8).endsWith("Pic/Alphabet/Rus/ё.jpg")) << f.PictureOf(0xB8).toStdString();
    f.WritePicture(0xE0, Qt::red);             // а
    f.WritePicture(0xB8, Qt::blue, {64, 48});  // ё
    TRusLetterCollection c(f.Settings);
    c.BuildAlphabet();
    ASSERT_EQ(c.Count(), 33);
    EXPECT_EQ(c.GetLetter(0)->Picture.size(), QSize(40, 30));
    EXPECT_GT(qRed(c.GetLetter(0)->Picture.pixel(20, 15)), 200);
    EXPECT_EQ(c.GetLetter(6)->Picture.size(), QSize(64, 48));
    EXPECT_GT(qBlue(c.GetLetter(6)->Picture.pixel(20, 15)), 200);
    EXPECT_TRUE(c.GetLetter(5)->Picture.isNull()) << "е has no file; ё's must not be taken for it";
    EXPECT_TRUE(c.GetLetter(1)->Picture.isNull());
}

TEST(LetterPictures, AMissingFolderLeavesEveryPictureEmpty)
{
    QTemporaryDir dir;
    TSettings s = TSettings::ForProgramFolder(dir.path() + "/");
    TRusLetterCollection c(s);
    EXPECT_TRUE(c.LoadPictures());
    c.BuildAlphabet();
    ASSERT_EQ(c.Count(), 33);
    for (int i = 0; i < 33; ++i) EXPECT_TRUE(c.GetLetter(static_cast<unsigned short>(i))->Picture.isNull());
}

TEST(LetterPictures, AFileThatDoesNotDecodeReachesTheCallerAndEarlierLettersStay)
{
    TLetterFolder f;
    f.WritePicture(0xE0, Qt::red);
    QFile broken(f.PictureOf(0xE2));  // в
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a jpeg at all");
    broken.close();
    TRusLetterCollection c(f.Settings);
    EXPECT_THROW(c.BuildAlphabet(), EPictureDecodeError);
    ASSERT_EQ(c.Count(), 33);
    EXPECT_FALSE(c.GetLetter(0)->Picture.isNull());
    EXPECT_EQ(c.GetLetter(0)->SoundFileName, std::string("\xE0.mp3"));
}

TEST(LetterPictures, ACatalogueKeepingNoPicturesStillStopsAtAFileThatDoesNotDecode)
{
    TLetterFolder f;
    f.WritePicture(0xE0, Qt::red);
    TRusLetterCollection c(f.Settings);
    c.KeepPictures = false;
    c.BuildAlphabet();
    EXPECT_TRUE(c.GetLetter(0)->Picture.isNull());
    QFile broken(f.PictureOf(0xE2));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a jpeg at all");
    broken.close();
    EXPECT_THROW(c.BuildAlphabet(), EPictureDecodeError);
}

TEST(LetterAssign, CopiesEveryFieldAndPictureContentNotTheObject)
{
    TLetterFolder f;
    f.WritePicture(0xE0, Qt::red);
    TRusLetterCollection c(f.Settings);
    c.BuildAlphabet();
    TLetter* a = c.GetLetter(0);
    TLetter* b = c.GetLetter(27);  // Ъ, a sign
    b->Assign(*a);
    EXPECT_EQ(b->UpperLetter, 0xC0);
    EXPECT_EQ(b->LowerLetter, 0xE0);
    EXPECT_EQ(b->SoundFileName, a->SoundFileName);
    EXPECT_EQ(b->LetterKind, lkVowel);
    EXPECT_EQ(b->Index(), 27) << "the object stays where it was";
    ASSERT_EQ(b->Picture, a->Picture);
    // Painting one picture afterwards leaves the other as it was.
    b->Picture.fill(Qt::black);
    EXPECT_GT(qRed(a->Picture.pixel(1, 1)), 200);
    a->Picture.setPixel(0, 0, qRgb(0, 255, 0));
    EXPECT_EQ(b->Picture.pixel(0, 0), qRgb(0, 0, 0));
}

TEST(LetterAssign, FromAnotherItemClassIsAnInvalidCast)
{
    TLetterFolder f;
    TRusLetterCollection c(f.Settings);
    TLetter* l = c.AddLetter();
    TCollectionItem other(nullptr);
    EXPECT_THROW(l->Assign(other), EInvalidCast);
}
