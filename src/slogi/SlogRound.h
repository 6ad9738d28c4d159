#pragma once
// What the three exercises of "Слоги" share: a round of questions asked one at a time. A judged
// pick goes to the program's answers (TAppContext::Answers, as "Слоги"); a right one gets a praise
// phrase, and the next question comes by itself once the phrase has ended (picks meanwhile do not
// count); a wrong one gets a try-again phrase and the question said again, and the question
// stays. After the last question the well-done phrase, which brings the start screen. No box is
// shown: the round waits for the sound itself (ISpeech::SayPraiseThen).
#include "core/Answer.h"

#include <QString>

#include <functional>
#include <memory>

struct TAppContext;

class TSlogRound {
public:
    // Exercise: what the answers are kept as.
    TSlogRound(TAppContext& Context, TSyllableMode Exercise);
    virtual ~TSlogRound();
    TSlogRound(const TSlogRound&) = delete;
    TSlogRound& operator=(const TSlogRound&) = delete;

    // Whether the exercise's screen is shown: the round goes on by itself only there (a phrase
    // ending after the child has left asks nothing). None: always.
    std::function<bool()> OnScreen;
    // What the screen shows has changed (a new question, its tiles).
    std::function<void()> Changed;

    // The praise is being said: picks do not count until the next question is asked.
    bool Praising() const { return FPraising; }
    // Every question answered; the round begins again with Start.
    bool Finished() const { return FFinished; }
    // The question asked now (the last one once finished), from 0; the number of questions of the round.
    int Question() const { return FQuestion; }
    virtual int QuestionCount() const = 0;
    // Stops the round (another exercise or lesson is chosen): nothing waits for its sounds any
    // more, no pick is judged.
    void Stop();

protected:
    // A new round from its first question (what waited for a sound of the round before is dropped).
    void Begin();
    // Whether a pick may be judged now.
    bool Open() const { return FStarted && !FPraising && !FFinished; }
    // Judges a pick: Right, what was asked and picked, the word read (or empty).
    void Judge(bool Right, const QString& Asked, const QString& Picked, const QString& Word = QString());
    // Held weakly by what waits for a sound, so that it runs only while this object lives.
    std::weak_ptr<int> Life() const { return FLife; }
    // F wrapped so that it runs only for this round, while its object lives and its screen is shown.
    std::function<void()> Guarded(std::function<void()> F);

    // Says the question FQuestion (its tiles are ready; Changed has been told).
    virtual void Ask() = 0;
    // Readies the question FQuestion before it is asked (its tiles).
    virtual void Prepare() {}
    // The question said again after the try-again phrase.
    virtual void SayAgain() = 0;
    // A question's first pick was right, or wrong.
    virtual void RightFirst() {}
    virtual void WrongFirst() {}

    TAppContext& FContext;
    const TSyllableMode FExercise;

    // The next question, or the end of the round after the last.
    void Advance();

private:
    void AskQuestion();

    std::shared_ptr<int> FLife = std::make_shared<int>(0);  // what waits for a sound holds a weak one
    int FGeneration = 0;
    int FQuestion = 0;
    bool FStarted = false;
    bool FPraising = false;
    bool FFinished = false;
    bool FMissed = false;  // a wrong pick was made for the question asked now
};
