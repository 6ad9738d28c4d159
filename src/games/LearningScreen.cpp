#include "games/LearningScreen.h"

#include "core/ErrorBox.h"
#include "core/Palette.h"
#include "games/GameObjects.h"
#include "letters/BoardKeys.h"
#include "letters/LetterPanelCollection.h"
#include "platform/widgets/ScrollBox.h"
#include "platform/widgets/WidgetBuild.h"

using namespace build;

TLearningScreen BuildLearningScreen(QWidget* GamesPanel)
{
    TLearningScreen s;
    s.GameSndPanel = Panel(GamesPanel, "GameSndPanel", QRect(0, 0, 1099, 672), TAlign::Client, Flat(palette::LightSkyBlue));
    s.LettersSndPanel =
        Panel(s.GameSndPanel, "LettersSndPanel", QRect(0, 0, 1099, 672), TAlign::Client, Flat(palette::LightSkyBlue));
    s.LettersSndScrollBox = ScrollBox(s.LettersSndPanel, "LettersSndScrollBox", QRect(0, 0, 1099, 672), TAlign::Client, true,
                                      palette::LightSkyBlue);
    return s;
}

ui::TKeyScreen TLearningScreen::Keys(const TGameObjects& Objects, QAction* Rules) const
{
    ui::TKeyScreen keys;
    keys.Regions = [&Objects] { return ui::TKeyRegions{BoardRegion(Objects.SndLetterPanels.get())}; };
    keys.LetterTile = [&Objects](unsigned char Lower) { return BoardTile(Objects.SndLetterPanels.get(), Lower); };
    keys.Rules = Rules;
    return keys;
}

bool PrepareLearningBoard(TRusSndLetterPanelCollection& Board, TScrollBox* Box, IDialogs& Dialogs)
{
    if (Board.IsCurrentMode()) return true;
    if (!core::RunReportingErrors(Dialogs, [&] { Board.Rebuild(); })) return false;
    Board.LayoutGrid(Box);
    return true;
}
