// The find-the-first-letter screen ("Найди букву") and the action that opens it.
#include "app/MainForm.h"
#include "app/MainFormBuild.h"
#include "games/FindLetter.h"
#include "platform/Image.h"
#include "platform/ScreenCursor.h"
#include "platform/ScrollBox.h"

using namespace build;

void TMainForm::CreateFindLetterScreen()
{
    GamePicPanel = Panel(GamesPanel, "GamePicPanel", QRect(0, 0, 1099, 672), TAlign::Client, Flat(palette::LightSkyBlue));

    // Right: the picture strip, 4 px of deep blue and 4 px of sky blue around it.
    ImgScrollBox = ThumbnailColumn(GamePicPanel, "ScrollImgContentPanel", "ImgScrollInnerPanel", "ImgScrollBox",
                                   &ScrollImgContentPanel);

    // Left: the letter row above the big picture.
    GamePicContextPanel = Panel(GamePicPanel, "GamePicContextPanel", QRect(0, 0, 866, 672), TAlign::Client, Flat(palette::DeepBlue));
    TPanel* letters = Panel(GamePicContextPanel, "PicLettersStripPanel", QRect(0, 0, 866, 78), TAlign::Top, Flat(palette::DeepBlue, 4));
    LetersPicPanel = Panel(letters, "LetersPicPanel", QRect(4, 4, 858, 70), TAlign::Client, Flat(palette::LightSkyBlue));
    BigImagePanel = Panel(GamePicContextPanel, "BigImagePanel", QRect(4, 78, 858, 590), TAlign::None, akAll, Flat(palette::LightSkyBlue));
    BigImage = FittedImage(BigImagePanel, "BigImage", QRect(8, 8, 842, 574));
}

void TMainForm::FindLetterExecute()
{
    ui::TCursorGuard hourGlass;
    MenuHideExecute();
    LeaveGameTypeChooser();
    Context.Settings.LetterSetMode = lsNames;
    PrepareFindLetterGame(*this);
    GamePicPanel->raise();
    GenderVoiceRadioPanel->show();
    ShowPicGameRulesExecute();
    ShowRulesPanelExecute();
    SelectFirstFindLetterPicture(*this);
}

void TMainForm::ShowPicGameRulesExecute() { RulePicGamePanel->raise(); }
