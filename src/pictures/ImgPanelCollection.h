#pragma once
// Picture strips: the tiles of one picture catalogue, stacked top to bottom in a scroll box, and
// which of them is current. The two game strips are read once and reshuffled for every game;
// the colouring strip is read anew for every theme.
#include "pictures/ImageCollection.h"
#include "pictures/ImgPanel.h"
#include "platform/Collection.h"

#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

struct TAppContext;
class TImage;
class TScrollBox;

class TImgPanelCollection : public TCollection {
public:
    TImgPanelCollection(TAppContext& Context, TItemClass TileClass, std::unique_ptr<TImageCollection> Images);
    ~TImgPanelCollection() override;

    int SelectedIndex = 0;                     // the current tile; -1 for none
    bool Loaded = false;                       // whether the pictures have been read
    std::unique_ptr<TImageCollection> Images;  // the catalogue behind the tiles
    // The screen's big picture, where a selected tile shows its picture; handed over by whoever
    // puts the strip on a screen.
    QPointer<TImage> BigImage;
    // Told that the tile at this index was selected (its picture made current); whoever plays
    // with the strip connects it when it makes the strip.
    std::function<void(int Index)> PictureSelected;

    TAppContext& Context() const { return FContext; }

    // Frees the tiles, reads Folder into the catalogue and makes one blank tile per picture.
    virtual void LoadFromFolder(const QString& Folder);
    // The same without waiting for the pictures: the catalogue decodes them on the thread pool
    // while the caller goes on; once they are in, the tiles are made, Loaded is set (unless there
    // were none) and what waits (WhenRead) runs, on this thread.
    void BeginLoadFromFolder(const QString& Folder);
    // Whether pictures are being read; the strip has no tiles meanwhile.
    bool Reading() const;
    // Runs Then once the pictures being read are in, after what waits already; at once when no
    // pictures are being read.
    void WhenRead(std::function<void()> Then);
    // Waits for the pictures being read and puts them in now.
    void FinishReading();
    // Frees the tiles and makes one blank tile per catalogue item, parked in the hidden panel.
    void CreateTiles();
    // Docks every tile, in index order, to the top of Box.
    void PlaceInScrollBox(TScrollBox* Box);
    // Shows every tile with the picture and name of the catalogue item of its index, its height
    // following the picture's proportions at the tile's present width.
    void FillTiles();
    // The tile at Index; EListError outside the strip.
    TImgPanel* GetTile(unsigned short Index) const;
    // A new random picture order, every tile shown again, the first tile current.
    void Shuffle();
    // Hides the current tile and selects the next visible one after it, wrapping once to the
    // start. False when no visible tile is left (SelectedIndex is then -1), and also, changing
    // nothing, when there is no current tile.
    bool NextPicture();

    // Shows Tile's picture in BigImage, read again from its file at the size BigImage draws it
    // (and again when BigImage grows); a picture made in memory is shown as the tile holds it.
    void ShowLarge(const TImgPanel& Tile) const;

private:
    // The pictures are in: the tiles, Loaded, and what waits.
    void PicturesRead();

    TAppContext& FContext;
    std::vector<std::function<void()>> FWaiting;
};

class TRaskrasImgPanelCollection : public TImgPanelCollection {
public:
    explicit TRaskrasImgPanelCollection(TAppContext& Context);
    // Rebuilt on every call, so Loaded stays false.
    void LoadFromFolder(const QString& Folder) override;
    TRaskrasImgPanel* GetTile(int Index) const;
};
