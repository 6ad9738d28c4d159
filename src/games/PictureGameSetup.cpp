#include "games/PictureGameSetup.h"

#include "core/Settings.h"
#include "letters/LetterPanelCollection.h"
#include "pictures/ImageCollection.h"
#include "pictures/ImgPanelCollection.h"
#include "pictures/TileGeometry.h"
#include "platform/ScrollBox.h"

void PrepareLetterChoiceRow(TSettings& Settings, TRusLetterPanelCollection& Row, QWidget* Container)
{
    Settings.LetterSetMode = lsNames;
    if (Row.IsCurrentMode()) return;
    Row.Rebuild();
    Row.LayoutTwoRows(Container);
}

void LoadWordPicturesOnce(TImgPanelCollection& Strip, TScrollBox* Box)
{
    if (Strip.Loaded || Strip.Reading()) return;
    // The tiles are as wide as the box (a scroll bar may take a little of that later).
    Strip.Images->PictureBounds = TileImageBounds(Box->maximumViewportSize().width(), Box->devicePixelRatioF());
    Strip.BeginLoadFromFolder(QString::fromLatin1(kWordPicturesFolder));
    Strip.WhenRead([&Strip, Box] { Strip.PlaceInScrollBox(Box); });
}
