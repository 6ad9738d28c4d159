// The game screens of the main window and what opens the four letter games and the colouring
// book. The screens and what each game does on them come from the games' own folders; here they
// are joined to the window's menus, choosers and rules panel.
#include "app/GameOpening.h"

#include "app/KeyboardPlay.h"
#include "app/MainForm.h"
#include "colouring/ThemeMenu.h"
#include "games/PictureGameSetup.h"
#include "pictures/PagePrinting.h"
#include "platform/FileSystem.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/InputHold.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/QtPrinter.h"
#include "platform/widgets/ScreenCursor.h"
#include "platform/widgets/ScrollBox.h"
#include "platform/widgets/SpeedButton.h"
#include "platform/widgets/Stacking.h"

#include <QAction>
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

TGameOpening::TGameOpening(TMainForm& Window) : QObject(&Window), FWindow(Window) {}

TGameOpening::~TGameOpening() = default;

// --- Learning board ("Обучение") ---

void TGameOpening::CreateLearningScreen()
{
    TMainForm& w = FWindow;
    static_cast<TLearningScreen&>(w) = BuildLearningScreen(w.GamesPanel);
    w.Keyboard->AddScreen(w.GameSndPanel, w.TLearningScreen::Keys(w.Objects, w.ShowSndGameRules));
}

void TGameOpening::JoinGameTypeChoosers()
{
    TMainForm& w = FWindow;
    connect(w.LetterrsNamesSpeedButton, &TSpeedButton::clicked, this, [this] { LetterrsNamesSpeedButtonClick(); });
    connect(w.LettersSoundsSpeedButton, &TSpeedButton::clicked, this, [this] { LettersSoundsSpeedButtonClick(); });
    connect(w.SpeedButton8, &TSpeedButton::clicked, this, [this] { SpeedButton8Click(); });
    connect(w.SpeedButton9, &TSpeedButton::clicked, this, [this] { SpeedButton9Click(); });
    w.Keyboard->AddScreen(w.GameSndTypePanel,
                          ChooserKeys(w.LetterrsNamesSpeedButton, w.LettersSoundsSpeedButton, w.ShowSndGameRules));
    w.Keyboard->AddScreen(w.GameExamTypePanel, ChooserKeys(w.SpeedButton8, w.SpeedButton9, w.ShowExamGameRules));
}

void TGameOpening::SoundLettersExecute()
{
    TMainForm& w = FWindow;
    ui::TCursorGuard hourGlass;
    w.MenuHideExecute();
    w.GameExamTypePanel->hide();  // one chooser at a time
    ui::ToFront(w.GameSndTypePanel);
    ui::ToFront(w.SysPanel);
    // The board and the rules stay under the system screen until a game type is chosen.
    w.GameSndPanel->raise();
    w.GenderVoiceRadioPanel->show();
    w.ShowSndGameRulesExecute();
    w.ShowRulesPanelExecute();
}

void TGameOpening::LetterrsNamesSpeedButtonClick()
{
    ChooseSndGameType(lsNames);
}
void TGameOpening::LettersSoundsSpeedButtonClick()
{
    ChooseSndGameType(lsSounds);
}

void TGameOpening::ChooseSndGameType(int Mode)
{
    TMainForm& w = FWindow;
    w.Context.Settings.LetterSetMode = Mode;
    w.SysPanel->hide();
    if (!PrepareLearningBoard(*w.Objects.SndLetterPanels, w.LettersSndScrollBox, *w.Context.Dialogs)) return;
    w.GameSndTypePanel->hide();
}

// --- "Найди букву" ---

void TGameOpening::CreateFindLetterScreen()
{
    TMainForm& w = FWindow;
    static_cast<TFindLetterScreen&>(w) = BuildFindLetterScreen(w.GamesPanel);
    w.Keyboard->AddScreen(w.GamePicPanel, w.TFindLetterScreen::Keys(w.Objects, w.ShowPicGameRules));
}

void TGameOpening::FindLetterExecute()
{
    TMainForm& w = FWindow;
    OpenPictureGame(
        *w.Objects.FirstLImgPanels, w.GamePicPanel, &TRulesPanel::ShowPicGameRulesExecute,
        [&w] { return PrepareFindLetterGame(w.Context.Settings, w.Objects, w, *w.Context.Dialogs); },
        [this] { return StartFindLetterPictures(FWindow.Objects, FWindow); });
}

// --- "Дед Буквоед" ---

