#include "colouring/ColouringScreen.h"

#include "core/Artwork.h"
#include "core/Palette.h"
#include "pictures/ImgPanelCollection.h"
#include "pictures/PictureScreen.h"
#include "pictures/StripKeys.h"
#include "pictures/TileGeometry.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/ScrollBox.h"
#include "platform/widgets/SpeedButton.h"
#include "platform/widgets/WidgetBuild.h"

using namespace build;

TColouringScreen BuildColouringScreen(QWidget* GamesPanel)
{
    TColouringScreen s;
    s.RaskraskaPanel =
        Panel(GamesPanel, "RaskraskaPanel", QRect(0, 0, 1099, 672), TAlign::Client, Flat(palette::LightSkyBlue));

    // Right: the thumbnails, 4 px of deep blue and 4 px of sky blue around them.
    s.RasImgScrollBox = ThumbnailColumn(s.RaskraskaPanel, "RasImgContentPanel", "RasImgScrollInnerPanel", "RasImgScrollBox");

    // Left: the printer button above the large page.
    TPanel* main =
        Panel(s.RaskraskaPanel, "RasContentPanel", QRect(0, 0, 866, 672), TAlign::Client, Flat(palette::DeepBlue));
    TPanel* toolBar = Panel(main, "RasToolBarPanel", QRect(0, 0, 866, 68), TAlign::Top, Flat(palette::DeepBlue, 4));
    TPanel* tools = Panel(toolBar, "RasToolPanel", QRect(4, 4, 858, 60), TAlign::Client, Flat(palette::LightSkyBlue));
    s.SpeedButton2 = SpeedButton(tools, "SpeedButton2", QRect(4, 4, 53, 49), akLeftTop,
                                 fonts::StandIn(QStringLiteral("MS Sans Serif"), 11), Qt::black);
    s.SpeedButton2->SetGlyph(artwork::PrinterGlyph());
    s.SpeedButton2->SetHandCursor(false);
    s.SpeedButton2->setAccessibleName(QStringLiteral("Печать"));
    TPanel* page = Panel(main, "RasImagePanel", QRect(4, 68, 858, 600), TAlign::None, akAll, Flat(palette::LightSkyBlue));
    s.RasBigImage = FittedImage(page, "RasBigImage", QRect(8, 8, 841, 584));
    return s;
}

void OpenColouringTheme(TRaskrasImgPanelCollection& Strip, const QString& Folder, const TColouringScreen& Screen)
{
    Strip.BigImage = Screen.RasBigImage;
    // The pages are kept at the size their thumbnails show them; the big page reads its own.
    TScrollBox* box = Screen.RasImgScrollBox;
    Strip.Images->PictureBounds = TileImageBounds(box->maximumViewportSize().width(), box->devicePixelRatioF());
    Strip.LoadFromFolder(Folder);
    Strip.PlaceInScrollBox(Screen.RasImgScrollBox);
    Strip.FillTiles();
}

ui::TKeyScreen TColouringScreen::Keys(const std::unique_ptr<TRaskrasImgPanelCollection>& Strip, QAction* Rules,
                                      QAction* Print) const
{
    ui::TKeyScreen keys;
    keys.Regions = [this, &Strip] { return ui::TKeyRegions{StripRegion(Strip.get()), ui::ButtonRegion({SpeedButton2})}; };
    keys.Rules = Rules;
    keys.Print = Print;
    return keys;
}
