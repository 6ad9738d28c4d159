#include "platform/widgets/KeyScreen.h"

#include "platform/widgets/Keyboard.h"

#include <QAbstractButton>

namespace ui {

TKeyRegion ButtonRegion(const std::vector<QAbstractButton*>& Buttons)
{
    TKeyRegion region;
    for (QAbstractButton* b : Buttons)
        if (b) region.Items.push_back({b, [b] { PressButton(b); }});
    return region;
}

}  // namespace ui
