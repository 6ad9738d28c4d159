#include "colouring/ColouringActivity.h"

#include "colouring/ColouringScreen.h"
#include "colouring/ThemeMenu.h"
#include "core/AppContext.h"
#include "pictures/ImgPanelCollection.h"
#include "pictures/PagePrinting.h"
#include "platform/FileSystem.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/SpeedButton.h"

#include <QToolButton>

namespace {

// The pieces the entry, the themes and printing share.
struct TColouring {
    TAppContext& Context;
    IActivityWindow& Window;
    const std::unique_ptr<TRaskrasImgPanelCollection>& Strip;
    TColouringScreen Screen;

    bool Playable() const { return Strip != nullptr; }

    // The theme list (the colouring folders of every content root together) is read anew each
    // time; where no root has a colouring folder there are no themes and the menu is the empty one.
    void FillThemes()
    {
        FillThemeMenu(Window.SubMenu(), Context.Settings.Content.ListSubFolders(Context.Settings.ColouringRoot),
                      [this](TSpeedButton* Button) {
                          if (Playable()) OpenTheme(Button->Caption());
                      });
    }

    void OpenTheme(const QString& Theme)
    {
        Window.BeginWaiting();
        const QString folder = Context.Settings.ColouringRoot + fs::Separator() + Theme + fs::Separator();
        OpenColouringTheme(*Strip, folder, Screen);
        Window.LeaveChoosers();
        Screen.RaskraskaPanel->raise();
        Window.ShowRules(QStringLiteral("ShowRaskraskaMenu"));
        Window.HideMenus();
        Window.EndWaiting();  // a picture game's reading may go on
    }

    // The page is shown at the screen's size; the printer gets it whole, read when it prints.
    void Print()
    {
        IPrinter* printer = Context.Printer ? Context.Printer() : nullptr;
        if (!printer || !Context.Dialogs) return;
        PrintColouringPage(
            Screen.RasBigImage->Picture(), [this] { return Screen.RasBigImage->FullPicture(); }, *Context.Dialogs, *printer);
    }
};

}  // namespace

TActivity ColouringActivity(TAppContext& Context, IActivityWindow& Window,
                            const std::unique_ptr<TRaskrasImgPanelCollection>& Strip)
{
    auto colouring = std::make_shared<TColouring>(TColouring{Context, Window, Strip, {}});
    TActivity a;
    a.Action = QStringLiteral("ShowRaskraskaMenu");
    a.Category = QStringLiteral("Menu");
    a.Caption = QStringLiteral("ShowRaskraskaMenu");
    a.MenuButton = QStringLiteral("SpeedButton7");
    a.MenuCaption = QStringLiteral("Раскраска");
    a.OpensSubMenu = true;
    a.ScreenPlace = 60;
    a.Rules = {QStringLiteral("ShowRaskraskaRules"),
               QStringLiteral("RuleRasPanel"),
               QStringLiteral("RichEdit4"),
               {QStringLiteral("Здесь вы можете выбрать понравившуюся "),
                QStringLiteral("картинку, распечатать ее и раскрашивать в свое "), QStringLiteral("удовольствие.")},
               20};
    // "Раскраска" is the action the theme buttons run (they are its senders); the theme menu is
    // filled by its own action, and the page printed by a third.
    a.MoreActions = {{QStringLiteral("Raskraska"), QStringLiteral("Games"), QStringLiteral("Раскраска"), {}, true},
                     {QStringLiteral("CreateRaskraskaMenu"), QStringLiteral("Menu"), QStringLiteral("CreateRaskraskaMenu"),
                      [colouring] { colouring->FillThemes(); }, false},
                     {QStringLiteral("PrintRaskraska"), QStringLiteral("Functons"), QString(),
                      [colouring] { colouring->Print(); }, false}};
    a.PrintAction = QStringLiteral("PrintRaskraska");
    a.Build = [colouring](QWidget* GamesPanel) {
        colouring->Screen = BuildColouringScreen(GamesPanel);
        TColouringScreen& s = colouring->Screen;
        QObject::connect(s.SpeedButton2, &QToolButton::clicked, s.SpeedButton2, [colouring] { colouring->Print(); });
        return TActivityScreen{s.RaskraskaPanel, s.Keys(colouring->Strip, nullptr, nullptr)};
    };
    a.Playable = [colouring] { return colouring->Playable(); };
    // The entry leaves the main menu open beside the theme menu until a theme is chosen.
    a.Open = [colouring] {
        colouring->FillThemes();
        colouring->Window.SubMenu()->show();
    };
    // A page the grown-ups' corner made may bring a new theme.
    a.ContentChanged = [colouring] { colouring->FillThemes(); };
    return a;
}
