#include "pictures/StripKeys.h"

#include "pictures/ImgPanelCollection.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"

ui::TKeyRegion StripRegion(const TImgPanelCollection* Strip)
{
    ui::TKeyRegion region;
    for (int i = 0; Strip && i < Strip->Count(); ++i) {
        const TImgPanel* tile = Strip->GetTile(static_cast<unsigned short>(i));
        TLabel* label = tile->ClickLabel();
        region.Items.push_back({tile->Panel(), [label] { label->Press(); }, label});
    }
    if (Strip && Strip->SelectedIndex > 0) region.Entry = static_cast<size_t>(Strip->SelectedIndex);
    return region;
}
