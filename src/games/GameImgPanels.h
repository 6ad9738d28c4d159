#pragma once
// The picture tiles and strips of the two picture games. Selecting a picture shows it large on the
// game's screen, makes it current and is announced (PictureSelected); the game joined to the strip
// makes it its question. The strip knows the widgets of its screen, handed to it when the game is
// prepared.
#include "pictures/ImgPanel.h"
#include "pictures/ImgPanelCollection.h"

#include <QPointer>

class QWidget;

// A word picture's tile: a selection shows the picture large, makes it current and announces it.
class TWordImgPanel : public TImgPanel {
public:
    using TImgPanel::TImgPanel;
    void PictureClick() override;
    void SelectPicture() override;
};

// A strip of word pictures, read once per run and reshuffled for every game.
class TWordImgPanelCollection : public TImgPanelCollection {
public:
    explicit TWordImgPanelCollection(TAppContext& Context);
    void Reshuffle() { Shuffle(); }
    // The low 16 bits of Index address the tile.
    TWordImgPanel* GetTile(int Index) const;
};

// "Найди букву": the selected picture's first letter is the letter to find.
class TFirstLImgPanelCollection : public TWordImgPanelCollection {
public:
    using TWordImgPanelCollection::TWordImgPanelCollection;
};

// "Дед Буквоед": each selection hides a newly drawn letter of the picture's word.
class TMakeWImgPanelCollection : public TWordImgPanelCollection {
public:
    using TWordImgPanelCollection::TWordImgPanelCollection;
    QPointer<QWidget> WordPanel;  // where the word with its hidden letter is spelled
};
