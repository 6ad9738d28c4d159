#pragma once
// The state of "Экзамен": which letters are still to be asked, in what order, which one is asked
// now, and the two files of the last question so that it can be repeated.
#include "platform/Cp1251.h"

#include <QString>
#include <vector>

struct TAppContext;
struct TGameObjects;

class TExamGame {
public:
    TExamGame(TAppContext& Context, TGameObjects& Objects);

    AnsiString TargetLetter;  // small form of the letter asked now (one cp1251 character)
    int Position = 0;         // questions asked in this exam, 0 .. Size
    int Size = 0;             // letters on the board when the exam started
    std::vector<int> Order;   // question k asks the letter at board index Order[k]
    // The two files of the last question as the players held them (empty where a file was missing).
    QString PromptFirst;
    QString PromptSecond;

    // A new exam over the letters the examination board holds now, then the first question.
    void Start();
    // The next question, or the end of the exam when every letter has been asked.
    void AskNext();
    // Judges the picked letter (its small form) against the letter asked.
    void Answer(unsigned char Letter);
    // Praise; once its box is closed, the next question.
    void RightAnswer();
    // A try-again phrase; the question stays open and is not spoken again by itself.
    void WrongAnswer();
    // The well-done phrase and the start screen.
    void GameOver();

private:
    TAppContext& FContext;
    TGameObjects& FObjects;
};
