// The content check: a complete tree passes, every kind of broken tree is reported by path, and a
// parent's own folder over the installed content is checked as the program would read it.
#include "app/ContentCheck.h"
#include "content/ContentData.h"
#include "content/PcmClip.h"
#include "content/PictureMaker.h"
#include "content/SpeechSynthesizer.h"
#include "core/ContentLayout.h"
#include "support/QtPrint.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>

using namespace content;

MATCHER_P(BeginsWith, Prefix, "a line beginning with " + std::string(Prefix))
{
    return arg.startsWith(QString::fromUtf8(Prefix));
}
using ::testing::Contains;
using ::testing::IsEmpty;

namespace {

// One short tone as MP3, made once and copied wherever the tree needs a sound.
const QByteArray& ToneMp3()
{
    static const QByteArray mp3 = [] {
        QTemporaryDir dir;
        TPcmClip tone{44100, {}};
        for (int i = 0; i < 8000; ++i) tone.Samples.push_back(0.3f * float(std::sin(i * 0.05)));
        QFile wav(dir.filePath(QStringLiteral("t.wav")));
        wav.open(QIODevice::WriteOnly);
        wav.write(WriteWav(tone));
        wav.close();
        QString error;
        EXPECT_TRUE(RunTool(QStringLiteral("lame"),
                            {QStringLiteral("--quiet"), wav.fileName(), dir.filePath(QStringLiteral("t.mp3"))}, error))
            << error.toStdString();
        QFile mp3File(dir.filePath(QStringLiteral("t.mp3")));
        mp3File.open(QIODevice::ReadOnly);
        return mp3File.readAll();
    }();
    return mp3;
}

class ContentCheckerTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    QString Root = Dir.path() + u'/';

    void Put(const QString& RelPath, const QByteArray& Bytes)
    {
        QDir().mkpath(QFileInfo(Root + RelPath).path());
        QFile f(Root + RelPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Bytes);
    }

    void SetUp() override
    {
        QImage small(40, 30, QImage::Format_RGB32);
        small.fill(Qt::darkGreen);
        const QByteArray jpeg = JpegBytes(small);
        QImage page(64, 90, QImage::Format_Mono);
        page.fill(0);
        const QByteArray flim = StoredColouringPage(page);

        for (const QString& voice : layout::kVoiceFolders) {
            const QString v = layout::kSoundRoot + voice + u'/';
            for (QChar letter : kSmallLetters) {
                Put(v + layout::kLetterNames + letter + QStringLiteral(".mp3"), ToneMp3());
                if (!layout::kSilentLetters.contains(letter))
                    Put(v + layout::kLetterSounds + letter + QStringLiteral(".mp3"), ToneMp3());
            }
            for (const QString& phrase : layout::kNamedPhrases) Put(v + layout::kPhrases + phrase, ToneMp3());
            Put(v + layout::kPraise + QStringLiteral("Молодец.mp3"), ToneMp3());
            Put(v + layout::kTryAgain + QStringLiteral("Ещё_раз.mp3"), ToneMp3());
        }
        for (QChar letter : kSmallLetters) Put(layout::kLetterPictures + letter + QStringLiteral(".jpg"), jpeg);
        Put(layout::kWordPictures + QStringLiteral("ёж.jpg"), jpeg);
        Put(layout::kWordPictures + QStringLiteral("кот.02.jpg"), jpeg);  // the name ends at the first "."
        Put(layout::kColouringRoot + QStringLiteral("Еда/торт.flim"), flim);
    }

    QStringList Problems() const { return TContentChecker(Root).Problems(); }
};

}  // namespace

TEST_F(ContentCheckerTest, CompleteTreePasses)
{
    EXPECT_THAT(Problems(), IsEmpty());
}

TEST_F(ContentCheckerTest, MissingVoiceFolderAndMissingFilesAreReported)
{
    ASSERT_TRUE(QDir(Root + QStringLiteral("Sound/Мужской голос")).removeRecursively());
    QFile::remove(Root + QStringLiteral("Sound/Женский голос/Звуки/щ.mp3"));
    QFile::remove(Root + QStringLiteral("Sound/Женский голос/Фразы/Звучит_как.mp3"));
    QFile::remove(Root + QStringLiteral("Pic/Alphabet/Rus/ё.jpg"));
    const QStringList problems = Problems();
    EXPECT_THAT(problems, Contains(BeginsWith("Sound/Мужской голос/: нет папки голоса")));
    EXPECT_THAT(problems, Contains(BeginsWith("Sound/Женский голос/Звуки/щ.mp3: нет файла")));
    EXPECT_THAT(problems, Contains(BeginsWith("Sound/Женский голос/Фразы/Звучит_как.mp3: нет файла")));
    EXPECT_THAT(problems, Contains(BeginsWith("Pic/Alphabet/Rus/ё.jpg: нет картинки буквы")));
    EXPECT_EQ(problems.size(), 4) << problems.join(u'\n').toStdString();
}

