#include "pictures/ImgPanelCollection.h"

#include "core/ShuffleCollection.h"
#include "pictures/TileGeometry.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/ScrollBox.h"

TImgPanelCollection::TImgPanelCollection(TAppContext& Context, TItemClass TileClass,
                                         std::unique_ptr<TImageCollection> NewImages)
    : TCollection(std::move(TileClass)), Images(std::move(NewImages)), FContext(Context)
{}

TImgPanelCollection::~TImgPanelCollection()
{
    Clear();  // the tiles reach the strip while they go
}

void TImgPanelCollection::LoadFromFolder(const QString& Folder)
{
    Clear();
    SelectedIndex = -1;
    Images->LoadFromFolder(Folder);
    CreateTiles();
    Loaded = true;
}

void TImgPanelCollection::BeginLoadFromFolder(const QString& Folder)
{
    Clear();
    SelectedIndex = -1;
    Images->BeginLoadFromFolder(Folder, [this] { PicturesRead(); });
}

void TImgPanelCollection::PicturesRead()
{
    CreateTiles();
    // A folder that gave nothing is read again next time: a parent may fill it meanwhile, and
    // each opening then says again what is missing.
    Loaded = Images->Count() > 0;
    // What waits may ask for more to wait (a game opened again meanwhile); that waits for the next reading.
    auto waiting = std::move(FWaiting);
    FWaiting.clear();
    for (auto& then : waiting) then();
}

bool TImgPanelCollection::Reading() const
{
    return Images->Loading();
}

void TImgPanelCollection::WhenRead(std::function<void()> Then)
{
    if (Reading())
        FWaiting.push_back(std::move(Then));
    else
        Then();
}

void TImgPanelCollection::FinishReading()
{
    Images->FinishLoading();
}

void TImgPanelCollection::ShowLarge(const TImgPanel& Tile) const
{
    TImage* big = BigImage;
    if (!big) return;
    const TImageItem* item = Images->GetImage(static_cast<unsigned short>(Tile.Index()));
    if (item->FileName.isEmpty() || !item->FullSize.isValid()) {
        big->SetPicture(Tile.Image()->Picture());
        return;
    }
    big->SetPictureSource(item->FullSize, Images->PictureReader(*item));
}

void TImgPanelCollection::CreateTiles()
{
    Clear();
    for (int i = 0; i < Images->Count(); ++i) Add();
}

void TImgPanelCollection::PlaceInScrollBox(TScrollBox* Box)
{
    for (int i = 0; i < Count(); ++i) Box->DockTop(GetTile(static_cast<unsigned short>(i))->Panel());
}

void TImgPanelCollection::FillTiles()
{
    for (int i = 0; i < Count(); ++i) {
        TImgPanel* tile = GetTile(static_cast<unsigned short>(i));
        const TImageItem* item = Images->GetImage(static_cast<unsigned short>(i));
        tile->SetTileVisible(true);
        tile->Image()->SetPicture(item->Picture);  // shares the catalogue's pixels
        tile->Name = item->Name;
        tile->Panel()->setAccessibleName(tile->AccessibleName());
        // The proportions of the picture itself: the one kept may be a scaled copy.
        const QSize shape = item->FullSize.isValid() ? item->FullSize : tile->Image()->Picture().size();
        TPanel* panel = tile->Panel();
        panel->resize(panel->width(),
                      ProportionalTileHeight(shape.width(), shape.height(), panel->width(), panel->height()));
    }
}

TImgPanel* TImgPanelCollection::GetTile(unsigned short Index) const
{
    return ItemAs<TImgPanel>(Index);
}

void TImgPanelCollection::Shuffle()
{
    SelectedIndex = 0;
    ShuffleCollection(*Images);
    FillTiles();
}

bool TImgPanelCollection::NextPicture()
{
    if (SelectedIndex < 0 || SelectedIndex >= Count()) return false;
    GetTile(static_cast<unsigned short>(SelectedIndex))->SetTileVisible(false);
    // Search after the solved tile to the end, then once more from the start.
    int start = SelectedIndex;
    for (;;) {
        while (SelectedIndex < Count() - 1) {
            ++SelectedIndex;
            TImgPanel* tile = GetTile(static_cast<unsigned short>(SelectedIndex));
            if (tile->IsTileVisible()) {
                tile->SelectPicture();
                return true;
            }
        }
        SelectedIndex = -1;
        if (start == -1) return false;
        start = -1;
    }
}

TRaskrasImgPanelCollection::TRaskrasImgPanelCollection(TAppContext& Context)
    : TImgPanelCollection(Context, TItemClass::Of<TRaskrasImgPanel>(), std::make_unique<TRaskrasImageCollection>(Context))
{}

void TRaskrasImgPanelCollection::LoadFromFolder(const QString& Folder)
{
    Clear();
    SelectedIndex = -1;
    Images->LoadFromFolder(Folder);
    CreateTiles();
}

TRaskrasImgPanel* TRaskrasImgPanelCollection::GetTile(int Index) const
{
    return static_cast<TRaskrasImgPanel*>(TImgPanelCollection::GetTile(static_cast<unsigned short>(Index & 0xFFFF)));
}
