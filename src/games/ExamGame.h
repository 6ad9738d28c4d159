#pragma once
// The state of "Экзамен": which letters are still to be asked, in what order, which one is asked
// now, and the two files of the last question so that it can be repeated.
#include "games/LetterGame.h"

#include <QString>
#include <vector>

class TLetterCollection;

class TExamGame : public TLetterGame {
public:
    explicit TExamGame(TAppContext& Context);

    AnsiString TargetLetter;  // small form of the letter asked now (one cp1251 character)
    int Position = 0;         // questions asked in this exam, 0 .. Size
    int Size = 0;             // letters on the board when the exam started
    std::vector<int> Order;   // question k asks the letter at board index Order[k]
    // The two files of the last question as the players held them (empty where a file was missing).
    QString PromptFirst;
    QString PromptSecond;
    // The letters asked: the examination board's own, joined when the board is made (JoinExamBoard).
    const TLetterCollection* Letters = nullptr;

    // A new exam over the letters the board holds now, then the first question (or, with no letter
    // at all, the end).
    void Start();

    AnsiString WantedLetter() const override { return TargetLetter; }

protected:
    void DescribeQuestion(TAnswer& Answer) const override;
    bool NextQuestion() override;

private:
    // Speaks the next question and keeps its files; false when every letter has been asked.
    bool AskNext();

    bool FSounds = false;  // the exam asks letter sounds rather than names
};
