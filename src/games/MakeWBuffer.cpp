#include "games/MakeWBuffer.h"

#include "core/AppContext.h"
#include "games/GameLetterPanels.h"
#include "letters/Letter.h"
#include "platform/Random.h"

// The alphabet is built for the letter-set mode of the moment, which is the 33 letter names while
// the program loads; building it checks that every letter picture decodes. The word row shows
// captions only, so the pictures are not kept: the boards read them when they are first opened.
TMakeWBuffer::TMakeWBuffer(TAppContext& Context)
    : TLetterGame(Context, TGameKind::gkMakeWord), Alphabet(std::make_unique<TRusLetterCollection>(Context.Settings))
{
    Alphabet->KeepPictures = false;
    Alphabet->BuildAlphabet(Context.Ending);
    WordRow = std::make_unique<TRusMakeWWordLetterPanelCollection>(Context);
}

TMakeWBuffer::~TMakeWBuffer() = default;

void TMakeWBuffer::PictureShown(const AnsiString& Name)
{
    Randomize();
    NewWord(Name, Random(static_cast<int>(Name.size())) + 1);
}

void TMakeWBuffer::NewWord(const AnsiString& Word, int Position)
{
    CurrentWord = Word;
    MissingPos = Position;
    QuestionAsked();
}

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

void TMakeWBuffer::DescribeQuestion(TAnswer& Answer) const
{
    Answer.Word = cp1251::ToUnicode(CurrentWord);
    Answer.Position = MissingPos - 1;
    Answer.Asked = cp1251::ToUnicode(MissingLetter());
}

bool TMakeWBuffer::NextQuestion()
{
    return NextPicture && NextPicture();
}
