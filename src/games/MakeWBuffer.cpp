#include "games/MakeWBuffer.h"

#include "app/AppContext.h"
#include "letters/Letter.h"
#include "sound/Speech.h"

// The alphabet is built for the letter-set mode of the moment, which is the 33 letter names while
// the program loads; building it reads the letter pictures from disk.
TMakeWBuffer::TMakeWBuffer(TAppContext& Context)
    : Alphabet(new TRusLetterCollection(Context.Settings)), FContext(Context)
{
    try {
        Alphabet->BuildAlphabet();
    } catch (...) {
        delete Alphabet;  // the destructor does not run for a half-made buffer
        throw;
    }
}

TMakeWBuffer::~TMakeWBuffer()
{
    delete Alphabet;
}

AnsiString TMakeWBuffer::MissingLetter() const
{
    if (MissingPos < 1 || MissingPos > static_cast<int>(CurrentWord.size()))
        return AnsiString();
    return AnsiString(1, CurrentWord[MissingPos - 1]);
}

void TMakeWBuffer::BuildWordRow()
{
    // Filled in once the letter catalogue and the word row's board exist.
}

void TMakeWBuffer::ShowWord(QWidget* Panel)
{
    (void)Panel;
    BuildWordRow();
}

void TMakeWBuffer::RightAnswer()
{
    FContext.Speech->SayPraise();
}

void TMakeWBuffer::WrongAnswer()
{
    FContext.Speech->SayTryAgain();
}

void TMakeWBuffer::GameOver()
{
    FContext.Speech->SayWellDone();
}
