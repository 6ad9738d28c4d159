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
    ScrollImgContentPanel = Panel(GamePicPanel, "ScrollImgContentPanel", QRect(866, 0, 233, 672), TAlign::Right,
                                  Flat(palette::DeepBlue, 4));
    TPanel* strip = Panel(ScrollImgContentPanel, "ImgScrollInnerPanel", QRect(4, 4, 225, 664), TAlign::Client,
                          Flat(palette::LightSkyBlue, 4));
    ImgScrollBox = ScrollBox(strip, "ImgScrollBox", QRect(4, 4, 217, 656), TAlign::Client, false, palette::LightSkyBlue);

    // Left: the letter row above the big picture.
    GamePicContextPanel = Panel(GamePicPanel, "GamePicContextPanel", QRect(0, 0, 866, 672), TAlign::Client, Flat(palette::DeepBlue));
    TPanel* letters = Panel(GamePicContextPanel, "PicLettersStripPanel", QRect(0, 0, 866, 78), TAlign::Top, Flat(palette::DeepBlue, 4));
    LetersPicPanel = Panel(letters, "LetersPicPanel", QRect(4, 4, 858, 70), TAlign::Client, Flat(palette::LightSkyBlue));
    BigImagePanel = Panel(GamePicContextPanel, "BigImagePanel", QRect(4, 78, 858, 590), TAlign::None, akAll, Flat(palette::LightSkyBlue));
    BigImage = Image(BigImagePanel, "BigImage", QRect(8, 8, 842, 574), TAlign::None, akAll);
    BigImage->SetCenter(true);
    BigImage->SetStretch(true);
    BigImage->SetProportional(true);
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
