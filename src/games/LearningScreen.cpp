// The learning board's screen ("Обучение") and the action that opens it.
#include "app/MainForm.h"
#include "app/MainFormBuild.h"
#include "platform/ScreenCursor.h"
#include "platform/ScrollBox.h"

using namespace build;

void TMainForm::CreateLearningScreen()
{
    GameSndPanel = Panel(GamesPanel, "GameSndPanel", QRect(0, 0, 1099, 672), TAlign::Client, Flat(palette::LightSkyBlue));
    LettersSndPanel = Panel(GameSndPanel, "LettersSndPanel", QRect(0, 0, 1099, 672), TAlign::Client, Flat(palette::LightSkyBlue));
    LettersSndScrollBox = ScrollBox(LettersSndPanel, "LettersSndScrollBox", QRect(0, 0, 1099, 672), TAlign::Client, true,
                                    palette::LightSkyBlue);
    ConnectLearningBoard();
}

void TMainForm::SoundLettersExecute()
{
    ui::TCursorGuard hourGlass;
    MenuHideExecute();
    GameExamTypePanel->hide();  // one chooser at a time
    ToFront(GameSndTypePanel);
    ToFront(SysPanel);
    // The board and the rules stay under the system screen until a game type is chosen.
    GameSndPanel->raise();
    GenderVoiceRadioPanel->show();
    ShowSndGameRulesExecute();
    ShowRulesPanelExecute();
}

void TMainForm::ShowSndGameRulesExecute() { RuleSndGamePanel->raise(); }
