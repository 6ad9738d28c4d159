#pragma once
// What the three games that judge a pick ("Найди букву", "Дед Буквоед", the examination) share:
// one way in, a picked letter, and announcements out. Every pick goes to the program's answers
// (TAppContext::Answers) as a TAnswer; then the game's own outcome: right, or wrong, and finished
// once a right pick leaves no question. The praise, the try-again and the well-done phrases are
// spoken by a listener of the outcome (JoinSpeech), so the rule itself needs no sound nor widget.
#include "core/Announcer.h"
#include "core/Answer.h"
#include "platform/Cp1251.h"

struct TAppContext;

enum class TOutcome { otRight, otWrong, otFinished };

class TLetterGame {
public:
    TLetterGame(TAppContext& Context, TGameKind Kind);
    virtual ~TLetterGame();
    TLetterGame(const TLetterGame&) = delete;
    TLetterGame& operator=(const TLetterGame&) = delete;

    // Judges a picked letter (its small form, one cp1251 code) against the letter wanted, byte
    // exactly: the answer is announced, then "right" and the next question (or "finished" when
    // there is none), or "wrong" with the question kept.
    void Answer(unsigned char Letter);
    // The letter wanted now, one cp1251 character; empty when no pick can be right.
    virtual AnsiString WantedLetter() const = 0;

    TAnnouncer<TOutcome> Outcomes;

protected:
    // The question's part of an answer: the letter asked, the word and the letter set.
    virtual void DescribeQuestion(TAnswer& Answer) const = 0;
    // After a right pick (its praise said): the next question; false when none is left.
    virtual bool NextQuestion() = 0;
    // The first wrong pick for the question asked now (after it is announced, before "wrong").
    virtual void FirstMiss() {}
    // A new question: its next pick is a first try.
    void QuestionAsked() { FMissed = false; }
    // No question left: "finished".
    void Finish() { Outcomes.Announce(TOutcome::otFinished); }

    TAppContext& FContext;

private:
    TGameKind FKind;
    bool FMissed = false;  // a wrong pick was made for the question asked now
};
