// The three exercises' rules through their states: what is asked and said, in order; right and
// wrong picks and what they announce; the praise that waits for its phrase; the end of a round.
#include "slogi/SlogBuildGame.h"
#include "slogi/SlogFindGame.h"
#include "slogi/SlogReadGame.h"
#include "slogi/SlogWorld.h"

#include <gtest/gtest.h>

using syllables::TSyllable;

namespace {

const TSpeechCall::TKind kFile = TSpeechCall::File, kPair = TSpeechCall::Pair, kPraise = TSpeechCall::Praise,
                         kTryAgain = TSpeechCall::TryAgain, kWellDone = TSpeechCall::WellDone;

// What was said since the last look, as "kind first second" lines, the paths shortened to their
// last two parts ("Слоги/ма.mp3").
QStringList Said(TFakeSpeech& Speech)
{
    static const char* kinds[] = {"file", "pair", "praise", "try again", "well done"};
    const auto tail = [](const QString& Path) { return Path.section(u'/', -2); };
    QStringList lines;
    for (const TSpeechCall& c : Speech.Calls)
        lines << (QString::fromLatin1(kinds[c.Kind]) + u' ' + tail(c.First) + u' ' + tail(c.Second)).trimmed();
    Speech.Calls.clear();
    return lines;
}

struct SlogFind : ::testing::Test {
    TSlogWorld W;
    TSlogFindGame Game{W.Context, W.Sounds};
    QList<TSlogLesson> Lessons;

    void SetUp() override
    {
        W.PutLessons(2);
        W.Scan();
        Lessons = AvailableLessons(W.Sounds.Clips());
        Game.Draw = W.Draw();
        QList<TSyllable> near;
        for (const TSlogLesson& l : std::as_const(Lessons)) near += l.Syllables;
        Game.Start(Lessons[0], near);
    }
    TSyllable Wrong() const
    {
        for (const TSyllable& s : Game.Tiles())
            if (s != Game.Wanted()) return s;
        return {};
    }
    void AnswerRight()
    {
        Game.Pick(Game.Wanted());
        W.Speech.EndSound();
    }
};

}  // namespace

TEST_F(SlogFind, AsksEachSyllableOfTheLessonWithItsPhraseAndTwoTiles)
{
    EXPECT_EQ(Game.QuestionCount(), Lessons[0].Syllables.size());
    EXPECT_EQ(Said(W.Speech), QStringList{"pair Фразы/Найди_слог.mp3 Слоги/" + Game.Wanted().Text + ".mp3"});
    ASSERT_EQ(Game.Tiles().size(), 2);
    EXPECT_TRUE(Game.Tiles().contains(Game.Wanted()));
    Game.Repeat();
    EXPECT_EQ(Said(W.Speech), QStringList{"pair Фразы/Найди_слог.mp3 Слоги/" + Game.Wanted().Text + ".mp3"});

    QSet<QString> asked;
    for (int i = 0; i < Game.QuestionCount(); ++i) {
        asked << Game.Wanted().Text;
        AnswerRight();
    }
    QSet<QString> lesson;
    for (const TSyllable& s : Lessons[0].Syllables) lesson << s.Text;
    EXPECT_EQ(asked, lesson);
}

TEST_F(SlogFind, AWrongPickKeepsTheQuestionAndSaysTheSyllableAfterTheTryAgainPhrase)
{
    Said(W.Speech);
    const TSyllable wanted = Game.Wanted();
    const QList<TSyllable> tiles = Game.Tiles();
    Game.Pick(Wrong());
    EXPECT_EQ(Said(W.Speech), QStringList{"try again"});
    W.Speech.EndSound();
    EXPECT_EQ(Said(W.Speech), QStringList{"file Слоги/" + wanted.Text + ".mp3"});
    EXPECT_EQ(Game.Wanted(), wanted);
    EXPECT_EQ(Game.Tiles(), tiles);

    Game.Pick(wanted);
    ASSERT_EQ(W.Answers.size(), 2u);
    const TAnswer& wrong = W.Answers[0];
    EXPECT_EQ(wrong.Game, TGameKind::gkSyllables);
    EXPECT_EQ(wrong.Exercise, TSyllableMode::smFindSyllable);
    EXPECT_EQ(wrong.Asked, wanted.Text);
    EXPECT_EQ(wrong.Picked, tiles[0] == wanted ? tiles[1].Text : tiles[0].Text);
    EXPECT_FALSE(wrong.Right);
    EXPECT_TRUE(wrong.FirstTry);
    EXPECT_TRUE(W.Answers[1].Right);
    EXPECT_FALSE(W.Answers[1].FirstTry);
    EXPECT_EQ(W.Answers[1].Word, QString());
}

