#include "games/GameImgPanels.h"

#include "games/GameObjects.h"
#include "platform/Random.h"

namespace {

// Shows Tile's picture as the current picture of its strip's screen, at the size it is shown.
void ShowBig(const TImgPanel& Tile)
{
    Tile.ShowInBigImage();
}

}  // namespace

void TFirstLImgPanel::PictureClick()
{
    SelectPicture();
}

void TFirstLImgPanel::SelectPicture()
{
    ShowBig(*this);
    Strip().SelectedIndex = Index();
    // A picture without a name has no first letter: no pick can then be right.
    static_cast<TFirstLImgPanelCollection&>(Strip()).Objects.PicGameBuffer->TargetLetter =
        Name.empty() ? AnsiString() : Name.substr(0, 1);
}

void TMakeWImgPanel::PictureClick()
{
    SelectPicture();
}

void TMakeWImgPanel::SelectPicture()
{
    auto& strip = static_cast<TMakeWImgPanelCollection&>(Strip());
    ShowBig(*this);
    strip.SelectedIndex = Index();
    Randomize();
    MissingPos = Random(static_cast<int>(Name.size())) + 1;
    TMakeWBuffer& game = *strip.Objects.MakeWBuffer;
    game.MissingPos = MissingPos;
    game.CurrentWord = Name;
    game.ShowWord(strip.WordPanel);
}

TFirstLImgPanelCollection::TFirstLImgPanelCollection(TAppContext& Context, TGameObjects& GameObjects)
    : TImgPanelCollection(Context, TItemClass::Of<TFirstLImgPanel>(), std::make_unique<TImageCollection>(Context)),
      Objects(GameObjects)
{}

TFirstLImgPanel* TFirstLImgPanelCollection::GetTile(int Index) const
{
    return static_cast<TFirstLImgPanel*>(TImgPanelCollection::GetTile(static_cast<unsigned short>(Index & 0xFFFF)));
}

TMakeWImgPanelCollection::TMakeWImgPanelCollection(TAppContext& Context, TGameObjects& GameObjects)
    : TImgPanelCollection(Context, TItemClass::Of<TMakeWImgPanel>(), std::make_unique<TImageCollection>(Context)),
      Objects(GameObjects)
{}

TMakeWImgPanel* TMakeWImgPanelCollection::GetTile(int Index) const
{
    return static_cast<TMakeWImgPanel*>(TImgPanelCollection::GetTile(static_cast<unsigned short>(Index & 0xFFFF)));
}
