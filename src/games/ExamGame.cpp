#include "games/ExamGame.h"

#include "core/AppContext.h"
#include "core/ExamPractice.h"
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
    if (FContext.ExamPractice) {
        Order = FContext.ExamPractice->ExamOrder(BoardLetters(), Order, FSounds);
        Size = static_cast<int>(Order.size());
    }
    if (!AskNext()) Finish();
}

bool TExamGame::AskNext()
{
    FAsked = -1;
    if (Position == Size) return false;
    FAsked = Order[static_cast<size_t>(Position)];
    const TLetter& letter = *Letters->GetLetter(static_cast<unsigned short>(FAsked));
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

void TExamGame::FirstMiss()
{
    // After the last right pick no question is open: a stray pick puts nothing back.
    if (FAsked < 0 || !FContext.ExamPractice || !FContext.ExamPractice->AskAgain(FAsked)) return;
    Order.push_back(FAsked);
    Size = static_cast<int>(Order.size());
}

QStringList TExamGame::BoardLetters() const
{
    QStringList board;
    for (int i = 0; i < Size; ++i)
        board << cp1251::ToUnicode(cp1251::LetterString(Letters->GetLetter(static_cast<unsigned short>(i))->LowerLetter));
    return board;
}

void TExamGame::DescribeQuestion(TAnswer& Answer) const
{
    Answer.Sounds = FSounds;
    Answer.Asked = cp1251::ToUnicode(TargetLetter);
}
