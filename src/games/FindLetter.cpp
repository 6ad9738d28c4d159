#include "games/FindLetter.h"

#include "app/MainForm.h"
#include "games/PicGameBuffer.h"
#include "games/PictureGameSetup.h"
#include "letters/LetterPanelCollection.h"
#include "pictures/ImgPanelCollection.h"
#include "platform/Image.h"

void PrepareFindLetterGame(TMainForm& Form)
{
    TAppContext& context = Form.Context;
    TGameObjects& objects = context.Objects;
    PrepareLetterChoiceRow(context.Settings, *objects.PicLetterPanels, Form.LetersPicPanel);
    objects.PicGameBuffer->Reset();
    LoadWordPicturesOnce(*objects.FirstLImgPanels, Form.ImgScrollBox);
    objects.FirstLImgPanels->Reshuffle();
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