TEST_F(ContentCheckerTest, SoundsThatDoNotDecodeAreReported)
{
    Put(QStringLiteral("Sound/Женский голос/Буквы/а.mp3"), QByteArray(3000, 'x'));
    Put(QStringLiteral("Sound/Мужской голос/Фразы/Правильно/Ура.mp3"), QByteArray());
    const QStringList problems = Problems();
    EXPECT_THAT(problems, Contains(BeginsWith("Sound/Женский голос/Буквы/а.mp3: ")));
    EXPECT_THAT(problems, Contains(BeginsWith("Sound/Мужской голос/Фразы/Правильно/Ура.mp3: ")));
    EXPECT_EQ(problems.size(), 2) << problems.join(u'\n').toStdString();
}

TEST_F(ContentCheckerTest, EmptyOrMissingPraiseAndTryAgainFoldersAreReported)
{
    QFile::remove(Root + QStringLiteral("Sound/Женский голос/Фразы/Правильно/Молодец.mp3"));
    ASSERT_TRUE(QDir(Root + QStringLiteral("Sound/Мужской голос/Фразы/Неправильно")).removeRecursively());
    const QStringList problems = Problems();
    EXPECT_THAT(problems, Contains(BeginsWith("Sound/Женский голос/Фразы/Правильно/: в папке нет ни одной фразы")));
    EXPECT_THAT(problems, Contains(BeginsWith("Sound/Мужской голос/Фразы/Неправильно/: нет папки")));
    EXPECT_EQ(problems.size(), 2) << problems.join(u'\n').toStdString();
}

TEST_F(ContentCheckerTest, BrokenClipsOfTheSyllablesAreReportedAndTheirQuestionsOnceThereAreSyllables)
{
    const QString female = QStringLiteral("Sound/Женский голос/"), male = QStringLiteral("Sound/Мужской голос/");
    for (const QString& clip :
         {QStringLiteral("Слоги/ма.mp3"), QStringLiteral("Слоги/Протяжно/ма.mp3"), QStringLiteral("Слова/мама.mp3")}) {
        Put(female + clip, ToneMp3());
        Put(male + clip, ToneMp3());
    }
    for (const QString& phrase : layout::kSyllablePhrases) {
        Put(female + layout::kPhrases + phrase, ToneMp3());
        Put(male + layout::kPhrases + phrase, ToneMp3());
    }
    EXPECT_THAT(Problems(), IsEmpty()) << "a voice with a few syllables is whole";

    Put(female + QStringLiteral("Слоги/мо.mp3"), QByteArray(3000, 'x'));
    Put(female + QStringLiteral("Слоги/Протяжно/мо.mp3"), QByteArray());
    Put(male + QStringLiteral("Слова/лиса.mp3"), ToneMp3().left(ToneMp3().size() / 3));
    QFile::remove(Root + male + layout::kPhrases + layout::kFindSyllablePhrase);
    QFile::remove(Root + male + layout::kPhrases + layout::kReadWordPhrase);
    const QStringList problems = Problems();
    EXPECT_THAT(problems, Contains(BeginsWith("Sound/Женский голос/Слоги/мо.mp3: ")));
    EXPECT_THAT(problems, Contains(BeginsWith("Sound/Женский голос/Слоги/Протяжно/мо.mp3: ")));
    EXPECT_THAT(problems, Contains(BeginsWith("Sound/Мужской голос/Слова/лиса.mp3: MP3 обрезан")));
    // The male voice has syllables but lacks two of their questions.
    EXPECT_THAT(problems, Contains(BeginsWith("Sound/Мужской голос/Фразы/Найди_слог.mp3: нет файла")));
    EXPECT_THAT(problems, Contains(BeginsWith("Sound/Мужской голос/Фразы/Прочитай_слово.mp3: нет файла")));
    EXPECT_EQ(problems.size(), 5) << problems.join(u'\n').toStdString();
}

TEST_F(ContentCheckerTest, BrokenAndUnanswerableWordPicturesAreReported)
{
    const QByteArray jpeg = [] {
        QImage i(8, 8, QImage::Format_RGB32);
        i.fill(Qt::red);
        return JpegBytes(i);
    }();
    Put(QStringLiteral("Pic/Images/Rus/лук.jpg"), "not a jpeg");
    Put(QStringLiteral("Pic/Images/Rus/йо-йо.jpg"), jpeg);
    Put(QStringLiteral("Pic/Images/Rus/Кит.jpg"), jpeg);
    Put(QStringLiteral("Pic/Images/Rus/котjpeg"), jpeg);  // listed, but its name is empty
    // A й stored decomposed (и + combining breve) is still one of the 33 letters to the program.
    Put(QStringLiteral("Pic/Images/Rus/чаи\u0306.jpg"), jpeg);
    const QStringList problems = Problems();
    EXPECT_THAT(problems, Contains(BeginsWith("Pic/Images/Rus/лук.jpg: не читается как картинка JPEG")));
    EXPECT_THAT(problems, Contains(BeginsWith("Pic/Images/Rus/йо-йо.jpg: слово до первой точки")));
    EXPECT_THAT(problems, Contains(BeginsWith("Pic/Images/Rus/Кит.jpg: слово до первой точки")));
    EXPECT_THAT(problems, Contains(BeginsWith("Pic/Images/Rus/котjpeg: слово до первой точки")));
    EXPECT_EQ(problems.size(), 4) << problems.join(u'\n').toStdString();
}

