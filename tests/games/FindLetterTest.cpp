// "Найди букву" played through the main window: opening, judging, moving on, the end of a game,
// and a folder without pictures.
#include "games/PictureGameForm.h"
#include "support/QtPrint.h"
#include "support/TestForm.h"

#include "platform/widgets/Image.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/RichEdit.h"
#include "platform/widgets/ScrollBox.h"

#include <gtest/gtest.h>

namespace {

using TKind = TSpeechCall::TKind;

struct FindLetterGame : ::testing::Test {
    std::unique_ptr<TPictureGameForm> W;
    TFirstLImgPanelCollection* Strip = nullptr;
    TRusPicLetterPanelCollection* Row = nullptr;
    TPicGameBuffer* Game = nullptr;

    void Open(const std::vector<const char*>& Words, bool MakeFolder = true)
    {
        W = std::make_unique<TPictureGameForm>(Words, MakeFolder);
        Strip = W->Objects().FirstLImgPanels.get();
        Row = W->Objects().PicLetterPanels.get();
        Game = W->Objects().PicGameBuffer.get();
        Named<QAction>(*W->Form, "FindLetter")->trigger();
        FinishPictureReading(W->Form->Objects);
    }
    // A left click on the letter tile of this small letter.
    void Pick(const char* Small) { TPictureGameForm::LetterTile(*Row, Small)->LetterClick(); }
    void Show(const char* Word) { TPictureGameForm::TileNamed(*Strip, Word)->PictureClick(); }
    int VisibleTiles() const
    {
        int n = 0;
        for (int i = 0; i < Strip->Count(); ++i) n += Strip->GetTile(i)->IsTileVisible();
        return n;
    }
};

}  // namespace

TEST_F(FindLetterGame, OpeningShowsEveryPictureAndMakesTheFirstCurrent)
{
    Open({"арбуз", "банан", "вишня", "груша", "дыня"});
    TTestForm& f = *W->Form;

    EXPECT_EQ(f.Context().Settings.LetterSetMode, lsNames);
    ASSERT_EQ(Row->Count(), 33);
    EXPECT_EQ(Row->GetTile(0)->Panel->parentWidget(), Named<TPanel>(f, "LetersPicPanel"));
    EXPECT_EQ(Row->GetTile(0)->LetterLabel->text(), "А");
    EXPECT_TRUE(Row->GetTile(0)->Image->Picture().isNull());  // captions only

    ASSERT_EQ(Strip->Count(), 5);
    EXPECT_TRUE(Strip->Loaded);
    EXPECT_EQ(VisibleTiles(), 5);
    EXPECT_EQ(Strip->GetTile(0)->Panel()->parentWidget(), Named<TScrollBox>(f, "ImgScrollBox")->Content());
    EXPECT_EQ(Strip->SelectedIndex, 0);
    EXPECT_EQ(Game->TargetLetter, Strip->GetTile(0)->Name.substr(0, 1));
    EXPECT_EQ(Named<TImage>(f, "BigImage")->Picture().size(), Strip->GetTile(0)->Image()->Picture().size());
    EXPECT_TRUE(W->Speech.Calls.empty());  // nothing is said when a picture is shown
    EXPECT_TRUE(W->Dialogs.Calls.empty());

    EXPECT_TRUE(Named<TPanel>(f, "RulesPanel")->isVisible());
    EXPECT_EQ(Named<TRichEdit>(f, "RichEdit1")->toPlainText(),
              "Ребенку нужно найти букву с которой начинается \nслово изображенное на рисунке и нажать на нее.");
}

