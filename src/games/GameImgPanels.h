#pragma once
// The picture tiles and strips of the two picture games. Selecting a picture shows it on the
// game's screen and sets the game up for it; the strip knows the game objects and the widgets of
// its screen, handed to it when the game is prepared.
#include "pictures/ImgPanel.h"
#include "pictures/ImgPanelCollection.h"

#include <QPointer>

struct TGameObjects;
class QWidget;

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

class TFirstLImgPanelCollection : public TImgPanelCollection {
public:
    TFirstLImgPanelCollection(TAppContext& Context, TGameObjects& Objects);
    void Reshuffle() { Shuffle(); }
    // The low 16 bits of Index address the tile.
    TFirstLImgPanel* GetTile(int Index) const;

    TGameObjects& Objects;
};

class TMakeWImgPanelCollection : public TImgPanelCollection {
public:
    TMakeWImgPanelCollection(TAppContext& Context, TGameObjects& Objects);
    void Reshuffle() { Shuffle(); }
    // The low 16 bits of Index address the tile.
    TMakeWImgPanel* GetTile(int Index) const;

    TGameObjects& Objects;
    QPointer<QWidget> WordPanel;  // where the word with its hidden letter is spelled
};