TEST_F(ContentCheckerTest, ColouringPagesThatDoNotUnscrambleAndEmptyThemesAreReported)
{
    QImage page(64, 90, QImage::Format_Mono);
    page.fill(0);
    QByteArray plainBmp = StoredColouringPage(page);
    for (int i = 0; i < 5; ++i) plainBmp[i] = char(quint8(plainBmp[i]) - 10);  // stored without scrambling
    Put(QStringLiteral("Pic/Raskraska/Еда/суп.flim"), plainBmp);
    Put(QStringLiteral("Pic/Raskraska/Еда/хлеб.flim"), "LW");
    QDir().mkpath(Root + QStringLiteral("Pic/Raskraska/Пусто"));
    const QStringList problems = Problems();
    EXPECT_THAT(problems, Contains(BeginsWith("Pic/Raskraska/Еда/суп.flim: не читается как раскраска")));
    EXPECT_THAT(problems, Contains(BeginsWith("Pic/Raskraska/Еда/хлеб.flim: не читается как раскраска")));
    EXPECT_THAT(problems, Contains(BeginsWith("Pic/Raskraska/Пусто/: в теме нет ни одной раскраски")));
    EXPECT_EQ(problems.size(), 3) << problems.join(u'\n').toStdString();
}

TEST_F(ContentCheckerTest, MissingPictureFoldersAreReported)
{
    ASSERT_TRUE(QDir(Root + QStringLiteral("Pic")).removeRecursively());
    const QStringList problems = Problems();
    EXPECT_THAT(problems, Contains(BeginsWith("Pic/Images/Rus/: нет папки")));
    EXPECT_THAT(problems, Contains(BeginsWith("Pic/Raskraska/: нет папки")));
    EXPECT_THAT(problems, Contains(BeginsWith("Pic/Alphabet/Rus/а.jpg: нет картинки буквы")));
}

TEST_F(ContentCheckerTest, AParentsFolderOverTheInstalledOneIsCheckedAsTheProgramReadsIt)
{
    QTemporaryDir user;
    const QString own = user.path() + u'/';
    // The parent's recording hides a broken installed one; their own broken picture is named in full.
    Put(QStringLiteral("Sound/Женский голос/Буквы/а.mp3"), QByteArray(3000, 'x'));
    QDir().mkpath(own + QStringLiteral("Sound/Женский голос/Буквы"));
    QDir().mkpath(own + layout::kWordPictures);
    QFile good(own + QStringLiteral("Sound/Женский голос/Буквы/а.mp3"));
    ASSERT_TRUE(good.open(QIODevice::WriteOnly));
    good.write(ToneMp3());
    good.close();
    QFile bad(own + layout::kWordPictures + QStringLiteral("кот.jpg"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a jpeg");
    bad.close();

    const QStringList problems = TContentChecker(TContentRoots({own, Root})).Problems();
    EXPECT_THAT(
        problems,
        Contains(BeginsWith((own + layout::kWordPictures + QStringLiteral("кот.jpg: не читается")).toStdString().c_str())));
    EXPECT_EQ(problems.size(), 1) << problems.join(u'\n').toStdString();
}

TEST(ContentCheckerNoContent, NoRootAtAllIsOneProblemNamingTheFoldersSearched)
{
    const QStringList problems = TContentChecker(TContentRoots()).Problems();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains(QStringLiteral("не найдено")));
}

TEST_F(ContentCheckerTest, ACutShortSoundAndANameTheProgramCannotOpenAreReported)
{
    Put(QStringLiteral("Sound/Женский голос/Буквы/б.mp3"), ToneMp3().left(ToneMp3().size() / 3));
    // A word picture whose name is not UTF-8 (a Windows-1251 "кот"): the program cannot list it.
    const QByteArray raw = QFile::encodeName(Root + layout::kWordPictures) + QByteArray("\xea\xee\xf2.jpg");
    FILE* file = std::fopen(raw.constData(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("x", file);
    std::fclose(file);
    const QStringList problems = Problems();
    EXPECT_THAT(problems, Contains(BeginsWith("Sound/Женский голос/Буквы/б.mp3: MP3 обрезан")));
    EXPECT_THAT(problems, Contains(BeginsWith((Root + layout::kWordPictures +
                                               QStringLiteral("\\xea\\xee\\xf2.jpg: имя файла не в кодировке UTF-8"))
                                                  .toStdString()
                                                  .c_str())));
    EXPECT_EQ(problems.size(), 2) << problems.join(u'\n').toStdString();
}
