#include "games/FindLetter.h"

#include "app/MainForm.h"
#include "games/PicGameBuffer.h"
#include "letters/LetterPanelCollection.h"
#include "pictures/ImgPanelCollection.h"
#include "platform/Image.h"

void PrepareFindLetterGame(TMainForm& Form)
{
    TAppContext& context = Form.Context;
    TGameObjects& objects = context.Objects;
    // This game always plays with the 33 letter names, so the row is built only on the first start.
    context.Settings.LetterSetMode = lsNames;
    TRusPicLetterPanelCollection& row = *objects.PicLetterPanels;
    if (!row.IsCurrentMode()) {
        row.Rebuild();
        row.LayoutTwoRows(Form.LetersPicPanel);
    }
    objects.PicGameBuffer->Reset();

    TFirstLImgPanelCollection& strip = *objects.FirstLImgPanels;
    if (!strip.Loaded) {
        strip.LoadFromFolder(QString::fromLatin1(kWordPicturesFolder));
        strip.PlaceInScrollBox(Form.ImgScrollBox);
    }
    strip.Reshuffle();
}

void SelectFirstFindLetterPicture(TMainForm& Form)
{
    TFirstLImgPanelCollection& strip = *Form.Context.Objects.FirstLImgPanels;
    if (strip.Count() > 0) {
        strip.GetTile(0)->PictureClick();
        return;
    }
    strip.SelectedIndex = -1;
    Form.BigImage->SetPicture(QImage());
}