void TGameOpening::CreateMakeWordScreen()
{
    TMainForm& w = FWindow;
    static_cast<TMakeWordScreen&>(w) = BuildMakeWordScreen(w.GamesPanel);
    w.Keyboard->AddScreen(w.GameMakeWPanel, w.TMakeWordScreen::Keys(w.Objects, w.ShowMakeWGameRules));
}

void TGameOpening::MakeWordExecute()
{
    TMainForm& w = FWindow;
    OpenPictureGame(
        *w.Objects.MakeWImgPanels, w.GameMakeWPanel, &TRulesPanel::ShowMakeWGameRulesExecute,
        [&w] { return PrepareMakeWordGame(w.Context.Settings, w.Objects, w, *w.Context.Dialogs); },
        [this] { return StartMakeWordPictures(FWindow.Objects, FWindow); });
}

// --- What both picture games do ---

void TGameOpening::OpenPictureGame(TImgPanelCollection& Strip, QWidget* Screen, void (TRulesPanel::*ShowRules)(),
                                   const std::function<bool()>& Prepare, std::function<bool()> Start)
{
    TMainForm& w = FWindow;
    ui::TCursorGuard hourGlass;
    w.MenuHideExecute();
    w.LeaveGameTypeChooser();
    w.Context.Settings.LetterSetMode = lsNames;
    // Opened again while its pictures are still being read: the game starts once they are in.
    const bool waiting = Strip.Reading();
    if (!Prepare()) {
        w.StartPanelShowExecute();
        return;
    }
    Screen->raise();
    w.GenderVoiceRadioPanel->show();
    (w.*ShowRules)();
    w.ShowRulesPanelExecute();
    if (!waiting)
        AfterPictures(Strip, Screen, [this, &Strip, Start = std::move(Start)] {
            if (!Start()) NoPicturesToPlay(Strip);
        });
}

void TGameOpening::NoPicturesToPlay(const TImgPanelCollection& Strip)
{
    ReportNoPictures(Strip, FWindow.Context.Settings, *FWindow.Context.Dialogs);
    FWindow.StartPanelShowExecute();
}

void TGameOpening::AfterPictures(TImgPanelCollection& Strip, QWidget* Screen, std::function<void()> Then)
{
    if (!Strip.Reading()) {
        Then();
        return;
    }
    if (!FInputHold) FInputHold = new TInputHold(this);
    FInputHold->Hold(Screen);
    if (FPictureReadings++ == 0) FWindow.ShowLoadingOverlay();
    Strip.WhenRead([this, Screen = QPointer<QWidget>(Screen), Then = std::move(Then)] {
        // Left for another activity meanwhile: the game starts when it is opened again.
        if (Screen && ui::TopChild(FWindow.GamesPanel, FWindow.RulesPanel) == Screen) Then();
        FInputHold->Release(Screen);
        if (--FPictureReadings == 0) {
            FWindow.HideLoadingOverlay();
            FWindow.Keyboard->ScreenReady();
        }
    });
}

void TGameOpening::WaitForPictures()
{
    const TGameObjects& o = FWindow.Objects;
    for (TImgPanelCollection* strip : {static_cast<TImgPanelCollection*>(o.FirstLImgPanels.get()),
                                       static_cast<TImgPanelCollection*>(o.MakeWImgPanels.get())})
        if (strip) strip->FinishReading();
}

// --- "Экзамен" ---

void TGameOpening::CreateExamScreen()
{
    TMainForm& w = FWindow;
    static_cast<TExamScreen&>(w) = BuildExamScreen(w.GamesPanel);
    w.Keyboard->AddScreen(w.GameExamPanel, w.TExamScreen::Keys(w.Objects, w.ShowExamGameRules));
    connect(w.StartExamImage, &TImage::Clicked, this, [this] { StartExamImageClick(); });
    connect(w.StartExamImage, &TImage::MouseDown, this, [this] { StartExamImageMouseDown(); });
    connect(w.StartExamImage, &TImage::MouseUp, this, [this] { StartExamImageMouseUp(); });
    connect(w.RepeatSndButton, &TSpeedButton::clicked, this, [this] { RepeatSndButtonClick(); });
}

void TGameOpening::ExaminationExecute()
{
    TMainForm& w = FWindow;
    ui::TCursorGuard hourGlass;
    w.MenuHideExecute();
    w.GameSndTypePanel->hide();  // one chooser at a time
    ui::ToFront(w.GameExamTypePanel);
    ui::ToFront(w.SysPanel);
    // A new random order of the board's letters at every opening; the tiles are refilled.
    w.Objects.ExamLetterPanels->Reshuffle();
    w.GameExamPanel->raise();
    w.GenderVoiceRadioPanel->show();
    w.StartExamContentPanel->show();
    w.ShowExamGameRulesExecute();
    w.ShowRulesPanelExecute();
    // No tile can be clicked before the exam starts.
    w.LettersExamScrollBox->setEnabled(false);
}