TEST_F(SlogFind, TheNextQuestionComesWhenThePraiseEndsAndPicksMeanwhileDoNotCount)
{
    Said(W.Speech);
    const TSyllable first = Game.Wanted();
    Game.Pick(first);
    EXPECT_EQ(Said(W.Speech), QStringList{"praise"});
    EXPECT_TRUE(Game.Praising());
    // A double tap: the second press lands while the praise is said.
    Game.Pick(first);
    Game.Pick(Wrong());
    Game.Repeat();
    EXPECT_EQ(W.Answers.size(), 1u);
    EXPECT_TRUE(Said(W.Speech).isEmpty());
    EXPECT_EQ(Game.Question(), 0);

    W.Speech.EndSound();
    EXPECT_EQ(Game.Question(), 1);
    EXPECT_FALSE(Game.Praising());
    EXPECT_EQ(Said(W.Speech), QStringList{"pair Фразы/Найди_слог.mp3 Слоги/" + Game.Wanted().Text + ".mp3"});
}

TEST_F(SlogFind, TheStagesGrowWithRightFirstPicksAndShrinkWithAWrongOne)
{
    const int counts[] = {2, 2, 2, 3, 3, 3, 4};
    for (int expected : counts) {
        EXPECT_EQ(Game.Tiles().size(), expected) << "question " << Game.Question();
        AnswerRight();
    }
    ASSERT_EQ(Game.Stage(), TFindStage::fsFourNear);
    Game.Pick(Wrong());
    W.Speech.EndSound();
    EXPECT_EQ(Game.Tiles().size(), 4) << "the question asked keeps its tiles";
    AnswerRight();
    EXPECT_EQ(Game.Tiles().size(), 3);
}

TEST_F(SlogFind, TheLastRightPickEndsTheRoundWithTheWellDonePhrase)
{
    const int count = Game.QuestionCount();
    for (int i = 0; i + 1 < count; ++i) AnswerRight();
    Said(W.Speech);
    Game.Pick(Game.Wanted());
    EXPECT_FALSE(Game.Finished()) << "the praise first";
    W.Speech.EndSound();
    EXPECT_TRUE(Game.Finished());
    EXPECT_EQ(Said(W.Speech), QStringList({"praise", "well done"}));
    Game.Pick(Game.Wanted());
    EXPECT_EQ(int(W.Answers.size()), count);
}

TEST_F(SlogFind, APraiseEndingAfterTheChildHasLeftOrAnotherLessonBegunAsksNothing)
{
    bool shown = true;
    Game.OnScreen = [&] { return shown; };
    Game.Pick(Game.Wanted());
    shown = false;
    Said(W.Speech);
    W.Speech.EndSound();
    EXPECT_TRUE(Said(W.Speech).isEmpty());

    shown = true;
    Game.Start(Lessons[1], {});
    Game.Pick(Game.Wanted());
    Game.Start(Lessons[2], {});  // during the praise
    EXPECT_EQ(Game.Question(), 0);
    EXPECT_FALSE(Game.Praising());
    Said(W.Speech);
    W.Speech.EndSound();
    EXPECT_TRUE(Said(W.Speech).isEmpty());
    EXPECT_EQ(Game.Question(), 0);
}

// --- "Собери слог" ---

namespace {

struct SlogBuild : ::testing::Test {
    TSlogWorld W;
    TSlogBuildGame Game{W.Context, W.Sounds};
    QList<TSlogLesson> Lessons;
    std::vector<TSlogFusion> Fusions;

    void SetUp() override
    {
        W.PutLessons(8);  // м с н л ш х р п т
        W.Scan();
        Lessons = AvailableLessons(W.Sounds.Clips());
        Game.Draw = W.Draw();
        Game.Joined = [this](const TSlogFusion& F) { Fusions.push_back(F); };
    }
    void Press(const char* Letters)
    {
        for (QChar c : QString::fromUtf8(Letters)) Game.Press(c);
    }
};

}  // namespace

TEST_F(SlogBuild, TheLessonsLettersAndTheConsonantOfTheLessonBefore)
{
    Game.Start(Lessons[0], Lessons);
    EXPECT_EQ(Game.Consonants(), QStringLiteral("м"));
    EXPECT_EQ(Game.Vowels(), QStringLiteral("аоуыяёюие"));
    Game.Start(Lessons[7], Lessons);
    EXPECT_EQ(Game.Consonants(), QStringLiteral("пр"));
}

