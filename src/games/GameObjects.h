#pragma once
// The ten program-wide game objects: three game states, four letter boards and three picture
// strips. The loader makes them in this order, joining each board and strip to its game as it is
// made (GameJoins.h); they go in the reverse order. Empty until made.
#include "games/ExamGame.h"
#include "games/GameImgPanels.h"
#include "games/GameLetterPanels.h"
#include "games/MakeWBuffer.h"
#include "games/PicGameBuffer.h"
#include "letters/LetterPanelCollection.h"
#include "pictures/ImgPanelCollection.h"

#include <memory>

struct TGameObjects {
    TGameObjects() = default;
    ~TGameObjects() { Reset(); }
    TGameObjects(const TGameObjects&) = delete;
    TGameObjects& operator=(const TGameObjects&) = delete;

    std::unique_ptr<TPicGameBuffer> PicGameBuffer;
    std::unique_ptr<TMakeWBuffer> MakeWBuffer;
    std::unique_ptr<TExamGame> ExamGame;
    std::unique_ptr<TRusSndLetterPanelCollection> SndLetterPanels;
    std::unique_ptr<TRusExamLetterPanelCollection> ExamLetterPanels;
    std::unique_ptr<TRusPicLetterPanelCollection> PicLetterPanels;
    std::unique_ptr<TRusMakeWLetterPanelCollection> MakeWLetterPanels;
    std::unique_ptr<TFirstLImgPanelCollection> FirstLImgPanels;
    std::unique_ptr<TMakeWImgPanelCollection> MakeWImgPanels;
    std::unique_ptr<TRaskrasImgPanelCollection> RaskrasImgPanels;

    // Frees every object made, the last made first, and empties the references.
    void Reset()
    {
        RaskrasImgPanels.reset();
        MakeWImgPanels.reset();
        FirstLImgPanels.reset();
        MakeWLetterPanels.reset();
        PicLetterPanels.reset();
        ExamLetterPanels.reset();
        SndLetterPanels.reset();
        ExamGame.reset();
        MakeWBuffer.reset();
        PicGameBuffer.reset();
    }
};

struct TAppContext;

// Makes the objects into Objects in their fixed order. When one of them fails, the exception
// reaches the caller; the objects made before it stay, the later references stay empty.
void LoadGameObjects(TAppContext& Context, TGameObjects& Objects);
