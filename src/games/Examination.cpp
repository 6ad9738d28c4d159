// The examination ("Экзамен"): the game-type buttons, the start control over the disabled board
// and the repeat button. The questions and the judging are the exam state's (TExamGame).
#include "app/MainForm.h"
#include "games/ErrorBox.h"
#include "games/ExamGame.h"
#include "letters/LetterPanelCollection.h"
#include "platform/Image.h"
#include "platform/Panel.h"
#include "platform/ScrollBox.h"
#include "platform/SpeedButton.h"
#include "sound/Speech.h"

void TMainForm::ConnectExamination()
{
    connect(SpeedButton8, &TSpeedButton::clicked, this, [this] { SpeedButton8Click(); });
    connect(SpeedButton9, &TSpeedButton::clicked, this, [this] { SpeedButton9Click(); });
    connect(StartExamImage, &TImage::Clicked, this, [this] { StartExamImageClick(); });
    connect(StartExamImage, &TImage::MouseDown, this, [this] { StartExamImageMouseDown(); });
    connect(StartExamImage, &TImage::MouseUp, this, [this] { StartExamImageMouseUp(); });
    connect(RepeatSndButton, &TSpeedButton::clicked, this, [this] { RepeatSndButtonClick(); });
}

void TMainForm::SpeedButton8Click() { ChooseExamGameType(lsNames); }
void TMainForm::SpeedButton9Click() { ChooseExamGameType(lsSounds); }

void TMainForm::ChooseExamGameType(int Mode)
{
    Context.Settings.LetterSetMode = Mode;
    SysPanel->hide();
    TRusExamLetterPanelCollection& board = *Context.Objects.ExamLetterPanels;
    if (!board.IsCurrentMode()) {
        if (!games::RunReportingErrors(*Context.Dialogs, [&] { board.Rebuild(); })) return;
        board.LayoutShuffledGrid(LettersExamScrollBox);  // shuffles as it lays out
    }
    GameExamTypePanel->hide();
}

// The start control looks pressed while the mouse button is held on it.
void TMainForm::StartExamImageMouseDown() { StartExamPanel->SetBevelInner(TBevel::Lowered); }
void TMainForm::StartExamImageMouseUp() { StartExamPanel->SetBevelInner(TBevel::Raised); }

void TMainForm::StartExamImageClick()
{
    StartExamContentPanel->hide();
    LettersExamScrollBox->setEnabled(true);
    Context.Objects.ExamGame->Start();
}

// The question as it was asked, in the voice it was asked in: the paths were saved then.
void TMainForm::RepeatSndButtonClick()
{
    const TExamGame& game = *Context.Objects.ExamGame;
    Context.Speech->PlaySoundPair(game.PromptFirst, game.PromptSecond);
}
