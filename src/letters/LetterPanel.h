#pragma once
// Letter tiles: the clickable squares of a letter board. A tile does not hold its letter: it
// always stands for the letter at its own index in its board's catalogue, so when the board
// shuffles its letters the tiles stay in place and show and speak other letters.
#include "letters/LetterSpeech.h"
#include "platform/Collection.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/OwnedWidget.h"
#include "platform/widgets/Panel.h"

struct TAppContext;
class TLetter;
class TRusLetterPanelCollection;

class TLetterPanel : public TCollectionItem {
public:
    // Board must be a letter board (TRusLetterPanelCollection). The new tile waits hidden in the
    // main window's parking panel until its board lays it out.
    explicit TLetterPanel(TCollection* Board);
    ~TLetterPanel() override;

    // What a click (left button) on the tile does: the board tells whoever plays on it that the
    // tile's letter was picked (nothing when no one does).
    virtual void LetterClick();
    // Any mouse button: the tile sinks while the button is held, and rises again on release.
    void ClickLabelMouseDown();
    void ClickLabelMouseUp();

    // What assistive technology calls the tile: "Буква А", or "Звук А" on a board of sounds. The
    // board names its tiles whenever it fills them. The tile itself is a button there whose
    // default action is a click on ClickLabel.
    virtual QString AccessibleName() const;

    // The caption's font size in points, height and top inside the panel.
    void SetCaptionLayout(int FontPoints, int Height, int Top);
    // Moves the tile into Container at the given place and shows it.
    void Place(QWidget* Container, int Left, int Top, int Width, int Height);

    TRusLetterPanelCollection& Board() const;
    // The letter this tile stands for: the board's letter at the tile's index.
    TLetter& Letter() const;
    TAppContext& Context() const;

    // The tile's widgets. The panel's parent is first the parking panel, then the board's
    // container; the tile frees the panel (and the rest with it) when it goes, unless the window
    // has already taken it along.
    TOwnedWidget<TPanel> Panel;
    TImage* Image = nullptr;        // the picture, stretched, 2 pixels inside the panel
    TLabel* LetterLabel = nullptr;  // the capital letter, centred, under the picture
    TLabel* ClickLabel = nullptr;   // transparent, over everything, takes the mouse
};

// The learning board's tile: a click tells the letter, then is announced as any tile's.
class TSndLetterPanel : public TLetterPanel {
public:
    using TLetterPanel::TLetterPanel;
    using enum TSayPurpose;

    void LetterClick() override;
    // Speaks the tile's letter (::SayLetter).
    void SayLetter(short Purpose);
};
