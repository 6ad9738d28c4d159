// The game screens of the main window and the actions and handlers of the four letter games. The
// screens and what each game does on them come from the games' own folder; here they are joined
// to the window's menus, choosers and rules panel.
#include "app/MainForm.h"

#include "app/KeyboardPlay.h"
#include "games/PictureGameSetup.h"
#include "platform/Image.h"
#include "platform/InputHold.h"
#include "platform/Panel.h"
#include "platform/ScreenCursor.h"
#include "platform/ScrollBox.h"
#include "platform/SpeedButton.h"
#include "platform/Stacking.h"

#include <QRadioButton>

namespace {

// What the keys reach on a game-type chooser: its two buttons; F1 shows the rules of its game.
ui::TKeyScreen ChooserKeys(TSpeedButton* Names, TSpeedButton* Sounds, QAction* Rules)
{
    ui::TKeyScreen keys;
    keys.Regions = [Names, Sounds] { return ui::TKeyRegions{ui::ButtonRegion({Names, Sounds})}; };
    keys.Rules = Rules;
    return keys;
}

}  // namespace

// --- Learning board ("Обучение") ---

void TMainForm::CreateLearningScreen()
{
    static_cast<TLearningScreen&>(*this) = BuildLearningScreen(GamesPanel);
    Keyboard->AddScreen(GameSndPanel, TLearningScreen::Keys(Objects, ShowSndGameRules));
}

