#pragma once
// The state of "Найди букву": the letter the current picture's word begins with.
#include "platform/Cp1251.h"

struct TAppContext;
struct TGameObjects;

class TPicGameBuffer {
public:
    TPicGameBuffer(TAppContext& Context, TGameObjects& Objects);

    // Empty, or the first cp1251 character of the current picture's name.
    AnsiString TargetLetter;

    void Reset();
    // Praise; once its box is closed, the strip moves on to the next picture (or the game ends).
    void RightAnswer();
    // A try-again phrase; the picture and the target stay.
    void WrongAnswer();
    // The well-done phrase and the start screen.
    void GameOver();

private:
    TAppContext& FContext;
    TGameObjects& FObjects;
};
