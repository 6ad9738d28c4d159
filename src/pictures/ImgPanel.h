#pragma once
// Picture tiles: a small red-framed panel that shows one picture of a strip's catalogue and makes
// it the current picture when clicked. Each screen has its own kind, which decides what
// "current" means there (the games' kinds live with the games).
#include "platform/Collection.h"
#include "platform/Cp1251.h"
#include "platform/widgets/OwnedWidget.h"

struct TAppContext;
class TImgPanelCollection;
class TImage;
class TLabel;
class TPanel;

class TImgPanel : public TCollectionItem {
public:
    // Strip must be a picture strip (TImgPanelCollection). The new tile waits, blank, in the main
    // window's parking panel until the strip places it in a scroll box.
    explicit TImgPanel(TCollection* Strip);
    ~TImgPanel() override;

    AnsiString Name;  // the name of the picture shown, copied from the catalogue

    // A click on the tile; every kind only selects its picture.
    virtual void PictureClick();
    // Makes this tile's picture the current one; nothing on the base tile.
    virtual void SelectPicture();

    // Any mouse button: the tile sinks while it is held and rises on release.
    void ClickLabelMouseDown();
    void ClickLabelMouseUp();

    void SetTileVisible(bool Visible);
    bool IsTileVisible() const;

    // What assistive technology calls the tile, where it is a button whose default action is a
    // click on ClickLabel: the picture's word, or "Картинка" while it has none. The strip names
    // its tiles whenever it fills them.
    QString AccessibleName() const;
    // Copies the picture, with its name for assistive technology, into the strip's big picture.
    void ShowInBigImage() const;

    TPanel* Panel() const;
    TImage* Image() const;
    TLabel* ClickLabel() const;

    TImgPanelCollection& Strip() const;
    TAppContext& Context() const;

private:
    // Freed in the reverse order: the image, the click label, then the panel.
    TOwnedWidget<TPanel> FPanel;
    TOwnedWidget<TLabel> FClickLabel;
    TOwnedWidget<TImage> FImage;
};

// "Раскраска": a selection only shows the page large.
class TRaskrasImgPanel : public TImgPanel {
public:
    using TImgPanel::TImgPanel;
    void PictureClick() override;
    void SelectPicture() override;
};
