#include "games/GameObjects.h"

void LoadGameObjects(TAppContext& Context, TGameObjects& Objects)
{
    TGameObjects& o = Objects;
    o.PicGameBuffer = std::make_unique<TPicGameBuffer>(Context, o);
    // The missing-letter state builds its own alphabet here: the one step that reads files.
    o.MakeWBuffer = std::make_unique<TMakeWBuffer>(Context, o);
    o.ExamGame = std::make_unique<TExamGame>(Context, o);
    o.SndLetterPanels = std::make_unique<TRusSndLetterPanelCollection>(Context);
    o.ExamLetterPanels = std::make_unique<TRusExamLetterPanelCollection>(Context, o);
    o.PicLetterPanels = std::make_unique<TRusPicLetterPanelCollection>(Context, o);
    o.MakeWLetterPanels = std::make_unique<TRusMakeWLetterPanelCollection>(Context, o);
    o.FirstLImgPanels = std::make_unique<TFirstLImgPanelCollection>(Context, o);
    o.MakeWImgPanels = std::make_unique<TMakeWImgPanelCollection>(Context, o);
    o.RaskrasImgPanels = std::make_unique<TRaskrasImgPanelCollection>(Context);
}
