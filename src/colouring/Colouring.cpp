// The colouring book: the theme menu beside the main menu, the colouring screen for a theme, and
// printing the page shown large.
#include "app/MainForm.h"
#include "app/MainFormBuild.h"
#include "colouring/PagePrinting.h"
#include "colouring/ThemeMenuLayout.h"
#include "pictures/ImgPanelCollection.h"
#include "platform/Align.h"
#include "platform/Fonts.h"
#include "platform/FileSystem.h"
#include "platform/Image.h"
#include "platform/Panel.h"
#include "platform/QtPrinter.h"
#include "platform/ScrollBox.h"
#include "platform/SpeedButton.h"

#include <QAction>

void TMainForm::CreateRaskraskaMenuExecute()
{
    // The theme list is read anew each time, and the buttons of an earlier showing are discarded.
    for (TSpeedButton* old : RaskraskaPopupMenuPanel->findChildren<TSpeedButton*>(Qt::FindDirectChildrenOnly))
        delete old;
    // A missing colouring folder lists no themes and gives the empty menu.
    const QStringList themes = fs::ListSubFolders(Context.Settings.ColouringRoot);
    const TThemeMenuLayout menu = LayoutThemeMenu(themes);
    for (int k = 0; k < themes.size(); ++k)
        AddThemeButton(RaskraskaPopupMenuPanel, themes[k], k, kThemeMargin, kThemeButtonHeight);
    RaskraskaPopupMenuPanel->SetCaption(menu.Caption);
    RaskraskaPopupMenuPanel->resize(menu.Width, menu.Height);
    // The buttons are anchored left and right, so they follow the menu's new width.
    ui::Realign(RaskraskaPopupMenuPanel);
}

void TMainForm::AddThemeButton(TPanel* Menu, const QString& Caption, int Row, int Margin, int Height)
{
    auto* button = new TSpeedButton(Menu);
    QFont font = fonts::Design(QStringLiteral("Comic Sans MS"), 16);  // 12 points at 96 dpi
    button->setFont(font);
    QPalette pal = button->palette();
    pal.setColor(QPalette::ButtonText, palette::Yellow);
    button->setPalette(pal);
    button->SetCaption(Caption);
    button->SetHandCursor(true);
    button->setGeometry(Margin, Margin + Row * (Height + 2), Menu->width() - 2 * Margin, Height);
    ui::SetAnchors(button, akLeft | akTop | akRight);
    button->show();
    connect(button, &QToolButton::clicked, this, [this, button] {
        if (Raskraska->isEnabled()) RaskraskaExecute(button);
    });
}

void TMainForm::RaskraskaExecute(TSpeedButton* ThemeButton)
{
    ShowLoadingOverlay();
    const QString folder = Context.Settings.ColouringRoot + fs::Separator() + ThemeButton->Caption() + fs::Separator();
    TRaskrasImgPanelCollection* strip = Context.Objects.RaskrasImgPanels;
    strip->LoadFromFolder(folder);
    strip->PlaceInScrollBox(RasImgScrollBox);
    strip->FillTiles();
    LeaveGameTypeChooser();
    RaskraskaPanel->raise();
    ShowRaskraskaRulesExecute();
    ShowRulesPanelExecute();
    MenuHideExecute();
    HideLoadingOverlay();
}

void TMainForm::PrintRaskraskaExecute()
{
    if (!FPrinter) {
        FOwnPrinter = std::make_unique<TQtPrinter>();
        FPrinter = FOwnPrinter.get();
    }
    PrintColouringPage(RasBigImage->Picture(), *Context.Dialogs, *FPrinter);
}
