// The missing-letter screen ("Дед Буквоед") and the action that opens it.
#include "app/MainForm.h"
#include "app/MainFormBuild.h"
#include "games/MakeWord.h"
#include "platform/Image.h"
#include "platform/ScreenCursor.h"
#include "platform/ScrollBox.h"

using namespace build;

void TMainForm::CreateMakeWordScreen()
{
    GameMakeWPanel = Panel(GamesPanel, "GameMakeWPanel", QRect(0, 0, 1099, 672), TAlign::Client, Flat(palette::LightSkyBlue));

    // Right: the picture strip, 4 px of deep blue and 4 px of sky blue around it.
    MakeWImgScrollBox = ThumbnailColumn(GameMakeWPanel, "ScrollMakeWImgContentPanel", "MakeWImgScrollInnerPanel",
                                        "MakeWImgScrollBox", &ScrollMakeWImgContentPanel);

    // Left: the choice row at the top, the word at the bottom, the picture between them.
    MakeWContentPanel = Panel(GameMakeWPanel, "MakeWContentPanel", QRect(0, 0, 866, 672), TAlign::Client, Flat(palette::DeepBlue));
    TPanel* letters = Panel(MakeWContentPanel, "MakeWLettersStripPanel", QRect(0, 0, 866, 78), TAlign::Top, Flat(palette::DeepBlue, 4));
    LettersMakeWPanel = Panel(letters, "LettersMakeWPanel", QRect(4, 4, 858, 70), TAlign::Client, Flat(palette::LightSkyBlue));
    TPanel* word = Panel(MakeWContentPanel, "MakeWWordStripPanel", QRect(0, 603, 866, 69), TAlign::Bottom, Flat(palette::DeepBlue));
    MakeWWordPanel = Panel(word, "MakeWWordPanel", QRect(4, 5, 858, 60), TAlign::None, akAll, Flat(palette::LightSkyBlue));
    MakeWImagePanel = Panel(MakeWContentPanel, "MakeWImagePanel", QRect(4, 78, 858, 525), TAlign::None, akAll, Flat(palette::LightSkyBlue));
    MakeWImage = FittedImage(MakeWImagePanel, "MakeWImage", QRect(8, 8, 842, 509));
}

void TMainForm::MakeWordExecute()
{
    ui::TCursorGuard hourGlass;
    MenuHideExecute();
    LeaveGameTypeChooser();
    Context.Settings.LetterSetMode = lsNames;
    PrepareMakeWordGame(*this);
    GameMakeWPanel->raise();
    GenderVoiceRadioPanel->show();
    ShowMakeWGameRulesExecute();
    ShowRulesPanelExecute();
    SelectFirstMakeWordPicture(*this);
}

void TMainForm::ShowMakeWGameRulesExecute() { RuleMakeWGamePanel->raise(); }