TEST_F(FindLetterGame, LettersAreJudgedExactlyByTheirSmallForm)
{
    Open({"ёлка", "ель", "йод", "игла", "Юла"});

    struct TCase {
        const char* Word;
        const char* Right;
        const char* Near;
    };
    for (const TCase& c :
         {TCase{"ёлка", "ё", "е"}, TCase{"ель", "е", "ё"}, TCase{"йод", "й", "и"}, TCase{"игла", "и", "й"}}) {
        Show(c.Word);
        W->Speech.Calls.clear();
        Pick(c.Near);
        EXPECT_EQ(W->Speech.Count(TKind::TryAgain), 1) << c.Word;
        EXPECT_EQ(W->Speech.Count(TKind::Praise), 0) << c.Word;
        // A wrong pick leaves the picture, the target and the strip as they were.
        EXPECT_EQ(Strip->GetTile(Strip->SelectedIndex)->Name, Cp(c.Word));
        EXPECT_EQ(Game->TargetLetter, Cp(c.Right));
        EXPECT_EQ(VisibleTiles(), 5);
    }

    // A name that begins with a capital can never be answered right.
    Show("Юла");
    W->Speech.Calls.clear();
    for (int i = 0; i < Row->Count(); ++i) Row->GetTile(static_cast<unsigned short>(i))->LetterClick();
    EXPECT_EQ(W->Speech.Count(TKind::TryAgain), 33);
    EXPECT_EQ(W->Speech.Count(TKind::Praise), 0);

    Show("ёлка");
    Pick("ё");
    EXPECT_EQ(W->Speech.Count(TKind::Praise), 1);
    EXPECT_EQ(VisibleTiles(), 4);
}

TEST_F(FindLetterGame, RightAnswerMovesOnAfterThePraiseBoxIsClosed)
{
    Open({"арбуз", "банан", "вишня"});
    Show("банан");
    const int solved = Strip->SelectedIndex;
    bool stillCurrentWhileBoxUp = false;
    W->Speech.WhilePraiseBoxUp = [&] {
        stillCurrentWhileBoxUp = Strip->SelectedIndex == solved && Strip->GetTile(solved)->IsTileVisible();
    };
    Pick("б");

    EXPECT_TRUE(stillCurrentWhileBoxUp);
    EXPECT_FALSE(Strip->GetTile(solved)->IsTileVisible());
    ASSERT_GE(Strip->SelectedIndex, 0);
    EXPECT_NE(Strip->SelectedIndex, solved);
    // The next one: the first visible tile after the solved one, wrapping to the start.
    const int expected = solved + 1 < Strip->Count() ? solved + 1 : 0;
    EXPECT_EQ(Strip->SelectedIndex, expected);
    EXPECT_EQ(Game->TargetLetter, Strip->GetTile(expected)->Name.substr(0, 1));
    EXPECT_EQ(Named<TImage>(*W->Form, "BigImage")->Picture().size(), Strip->GetTile(expected)->Image()->Picture().size());
}

TEST_F(FindLetterGame, LastRightAnswerPraisesThenSaysWellDoneAndANewGameShowsEverythingAgain)
{
    Open({"арбуз", "банан"});
    TTestForm& f = *W->Form;
    // The program's speech ends a game on the start screen; nothing may cover it afterwards.
    W->Speech.OnWellDone = [&] { f.StartPanelShowExecute(); };
    Show("арбуз");
    Pick("а");
    Pick("б");
    EXPECT_EQ(Named<TPanel>(f, "GamesPanel")->children().last(), Named<TPanel>(f, "StartPanel"));
    EXPECT_FALSE(Named<TPanel>(f, "GenderVoiceRadioPanel")->isVisible());

    ASSERT_GE(W->Speech.Calls.size(), 3u);
    const auto n = W->Speech.Calls.size();
    EXPECT_EQ(W->Speech.Calls[n - 3].Kind, TKind::Praise);
    EXPECT_EQ(W->Speech.Calls[n - 2].Kind, TKind::Praise);
    EXPECT_EQ(W->Speech.Calls[n - 1].Kind, TKind::WellDone);
    EXPECT_EQ(W->Speech.Count(TKind::WellDone), 1);
    EXPECT_EQ(Strip->SelectedIndex, -1);
    EXPECT_EQ(VisibleTiles(), 0);

    // Again: the pictures are not read a second time and the row is not rebuilt.
    W->Speech.OnWellDone = nullptr;
    TLetterPanel* firstLetter = Row->GetTile(0);
    QDir(W->WordsFolder()).removeRecursively();
    Named<QAction>(*W->Form, "FindLetter")->trigger();
    FinishPictureReading(W->Form->Objects);
    EXPECT_EQ(Named<TPanel>(f, "GamesPanel")->children().last(), Named<TPanel>(f, "RulesPanel"));
    EXPECT_TRUE(W->Dialogs.Calls.empty());
    EXPECT_EQ(Row->GetTile(0), firstLetter);
    ASSERT_EQ(Strip->Count(), 2);
    EXPECT_EQ(VisibleTiles(), 2);
    EXPECT_EQ(Strip->SelectedIndex, 0);
    EXPECT_EQ(Game->TargetLetter, Strip->GetTile(0)->Name.substr(0, 1));
}

