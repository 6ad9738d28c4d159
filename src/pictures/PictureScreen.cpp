#include "pictures/PictureScreen.h"

#include "core/Palette.h"
#include "platform/widgets/Accessibility.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/WidgetBuild.h"

namespace build {

TScrollBox* ThumbnailColumn(TPanel* Screen, const char* ColumnName, const char* InnerName, const char* BoxName,
                            TPanel** Column)
{
    TPanel* column = Panel(Screen, ColumnName, QRect(866, 0, 233, 672), TAlign::Right, Flat(palette::DeepBlue, 4));
    TPanel* inner = Panel(column, InnerName, QRect(4, 4, 225, 664), TAlign::Client, Flat(palette::LightSkyBlue, 4));
    if (Column) *Column = column;
    return ScrollBox(inner, BoxName, QRect(4, 4, 217, 656), TAlign::Client, false, palette::LightSkyBlue);
}

TImage* FittedImage(QWidget* Parent, const char* Name, const QRect& Bounds)
{
    TImage* image = Image(Parent, Name, Bounds, TAlign::None, akAll);
    image->SetCenter(true);
    image->SetStretch(true);
    image->SetProportional(true);
    // Named after the picture it shows as soon as it shows one.
    image->setAccessibleName(QStringLiteral("Картинка"));
    ui::SetAccessible(image, ui::TAccessRole::Graphic);
    return image;
}

}  // namespace build
