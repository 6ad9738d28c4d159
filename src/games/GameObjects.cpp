#include "games/GameObjects.h"

#include "games/GameJoins.h"

void LoadGameObjects(TAppContext& Context, TGameObjects& Objects)
{
    TGameObjects& o = Objects;
    o.PicGameBuffer = std::make_unique<TPicGameBuffer>(Context);
    JoinSpeech(*o.PicGameBuffer, Context);
    // The missing-letter state builds its own alphabet here: the one step that reads files.
    o.MakeWBuffer = std::make_unique<TMakeWBuffer>(Context);
    JoinSpeech(*o.MakeWBuffer, Context);
    o.ExamGame = std::make_unique<TExamGame>(Context);
    JoinSpeech(*o.ExamGame, Context);
    o.SndLetterPanels = std::make_unique<TRusSndLetterPanelCollection>(Context);
    JoinLearningBoard(*o.SndLetterPanels, Context);
    o.ExamLetterPanels = std::make_unique<TRusExamLetterPanelCollection>(Context);
    JoinExamBoard(*o.ExamLetterPanels, *o.ExamGame);
    o.PicLetterPanels = std::make_unique<TRusPicLetterPanelCollection>(Context);
    JoinBoard(*o.PicLetterPanels, *o.PicGameBuffer);
    o.MakeWLetterPanels = std::make_unique<TRusMakeWLetterPanelCollection>(Context);
    JoinBoard(*o.MakeWLetterPanels, *o.MakeWBuffer);
    o.FirstLImgPanels = std::make_unique<TFirstLImgPanelCollection>(Context);
    JoinStrip(*o.FirstLImgPanels, *o.PicGameBuffer);
    o.MakeWImgPanels = std::make_unique<TMakeWImgPanelCollection>(Context);
    JoinStrip(*o.MakeWImgPanels, *o.MakeWBuffer);
    o.RaskrasImgPanels = std::make_unique<TRaskrasImgPanelCollection>(Context);
}
