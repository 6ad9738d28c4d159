#include "letters/LetterPanelCollection.h"

#include "core/AppContext.h"
#include "core/ShuffleCollection.h"
#include "platform/widgets/ScrollBox.h"

#include <QWidget>

TRusLetterPanelCollection::TRusLetterPanelCollection(TAppContext& Context, TItemClass TileClass)
    : TCollection(std::move(TileClass)), Letters(std::make_unique<TRusLetterCollection>(Context.Settings)), FContext(Context)
{}

TRusLetterPanelCollection::~TRusLetterPanelCollection()
{
    // The alphabet goes first, then the base destruction frees the tiles.
    Letters.reset();
    Clear();
}

void TRusLetterPanelCollection::AnnouncePick(const TLetter& Letter) const
{
    if (LetterPicked) LetterPicked(Letter);
}

bool TRusLetterPanelCollection::IsCurrentMode() const
{
    return BuiltMode == FContext.Settings.LetterSetMode;
}

void TRusLetterPanelCollection::Rebuild()
{
    TileStyle = tsPictures;
    try {
        Letters->BuildAlphabet();
    } catch (...) {
        // A picture that does not decode: leave no tile standing for a letter that is not there
        // (or is not the one it showed), and no mode that would keep the next choice from
        // rebuilding. The error goes on to the caller.
        Letters->Clear();
        CreateTiles();
        BuiltMode = 0;
        throw;
    }
    CreateTiles();
    BuiltMode = static_cast<unsigned short>(FContext.Settings.LetterSetMode);
}

void TRusLetterPanelCollection::CreateTiles()
{
    for (int n = Count(); n > 0; --n) Delete(0);
    for (int i = 0; i < Letters->Count(); ++i) Add();
}

void TRusLetterPanelCollection::FillTiles()
{
    for (int i = 0; i < Count(); ++i) {
        const auto index = static_cast<unsigned short>(i);
        const TLetter& letter = *Letters->GetLetter(index);
        TLetterPanel& tile = *GetTile(index);
        tile.LetterLabel->setText(cp1251::ToUnicode(cp1251::LetterString(letter.UpperLetter)));
        tile.Panel->setAccessibleName(tile.AccessibleName());
        // A copy of the letter's picture: shared with the catalogue until either side changes it.
        if (TileStyle == tsPictures) tile.Image->SetPicture(letter.Picture);
    }
}

void TRusLetterPanelCollection::Shuffle()
{
    ShuffleCollection(*Letters);
    FillTiles();
}

TLetterPanel* TRusLetterPanelCollection::GetTile(unsigned short Index) const
{
    return ItemAs<TLetterPanel>(Index);
}

// Cells of (width − 4) / columns by (height − 4) / rows of the scroll box, row by row; the 4 pixels
// are the box's border. Every division truncates toward zero.
void TRusLetterPanelCollection::LayoutCells(TScrollBox* ScrollBox, unsigned short Columns, unsigned short Rows,
                                            int CaptionPoints, int CaptionHeight)
{
    const int cellW = static_cast<int>(double(ScrollBox->width() - 4) / Columns);
    const int cellH = static_cast<int>(double(ScrollBox->height() - 4) / Rows);
    for (int i = 0; i < Count(); ++i) {
        TLetterPanel& tile = *GetTile(static_cast<unsigned short>(i));
        tile.Place(ScrollBox->Content(), (i % Columns) * cellW, (i / Columns) * cellH, cellW, cellH);
        tile.SetCaptionLayout(CaptionPoints, CaptionHeight, static_cast<int>(double(cellH - CaptionHeight) / 2));
    }
    ScrollBox->Rearrange();
}

void TRusLetterPanelCollection::LayoutGrid(TScrollBox* ScrollBox)
{
    FillTiles();
    LayoutCells(ScrollBox, SndColumns, SndRows, 30, 40);
}

void TRusLetterPanelCollection::LayoutShuffledGrid(TScrollBox* ScrollBox)
{
    Shuffle();
    LayoutCells(ScrollBox, ExamColumns, ExamRows, 15, 25);
}

void TRusLetterPanelCollection::PlaceTiles(QWidget* Panel, int First, int Last, int Left0, int Top, int CellW, int CellH)
{
    for (int e = First; e <= Last; ++e) {
        TLetterPanel& tile = *GetTile(static_cast<unsigned short>(e));
        tile.Place(Panel, Left0 + (e - First) * CellW, Top, CellW, CellH);
        tile.SetCaptionLayout(15, 25, static_cast<int>(double(CellH - 25) / 2));
    }
}

void TRusLetterPanelCollection::LayoutTwoRows(QWidget* Panel)
{
    TileStyle = tsCaptions;
    FillTiles();
    const int cellW = static_cast<int>(double(Panel->width()) / 17);
    const int cellH = static_cast<int>(double(Panel->height()) / 2);
    PlaceTiles(Panel, 0, 16, 0, 0, cellW, cellH);
    // The shorter row sits centred under the longer one.
    PlaceTiles(Panel, 17, 32, static_cast<int>(double(cellW) / 2), cellH, cellW, cellH);
}

void TRusLetterPanelCollection::LayoutRow(QWidget* Panel)
{
    for (int i = 0; i < Count(); ++i) {
        TLetterPanel& tile = *GetTile(static_cast<unsigned short>(i));
        tile.Place(Panel, 20 + i * 40, 10, 40, 40);
        tile.SetCaptionLayout(20, 30, (40 - 30) / 2);
    }
}

TRusSndLetterPanelCollection::TRusSndLetterPanelCollection(TAppContext& Context)
    : TRusLetterPanelCollection(Context, TItemClass::Of<TSndLetterPanel>())
{
    SndColumns = 6;
    SndRows = 6;
}
