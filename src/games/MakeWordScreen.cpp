#include "games/MakeWordScreen.h"

#include "core/Palette.h"
#include "games/GameObjects.h"
#include "games/PictureGameSetup.h"
#include "letters/BoardKeys.h"
#include "pictures/PictureScreen.h"
#include "pictures/StripKeys.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/WidgetBuild.h"

using namespace build;

TMakeWordScreen BuildMakeWordScreen(QWidget* GamesPanel)
{
    TMakeWordScreen s;
    s.GameMakeWPanel =
        Panel(GamesPanel, "GameMakeWPanel", QRect(0, 0, 1099, 672), TAlign::Client, Flat(palette::LightSkyBlue));

    // Right: the picture strip, 4 px of deep blue and 4 px of sky blue around it.
    s.MakeWImgScrollBox = ThumbnailColumn(s.GameMakeWPanel, "ScrollMakeWImgContentPanel", "MakeWImgScrollInnerPanel",
                                          "MakeWImgScrollBox", &s.ScrollMakeWImgContentPanel);

    // Left: the choice row at the top, the word at the bottom, the picture between them.
    s.MakeWContentPanel =
        Panel(s.GameMakeWPanel, "MakeWContentPanel", QRect(0, 0, 866, 672), TAlign::Client, Flat(palette::DeepBlue));
    TPanel* letters =
        Panel(s.MakeWContentPanel, "MakeWLettersStripPanel", QRect(0, 0, 866, 78), TAlign::Top, Flat(palette::DeepBlue, 4));
    s.LettersMakeWPanel =
        Panel(letters, "LettersMakeWPanel", QRect(4, 4, 858, 70), TAlign::Client, Flat(palette::LightSkyBlue));
    TPanel* word =
        Panel(s.MakeWContentPanel, "MakeWWordStripPanel", QRect(0, 603, 866, 69), TAlign::Bottom, Flat(palette::DeepBlue));
    s.MakeWWordPanel = Panel(word, "MakeWWordPanel", QRect(4, 5, 858, 60), TAlign::None, akAll, Flat(palette::LightSkyBlue));
    s.MakeWImagePanel = Panel(s.MakeWContentPanel, "MakeWImagePanel", QRect(4, 78, 858, 525), TAlign::None, akAll,
                              Flat(palette::LightSkyBlue));
    s.MakeWImage = FittedImage(s.MakeWImagePanel, "MakeWImage", QRect(8, 8, 842, 509));
    return s;
}

bool PrepareMakeWordGame(TSettings& Settings, TGameObjects& Objects, const TMakeWordScreen& Screen, IDialogs& Dialogs)
{
    if (!PrepareLetterChoiceRow(Settings, *Objects.MakeWLetterPanels, Screen.LettersMakeWPanel, Dialogs)) return false;
    TMakeWImgPanelCollection& strip = *Objects.MakeWImgPanels;
    strip.BigImage = Screen.MakeWImage;
    strip.WordPanel = Screen.MakeWWordPanel;
    LoadWordPicturesOnce(strip, Screen.MakeWImgScrollBox);
    return true;
}

bool StartMakeWordPictures(TGameObjects& Objects, const TMakeWordScreen& Screen)
{
    TMakeWImgPanelCollection& strip = *Objects.MakeWImgPanels;
    strip.Reshuffle();
    if (strip.Count() > 0) {
        strip.GetTile(0)->PictureClick();
        return true;
    }
    strip.SelectedIndex = -1;
    Screen.MakeWImage->SetPicture(QImage());
    Screen.MakeWImage->setAccessibleName(QStringLiteral("Картинка"));
    TMakeWBuffer& game = *Objects.MakeWBuffer;
    game.CurrentWord.clear();
    game.MissingPos = 0;
    game.ShowWord(Screen.MakeWWordPanel);
    return false;
}

ui::TKeyScreen TMakeWordScreen::Keys(const TGameObjects& Objects, QAction* Rules) const
{
    ui::TKeyScreen keys;
    keys.Regions = [&Objects] {
        return ui::TKeyRegions{BoardRegion(Objects.MakeWLetterPanels.get()), StripRegion(Objects.MakeWImgPanels.get())};
    };
    keys.LetterTile = [&Objects](unsigned char Lower) { return BoardTile(Objects.MakeWLetterPanels.get(), Lower); };
    keys.Rules = Rules;
    keys.Busy = [&Objects] { return Objects.MakeWImgPanels && Objects.MakeWImgPanels->Reading(); };
    return keys;
}
