// The colouring book in the main window: the theme menu beside the main menu, the colouring
// screen for a theme, and printing the page shown large.
#include "app/MainForm.h"

#include "app/KeyboardPlay.h"

#include "colouring/PagePrinting.h"
#include "colouring/ThemeMenu.h"
#include "platform/FileSystem.h"
#include "platform/Image.h"
#include "platform/Panel.h"
#include "platform/QtPrinter.h"
#include "platform/SpeedButton.h"

#include <QAction>

void TMainForm::CreateColouringScreen()
{
    static_cast<TColouringScreen&>(*this) = BuildColouringScreen(GamesPanel);
    connect(SpeedButton2, &QToolButton::clicked, PrintRaskraska, &QAction::trigger);
    Keyboard->AddScreen(RaskraskaPanel,
                        TColouringScreen::Keys(Objects.RaskrasImgPanels, ShowRaskraskaRules, PrintRaskraska));
}

void TMainForm::CreateRaskraskaMenuExecute()
{
    // The theme list (the colouring folders of every content root together) is read anew each
    // time; where no root has a colouring folder there are no themes and the menu is the empty one.
    FillThemeMenu(RaskraskaPopupMenuPanel, Context.Settings.Content.ListSubFolders(Context.Settings.ColouringRoot),
                  [this](TSpeedButton* Button) {
                      if (Raskraska->isEnabled()) RaskraskaExecute(Button);
                  });
}

void TMainForm::RaskraskaExecute(TSpeedButton* ThemeButton)
{
    ShowLoadingOverlay();
    const QString folder = Context.Settings.ColouringRoot + fs::Separator() + ThemeButton->Caption() + fs::Separator();
    OpenColouringTheme(*Objects.RaskrasImgPanels, folder, *this);
    LeaveGameTypeChooser();
    RaskraskaPanel->raise();
    ShowRaskraskaRulesExecute();
    ShowRulesPanelExecute();
    MenuHideExecute();
    if (FPictureReadings == 0) HideLoadingOverlay();  // a picture game's reading goes on
}

void TRulesPanel::ShowRaskraskaRulesExecute()
{
    RuleRasPanel->raise();
}

void TMainForm::PrintRaskraskaExecute()
{
    if (!FPrinter) {
        FOwnPrinter = std::make_unique<TQtPrinter>();
        FPrinter = FOwnPrinter.get();
    }
    // The page is shown at the screen's size; the printer gets it whole, read when it prints.
    PrintColouringPage(
        RasBigImage->Picture(), [this] { return RasBigImage->FullPicture(); }, *Context.Dialogs, *FPrinter);
}
