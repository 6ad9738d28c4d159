#include "games/MakeWBuffer.h"

#include "core/AppContext.h"
#include "core/Speech.h"
#include "games/GameObjects.h"
#include "letters/Letter.h"

// The alphabet is built for the letter-set mode of the moment, which is the 33 letter names while
// the program loads; building it reads the letter pictures from disk.
TMakeWBuffer::TMakeWBuffer(TAppContext& Context, TGameObjects& Objects)
    : Alphabet(std::make_unique<TRusLetterCollection>(Context.Settings)), FContext(Context), FObjects(Objects)
{
    Alphabet->BuildAlphabet(Context.Ending);
    WordRow = std::make_unique<TRusMakeWWordLetterPanelCollection>(Context);
}

TMakeWBuffer::~TMakeWBuffer() = default;

AnsiString TMakeWBuffer::MissingLetter() const
{
    if (MissingPos < 1 || MissingPos > static_cast<int>(CurrentWord.size())) return AnsiString();
    return AnsiString(1, CurrentWord[MissingPos - 1]);
}

void TMakeWBuffer::BuildWordRow()
{
    WordRow->Clear();
    TRusLetterCollection& cells = *WordRow->Letters;
    cells.Clear();
    for (int pos = 1; pos <= static_cast<int>(CurrentWord.size()); ++pos) {
        if (pos == MissingPos) {
            cells.AddLetter();  // the empty cell: no letter, no caption
            continue;
        }
        // A character that is no letter's small form (a capital, a hyphen, a digit) gives no cell.
        const auto ch = static_cast<unsigned char>(CurrentWord[static_cast<size_t>(pos - 1)]);
        for (int i = 0; i < Alphabet->Count(); ++i) {
            const TLetter& letter = *Alphabet->GetLetter(static_cast<unsigned short>(i));
            if (letter.LowerLetter == ch) cells.AddLetter()->Assign(letter);
        }
    }
    WordRow->CreateTiles();
    WordRow->TileStyle = TRusLetterPanelCollection::tsCaptions;
    WordRow->FillTiles();
}

void TMakeWBuffer::ShowWord(QWidget* Panel)
{
    BuildWordRow();
    if (Panel) WordRow->LayoutRow(Panel);
}

void TMakeWBuffer::RightAnswer()
{
    FContext.Speech->SayPraise();
    // Once the box is closed: the next picture, with a new hidden letter, or the end of the game.
    if (!FObjects.MakeWImgPanels->NextPicture()) GameOver();
}

void TMakeWBuffer::WrongAnswer()
{
    FContext.Speech->SayTryAgain();
}

void TMakeWBuffer::GameOver()
{
    FContext.Speech->SayWellDone();
}
