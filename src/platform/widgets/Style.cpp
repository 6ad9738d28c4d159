#include "platform/widgets/Style.h"

#include <QPalette>
#include <QWidget>

namespace ui {

void SetFont(QWidget* Widget, const QFont& Font, const QColor& Color)
{
    Widget->setFont(Font);
    QPalette pal = Widget->palette();
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        for (auto group : {QPalette::Active, QPalette::Inactive}) pal.setColor(group, role, Color);
    Widget->setPalette(pal);
}

}  // namespace ui
