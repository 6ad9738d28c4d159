#include "games/FindLetterScreen.h"

#include "core/Palette.h"
#include "games/GameObjects.h"
#include "games/PictureGameSetup.h"
#include "letters/BoardKeys.h"
#include "pictures/PictureScreen.h"
#include "pictures/StripKeys.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/WidgetBuild.h"

using namespace build;

TFindLetterScreen BuildFindLetterScreen(QWidget* GamesPanel)
{
    TFindLetterScreen s;
    s.GamePicPanel = Panel(GamesPanel, "GamePicPanel", QRect(0, 0, 1099, 672), TAlign::Client, Flat(palette::LightSkyBlue));

    // Right: the picture strip, 4 px of deep blue and 4 px of sky blue around it.
    s.ImgScrollBox = ThumbnailColumn(s.GamePicPanel, "ScrollImgContentPanel", "ImgScrollInnerPanel", "ImgScrollBox",
                                     &s.ScrollImgContentPanel);

    // Left: the letter row above the big picture.
    s.GamePicContextPanel =
        Panel(s.GamePicPanel, "GamePicContextPanel", QRect(0, 0, 866, 672), TAlign::Client, Flat(palette::DeepBlue));
    TPanel* letters =
        Panel(s.GamePicContextPanel, "PicLettersStripPanel", QRect(0, 0, 866, 78), TAlign::Top, Flat(palette::DeepBlue, 4));
    s.LetersPicPanel = Panel(letters, "LetersPicPanel", QRect(4, 4, 858, 70), TAlign::Client, Flat(palette::LightSkyBlue));
    s.BigImagePanel = Panel(s.GamePicContextPanel, "BigImagePanel", QRect(4, 78, 858, 590), TAlign::None, akAll,
                            Flat(palette::LightSkyBlue));
    s.BigImage = FittedImage(s.BigImagePanel, "BigImage", QRect(8, 8, 842, 574));
    return s;
}

bool PrepareFindLetterGame(TSettings& Settings, TGameObjects& Objects, const TFindLetterScreen& Screen, IDialogs& Dialogs)
{
    if (!PrepareLetterChoiceRow(Settings, *Objects.PicLetterPanels, Screen.LetersPicPanel, Dialogs)) return false;
    Objects.PicGameBuffer->Reset();
    TFirstLImgPanelCollection& strip = *Objects.FirstLImgPanels;
    strip.BigImage = Screen.BigImage;
    LoadWordPicturesOnce(strip, Screen.ImgScrollBox);
    return true;
}

bool StartFindLetterPictures(TGameObjects& Objects, const TFindLetterScreen& Screen)
{
    TFirstLImgPanelCollection& strip = *Objects.FirstLImgPanels;
    strip.Reshuffle();
    if (strip.Count() > 0) {
        strip.GetTile(0)->PictureClick();
        return true;
    }
    strip.SelectedIndex = -1;
    Screen.BigImage->SetPicture(QImage());
    Screen.BigImage->setAccessibleName(QStringLiteral("Картинка"));
    return false;
}

ui::TKeyScreen TFindLetterScreen::Keys(const TGameObjects& Objects, QAction* Rules) const
{
    ui::TKeyScreen keys;
    keys.Regions = [&Objects] {
        return ui::TKeyRegions{BoardRegion(Objects.PicLetterPanels.get()), StripRegion(Objects.FirstLImgPanels.get())};
    };
    keys.LetterTile = [&Objects](unsigned char Lower) { return BoardTile(Objects.PicLetterPanels.get(), Lower); };
    keys.Rules = Rules;
    keys.Busy = [&Objects] { return Objects.FirstLImgPanels && Objects.FirstLImgPanels->Reading(); };
    return keys;
}
