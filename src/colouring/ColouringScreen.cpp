// The colouring screen ("Раскраска") and the handler of the theme buttons.
#include "app/MainForm.h"
#include "app/MainFormBuild.h"
#include "app/MainFormPictures.h"
#include "platform/Image.h"
#include "platform/ScrollBox.h"
#include "platform/SpeedButton.h"

#include <QAction>

using namespace build;

void TMainForm::CreateColouringScreen()
{
    RaskraskaPanel = Panel(GamesPanel, "RaskraskaPanel", QRect(0, 0, 1099, 672), TAlign::Client, Flat(palette::LightSkyBlue));

    // Right: the thumbnails, 4 px of deep blue and 4 px of sky blue around them.
    RasImgScrollBox = ThumbnailColumn(RaskraskaPanel, "RasImgContentPanel", "RasImgScrollInnerPanel", "RasImgScrollBox");

    // Left: the printer button above the large page.
    TPanel* main = Panel(RaskraskaPanel, "RasContentPanel", QRect(0, 0, 866, 672), TAlign::Client, Flat(palette::DeepBlue));
    TPanel* toolBar = Panel(main, "RasToolBarPanel", QRect(0, 0, 866, 68), TAlign::Top, Flat(palette::DeepBlue, 4));
    TPanel* tools = Panel(toolBar, "RasToolPanel", QRect(4, 4, 858, 60), TAlign::Client, Flat(palette::LightSkyBlue));
    SpeedButton2 = SpeedButton(tools, "SpeedButton2", QRect(4, 4, 53, 49), akLeftTop, font(), Qt::black);
    SpeedButton2->SetGlyph(pictures::PrinterGlyph());
    SpeedButton2->SetHandCursor(false);
    connect(SpeedButton2, &QToolButton::clicked, PrintRaskraska, &QAction::trigger);
    TPanel* page = Panel(main, "RasImagePanel", QRect(4, 68, 858, 600), TAlign::None, akAll, Flat(palette::LightSkyBlue));
    RasBigImage = FittedImage(page, "RasBigImage", QRect(8, 8, 841, 584));
}

void TMainForm::ShowRaskraskaRulesExecute() { RuleRasPanel->raise(); }
