#include "games/MakeWBuffer.h"

#include "app/AppContext.h"
#include "sound/Speech.h"

TMakeWBuffer::TMakeWBuffer(TAppContext& Context) : FContext(Context) {}

TMakeWBuffer::~TMakeWBuffer() = default;

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
