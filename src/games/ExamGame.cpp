#include "games/ExamGame.h"

#include "core/AppContext.h"
#include "core/Speech.h"
#include "games/GameObjects.h"
#include "platform/Random.h"

#include <numeric>
#include <utility>

TExamGame::TExamGame(TAppContext& Context, TGameObjects& Objects) : FContext(Context), FObjects(Objects) {}

void TExamGame::Start()
{
    TRusExamLetterPanelCollection& board = *FObjects.ExamLetterPanels;
    Position = 0;
    Size = board.Letters->Count();
    Order.resize(static_cast<size_t>(Size));
    std::iota(Order.begin(), Order.end(), 0);
    // The same fixed number of random transpositions as the board's own shuffle: a permutation,
    // though not a uniform one. The board was shuffled separately, so questions and places are unrelated.
    Randomize();
    for (int k = 0; k < Size / 2 + 1 && Size > 0; ++k) {
        const int i = Random(Size);
        const int j = Random(Size);
        std::swap(Order[static_cast<size_t>(i)], Order[static_cast<size_t>(j)]);
    }
    AskNext();
}

void TExamGame::AskNext()
{
    if (Position == Size) {
        GameOver();
        return;
    }
    TRusExamLetterPanelCollection& board = *FObjects.ExamLetterPanels;
    const auto k = static_cast<unsigned short>(Order[static_cast<size_t>(Position)]);
    TargetLetter = cp1251::LetterString(board.Letters->GetLetter(k)->LowerLetter);
    board.GetExamTile(k)->SayLetter(TSndLetterPanel::spAsk);
    PromptFirst = FContext.Speech->FirstPlayerFileName();
    PromptSecond = FContext.Speech->SecondPlayerFileName();
    ++Position;
}

void TExamGame::Answer(unsigned char Letter)
{
    if (cp1251::LetterString(Letter) == TargetLetter)
        RightAnswer();
    else
        WrongAnswer();
}

void TExamGame::RightAnswer()
{
    FContext.Speech->SayPraise();
    AskNext();
}

void TExamGame::WrongAnswer()
{
    FContext.Speech->SayTryAgain();
}

void TExamGame::GameOver()
{
    FContext.Speech->SayWellDone();
}
