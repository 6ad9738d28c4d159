#include "games/GameImgPanels.h"

void TWordImgPanel::PictureClick()
{
    SelectPicture();
}

void TWordImgPanel::SelectPicture()
{
    ShowInBigImage();
    Strip().SelectedIndex = Index();
    if (Strip().PictureSelected) Strip().PictureSelected(Index());
}

TWordImgPanelCollection::TWordImgPanelCollection(TAppContext& Context)
    : TImgPanelCollection(Context, TItemClass::Of<TWordImgPanel>(), std::make_unique<TImageCollection>(Context))
{}

TWordImgPanel* TWordImgPanelCollection::GetTile(int Index) const
{
    return static_cast<TWordImgPanel*>(TImgPanelCollection::GetTile(static_cast<unsigned short>(Index & 0xFFFF)));
}
