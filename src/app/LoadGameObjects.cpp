#include "app/LoadGameObjects.h"

#include "app/AppContext.h"
#include "games/ExamGame.h"
#include "games/MakeWBuffer.h"
#include "games/PicGameBuffer.h"
#include "letters/LetterPanelCollection.h"
#include "pictures/ImgPanelCollection.h"

void LoadGameObjects(TAppContext& Context)
{
    TGameObjects& o = Context.Objects;
    o.PicGameBuffer = new TPicGameBuffer(Context);
    // The missing-letter state builds its own alphabet here: the one step that reads files.
    o.MakeWBuffer = new TMakeWBuffer(Context);
    o.ExamGame = new TExamGame(Context);
    o.SndLetterPanels = new TRusSndLetterPanelCollection(Context);
    o.ExamLetterPanels = new TRusExamLetterPanelCollection(Context);
    o.PicLetterPanels = new TRusPicLetterPanelCollection(Context);
    o.MakeWLetterPanels = new TRusMakeWLetterPanelCollection(Context);
    o.FirstLImgPanels = new TFirstLImgPanelCollection(Context);
    o.MakeWImgPanels = new TMakeWImgPanelCollection(Context);
    o.RaskrasImgPanels = new TRaskrasImgPanelCollection(Context);
}

void FreeGameObjects(TAppContext& Context)
{
    TGameObjects& o = Context.Objects;
    delete o.RaskrasImgPanels;
    delete o.MakeWImgPanels;
    delete o.FirstLImgPanels;
    delete o.MakeWLetterPanels;
    delete o.PicLetterPanels;
    delete o.ExamLetterPanels;
    delete o.SndLetterPanels;
    delete o.ExamGame;
    delete o.MakeWBuffer;
    delete o.PicGameBuffer;
    o = TGameObjects();
}
