#include "games/ExamGame.h"

#include "games/GameObjects.h"
#include "letters/LetterFixture.h"
#include "letters/LetterPanelCollection.h"
#include "support/QtPrint.h"

#include <QTest>
#include <algorithm>
#include <set>

namespace {

// The examination board and state, as the program makes them, in a program folder of their own.
struct TExamWorld : TLetterWorld {
    TGameObjects Objects;

    TExamWorld(int Mode = lsNames)
    {
        Context.Settings.LetterSetMode = Mode;
        LoadGameObjects(Context, Objects);
        Board().Rebuild();
        Board().Shuffle();
    }

    TRusExamLetterPanelCollection& Board() { return *Objects.ExamLetterPanels; }
    TExamGame& Game() { return *Objects.ExamGame; }

    // The tile whose letter is (or is not) the one asked now.
    TLetterPanel* Tile(bool Asked)
    {
        for (int i = 0; i < Board().Count(); ++i) {
            const bool isAsked =
                cp1251::LetterString(Board().Letters->GetLetter(static_cast<unsigned short>(i))->LowerLetter) ==
                Game().TargetLetter;
            if (isAsked == Asked) return Board().GetTile(static_cast<unsigned short>(i));
        }
        return nullptr;
    }
    void Click(TLetterPanel* Tile) { QTest::mouseClick(Tile->ClickLabel, Qt::LeftButton); }

    // Answers every question right until the exam ends; returns the letters asked, in order.
    std::vector<AnsiString> PlayThrough()
    {
        std::vector<AnsiString> asked;
        for (int guard = 0; guard < 40 && Speech.Count(TSpeechCall::WellDone) == 0; ++guard) {
            asked.push_back(Game().TargetLetter);
            Click(Tile(true));
        }
        return asked;
    }
};

std::set<AnsiString> AlphabetOf(const TRusLetterCollection& Letters)
{
    std::set<AnsiString> out;
    for (int i = 0; i < Letters.Count(); ++i)
        out.insert(cp1251::LetterString(Letters.GetLetter(static_cast<unsigned short>(i))->LowerLetter));
    return out;
}

}  // namespace

TEST(ExamGame, NamesModeAsksEachOfThe33LettersExactlyOnceThenPraisesAndEnds)
{
    TExamWorld w;
    w.Game().Start();
    EXPECT_EQ(w.Game().Size, 33);
    std::vector<int> order = w.Game().Order;
    std::sort(order.begin(), order.end());
    for (int i = 0; i < 33; ++i) EXPECT_EQ(order[static_cast<size_t>(i)], i) << "Order is a permutation";

    const auto asked = w.PlayThrough();
    ASSERT_EQ(asked.size(), 33u);
    EXPECT_EQ(std::set<AnsiString>(asked.begin(), asked.end()), AlphabetOf(*w.Board().Letters));
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Pair), 33);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Praise), 33);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::WellDone), 1);
    // The last praise comes before the well-done phrase, and nothing is asked after it.
    ASSERT_GE(w.Speech.Calls.size(), 2u);
    EXPECT_EQ(w.Speech.Calls[w.Speech.Calls.size() - 2].Kind, TSpeechCall::Praise);
    EXPECT_EQ(w.Speech.Last().Kind, TSpeechCall::WellDone);
    EXPECT_EQ(w.Game().Position, 33);
}

TEST(ExamGame, SoundsModeAsks31LettersWithoutTheSigns)
{
    TExamWorld w(lsSounds);
    w.Game().Start();
    const auto asked = w.PlayThrough();
    ASSERT_EQ(asked.size(), 31u);
    const std::set<AnsiString> distinct(asked.begin(), asked.end());
    EXPECT_EQ(distinct.size(), 31u);
    EXPECT_EQ(distinct.count("\xFA"), 0u);
    EXPECT_EQ(distinct.count("\xFC"), 0u);
    for (const auto& c : w.Speech.Of(TSpeechCall::Pair)) {
        EXPECT_EQ(c.First, w.Voice() + "Фразы/Звучит_как.mp3");
        EXPECT_TRUE(c.Second.startsWith(w.Voice() + "Звуки/"));
    }
}

TEST(ExamGame, EachQuestionIsSpokenByTheTileOfItsLetterAndSaved)
{
    TExamWorld w;
    w.Game().Start();
    ASSERT_EQ(w.Speech.Count(TSpeechCall::Pair), 1);
    const int k = w.Game().Order[0];
    const TLetter& letter = *w.Board().Letters->GetLetter(static_cast<unsigned short>(k));
    EXPECT_EQ(w.Game().TargetLetter, cp1251::LetterString(letter.LowerLetter));
    EXPECT_EQ(w.Speech.Last().First, w.Voice() + "Фразы/Покажи_букву.mp3");
    EXPECT_EQ(w.Speech.Last().Second, w.Voice() + "Буквы/" + cp1251::ToUnicode(letter.SoundFileName));
    EXPECT_EQ(w.Game().PromptFirst, w.Speech.Last().First);
    EXPECT_EQ(w.Game().PromptSecond, w.Speech.Last().Second);
    EXPECT_EQ(w.Game().Position, 1);
}

TEST(ExamGame, AMissingFileLeavesItsSavedPathEmpty)
{
    TExamWorld w;
    w.Speech.Exists = [](const QString& p) { return p.endsWith("Покажи_букву.mp3"); };
    w.Game().Start();
    EXPECT_FALSE(w.Game().PromptFirst.isEmpty());
    EXPECT_TRUE(w.Game().PromptSecond.isEmpty());
}

TEST(ExamGame, AWrongPickNeverAdvancesNorRepeatsTheQuestion)
{
    TExamWorld w;
    w.Game().Start();
    const AnsiString target = w.Game().TargetLetter;
    const QString first = w.Game().PromptFirst, second = w.Game().PromptSecond;
    for (int n = 0; n < 5; ++n) w.Click(w.Tile(false));
    EXPECT_EQ(w.Speech.Count(TSpeechCall::TryAgain), 5);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Pair), 1) << "the question is not spoken again by itself";
    EXPECT_EQ(w.Game().TargetLetter, target);
    EXPECT_EQ(w.Game().Position, 1);
    EXPECT_EQ(w.Game().PromptFirst, first);
    EXPECT_EQ(w.Game().PromptSecond, second);
    // Still every letter to find.
    const auto asked = w.PlayThrough();
    EXPECT_EQ(asked.size(), 33u);
}

TEST(ExamGame, AnswersCompareTheSmallLetterByteExactly)
{
    TExamWorld w;
    w.Game().TargetLetter = "\xB8";  // ё
    w.Game().Size = 5;
    w.Game().Position = 2;
    w.Game().Answer(0xE5);  // е
    w.Game().Answer(0xA8);  // Ё, the capital
    EXPECT_EQ(w.Speech.Count(TSpeechCall::TryAgain), 2);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Praise), 0);
}

TEST(ExamGame, AnExamOnAnEmptyBoardEndsAtOnce)
{
    TLetterWorld w;
    TGameObjects objects;
    LoadGameObjects(w.Context, objects);
    objects.ExamGame->Start();
    EXPECT_EQ(objects.ExamGame->Size, 0);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Pair), 0);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::WellDone), 1);
}
