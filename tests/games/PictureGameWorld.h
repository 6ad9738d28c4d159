#pragma once
// The picture-strip world with the two picture games' states made as the program makes them, and
// the strips joined to their screens' widgets as the games join them when they open.
#include "pictures/PictureWorld.h"

#include "games/GameObjects.h"

struct TPictureGameWorld : TPictureWorld {
    TGameObjects Objects;
    TPicGameBuffer* PicGame = nullptr;
    TMakeWBuffer* MakeW = nullptr;

    TPictureGameWorld()
    {
        Objects.PicGameBuffer = std::make_unique<TPicGameBuffer>(Context, Objects);
        Objects.MakeWBuffer = std::make_unique<TMakeWBuffer>(Context, Objects);
        PicGame = Objects.PicGameBuffer.get();
        MakeW = Objects.MakeWBuffer.get();
    }

    void Attach(TFirstLImgPanelCollection& Strip) const { Strip.BigImage = BigImage; }
    void Attach(TMakeWImgPanelCollection& Strip) const
    {
        Strip.BigImage = MakeWImage;
        Strip.WordPanel = MakeWWordPanel;
    }
    void Attach(TRaskrasImgPanelCollection& Strip) const { Strip.BigImage = RasBigImage; }
};
