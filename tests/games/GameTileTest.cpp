// The letter boards of the three judging games: each hands a left click to the game joined to it.
#include "games/GameLetterPanels.h"

#include "games/GameObjects.h"
#include "letters/LetterFixture.h"
#include "support/QtPrint.h"

#include <QTest>

namespace {

// The tile of a small letter on a board.
TLetterPanel* TileOf(const TRusLetterPanelCollection& Board, unsigned char Lower)
{
    for (int i = 0; i < Board.Count(); ++i)
        if (Board.Letters->GetLetter(static_cast<unsigned short>(i))->LowerLetter == Lower)
            return Board.GetTile(static_cast<unsigned short>(i));
    return nullptr;
}

void Click(TLetterPanel* Tile)
{
    QTest::mouseClick(Tile->ClickLabel, Qt::LeftButton);
}

}  // namespace

TEST(LetterTileGames, AnExamTileAnswersWithItsOwnLetterExactly)
{
    TLetterWorld w;
    TGameObjects objects;
    LoadGameObjects(w.Context, objects);
    TRusExamLetterPanelCollection& board = *objects.ExamLetterPanels;
    board.Rebuild();
    objects.ExamGame->TargetLetter = cp1251::LetterString(code::yo);
    objects.ExamGame->Size = objects.ExamGame->Position = 1;  // last question: praise, then the end
    Click(TileOf(board, code::ye));
    EXPECT_EQ(w.Speech.Count(TSpeechCall::TryAgain), 1) << "Е is not Ё";
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Praise), 0);
    Click(TileOf(board, code::yo));
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Praise), 1);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::WellDone), 1);
}

TEST(LetterTileGames, AFindLetterTileJudgesAgainstThePicturesFirstLetter)
{
    TLetterWorld w;
    TGameObjects objects;
    LoadGameObjects(w.Context, objects);
    TRusPicLetterPanelCollection& board = *objects.PicLetterPanels;
    board.Rebuild();
    objects.PicGameBuffer->TargetLetter = cp1251::LetterString(0xE9);  // й
    Click(TileOf(board, 0xE8));                                        // и
    EXPECT_EQ(w.Speech.Count(TSpeechCall::TryAgain), 1);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Praise), 0);
    Click(TileOf(board, 0xE9));
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Praise), 1);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::TryAgain), 1);
}

TEST(LetterTileGames, AMissingLetterTileJudgesAgainstTheHiddenLetter)
{
    TLetterWorld w;
    TGameObjects objects;
    LoadGameObjects(w.Context, objects);
    TRusMakeWLetterPanelCollection& board = *objects.MakeWLetterPanels;
    board.Rebuild();
    TMakeWBuffer& game = *objects.MakeWBuffer;
    game.CurrentWord = "\xEC\xFF\xF7";  // мяч
    game.MissingPos = 2;
    Click(TileOf(board, 0xE0));
    EXPECT_EQ(w.Speech.Count(TSpeechCall::TryAgain), 1);
    Click(TileOf(board, code::ya));
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Praise), 1);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::TryAgain), 1);
}

TEST(LetterTileGames, ABoardNoGameIsJoinedToOnlyAnnouncesItsPicks)
{
    TLetterWorld w;
    TRusPicLetterPanelCollection pic(w.Context);
    pic.Rebuild();
    pic.GetTile(0)->LetterClick();
    EXPECT_TRUE(w.Speech.Calls.empty());
    std::vector<unsigned char> picked;
    pic.LetterPicked = [&](const TLetter& Letter) { picked.push_back(Letter.LowerLetter); };
    Click(pic.GetTile(1));
    pic.GetTile(0)->LetterClick();
    EXPECT_EQ(picked, (std::vector<unsigned char>{code::b, code::a}));
    EXPECT_TRUE(w.Speech.Calls.empty());
}

TEST(LetterTileGames, EveryBoardTheLoaderMakesAnnouncesItsPicksToTheProgramsAnswers)
{
    TLetterWorld w;
    TGameObjects objects;
    LoadGameObjects(w.Context, objects);
    std::vector<TAnswer> answers;
    w.Context.Answers.Listen([&](const TAnswer& a) { answers.push_back(a); });
    w.Context.Settings.LetterSetMode = lsSounds;
    objects.SndLetterPanels->Rebuild();
    w.Context.Settings.LetterSetMode = lsNames;
    objects.PicLetterPanels->Rebuild();
    objects.MakeWLetterPanels->Rebuild();
    objects.ExamLetterPanels->Rebuild();
    w.Context.Settings.LetterSetMode = lsSounds;  // as the learning board was built
    Click(TileOf(*objects.SndLetterPanels, code::b));
    objects.PicGameBuffer->PictureShown("\xEA\xEE\xF2");  // кот
    Click(TileOf(*objects.PicLetterPanels, 0xEA));
    objects.MakeWBuffer->NewWord("\xEA\xEE\xF2", 3);
    Click(TileOf(*objects.MakeWLetterPanels, 0xEA));
    objects.ExamGame->TargetLetter = cp1251::LetterString(code::yo);
    Click(TileOf(*objects.ExamLetterPanels, code::ye));

    ASSERT_EQ(answers.size(), 4u);
    EXPECT_EQ(answers[0].Game, TGameKind::gkLearning);
    EXPECT_TRUE(answers[0].Sounds);
    EXPECT_EQ(answers[0].Asked, "б");
    EXPECT_EQ(answers[0].Picked, "б");
    EXPECT_EQ(answers[1].Game, TGameKind::gkFindLetter);
    EXPECT_TRUE(answers[1].Right);
    EXPECT_EQ(answers[2].Game, TGameKind::gkMakeWord);
    EXPECT_EQ(answers[2].Asked, "т");
    EXPECT_EQ(answers[2].Position, 2);
    EXPECT_FALSE(answers[2].Right);
    EXPECT_EQ(answers[3].Game, TGameKind::gkExamination);
    EXPECT_EQ(answers[3].Picked, "е");
    EXPECT_FALSE(answers[3].Right);
}
