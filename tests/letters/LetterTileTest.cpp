#include "letters/LetterPanelCollection.h"

#include "app/LoadGameObjects.h"
#include "games/ExamGame.h"
#include "games/MakeWBuffer.h"
#include "games/PicGameBuffer.h"
#include "letters/LetterFixture.h"
#include "support/QtPrint.h"

#include <QLabel>
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

void Click(TLetterPanel* Tile, Qt::MouseButton Button = Qt::LeftButton)
{
    QTest::mouseClick(Tile->ClickLabel, Button);
}

}  // namespace

TEST(LetterTile, AnyButtonSinksTheTileButOnlyALeftClickRunsIt)
{
    TLetterWorld w;
    TRusSndLetterPanelCollection board(w.Context);
    board.Rebuild();
    TLetterPanel* tile = board.GetTile(0);
    EXPECT_FALSE(tile->Panel->BevelOuter() == TBevel::Lowered);
    QTest::mousePress(tile->ClickLabel, Qt::RightButton);
    EXPECT_TRUE(tile->Panel->BevelOuter() == TBevel::Lowered);
    QTest::mouseRelease(tile->ClickLabel, Qt::RightButton);
    EXPECT_FALSE(tile->Panel->BevelOuter() == TBevel::Lowered);
    EXPECT_TRUE(w.Speech.Calls.empty()) << "a right click speaks nothing";

    // A left press released outside the tile is no click either.
    QTest::mousePress(tile->ClickLabel, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(tile->ClickLabel, Qt::LeftButton, {}, QPoint(500, 500));
    EXPECT_FALSE(tile->Panel->BevelOuter() == TBevel::Lowered);
    EXPECT_TRUE(w.Speech.Calls.empty());

    Click(tile);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Pair), 1);
}

TEST(LetterTile, TheClickLabelLiesOverThePictureOverTheCaption)
{
    TLetterWorld w;
    TRusSndLetterPanelCollection board(w.Context);
    board.Rebuild();
    const QList<QWidget*> stack = board.GetTile(0)->Panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(stack.size(), 3);
    EXPECT_EQ(stack[0], static_cast<QWidget*>(board.GetTile(0)->LetterLabel));
    EXPECT_EQ(stack[1], static_cast<QWidget*>(board.GetTile(0)->Image));
    EXPECT_EQ(stack[2], static_cast<QWidget*>(board.GetTile(0)->ClickLabel));
    EXPECT_EQ(board.GetTile(0)->ClickLabel->cursor().shape(), Qt::PointingHandCursor);
}

TEST(LetterTileSpeech, TellPlaysTheLeadInAndTheLettersFileOfTheModeAndVoice)
{
    TLetterWorld w;
    TRusSndLetterPanelCollection board(w.Context);
    board.Rebuild();
    Click(board.GetTile(0));  // А, names, female
    ASSERT_EQ(w.Speech.Calls.size(), 1u);
    EXPECT_EQ(w.Speech.Last().First, w.Voice() + "Фразы/Буква.mp3");
    EXPECT_EQ(w.Speech.Last().Second, w.Voice() + "Буквы/а.mp3");

    // The mode and voice are read at each click, not when the board was built.
    w.Context.Settings.LetterSetMode = lsSounds;
    w.Context.Settings.VoiceFolder = kMaleVoice;
    Click(board.GetTile(6));  // Ё
    EXPECT_EQ(w.Speech.Last().First, w.Voice(kMaleVoice) + "Фразы/Звук.mp3");
    EXPECT_EQ(w.Speech.Last().Second, w.Voice(kMaleVoice) + "Звуки/ё.mp3");
    EXPECT_TRUE(w.Voice(kMaleVoice).startsWith(w.Dir.path() + "/Sound/"));
}

TEST(LetterTileSpeech, AskUsesTheQuestionPhrasesAndOtherPurposesOrModesPlayNothing)
{
    TLetterWorld w;
    TRusSndLetterPanelCollection board(w.Context);
    board.Rebuild();
    auto* ya = static_cast<TSndLetterPanel*>(board.GetTile(32));
    ya->SayLetter(TSndLetterPanel::spAsk);
    EXPECT_EQ(w.Speech.Last().First, w.Voice() + "Фразы/Покажи_букву.mp3");
    EXPECT_EQ(w.Speech.Last().Second, w.Voice() + "Буквы/я.mp3");
    w.Context.Settings.LetterSetMode = lsSounds;
    ya->SayLetter(TSndLetterPanel::spAsk);
    EXPECT_EQ(w.Speech.Last().First, w.Voice() + "Фразы/Звучит_как.mp3");
    EXPECT_EQ(w.Speech.Last().Second, w.Voice() + "Звуки/я.mp3");

    ya->SayLetter(3);
    ya->SayLetter(0);
    w.Context.Settings.LetterSetMode = 0;
    ya->SayLetter(TSndLetterPanel::spTell);
    EXPECT_EQ(w.Speech.Calls.size(), 2u);
}

TEST(LetterTileGames, AnExamTileAnswersWithItsOwnLetterExactly)
{
    TLetterWorld w;
    LoadGameObjects(w.Context);
    TRusExamLetterPanelCollection& board = *w.Context.Objects.ExamLetterPanels;
    board.Rebuild();
    w.Context.Objects.ExamGame->TargetLetter = cp1251::LetterString(code::yo);
    w.Context.Objects.ExamGame->Size = w.Context.Objects.ExamGame->Position = 1;  // last question: praise, then the end
    Click(TileOf(board, code::ye));
    EXPECT_EQ(w.Speech.Count(TSpeechCall::TryAgain), 1) << "Е is not Ё";
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Praise), 0);
    Click(TileOf(board, code::yo));
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Praise), 1);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::WellDone), 1);
    FreeGameObjects(w.Context);
}

TEST(LetterTileGames, AFindLetterTileJudgesAgainstThePicturesFirstLetter)
{
    TLetterWorld w;
    LoadGameObjects(w.Context);
    TRusPicLetterPanelCollection& board = *w.Context.Objects.PicLetterPanels;
    board.Rebuild();
    w.Context.Objects.PicGameBuffer->TargetLetter = cp1251::LetterString(0xE9);  // й
    Click(TileOf(board, 0xE8));  // и
    EXPECT_EQ(w.Speech.Count(TSpeechCall::TryAgain), 1);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Praise), 0);
    Click(TileOf(board, 0xE9));
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Praise), 1);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::TryAgain), 1);
    FreeGameObjects(w.Context);
}

TEST(LetterTileGames, AMissingLetterTileJudgesAgainstTheHiddenLetter)
{
    TLetterWorld w;
    LoadGameObjects(w.Context);
    TRusMakeWLetterPanelCollection& board = *w.Context.Objects.MakeWLetterPanels;
    board.Rebuild();
    TMakeWBuffer& game = *w.Context.Objects.MakeWBuffer;
    game.CurrentWord = "\xEC\xFF\xF7";  // мяч
    game.MissingPos = 2;
    Click(TileOf(board, 0xE0));
    EXPECT_EQ(w.Speech.Count(TSpeechCall::TryAgain), 1);
    Click(TileOf(board, code::ya));
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Praise), 1);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::TryAgain), 1);
    FreeGameObjects(w.Context);
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
