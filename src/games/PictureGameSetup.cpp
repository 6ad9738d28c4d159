#include "games/PictureGameSetup.h"

#include "core/Settings.h"
#include "letters/LetterPanelCollection.h"
#include "pictures/ImageCollection.h"
#include "pictures/ImgPanelCollection.h"

void PrepareLetterChoiceRow(TSettings& Settings, TRusLetterPanelCollection& Row, QWidget* Container)
{
    Settings.LetterSetMode = lsNames;
    if (Row.IsCurrentMode()) return;
    Row.Rebuild();
    Row.LayoutTwoRows(Container);
}

void LoadWordPicturesOnce(TImgPanelCollection& Strip, TScrollBox* Box)
{
    if (Strip.Loaded) return;
    Strip.LoadFromFolder(QString::fromLatin1(kWordPicturesFolder));
    Strip.PlaceInScrollBox(Box);
}
