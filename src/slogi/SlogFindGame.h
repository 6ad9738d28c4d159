#pragma once
// "Найди слог": the voice says "Найди слог" and a syllable of the lesson; the child picks its tile
// among two to four (SlogStages.h). Each syllable of the lesson is asked once, in a random order.
#include "core/Syllables.h"
#include "slogi/SlogRound.h"
#include "slogi/SlogStages.h"

#include <QList>

class TSlogSounds;
struct TSlogLesson;

class TSlogFindGame : public TSlogRound {
public:
    TSlogFindGame(TAppContext& Context, const TSlogSounds& Sounds);

    // Draws a number in 0 .. n - 1 (the program's random numbers unless a test sets it).
    std::function<int(int)> Draw;

    // A new round over Lesson's syllables at the first stage; Near holds the syllables that may
    // stand near them at the last stage (other consonants'). The first question is asked.
    void Start(const TSlogLesson& Lesson, const QList<syllables::TSyllable>& Near);

    // The tiles of the question asked now, in their places.
    const QList<syllables::TSyllable>& Tiles() const { return FTiles; }
    const syllables::TSyllable& Wanted() const { return FOrder.at(Question()); }
    TFindStage Stage() const { return FStages.Stage(); }

    // A tile picked (nothing while the praise is said or no question is asked).
    void Pick(const syllables::TSyllable& Syllable);
    // "Повторить": the question again.
    void Repeat();

    int QuestionCount() const override { return int(FOrder.size()); }

protected:
    void Prepare() override;
    void Ask() override;
    void SayAgain() override;
    void RightFirst() override { FStages.RightFirstPick(); }
    void WrongFirst() override { FStages.WrongFirstPick(); }

private:
    const TSlogSounds& FSounds;
    QList<syllables::TSyllable> FLesson;
    QList<syllables::TSyllable> FNear;
    QList<syllables::TSyllable> FOrder;
    QList<syllables::TSyllable> FTiles;
    TFindStages FStages;
};
