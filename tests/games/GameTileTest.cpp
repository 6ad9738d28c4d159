// The letter tiles of the three judging games: each hands a left click to its own game.
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

TEST(LetterTileGames, ChoiceTilesOnAForeignBoardAreAnInvalidCast)
{
    TLetterWorld w;
    TRusLetterPanelCollection pic(w.Context, TItemClass::Of<TPicLetterPanel>());
    TRusLetterPanelCollection makeW(w.Context, TItemClass::Of<TMakeWLetterPanel>());
    pic.Rebuild();
    makeW.Rebuild();
    EXPECT_THROW(pic.GetTile(0)->LetterClick(), EInvalidCast);
    EXPECT_THROW(makeW.GetTile(0)->LetterClick(), EInvalidCast);
    TRusLetterPanelCollection plain(w.Context, TItemClass::Of<TLetterPanel>());
    plain.Rebuild();
    plain.GetTile(0)->LetterClick();
    EXPECT_TRUE(w.Speech.Calls.empty());
}
