#include "games/PictureGameSetup.h"

#include "core/ContentLayout.h"
#include "core/ErrorBox.h"
#include "core/Settings.h"
#include "core/Texts.h"
#include "letters/LetterPanelCollection.h"
#include "pictures/ImageCollection.h"
#include "pictures/ImgPanelCollection.h"
#include "pictures/TileGeometry.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/ScrollBox.h"

bool PrepareLetterChoiceRow(TSettings& Settings, TRusLetterPanelCollection& Row, QWidget* Container, IDialogs& Dialogs)
{
    Settings.LetterSetMode = lsNames;
    if (Row.IsCurrentMode()) return true;
    if (!core::RunReportingErrors(Dialogs, [&] { Row.Rebuild(); })) return false;
    Row.LayoutTwoRows(Container);
    return true;
}

void LoadWordPicturesOnce(TImgPanelCollection& Strip, TScrollBox* Box)
{
    if (Strip.Loaded || Strip.Reading()) return;
    // The tiles are as wide as the box (a scroll bar may take a little of that later).
    Strip.Images->PictureBounds = TileImageBounds(Box->maximumViewportSize().width(), Box->devicePixelRatioF());
    Strip.BeginLoadFromFolder(content::layout::kWordPictures);
    Strip.WhenRead([&Strip, Box] { Strip.PlaceInScrollBox(Box); });
}

void ReportNoPictures(const TImgPanelCollection& Strip, const TSettings& Settings, IDialogs& Dialogs)
{
    if (!Strip.Images->FolderFound()) return;
    Dialogs.ShowMessage(QString::fromUtf8(kWindowCaption),
                        NoPicturesMessage(Settings.ContentFolder + content::layout::kWordPictures));
}
