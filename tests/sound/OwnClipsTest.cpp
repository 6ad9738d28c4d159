// What the corner lists as spoken, which layer each clip comes from, and the family's own phrases.
#include "platform/FileSystem.h"
#include "sound/OwnClips.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

namespace {

using namespace ownclips;

const QString kVoice = QStringLiteral("Женский голос");

void Put(const QString& Root, const QString& Relative)
{
    const QString path = Root + u'/' + Relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("x");
}

struct TNaming {
    const char* Text;
    const char* File;
};
class PhraseNaming : public ::testing::TestWithParam<TNaming> {};
TEST_P(PhraseNaming, WordsJoinedPunctuationDropped)
{
    EXPECT_EQ(PhraseFileName(QString::fromUtf8(GetParam().Text)), QString::fromUtf8(GetParam().File));
}
INSTANTIATE_TEST_SUITE_P(Phrases, PhraseNaming,
                         ::testing::Values(TNaming{"Так держать!", "Так_держать.mp3"},
                                           TNaming{"  Ещё   раз, ладно?  ", "Ещё_раз_ладно.mp3"},
                                           TNaming{"Молодец", "Молодец.mp3"}, TNaming{"?! …", ""}, TNaming{"", ""}));

class SpokenList : public ::testing::Test {
protected:
    QTemporaryDir FUser, FInstalled;
    QStringList Installed() const { return {FInstalled.path()}; }
};

TEST_F(SpokenList, GroupedInOrderWithTheLayerOfEachClip)
{
    Put(FInstalled.path(), QStringLiteral("Sound/Женский голос/Буквы/б.mp3"));
    Put(FInstalled.path(), QStringLiteral("Sound/Женский голос/Фразы/Правильно/Умница.mp3"));
    Put(FUser.path(), QStringLiteral("Sound/Женский голос/Фразы/Неправильно/Попробуй_ещё.mp3"));
    Put(FUser.path(), QStringLiteral("Sound/Женский голос/Звуки/б.mp3"));
    const auto clips = SpokenClips(FUser.path(), Installed(), kVoice);
    ASSERT_EQ(clips.size(), std::size_t(33 + 31 + 5 + 3 + 1 + 1 + 165 + 165 + 64));
    EXPECT_EQ(clips[1].Text, QStringLiteral("бэ"));
    EXPECT_EQ(clips[1].Source, TClipSource::Installed);
    EXPECT_EQ(clips[10].Text, QStringLiteral("и краткое"));
    EXPECT_EQ(clips[0].Source, TClipSource::None);
    EXPECT_EQ(clips[34].Text, QStringLiteral("звук б"));
    EXPECT_EQ(clips[34].Source, TClipSource::Own);
    EXPECT_EQ(clips[33 + 31 + 2].Text, QStringLiteral("Покажи букву"));
    EXPECT_EQ(clips[33 + 31 + 5].Text, QStringLiteral("Найди слог"));
    EXPECT_EQ(clips[33 + 31 + 5].Relative, QStringLiteral("Sound/Женский голос/Фразы/Найди_слог.mp3"));
    EXPECT_EQ(clips[72].Group, TClipGroup::Praise);
    EXPECT_EQ(clips[72].Text, QStringLiteral("Умница"));
    EXPECT_EQ(clips[73].Group, TClipGroup::TryAgain);
    EXPECT_EQ(clips[73].Source, TClipSource::Own);
}

// "Слоги"'s clips: where each lies, what its buttons are named for, and the lesson it folds under.
TEST_F(SpokenList, SyllablesDrawnOutAndWordsByLessonWhereTheActivityLooks)
{
    Put(FUser.path(), QStringLiteral("Sound/Мужской голос/Слоги/Протяжно/ма.mp3"));
    Put(FInstalled.path(), QStringLiteral("Sound/Мужской голос/Слоги/ма.mp3"));
    const auto clips = SpokenClips(FUser.path(), Installed(), QStringLiteral("Мужской голос"));
    const auto find = [&](const QString& Relative) {
        return std::find_if(clips.begin(), clips.end(), [&](const TSpokenClip& C) { return C.Relative == Relative; });
    };
    struct TExpected {
        const char* Relative;
        TClipGroup Group;
        const char* Text;
        const char* Written;
        int Lesson;
        TClipSource Source;
    };
    for (const TExpected& e : {
             TExpected{"Sound/Мужской голос/Слоги/ма.mp3", TClipGroup::Syllables, "слог ма", "ма", 0,
                       TClipSource::Installed},
             TExpected{"Sound/Мужской голос/Слоги/Протяжно/ма.mp3", TClipGroup::DrawnOutSyllables, "слог ма протяжно", "ма",
                       0, TClipSource::Own},
             TExpected{"Sound/Мужской голос/Слоги/ам.mp3", TClipGroup::Syllables, "слог ам", "ам", 0, TClipSource::None},
             TExpected{"Sound/Мужской голос/Слоги/щу.mp3", TClipGroup::Syllables, "слог щу", "щу", 19, TClipSource::None},
             TExpected{"Sound/Мужской голос/Слова/мама.mp3", TClipGroup::Words, "слово мама", "мама", 0, TClipSource::None},
             TExpected{"Sound/Мужской голос/Слова/щука.mp3", TClipGroup::Words, "слово щука", "щука", 19, TClipSource::None},
         }) {
        const auto clip = find(QString::fromUtf8(e.Relative));
        ASSERT_NE(clip, clips.end()) << e.Relative;
        EXPECT_EQ(clip->Group, e.Group) << e.Relative;
        EXPECT_EQ(clip->Text, QString::fromUtf8(e.Text));
        EXPECT_EQ(clip->Written, QString::fromUtf8(e.Written));
        EXPECT_EQ(clip->Lesson, e.Lesson) << e.Relative;
        EXPECT_EQ(clip->Source, e.Source) << e.Relative;
    }
    // Each group's clips come lesson by lesson, so the corner folds a lesson as one run.
    for (TClipGroup group : {TClipGroup::Syllables, TClipGroup::DrawnOutSyllables, TClipGroup::Words}) {
        int lesson = 0;
        for (const TSpokenClip& c : clips)
            if (c.Group == group) {
                EXPECT_GE(c.Lesson, lesson) << c.Text.toStdString();
                lesson = c.Lesson;
            }
        EXPECT_EQ(lesson, 19);
    }
}

TEST_F(SpokenList, RemovingTheOwnClipBringsTheInstalledOneBack)
{
    const QString relative = QStringLiteral("Sound/Женский голос/Буквы/б.mp3");
    Put(FInstalled.path(), relative);
    ASSERT_FALSE(KeepOwnClip(FUser.path(), relative, "mp3").has_value());
    Put(FUser.path(), QStringLiteral("Sound/Женский голос/Буквы/в.mp3"));
    EXPECT_EQ(SpokenClips(FUser.path(), Installed(), kVoice)[1].Source, TClipSource::Own);
    ASSERT_FALSE(RemoveOwnClip(FUser.path(), relative).has_value());
    const auto clips = SpokenClips(FUser.path(), Installed(), kVoice);
    EXPECT_EQ(clips[1].Source, TClipSource::Installed);
    EXPECT_EQ(clips[2].Source, TClipSource::Own);  // only that file went
    EXPECT_TRUE(fs::FileExists(FInstalled.path() + u'/' + relative));
}

TEST_F(SpokenList, NewPhraseIsRefusedWhenEmptyAndAsksBeforeReplacing)
{
    Put(FInstalled.path(), QStringLiteral("Sound/Женский голос/Фразы/Правильно/Так_держать.mp3"));
    EXPECT_EQ(CheckNewPhrase(FUser.path(), Installed(), kVoice, TClipGroup::Praise, QStringLiteral(" !! ")).Check,
              TNewPhrase::Empty);
    const TNewPhrase taken =
        CheckNewPhrase(FUser.path(), Installed(), kVoice, TClipGroup::Praise, QStringLiteral("Так держать!"));
    EXPECT_EQ(taken.Check, TNewPhrase::Exists);
    EXPECT_EQ(taken.Message, QStringLiteral("Заменить?"));
    const TNewPhrase fresh =
        CheckNewPhrase(FUser.path(), Installed(), kVoice, TClipGroup::TryAgain, QStringLiteral("Так держать!"));
    EXPECT_EQ(fresh.Check, TNewPhrase::Ok);
    EXPECT_EQ(fresh.Relative, QStringLiteral("Sound/Женский голос/Фразы/Неправильно/Так_держать.mp3"));
}

TEST_F(SpokenList, UnwritableUserFolderGetsOneSentence)
{
    // A file where the user's folder should be: no one, not even the superuser, can write below it.
    Put(FUser.path(), QStringLiteral("blocked"));
    const auto error = KeepOwnClip(FUser.path() + QStringLiteral("/blocked"), QStringLiteral("Sound/x.mp3"), "mp3");
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->startsWith(QStringLiteral("Не удаётся записать в папку")));
}

}  // namespace
