#pragma once
// One big tile of "Слоги": a panel with its lettering or picture and a click area over it that sinks
// the tile while a button is held. A click (or a tap, through Qt's touch-to-mouse synthesis, or
// Enter, or assistive technology's press) runs the tile's click once.
#include "platform/widgets/Align.h"
#include "platform/widgets/KeyScreen.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <functional>

class QFont;
class QWidget;
class TImage;
class TLabel;
class TPanel;

struct TSlogTile {
    TPanel* Panel = nullptr;
    TLabel* Caption = nullptr;     // the lettering (rich text), over the panel; also the click area
    TImage* Picture = nullptr;     // picture tiles: the picture, over the caption's area
    TLabel* ClickLabel = nullptr;  // the click area (Caption, or over the picture)
    int FontPixels = 0;            // the lettering's size where it fits; smaller where it would not

    // What assistive technology calls it ("Слог МА"), its lettering, and its place at its parent's
    // base size; shown. Lettering too wide for the tile ("МЮ", "ЩЁ") is set smaller to fit.
    void Show(const QString& Name, const QString& Html, const QRect& Base) const;
    void Hide() const;
    // Its place at its parent's base size, and how it keeps it when the parent grows.
    void Place(const QRect& Base, TAnchors Anchors) const;
    bool Shown() const;
    // A click from the keys.
    void Press() const;
    // The place the keys reach, pressed as a click.
    ui::TKeyItem KeyItem() const;
};

// The lettering's look of a new tile.
struct TSlogTileLook {
    QColor Face;       // the panel's colour
    QColor Lettering;  // for text not coloured by letter
    int FontPixels = 0;
};

// A tile in Parent whose widgets are named Name + "Panel", "Label" (and "Image", "ClickLabel" for a
// picture tile). Click runs on a left click on it. Hidden until shown.
TSlogTile MakeTextTile(QWidget* Parent, const QString& Name, const TSlogTileLook& Look, std::function<void()> Click);
TSlogTile MakePictureTile(QWidget* Parent, const QString& Name, const TSlogTileLook& Look, std::function<void()> Click);