TEST_F(SlogBuild, ALetterAloneSaysItsSoundAndAConsonantThenAVowelJoin)
{
    Game.Start(Lessons[0], Lessons);
    Press("м");
    EXPECT_EQ(Said(W.Speech), QStringList{"file Звуки/м.mp3"});
    EXPECT_EQ(Game.Slots(), QStringLiteral("м"));
    EXPECT_TRUE(Fusions.empty());

    Press("а");
    EXPECT_EQ(Game.Slots(), QStringLiteral("ма"));
    ASSERT_EQ(Fusions.size(), 1u);
    EXPECT_EQ(Fusions[0].Syllable, Syl("ма"));
    EXPECT_EQ(Fusions[0].From, 0);  // from the held consonant to the vowel
    EXPECT_EQ(Fusions[0].To, 1);
    EXPECT_EQ(Said(W.Speech), QStringList{"pair Протяжно/ма.mp3 Слоги/ма.mp3"});
    EXPECT_TRUE(Game.Joining());
    Press("мо");  // nothing while the syllable is said
    EXPECT_TRUE(Said(W.Speech).isEmpty());
    W.Speech.EndSound();
    EXPECT_FALSE(Game.Joining());
    EXPECT_TRUE(W.Answers.empty()) << "free building is judged by no one";

    Press("о");
    EXPECT_EQ(Game.Slots(), QStringLiteral("о"));
    EXPECT_EQ(Said(W.Speech), QStringList{"file Звуки/о.mp3"});
}

TEST_F(SlogBuild, AStopsRunnerStartsAtTheVowelAndAClosedSyllableIsBuiltVowelFirst)
{
    Game.Start(Lessons[7], Lessons);  // п, with р before it
    Press("па");
    ASSERT_EQ(Fusions.size(), 1u);
    EXPECT_EQ(Fusions[0].From, 1);
    EXPECT_EQ(Fusions[0].To, kStopRunEnd);
    W.Speech.EndSound();
    Press("ра");
    EXPECT_EQ(Fusions.back().From, 0) << "р can be held";
    W.Speech.EndSound();

    Game.Start(Lessons[0], Lessons);
    Said(W.Speech);
    Press("ам");
    EXPECT_EQ(Game.Slots(), QStringLiteral("ам"));
    EXPECT_EQ(Fusions.back().Syllable, Syl("ам"));
    EXPECT_EQ(Fusions.back().From, 0);
    EXPECT_EQ(Said(W.Speech), QStringList({"file Звуки/а.mp3", "pair Протяжно/ам.mp3 Слоги/ам.mp3"}));
}

TEST_F(SlogBuild, WithoutItsDrawnOutClipASyllableIsSaidPlainTwice)
{
    QFile::remove(W.DrawnOut("мо"));
    W.Scan();
    Game.Start(Lessons[0], Lessons);
    Press("мо");
    EXPECT_EQ(Said(W.Speech).last(), QStringLiteral("pair Слоги/мо.mp3 Слоги/мо.mp3"));
}

TEST_F(SlogBuild, TasksJudgeEachSyllableBuiltOnceItHasBeenSaid)
{
    Game.Start(Lessons[0], Lessons);
    Game.StartTasks();
    const TSyllable task = Game.Task();
    EXPECT_EQ(Said(W.Speech), QStringList{"pair Фразы/Собери_слог.mp3 Слоги/" + task.Text + ".mp3"});
    // A wrong syllable first.
    const QString wrong = task.Text == QStringLiteral("мы") ? QStringLiteral("ма") : QStringLiteral("мы");
    Press(wrong.toUtf8().constData());
    EXPECT_TRUE(W.Answers.empty()) << "not before the syllable is said";
    W.Speech.EndSound();
    ASSERT_EQ(W.Answers.size(), 1u);
    EXPECT_EQ(W.Answers[0].Asked, task.Text);
    EXPECT_EQ(W.Answers[0].Exercise, TSyllableMode::smBuildSyllable);
    EXPECT_EQ(W.Answers[0].Picked, wrong);
    EXPECT_FALSE(W.Answers[0].Right);
    Said(W.Speech);
    W.Speech.EndSound();  // the try-again phrase
    EXPECT_EQ(Said(W.Speech), QStringList{"file Слоги/" + task.Text + ".mp3"});

    Press(task.Text.toUtf8().constData());
    W.Speech.EndSound();
    ASSERT_EQ(W.Answers.size(), 2u);
    EXPECT_TRUE(W.Answers[1].Right);
    EXPECT_FALSE(W.Answers[1].FirstTry);
    EXPECT_TRUE(Game.Praising());
    Press("м");
    EXPECT_EQ(Said(W.Speech), QStringList({"file Звуки/" + task.Text.left(1) + ".mp3",
                                           "pair Протяжно/" + task.Text + ".mp3 Слоги/" + task.Text + ".mp3", "praise"}));
    W.Speech.EndSound();
    EXPECT_EQ(Game.Question(), 1);
    EXPECT_EQ(Said(W.Speech), QStringList{"pair Фразы/Собери_слог.mp3 Слоги/" + Game.Task().Text + ".mp3"});
}