TEST_F(FindLetterGame, WithoutPicturesThereIsNoCurrentPictureAndEveryPickIsWrong)
{
    Open({}, false);
    ASSERT_EQ(W->Dialogs.Calls.size(), 1u);
    EXPECT_EQ(W->Dialogs.Calls[0].Title, "Кварнель");
    EXPECT_EQ(W->Dialogs.Calls[0].Text, "Директория " + W->WordsFolder() + " не существует.");
    EXPECT_EQ(Strip->Count(), 0);
    EXPECT_FALSE(Strip->Loaded) << "a folder that gave nothing is read again next time";
    EXPECT_EQ(Strip->SelectedIndex, -1);
    EXPECT_TRUE(Named<TImage>(*W->Form, "BigImage")->Picture().isNull());
    EXPECT_TRUE(Game->TargetLetter.empty());

    Pick("а");
    Pick("я");
    EXPECT_EQ(W->Speech.Count(TKind::TryAgain), 2);
    EXPECT_EQ(W->Speech.Count(TKind::Praise), 0);

    // Each opening says again what is missing; once a parent has made the folder, the game plays.
    Named<QAction>(*W->Form, "FindLetter")->trigger();
    FinishPictureReading(W->Form->Objects);
    EXPECT_EQ(W->Dialogs.Calls.size(), 2u);
    ASSERT_TRUE(QDir().mkpath(W->WordsFolder()));
    testpics::WriteJpeg(W->WordsFolder() + "кот.jpg", 30, 30);
    Named<QAction>(*W->Form, "FindLetter")->trigger();
    FinishPictureReading(W->Form->Objects);
    EXPECT_EQ(W->Dialogs.Calls.size(), 2u);
    EXPECT_EQ(Strip->Count(), 1);
    EXPECT_EQ(Strip->SelectedIndex, 0);
}

TEST(FindLetterNameless, PictureWithoutANameCannotBeAnswered)
{
    TPictureGameForm w({});
    testpics::WriteJpeg(w.WordsFolder() + "котjpeg", 30, 30);  // listed, but its name is empty
    Named<QAction>(*w.Form, "FindLetter")->trigger();
    FinishPictureReading(w.Form->Objects);

    TFirstLImgPanelCollection& strip = *w.Objects().FirstLImgPanels;
    ASSERT_EQ(strip.Count(), 1);
    EXPECT_TRUE(strip.GetTile(0)->Name.empty());
    EXPECT_TRUE(w.Objects().PicGameBuffer->TargetLetter.empty());
    EXPECT_EQ(Named<TImage>(*w.Form, "BigImage")->Picture().size(), QSize(30, 30));
    for (int i = 0; i < 33; ++i) w.Objects().PicLetterPanels->GetTile(static_cast<unsigned short>(i))->LetterClick();
    EXPECT_EQ(w.Speech.Count(TSpeechCall::TryAgain), 33);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Praise), 0);
    EXPECT_EQ(strip.SelectedIndex, 0);
}
