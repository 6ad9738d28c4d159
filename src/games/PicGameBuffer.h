#pragma once
// The state of "Найди букву": the current picture's word and the letter it begins with, which is
// the letter to find.
#include "games/LetterGame.h"

#include <functional>

class TPicGameBuffer : public TLetterGame {
public:
    explicit TPicGameBuffer(TAppContext& Context);

    AnsiString Word;          // the current picture's name, cp1251; empty before any picture
    AnsiString TargetLetter;  // empty, or the first cp1251 character of Word
    // After a right pick: the strip moves on to its next picture (which it then shows here);
    // false when none is left. Joined to the strip (JoinStrip); the game ends at once without it.
    std::function<bool()> NextPicture;

    // No picture, no letter to find.
    void Reset();
    // A picture shown: a new question. A picture without a name has no first letter, so no pick
    // can then be right; a capital stays as stored.
    void PictureShown(const AnsiString& Name);

    AnsiString WantedLetter() const override { return TargetLetter; }

protected:
    void DescribeQuestion(TAnswer& Answer) const override;
    bool NextQuestion() override;
};
