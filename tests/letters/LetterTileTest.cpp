#include "letters/LetterPanelCollection.h"

#include "letters/LetterFixture.h"
#include "support/QtPrint.h"

#include <QLabel>
#include <QTest>

namespace {

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