// --- "Читаем слова" ---

namespace {

struct SlogRead : ::testing::Test {
    TSlogWorld W;
    TSlogReadGame Game{W.Context, W.Sounds};

    void SetUp() override
    {
        W.PutLessons(2);  // м с н: мама; мыс сом сам; нос сон сын
        W.Scan();
        Game.Draw = W.Draw();
    }
};

}  // namespace

TEST_F(SlogRead, TheLessonsWordsComeFirstThenEarlierOnes)
{
    Game.Start(2, {});
    ASSERT_EQ(Game.QuestionCount(), 7);
    QStringList words;
    for (int i = 0; i < Game.QuestionCount(); ++i) {
        words << Game.Word().Text;
        Game.Next();
    }
    EXPECT_EQ(QStringList(words.mid(0, 3)), QStringList({"нос", "сон", "сын"}));
    EXPECT_TRUE(Game.Finished());
    EXPECT_EQ(Said(W.Speech).last(), QStringLiteral("well done"));
}

TEST_F(SlogRead, ASyllableOrTheWholeWordIsSaidOnAClick)
{
    QFile::remove(W.Word("мыс"));  // a word without its clip is not read
    W.Scan();
    Game.Start(1, {});
    ASSERT_EQ(Game.QuestionCount(), 3);
    EXPECT_EQ(Said(W.Speech), QStringList{"file Фразы/Прочитай_слово.mp3"});
    while (Game.Word().Text != QStringLiteral("сом")) Game.Next();
    Said(W.Speech);
    Game.SayPart(0);
    Game.SayWord();
    EXPECT_EQ(Said(W.Speech), QStringList({"pair Слоги/со.mp3 Звуки/м.mp3", "file Слова/сом.mp3"}));
    Game.Start(0, {});
    ASSERT_EQ(Game.Word().Text, QStringLiteral("мама"));
    Game.SayPart(1);
    Game.SayPart(2);  // there is no third
    EXPECT_EQ(Said(W.Speech).last(), QStringLiteral("file Слоги/ма.mp3"));
}

TEST_F(SlogRead, AWordWithAPictureIsAskedAmongThreePictures)
{
    Game.Start(0, {"кот", "мама", "арбуз", "лук"});
    ASSERT_TRUE(Game.Asked());
    ASSERT_EQ(Game.Choices().size(), 3);
    EXPECT_TRUE(Game.Choices().contains(QStringLiteral("мама")));
    Game.Next();
    EXPECT_EQ(Game.Question(), 0) << "an asked word is answered, not passed";
    const QString other = Game.Choices()[0] == QStringLiteral("мама") ? Game.Choices()[1] : Game.Choices()[0];
    Said(W.Speech);
    Game.Pick(other);
    EXPECT_EQ(Said(W.Speech), QStringList{"try again"});
    W.Speech.EndSound();
    Game.Pick(QStringLiteral("мама"));
    ASSERT_EQ(W.Answers.size(), 2u);
    EXPECT_EQ(W.Answers[0].Asked, QStringLiteral("мама"));
    EXPECT_EQ(W.Answers[0].Picked, other);
    EXPECT_EQ(W.Answers[0].Word, QStringLiteral("мама"));
    EXPECT_EQ(W.Answers[0].Exercise, TSyllableMode::smReadWords);
    EXPECT_TRUE(W.Answers[1].Right);
    Game.SayWord();  // nothing while the praise is said
    EXPECT_EQ(Said(W.Speech), QStringList{"praise"});
    W.Speech.EndSound();
    EXPECT_TRUE(Game.Finished());
}

TEST_F(SlogRead, AWordWithoutAPictureIsReadButNotAsked)
{
    Game.Start(2, {"нос"});
    ASSERT_EQ(Game.Word().Text, QStringLiteral("нос"));
    EXPECT_EQ(Game.Choices(), QStringList{"нос"}) << "no other picture to stand beside it";
    Game.Pick(QStringLiteral("нос"));
    W.Speech.EndSound();
    ASSERT_EQ(Game.Word().Text, QStringLiteral("сон"));
    EXPECT_FALSE(Game.Asked());
    Game.Pick(QStringLiteral("нос"));
    EXPECT_EQ(W.Answers.size(), 1u);
    Game.Next();
    EXPECT_EQ(Game.Word().Text, QStringLiteral("сын"));
}