void TGameOpening::SpeedButton8Click()
{
    ChooseExamGameType(lsNames);
}
void TGameOpening::SpeedButton9Click()
{
    ChooseExamGameType(lsSounds);
}

void TGameOpening::ChooseExamGameType(int Mode)
{
    TMainForm& w = FWindow;
    w.Context.Settings.LetterSetMode = Mode;
    w.SysPanel->hide();
    if (!PrepareExamBoard(*w.Objects.ExamLetterPanels, w.LettersExamScrollBox, *w.Context.Dialogs)) return;
    w.GameExamTypePanel->hide();
}

// The start control looks pressed while the mouse button is held on it.
void TGameOpening::StartExamImageMouseDown()
{
    FWindow.StartExamPanel->SetBevelInner(TBevel::Lowered);
}
void TGameOpening::StartExamImageMouseUp()
{
    FWindow.StartExamPanel->SetBevelInner(TBevel::Raised);
}

void TGameOpening::StartExamImageClick()
{
    StartExam(FWindow, *FWindow.Objects.ExamGame);
}

// The question as it was asked, in the voice it was asked in: the paths were saved then.
void TGameOpening::RepeatSndButtonClick()
{
    RepeatExamQuestion(*FWindow.Objects.ExamGame, *FWindow.Context.Speech);
}

// --- "Раскраска": the theme menu beside the main menu, the colouring screen for a theme, and
// printing the page shown large ---

void TGameOpening::CreateColouringScreen()
{
    TMainForm& w = FWindow;
    static_cast<TColouringScreen&>(w) = BuildColouringScreen(w.GamesPanel);
    connect(w.SpeedButton2, &QToolButton::clicked, w.PrintRaskraska, &QAction::trigger);
    w.Keyboard->AddScreen(w.RaskraskaPanel,
                          w.TColouringScreen::Keys(w.Objects.RaskrasImgPanels, w.ShowRaskraskaRules, w.PrintRaskraska));
}

void TGameOpening::ShowRaskraskaMenuExecute()
{
    // A menu entry's action is disabled while its objects are missing: never run it then.
    if (FWindow.CreateRaskraskaMenu->isEnabled()) FWindow.CreateRaskraskaMenu->trigger();
    FWindow.RaskraskaPopupMenuPanel->show();
}

void TGameOpening::CreateRaskraskaMenuExecute()
{
    TMainForm& w = FWindow;
    // The theme list (the colouring folders of every content root together) is read anew each
    // time; where no root has a colouring folder there are no themes and the menu is the empty one.
    FillThemeMenu(w.RaskraskaPopupMenuPanel, w.Context.Settings.Content.ListSubFolders(w.Context.Settings.ColouringRoot),
                  [this](TSpeedButton* Button) {
                      if (FWindow.Raskraska->isEnabled()) RaskraskaExecute(Button);
                  });
}

void TGameOpening::RaskraskaExecute(TSpeedButton* ThemeButton)
{
    TMainForm& w = FWindow;
    w.ShowLoadingOverlay();
    const QString folder = w.Context.Settings.ColouringRoot + fs::Separator() + ThemeButton->Caption() + fs::Separator();
    OpenColouringTheme(*w.Objects.RaskrasImgPanels, folder, w);
    w.LeaveGameTypeChooser();
    w.RaskraskaPanel->raise();
    w.ShowRaskraskaRulesExecute();
    w.ShowRulesPanelExecute();
    w.MenuHideExecute();
    if (FPictureReadings == 0) w.HideLoadingOverlay();  // a picture game's reading goes on
}

IPrinter& TGameOpening::Printer()
{
    if (!FPrinter) {
        FOwnPrinter = std::make_unique<TQtPrinter>();
        FPrinter = FOwnPrinter.get();
    }
    return *FPrinter;
}

void TGameOpening::PrintRaskraskaExecute()
{
    // The page is shown at the screen's size; the printer gets it whole, read when it prints.
    PrintColouringPage(
        FWindow.RasBigImage->Picture(), [this] { return FWindow.RasBigImage->FullPicture(); }, *FWindow.Context.Dialogs,
        Printer());
}
