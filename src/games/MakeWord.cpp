#include "games/MakeWord.h"

#include "app/MainForm.h"
#include "games/MakeWBuffer.h"
#include "games/PictureGameSetup.h"
#include "letters/LetterPanelCollection.h"
#include "pictures/ImgPanelCollection.h"
#include "platform/Image.h"
#include "platform/Panel.h"

void PrepareMakeWordGame(TMainForm& Form)
{
    TAppContext& context = Form.Context;
    TGameObjects& objects = context.Objects;
    PrepareLetterChoiceRow(context.Settings, *objects.MakeWLetterPanels, Form.LettersMakeWPanel);
    LoadWordPicturesOnce(*objects.MakeWImgPanels, Form.MakeWImgScrollBox);
    objects.MakeWImgPanels->Reshuffle();
}

void SelectFirstMakeWordPicture(TMainForm& Form)
{
    TGameObjects& objects = Form.Context.Objects;
    TMakeWImgPanelCollection& strip = *objects.MakeWImgPanels;
    if (strip.Count() > 0) {
        strip.GetTile(0)->PictureClick();
        return;
    }
    strip.SelectedIndex = -1;
    Form.MakeWImage->SetPicture(QImage());
    TMakeWBuffer& game = *objects.MakeWBuffer;
    game.CurrentWord.clear();
    game.MissingPos = 0;
    game.ShowWord(Form.MakeWWordPanel);
}
