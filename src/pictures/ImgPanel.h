#pragma once
// Picture tiles: a small red-framed panel that shows one picture of a strip's catalogue and makes
// it the current picture when clicked. Each game has its own kind, which decides what
// "current" means for that game.
#include "platform/Collection.h"
#include "platform/Cp1251.h"

#include <QPointer>

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

    TPanel* Panel() const;
    TImage* Image() const;
    TLabel* ClickLabel() const;

    TImgPanelCollection& Strip() const;
    TAppContext& Context() const;

private:
    QPointer<TPanel> FPanel;
    QPointer<TImage> FImage;
    QPointer<TLabel> FClickLabel;
};

// "Найди букву": the selected picture's first letter becomes the letter to find.
class TFirstLImgPanel : public TImgPanel {
public:
    using TImgPanel::TImgPanel;
    void PictureClick() override;
    void SelectPicture() override;
};

// "Дед Буквоед": each selection hides a newly drawn letter of the picture's word.
class TMakeWImgPanel : public TImgPanel {
public:
    using TImgPanel::TImgPanel;
    int MissingPos = 0;  // 1-based position of the hidden letter in Name, drawn at each selection
    void PictureClick() override;
    void SelectPicture() override;
};

// "Раскраска": a selection only shows the page large.
class TRaskrasImgPanel : public TImgPanel {
public:
    using TImgPanel::TImgPanel;
    void PictureClick() override;
    void SelectPicture() override;
};

// The screens' big pictures and the word panel, found in the main window by their names.
inline const char* const kFirstLBigImageName = "BigImage";
inline const char* const kMakeWBigImageName = "MakeWImage";
inline const char* const kMakeWWordPanelName = "MakeWWordPanel";
inline const char* const kRasBigImageName = "RasBigImage";
