#include "slogi/SlogRound.h"

#include "core/AppContext.h"
#include "core/Speech.h"

#include <utility>

TSlogRound::TSlogRound(TAppContext& Context, TSyllableMode Exercise) : FContext(Context), FExercise(Exercise) {}

TSlogRound::~TSlogRound() = default;

void TSlogRound::Begin()
{
    Stop();
    FStarted = true;
    FQuestion = 0;
    if (QuestionCount() == 0) {
        FFinished = true;
        if (Changed) Changed();
        return;
    }
    AskQuestion();
}

void TSlogRound::Stop()
{
    ++FGeneration;
    FStarted = false;
    FPraising = false;
    FFinished = false;
    FMissed = false;
}

std::function<void()> TSlogRound::Guarded(std::function<void()> F)
{
    return [this, life = std::weak_ptr<int>(FLife), generation = FGeneration, F = std::move(F)] {
        if (!life.lock() || generation != FGeneration) return;
        if (OnScreen && !OnScreen()) return;
        F();
    };
}

void TSlogRound::AskQuestion()
{
    FMissed = false;
    FPraising = false;
    Prepare();
    if (Changed) Changed();
    Ask();
}

void TSlogRound::Judge(bool Right, const QString& Asked, const QString& Picked, const QString& Word)
{
    TAnswer answer;
    answer.Game = TGameKind::gkSyllables;
    answer.Exercise = FExercise;
    answer.Asked = Asked;
    answer.Picked = Picked;
    answer.Word = Word;
    answer.Right = Right;
    answer.FirstTry = !FMissed;
    FContext.Answers.Announce(answer);
    if (!Right) {
        if (!std::exchange(FMissed, true)) WrongFirst();
        FContext.Speech->SayTryAgainThen(Guarded([this] { SayAgain(); }));
        return;
    }
    if (!FMissed) RightFirst();
    FPraising = true;
    if (Changed) Changed();
    FContext.Speech->SayPraiseThen(Guarded([this] { Advance(); }));
}

void TSlogRound::Advance()
{
    if (FQuestion + 1 < QuestionCount()) {
        ++FQuestion;
        AskQuestion();
        return;
    }
    FPraising = false;
    FFinished = true;
    if (Changed) Changed();
    FContext.Speech->SayWellDone();
}
