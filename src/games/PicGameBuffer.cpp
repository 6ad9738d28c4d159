#include "games/PicGameBuffer.h"

#include "app/AppContext.h"
#include "sound/Speech.h"

TPicGameBuffer::TPicGameBuffer(TAppContext& Context) : FContext(Context) {}

void TPicGameBuffer::Reset()
{
    TargetLetter.clear();
}

void TPicGameBuffer::RightAnswer()
{
    FContext.Speech->SayPraise();
    // Moving on through the strip joins here once the strip exists.
}

void TPicGameBuffer::WrongAnswer()
{
    FContext.Speech->SayTryAgain();
}

void TPicGameBuffer::GameOver()
{
    FContext.Speech->SayWellDone();
}
