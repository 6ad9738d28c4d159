// The generator: a tree made from the tables passes the checker, and a second run redoes only what
// changed.
#include "app/ContentCheck.h"
#include "content/ContentData.h"
#include "content/ContentGenerator.h"
#include "platform/Mp3Decoder.h"
#include "support/QtPrint.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace content;

MATCHER_P(BeginsWith, Prefix, "a line beginning with " + std::string(Prefix))
{
    return arg.startsWith(QString::fromUtf8(Prefix));
}

namespace {
TContentData SmallTables()
{
    TContentData d;
    d.Voices = {{QStringLiteral("Женский голос"), QStringLiteral("ru+f3")}};
    d.Letters = {{QStringLiteral("а"),
                  QStringLiteral("А"),
                  QStringLiteral("vowel"),
                  QStringLiteral("[['A:]]"),
                  QStringLiteral("'AAA"),
                  QStringLiteral("арбуз"),
                  {QStringLiteral("watermelon"), QStringLiteral("1f349")}},
                 {QStringLiteral("ъ"),
                  QStringLiteral("Ъ"),
                  QStringLiteral("sign"),
                  QStringLiteral("твёрдый знак"),
                  QString(),
                  QStringLiteral("подъём"),
                  {QStringLiteral("crane"), QStringLiteral("1f3d7")}}};
    d.Phrases = {{QStringLiteral("Буква.mp3"), QStringLiteral("Буква")}};
    d.Words = {{QStringLiteral("кот"), {QStringLiteral("cat"), QStringLiteral("1f408")}},
               {QStringLiteral("ёж"), {QStringLiteral("hedgehog"), QStringLiteral("1f994")}}};
    d.Pages = {{QStringLiteral("Животные"), QStringLiteral("кот"), {QStringLiteral("cat"), QStringLiteral("1f408")}}};
    return d;
}

TGeneratorOptions Offline(const QTemporaryDir& Dir)
{
    return {Dir.path(), Dir.filePath(QStringLiteral("cache")), true};
}
}  // namespace

TEST(ContentGenerator, SecondRunRedoesOnlyWhatChangedAndRemovesWhatWentAway)
{
    QTemporaryDir dir;
    TContentData tables = SmallTables();
    // 2 names + 1 sound + 1 phrase + 2 cards + 2 words + 1 page
    TGeneratorReport first = TContentGenerator(tables, Offline(dir)).Run();
    ASSERT_TRUE(first.Ok()) << first.Errors.join(u'\n').toStdString();
    EXPECT_EQ(first.Planned, 9);
    EXPECT_EQ(first.Made, 9);
    EXPECT_EQ(first.PictureSource, QStringLiteral("noto-color-emoji"));
    const QString root = dir.path() + u'/';
    EXPECT_TRUE(QFileInfo::exists(root + QStringLiteral("Sound/Женский голос/Буквы/ъ.mp3")));
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("Sound/Женский голос/Звуки/ъ.mp3")));
    EXPECT_TRUE(QFileInfo::exists(root + QStringLiteral("Pic/Raskraska/Животные/кот.flim")));
    EXPECT_TRUE(QFile(root + TContentGenerator::CreditsName()).size() > 0);

    EXPECT_EQ(TContentGenerator(tables, Offline(dir)).Run().Made, 0);

    tables.Phrases[0].Text = QStringLiteral("Это буква");
    tables.Words.removeLast();
    QFile::remove(root + QStringLiteral("Pic/Images/Rus/кот.jpg"));  // a file lost by hand is made again
    const TGeneratorReport third = TContentGenerator(tables, Offline(dir)).Run();
    EXPECT_EQ(third.Made, 2);
    EXPECT_EQ(third.Removed, 1);
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("Pic/Images/Rus/ёж.jpg")));
    EXPECT_TRUE(QFileInfo::exists(root + QStringLiteral("Pic/Images/Rus/кот.jpg")));
}

TEST(ContentGenerator, VowelNamesAreStretchedAndClipsAre44kHzMono)
{
    QTemporaryDir dir;
    ASSERT_TRUE(TContentGenerator(SmallTables(), Offline(dir)).Run().Ok());
    const TMp3Result name = Mp3DecodeFile(dir.filePath(QStringLiteral("Sound/Женский голос/Буквы/а.mp3")));
    ASSERT_TRUE(name.Ok()) << name.Describe().toStdString();
    EXPECT_EQ(name.Sound.SampleRate, 44100);
    EXPECT_EQ(name.Sound.Channels, 1);
    EXPECT_GE(name.Sound.Seconds(), 0.45);
    const TMp3Result sign = Mp3DecodeFile(dir.filePath(QStringLiteral("Sound/Женский голос/Буквы/ъ.mp3")));
    ASSERT_TRUE(sign.Ok());
    EXPECT_GT(sign.Sound.Seconds(), 0.5) << "\"твёрдый знак\" is two words";
}

TEST(ContentGenerator, UnknownPictureIsAnErrorNotABlankFile)
{
    QTemporaryDir dir;
    TContentData tables = SmallTables();
    tables.Words = {{QStringLiteral("кит"), {QStringLiteral("whale"), QStringLiteral("e000")}}};  // private use: no emoji
    const TGeneratorReport report = TContentGenerator(tables, Offline(dir)).Run();
    EXPECT_THAT(report.Errors, ::testing::Contains(BeginsWith("Pic/Images/Rus/кит.jpg: ")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("Pic/Images/Rus/кит.jpg"))));
}

// The tree the build wrote beside the program.
TEST(GeneratedContent, BuildTreePassesTheChecker)
{
    const QString root = QStringLiteral(KV_BUILD_TREE "/");
    ASSERT_TRUE(QFileInfo::exists(root + QStringLiteral("Sound"))) << "the build did not generate the content";
    EXPECT_THAT(TContentChecker(root).Problems(), ::testing::IsEmpty());
    QString error;
    const TContentData tables = TContentData::Load(QStringLiteral(KV_CONTENT_DATA), error);
    for (const QString& file : TContentGenerator(tables, {root, QString(), true}).PlannedFiles())
        EXPECT_TRUE(QFileInfo::exists(root + file)) << file.toStdString();
}
