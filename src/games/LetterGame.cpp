#include "games/LetterGame.h"

#include "core/AppContext.h"

#include <utility>

TLetterGame::TLetterGame(TAppContext& Context, TGameKind Kind) : FContext(Context), FKind(Kind) {}

TLetterGame::~TLetterGame() = default;

void TLetterGame::Answer(unsigned char Letter)
{
    const AnsiString picked = cp1251::LetterString(Letter);
    TAnswer answer;
    answer.Game = FKind;
    DescribeQuestion(answer);
    answer.Picked = cp1251::ToUnicode(picked);
    answer.Right = picked == WantedLetter();
    answer.FirstTry = !FMissed;
    FContext.Answers.Announce(answer);
    if (!answer.Right) {
        if (!std::exchange(FMissed, true)) FirstMiss();
        Outcomes.Announce(TOutcome::otWrong);
        return;
    }
    Outcomes.Announce(TOutcome::otRight);
    if (!NextQuestion()) Finish();
}
