#include "letters/BoardKeys.h"

#include "letters/LetterPanelCollection.h"
#include "platform/widgets/Label.h"

#include <algorithm>

namespace {

ui::TKeyItem ItemOf(const TLetterPanel* Tile)
{
    TLabel* label = Tile->ClickLabel;
    return {Tile->Panel, [label] { label->Press(); }, label};
}

}  // namespace

ui::TKeyRegion BoardRegion(const TRusLetterPanelCollection* Board)
{
    ui::TKeyRegion region;
    for (int i = 0; Board && i < Board->Count(); ++i)
        region.Items.push_back(ItemOf(Board->GetTile(static_cast<unsigned short>(i))));
    return region;
}

std::optional<ui::TKeyItem> BoardTile(const TRusLetterPanelCollection* Board, unsigned char Lower)
{
    if (!Board) return std::nullopt;
    const int count = std::min(Board->Count(), Board->Letters->Count());
    for (int i = 0; i < count; ++i) {
        const auto index = static_cast<unsigned short>(i);
        if (Board->Letters->GetLetter(index)->LowerLetter == Lower) return ItemOf(Board->GetTile(index));
    }
    return ui::TKeyItem{};
}
