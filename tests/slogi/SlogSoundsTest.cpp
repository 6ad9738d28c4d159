// Which syllables "Слоги" offers is what the content holds: a syllable without its clip in the
// voice is left out of its lesson, a lesson left with none is left out, a missing drawn-out clip
// gives way to the plain one.
#include "slogi/SlogWorld.h"

#include <gtest/gtest.h>

TEST(SlogSounds, ASyllableWithoutItsClipIsLeftOutOfItsLesson)
{
    TSlogWorld w;
    w.PutSyllables({"ма", "мо", "ам", "са"});
    w.Put(content::layout::kSyllables + QStringLiteral("ну.mp3"), kMaleVoice);  // the other voice's only
    w.Put(content::layout::kSyllables + QStringLiteral("notes.txt"));           // no clip
    w.Scan();
    const QList<TSlogLesson> female = AvailableLessons(w.Content.Of(kFemaleVoice));
    ASSERT_EQ(female.size(), 2);
    EXPECT_EQ(female[0].Number, 0);
    EXPECT_EQ(female[0].Consonant, u'м');
    QStringList texts;
    for (const syllables::TSyllable& s : female[0].Syllables) texts << s.Text;
    EXPECT_EQ(texts, QStringList({"ма", "мо", "ам"}));  // in the lesson's order
    EXPECT_EQ(female[1].Number, 1);

    const QList<TSlogLesson> male = AvailableLessons(w.Content.Of(kMaleVoice));
    ASSERT_EQ(male.size(), 1);
    EXPECT_EQ(male[0].Consonant, u'н');
    EXPECT_EQ(male[0].Number, 2) << "a lesson keeps its number when the ones before it are left out";
    EXPECT_TRUE(w.Content.AnySyllable());
}

TEST(SlogSounds, NoSyllableClipAtAllInAnyVoice)
{
    TSlogWorld w;
    w.Put(content::layout::kWords + QStringLiteral("мама.mp3"));
    w.Put(content::layout::kDrawnOutSyllables + QStringLiteral("ма.mp3"));  // drawn out alone is no syllable
    w.Scan();
    EXPECT_FALSE(w.Content.AnySyllable());
    EXPECT_TRUE(AvailableLessons(w.Content.Of(kFemaleVoice)).isEmpty());
    EXPECT_TRUE(w.Content.Of(kFemaleVoice).Words.contains(QStringLiteral("мама")));
}

TEST(SlogSounds, PathsInTheVoiceChosenNowAndTheDrawnOutClipsFallback)
{
    TSlogWorld w;
    w.PutSyllables({"ма"});
    w.Put(content::layout::kSyllables + QStringLiteral("па.mp3"));  // no drawn-out clip
    w.Put(content::layout::kSyllables + QStringLiteral("па.mp3"), kMaleVoice);
    w.Put(content::layout::kDrawnOutSyllables + QStringLiteral("па.mp3"), kMaleVoice);
    w.Scan();
    EXPECT_EQ(w.Sounds.DrawnOut("ма"), w.DrawnOut("ма"));
    EXPECT_EQ(w.Sounds.DrawnOut("па"), w.Syllable("па"));
    EXPECT_EQ(w.Sounds.LetterSound(u'м'), w.Sound("м"));
    EXPECT_EQ(w.Sounds.Word("мама"), w.Word("мама"));
    // A word's part with a final consonant is its open syllable, then the consonant's sound.
    EXPECT_EQ(w.Sounds.Part("мон").First, w.Syllable("мо"));
    EXPECT_EQ(w.Sounds.Part("мон").Second, w.Sound("н"));
    EXPECT_EQ(w.Sounds.Part("ма").Second, QString());

    w.Context.Settings.VoiceFolder = kMaleVoice;
    EXPECT_EQ(w.Sounds.DrawnOut("па"), w.DrawnOut("па").replace(kFemaleVoice, kMaleVoice));
}
