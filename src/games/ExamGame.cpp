#include "games/ExamGame.h"

#include "core/AppContext.h"
#include "core/ShuffleCollection.h"
#include "core/Speech.h"
#include "letters/Letter.h"
#include "letters/LetterSpeech.h"

#include <numeric>

TExamGame::TExamGame(TAppContext& Context) : TLetterGame(Context, TGameKind::gkExamination) {}

void TExamGame::Start()
{
    Position = 0;
    Size = Letters ? Letters->Count() : 0;
    FSounds = FContext.Settings.LetterSetMode == lsSounds;
    Order.resize(static_cast<size_t>(Size));
    std::iota(Order.begin(), Order.end(), 0);
    // The board was shuffled separately, so questions and places are unrelated.
    ShuffleCollection(Order);
    if (!AskNext()) Finish();
}

bool TExamGame::AskNext()
{
    if (Position == Size) return false;
    const TLetter& letter = *Letters->GetLetter(static_cast<unsigned short>(Order[static_cast<size_t>(Position)]));
    TargetLetter = cp1251::LetterString(letter.LowerLetter);
    SayLetter(FContext, letter, spAsk);
    PromptFirst = FContext.Speech->FirstPlayerFileName();
    PromptSecond = FContext.Speech->SecondPlayerFileName();
    ++Position;
    QuestionAsked();
    return true;
}

bool TExamGame::NextQuestion()
{
    return AskNext();
}

void TExamGame::DescribeQuestion(TAnswer& Answer) const
{
    Answer.Sounds = FSounds;
    Answer.Asked = cp1251::ToUnicode(TargetLetter);
}
