#include "games/ExamScreen.h"

#include "core/Artwork.h"
#include "core/ErrorBox.h"
#include "core/Palette.h"
#include "core/Speech.h"
#include "games/ExamGame.h"
#include "games/GameLetterPanels.h"
#include "games/GameObjects.h"
#include "letters/BoardKeys.h"
#include "platform/widgets/Accessibility.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/ScrollBox.h"
#include "platform/widgets/SpeedButton.h"
#include "platform/widgets/WidgetBuild.h"

using namespace build;

TExamScreen BuildExamScreen(QWidget* GamesPanel)
{
    TExamScreen s;
    s.GameExamPanel =
        Panel(GamesPanel, "GameExamPanel", QRect(0, 0, 1099, 672), TAlign::Client, Flat(palette::LightSkyBlue));

    s.ExamControlContentPanel =
        Panel(s.GameExamPanel, "ExamControlContentPanel", QRect(0, 0, 1099, 47), TAlign::Top, Flat(palette::DeepBlue, 4));
    TPanel* control = Panel(s.ExamControlContentPanel, "ExamControlPanel", QRect(4, 4, 1091, 39), TAlign::Client,
                            Flat(palette::LightSkyBlue));
    s.RepeatSndButton = SpeedButton(control, "RepeatSndButton", QRect(5, 3, 49, 33), akLeftTop,
                                    fonts::StandIn(QStringLiteral("MS Sans Serif"), 11), Qt::black);
    s.RepeatSndButton->SetGlyph(artwork::PlayGlyph());
    s.RepeatSndButton->setAccessibleName(QStringLiteral("Повторить"));

    s.LettersExamPanel =
        Panel(s.GameExamPanel, "LettersExamPanel", QRect(0, 47, 1099, 625), TAlign::Client, Flat(palette::LightSkyBlue));
    s.LettersExamScrollBox = ScrollBox(s.LettersExamPanel, "LettersExamScrollBox", QRect(0, 0, 1099, 625), TAlign::Client,
                                       true, palette::LightSkyBlue);
    // The start control lies over the board, outside it, so that it stays clickable while the
    // board is disabled; it keeps its place at the centre.
    s.StartExamContentPanel = Panel(s.LettersExamPanel, "StartExamContentPanel", QRect(388, 224, 323, 177), TAlign::None,
                                    akNone, Flat(palette::DeepBlue, 4));
    s.StartExamPanel =
        Panel(s.StartExamContentPanel, "StartExamPanel", QRect(4, 4, 315, 169), TAlign::Client, Flat(palette::LightSkyBlue));
    s.StartExamImage = Image(s.StartExamPanel, "StartExamImage", QRect(0, 0, 315, 169), TAlign::Client, akLeftTop);
    s.StartExamImage->SetCenter(true);
    s.StartExamImage->SetTransparent(true);
    s.StartExamImage->setCursor(Qt::PointingHandCursor);
    s.StartExamImage->SetPicture(artwork::PlayGlyph());
    s.StartExamImage->setAccessibleName(QStringLiteral("Начать"));
    ui::SetAccessible(s.StartExamImage, ui::TAccessRole::Button, [image = s.StartExamImage] { image->Press(); });
    return s;
}

bool PrepareExamBoard(TRusExamLetterPanelCollection& Board, TScrollBox* Box, IDialogs& Dialogs)
{
    if (Board.IsCurrentMode()) return true;
    if (!core::RunReportingErrors(Dialogs, [&] { Board.Rebuild(); })) return false;
    Board.LayoutShuffledGrid(Box);  // shuffles as it lays out
    return true;
}

void StartExam(const TExamScreen& Screen, TExamGame& Game)
{
    Screen.StartExamContentPanel->hide();
    Screen.LettersExamScrollBox->setEnabled(true);
    Game.Start();
}

void RepeatExamQuestion(const TExamGame& Game, ISpeech& Speech)
{
    Speech.PlaySoundPair(Game.PromptFirst, Game.PromptSecond);
}

ui::TKeyScreen TExamScreen::Keys(const TGameObjects& Objects, QAction* Rules) const
{
    ui::TKeyScreen keys;
    keys.Regions = [this, &Objects] {
        if (!Objects.ExamGame) return ui::TKeyRegions{};
        TImage* start = StartExamImage;
        return ui::TKeyRegions{ui::TKeyRegion{{{start, [start] { start->Press(); }}}},
                               BoardRegion(Objects.ExamLetterPanels.get()), ui::ButtonRegion({RepeatSndButton})};
    };
    keys.LetterTile = [&Objects](unsigned char Lower) { return BoardTile(Objects.ExamLetterPanels.get(), Lower); };
    keys.Rules = Rules;
    return keys;
}
