#include "games/PicGameBuffer.h"

#include "core/AppContext.h"
#include "core/Speech.h"
#include "games/GameObjects.h"

TPicGameBuffer::TPicGameBuffer(TAppContext& Context, TGameObjects& Objects) : FContext(Context), FObjects(Objects) {}

void TPicGameBuffer::Reset()
{
    TargetLetter.clear();
}

void TPicGameBuffer::RightAnswer()
{
    FContext.Speech->SayPraise();
    // Once the box is closed: the solved picture leaves the strip and the next one is shown.
    if (!FObjects.FirstLImgPanels->NextPicture()) GameOver();
}

void TPicGameBuffer::WrongAnswer()
{
    FContext.Speech->SayTryAgain();
}

void TPicGameBuffer::GameOver()
{
    FContext.Speech->SayWellDone();
}
