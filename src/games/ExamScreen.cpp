// The examination screen ("Экзамен") and the action that prepares an exam.
#include "app/MainForm.h"
#include "app/MainFormBuild.h"
#include "app/MainFormPictures.h"
#include "letters/LetterPanelCollection.h"
#include "platform/Image.h"
#include "platform/ScreenCursor.h"
#include "platform/ScrollBox.h"
#include "platform/SpeedButton.h"

using namespace build;

void TMainForm::CreateExamScreen()
{
    GameExamPanel = Panel(GamesPanel, "GameExamPanel", QRect(0, 0, 1099, 672), TAlign::Client, Flat(palette::LightSkyBlue));

    ExamControlContentPanel = Panel(GameExamPanel, "ExamControlContentPanel", QRect(0, 0, 1099, 47), TAlign::Top,
                                    Flat(palette::DeepBlue, 4));
    TPanel* control = Panel(ExamControlContentPanel, "ExamControlPanel", QRect(4, 4, 1091, 39), TAlign::Client, Flat(palette::LightSkyBlue));
    RepeatSndButton = SpeedButton(control, "RepeatSndButton", QRect(5, 3, 49, 33), akLeftTop, font(), Qt::black);
    RepeatSndButton->SetGlyph(pictures::PlayGlyph());

    LettersExamPanel = Panel(GameExamPanel, "LettersExamPanel", QRect(0, 47, 1099, 625), TAlign::Client, Flat(palette::LightSkyBlue));
    LettersExamScrollBox = ScrollBox(LettersExamPanel, "LettersExamScrollBox", QRect(0, 0, 1099, 625), TAlign::Client, true,
                                     palette::LightSkyBlue);
    // The start control lies over the board, outside it, so that it stays clickable while the
    // board is disabled; it keeps its place at the centre.
    StartExamContentPanel = Panel(LettersExamPanel, "StartExamContentPanel", QRect(388, 224, 323, 177), TAlign::None, akNone,
                                  Flat(palette::DeepBlue, 4));
    StartExamPanel = Panel(StartExamContentPanel, "StartExamPanel", QRect(4, 4, 315, 169), TAlign::Client, Flat(palette::LightSkyBlue));
    StartExamImage = Image(StartExamPanel, "StartExamImage", QRect(0, 0, 315, 169), TAlign::Client, akLeftTop);
    StartExamImage->SetCenter(true);
    StartExamImage->SetTransparent(true);
    StartExamImage->setCursor(Qt::PointingHandCursor);
    StartExamImage->SetPicture(pictures::PlayGlyph());
    ConnectExamination();
}

void TMainForm::ExaminationExecute()
{
    ui::TCursorGuard hourGlass;
    MenuHideExecute();
    GameSndTypePanel->hide();  // one chooser at a time
    ToFront(GameExamTypePanel);
    ToFront(SysPanel);
    // A new random order of the board's letters at every opening; the tiles are refilled.
    Context.Objects.ExamLetterPanels->Reshuffle();
    GameExamPanel->raise();
    GenderVoiceRadioPanel->show();
    StartExamContentPanel->show();
    ShowExamGameRulesExecute();
    ShowRulesPanelExecute();
    // No tile can be clicked before the exam starts.
    LettersExamScrollBox->setEnabled(false);
}

void TMainForm::ShowExamGameRulesExecute() { RuleExamGamePanel->raise(); }