void TMainForm::JoinGameTypeChoosers()
{
    connect(LetterrsNamesSpeedButton, &TSpeedButton::clicked, this, [this] { LetterrsNamesSpeedButtonClick(); });
    connect(LettersSoundsSpeedButton, &TSpeedButton::clicked, this, [this] { LettersSoundsSpeedButtonClick(); });
    connect(SpeedButton8, &TSpeedButton::clicked, this, [this] { SpeedButton8Click(); });
    connect(SpeedButton9, &TSpeedButton::clicked, this, [this] { SpeedButton9Click(); });
    Keyboard->AddScreen(GameSndTypePanel, ChooserKeys(LetterrsNamesSpeedButton, LettersSoundsSpeedButton, ShowSndGameRules));
    Keyboard->AddScreen(GameExamTypePanel, ChooserKeys(SpeedButton8, SpeedButton9, ShowExamGameRules));
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

void TRulesPanel::ShowSndGameRulesExecute()
{
    RuleSndGamePanel->raise();
}

void TMainForm::LetterrsNamesSpeedButtonClick()
{
    ChooseSndGameType(lsNames);
}
void TMainForm::LettersSoundsSpeedButtonClick()
{
    ChooseSndGameType(lsSounds);
}

void TMainForm::ChooseSndGameType(int Mode)
{
    Context.Settings.LetterSetMode = Mode;
    SysPanel->hide();
    if (!PrepareLearningBoard(*Objects.SndLetterPanels, LettersSndScrollBox, *Context.Dialogs)) return;
    GameSndTypePanel->hide();
}

// --- "Найди букву" ---

void TMainForm::CreateFindLetterScreen()
{
    static_cast<TFindLetterScreen&>(*this) = BuildFindLetterScreen(GamesPanel);
    Keyboard->AddScreen(GamePicPanel, TFindLetterScreen::Keys(Objects, ShowPicGameRules));
}

void TMainForm::FindLetterExecute()
{
    ui::TCursorGuard hourGlass;
    MenuHideExecute();
    LeaveGameTypeChooser();
    Context.Settings.LetterSetMode = lsNames;
    // Opened again while its pictures are still being read: the game starts once they are in.
    const bool waiting = Objects.FirstLImgPanels->Reading();
    if (!PrepareFindLetterGame(Context.Settings, Objects, *this, *Context.Dialogs)) {
        StartPanelShowExecute();
        return;
    }
    GamePicPanel->raise();
    GenderVoiceRadioPanel->show();
    ShowPicGameRulesExecute();
    ShowRulesPanelExecute();
    if (!waiting)
        AfterPictures(*Objects.FirstLImgPanels, GamePicPanel, [this] {
            if (!StartFindLetterPictures(Objects, *this)) NoPicturesToPlay(*Objects.FirstLImgPanels);
        });
}

void TRulesPanel::ShowPicGameRulesExecute()
{
    RulePicGamePanel->raise();
}

// --- "Дед Буквоед" ---

void TMainForm::CreateMakeWordScreen()
{
    static_cast<TMakeWordScreen&>(*this) = BuildMakeWordScreen(GamesPanel);
    Keyboard->AddScreen(GameMakeWPanel, TMakeWordScreen::Keys(Objects, ShowMakeWGameRules));
}

void TMainForm::MakeWordExecute()
{
    ui::TCursorGuard hourGlass;
    MenuHideExecute();
    LeaveGameTypeChooser();
    Context.Settings.LetterSetMode = lsNames;
    const bool waiting = Objects.MakeWImgPanels->Reading();
    if (!PrepareMakeWordGame(Context.Settings, Objects, *this, *Context.Dialogs)) {
        StartPanelShowExecute();
        return;
    }
    GameMakeWPanel->raise();
    GenderVoiceRadioPanel->show();
    ShowMakeWGameRulesExecute();
    ShowRulesPanelExecute();
    if (!waiting)
        AfterPictures(*Objects.MakeWImgPanels, GameMakeWPanel, [this] {
            if (!StartMakeWordPictures(Objects, *this)) NoPicturesToPlay(*Objects.MakeWImgPanels);
        });
}

void TMainForm::NoPicturesToPlay(const TImgPanelCollection& Strip)
{
    ReportNoPictures(Strip, Context.Settings, *Context.Dialogs);
    StartPanelShowExecute();
}

void TMainForm::AfterPictures(TImgPanelCollection& Strip, QWidget* Screen, std::function<void()> Then)
{
    if (!Strip.Reading()) {
        Then();
        return;
    }
    if (!FInputHold) FInputHold = new TInputHold(this);
    FInputHold->Hold(Screen);
    if (FPictureReadings++ == 0) ShowLoadingOverlay();
    Strip.WhenRead([this, Screen = QPointer<QWidget>(Screen), Then = std::move(Then)] {
        // Left for another activity meanwhile: the game starts when it is opened again.
        if (Screen && ui::TopChild(GamesPanel, RulesPanel) == Screen) Then();
        FInputHold->Release(Screen);
        if (--FPictureReadings == 0) {
            HideLoadingOverlay();
            Keyboard->ScreenReady();
        }
    });
}

void TMainForm::WaitForPictures()
{
    for (TImgPanelCollection* strip : {static_cast<TImgPanelCollection*>(Objects.FirstLImgPanels.get()),
                                       static_cast<TImgPanelCollection*>(Objects.MakeWImgPanels.get())})
        if (strip) strip->FinishReading();
}

void TRulesPanel::ShowMakeWGameRulesExecute()
{
    RuleMakeWGamePanel->raise();
}

// --- "Экзамен" ---

void TMainForm::CreateExamScreen()
{
    static_cast<TExamScreen&>(*this) = BuildExamScreen(GamesPanel);
    Keyboard->AddScreen(GameExamPanel, TExamScreen::Keys(Objects, ShowExamGameRules));
    connect(StartExamImage, &TImage::Clicked, this, [this] { StartExamImageClick(); });
    connect(StartExamImage, &TImage::MouseDown, this, [this] { StartExamImageMouseDown(); });
    connect(StartExamImage, &TImage::MouseUp, this, [this] { StartExamImageMouseUp(); });
    connect(RepeatSndButton, &TSpeedButton::clicked, this, [this] { RepeatSndButtonClick(); });
}

void TMainForm::ExaminationExecute()
{
    ui::TCursorGuard hourGlass;
    MenuHideExecute();
    GameSndTypePanel->hide();  // one chooser at a time
    ToFront(GameExamTypePanel);
    ToFront(SysPanel);
    // A new random order of the board's letters at every opening; the tiles are refilled.
    Objects.ExamLetterPanels->Reshuffle();
    GameExamPanel->raise();
    GenderVoiceRadioPanel->show();
    StartExamContentPanel->show();
    ShowExamGameRulesExecute();
    ShowRulesPanelExecute();
    // No tile can be clicked before the exam starts.
    LettersExamScrollBox->setEnabled(false);
}

void TRulesPanel::ShowExamGameRulesExecute()
{
    RuleExamGamePanel->raise();
}

void TMainForm::SpeedButton8Click()
{
    ChooseExamGameType(lsNames);
}
void TMainForm::SpeedButton9Click()
{
    ChooseExamGameType(lsSounds);
}

void TMainForm::ChooseExamGameType(int Mode)
{
    Context.Settings.LetterSetMode = Mode;
    SysPanel->hide();
    if (!PrepareExamBoard(*Objects.ExamLetterPanels, LettersExamScrollBox, *Context.Dialogs)) return;
    GameExamTypePanel->hide();
}

// The start control looks pressed while the mouse button is held on it.
void TMainForm::StartExamImageMouseDown()
{
    StartExamPanel->SetBevelInner(TBevel::Lowered);
}
void TMainForm::StartExamImageMouseUp()
{
    StartExamPanel->SetBevelInner(TBevel::Raised);
}

void TMainForm::StartExamImageClick()
{
    StartExam(*this, *Objects.ExamGame);
}

// The question as it was asked, in the voice it was asked in: the paths were saved then.
void TMainForm::RepeatSndButtonClick()
{
    RepeatExamQuestion(*Objects.ExamGame, *Context.Speech);
}
