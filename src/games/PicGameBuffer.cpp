#include "games/PicGameBuffer.h"

#include "app/AppContext.h"
#include "pictures/ImgPanelCollection.h"
#include "sound/Speech.h"

TPicGameBuffer::TPicGameBuffer(TAppContext& Context) : FContext(Context) {}

void TPicGameBuffer::Reset()
{
    TargetLetter.clear();
}

void TPicGameBuffer::RightAnswer()
{
    FContext.Speech->SayPraise();
    // Once the box is closed: the solved picture leaves the strip and the next one is shown.
    if (!FContext.Objects.FirstLImgPanels->NextPicture()) GameOver();
}

void TPicGameBuffer::WrongAnswer()
{
    FContext.Speech->SayTryAgain();
}

void TPicGameBuffer::GameOver()
{
    FContext.Speech->SayWellDone();
}
