#pragma once
// The picture-strip world with the two picture games' states made as the program makes them, and
// the strips joined to their games and their screens' widgets as the program joins them.
#include "pictures/PictureWorld.h"

#include "games/GameJoins.h"
#include "games/GameObjects.h"

struct TPictureGameWorld : TPictureWorld {
    TGameObjects Objects;
    TPicGameBuffer* PicGame = nullptr;
    TMakeWBuffer* MakeW = nullptr;

    TPictureGameWorld()
    {
        Objects.PicGameBuffer = std::make_unique<TPicGameBuffer>(Context);
        Objects.MakeWBuffer = std::make_unique<TMakeWBuffer>(Context);
        PicGame = Objects.PicGameBuffer.get();
        MakeW = Objects.MakeWBuffer.get();
    }

    void Attach(TFirstLImgPanelCollection& Strip) const
    {
        Strip.BigImage = BigImage;
        JoinStrip(Strip, *PicGame);
    }
    void Attach(TMakeWImgPanelCollection& Strip) const
    {
        Strip.BigImage = MakeWImage;
        Strip.WordPanel = MakeWWordPanel;
        JoinStrip(Strip, *MakeW);
    }
    void Attach(TRaskrasImgPanelCollection& Strip) const { Strip.BigImage = RasBigImage; }
};
