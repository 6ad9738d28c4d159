#include "games/MakeWord.h"

#include "app/MainForm.h"
#include "games/MakeWBuffer.h"
#include "letters/LetterPanelCollection.h"
#include "pictures/ImgPanelCollection.h"
#include "platform/Image.h"
#include "platform/Panel.h"

void PrepareMakeWordGame(TMainForm& Form)
{
    TAppContext& context = Form.Context;
    TGameObjects& objects = context.Objects;
    // This game always plays with the 33 letter names, so the row is built only on the first start.
    context.Settings.LetterSetMode = lsNames;
    TRusMakeWLetterPanelCollection& row = *objects.MakeWLetterPanels;
    if (!row.IsCurrentMode()) {
        row.Rebuild();
        row.LayoutTwoRows(Form.LettersMakeWPanel);
    }

    TMakeWImgPanelCollection& strip = *objects.MakeWImgPanels;
    if (!strip.Loaded) {
        strip.LoadFromFolder(QString::fromLatin1(kWordPicturesFolder));
        strip.PlaceInScrollBox(Form.MakeWImgScrollBox);
    }
    strip.Reshuffle();
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
