// The generator: a tree made from the tables passes the checker, and a second run redoes only what
// changed.
#include "app/ContentCheck.h"
#include "content/ContentData.h"
#include "content/ContentGenerator.h"
#include "content/SpeechFinish.h"
#include "core/Loudness.h"
#include "platform/audio/Mp3Decoder.h"
#include "support/QtPrint.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <QDir>
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
    return {Dir.path(), Dir.filePath(QStringLiteral("cache")), true, QString()};
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
    for (const QString& file : TContentGenerator(tables, {root, QString(), true, QString()}).PlannedFiles())
        EXPECT_TRUE(QFileInfo::exists(root + file)) << file.toStdString();
}

// A committed clip is copied as it is; a clip the repository lacks is said by eSpeak NG, finished
// to the same targets, and a note and the credits say so.
TEST(ContentGenerator, MissingCommittedClipIsSaidByEspeakAndNoted)
{
    QTemporaryDir dir, speech;
    const QString committed = QStringLiteral("Женский голос/Фразы/Буква.mp3");
    ASSERT_TRUE(QDir(speech.path()).mkpath(QStringLiteral("Женский голос/Фразы")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KV_CONTENT_DATA "/speech/") + committed, speech.filePath(committed)));
    QFile record(speech.filePath(QStringLiteral("clips.txt"))), voices(speech.filePath(QStringLiteral("voices.txt")));
    ASSERT_TRUE(record.open(QIODevice::WriteOnly) && voices.open(QIODevice::WriteOnly));
    record.write((committed + QStringLiteral("\tRHVoice\tanna\t1.8.0\t65\tБуква\twhole\n")).toUtf8());
    voices.write("anna\tLGPL-2.1-or-later\tOlga Yakovleva\n");
    record.close();
    voices.close();

    TGeneratorOptions options = Offline(dir);
    options.SpeechFolder = speech.path();
    const TGeneratorReport report = TContentGenerator(SmallTables(), options).Run();
    ASSERT_TRUE(report.Ok()) << report.Errors.join(u'\n').toStdString();
    EXPECT_THAT(report.Notes, ::testing::Contains(BeginsWith("3 of 4 clips not in the repository's speech folder, said "
                                                             "by eSpeak NG")));
    QFile copied(dir.filePath(QStringLiteral("Sound/") + committed)), original(speech.filePath(committed));
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), original.readAll());

    QFile credits(dir.filePath(TContentGenerator::CreditsName()));
    ASSERT_TRUE(credits.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(credits.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("RHVoice")) && text.contains(QStringLiteral("LGPL-2.1-or-later")));
    EXPECT_TRUE(text.contains(QStringLiteral("eSpeak NG")));

    const TMp3Result fallback = Mp3DecodeFile(dir.filePath(QStringLiteral("Sound/Женский голос/Буквы/ъ.mp3")));
    ASSERT_TRUE(fallback.Ok());
    const loudness::TClipMeasure m =
        loudness::Measure(loudness::ToMonoFloat(fallback.Sound.Samples, fallback.Sound.Channels), fallback.Sound.SampleRate);
    EXPECT_NEAR(m.LoudnessDb, TSpeechLevels::kLoudnessDb, 0.5);
    EXPECT_LE(m.LeadingSilence, TSpeechLevels::kMaxLeadSeconds);
    EXPECT_LE(m.TrailingSilence, TSpeechLevels::kMaxTailSeconds);
    EXPECT_LE(m.PeakDb, TSpeechLevels::kMaxPeakDb);
}
