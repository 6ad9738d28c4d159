#pragma once
// Letter boards: the tiles of one game together with the alphabet they stand for. Tile i always
// stands for letter i of the board's own catalogue. A board rebuilds itself for the current
// letter-set mode, copies captions and pictures into its tiles, shuffles its letters, and lays its
// tiles out in one of four ways.
#include "letters/Letter.h"
#include "letters/LetterPanel.h"
#include "platform/Collection.h"

#include <functional>
#include <memory>

class QWidget;
class TScrollBox;
struct TAppContext;

class TRusLetterPanelCollection : public TCollection {
public:
    TRusLetterPanelCollection(TAppContext& Context, TItemClass TileClass);
    ~TRusLetterPanelCollection() override;

    unsigned short SndColumns = 0;  // columns and rows of LayoutGrid
    unsigned short SndRows = 0;
    unsigned short ExamColumns = 0;  // columns and rows of LayoutShuffledGrid
    unsigned short ExamRows = 0;
    short TileStyle = 0;                            // tsPictures: FillTiles copies pictures; tsCaptions: captions only
    unsigned short BuiltMode = 0;                   // the LetterSetMode of the last Rebuild; 0 before the first
    std::unique_ptr<TRusLetterCollection> Letters;  // the board's own alphabet

    enum : short { tsPictures = 1, tsCaptions = 2 };

    // Told of every tile picked (a left click), with the tile's letter; whoever plays on the board
    // connects it when it makes the board.
    std::function<void(const TLetter& Letter)> LetterPicked;

    TAppContext& Context() const { return FContext; }
    // A tile's letter picked: LetterPicked, when connected.
    void AnnouncePick(const TLetter& Letter) const;

    // Whether the board was last rebuilt for the LetterSetMode in force now.
    bool IsCurrentMode() const;
    // A new alphabet for the current mode (names, sounds, pictures read from disk) and new tiles,
    // hidden until a layout places them. When a picture does not decode, the error reaches the
    // caller and the board is left empty and unbuilt, so that the next choice rebuilds it.
    void Rebuild();
    // Frees every tile and creates one (hidden) tile per letter.
    void CreateTiles();
    // Captions (and, with tsPictures, pictures) of the letters into the tiles of the same index.
    void FillTiles();
    // Puts the letters into random order; the tiles stay and show the letters of their new index.
    void Shuffle();
    // The tile at Index; EListError outside the list.
    TLetterPanel* GetTile(unsigned short Index) const;

    // Alphabet order in SndColumns × SndRows cells of the scroll box (learning board).
    void LayoutGrid(TScrollBox* ScrollBox);
    // Shuffle, then ExamColumns × ExamRows cells of the scroll box (examination).
    void LayoutShuffledGrid(TScrollBox* ScrollBox);
    // The 33 letters as captions in two rows of 17 and 16 cells, the second offset by half a cell.
    void LayoutTwoRows(QWidget* Panel);
    // One row of 40 × 40 cells, 20 pixels in and 10 down; the panel's size is not looked at.
    void LayoutRow(QWidget* Panel);

private:
    void LayoutCells(TScrollBox* ScrollBox, unsigned short Columns, unsigned short Rows, int CaptionPoints,
                     int CaptionHeight);
    void PlaceTiles(QWidget* Panel, int First, int Last, int Left0, int Top, int CellW, int CellH);

    TAppContext& FContext;
};

class TRusSndLetterPanelCollection : public TRusLetterPanelCollection {
public:
    explicit TRusSndLetterPanelCollection(TAppContext& Context);
};
