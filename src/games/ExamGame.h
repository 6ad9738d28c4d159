#pragma once
// The state of "Экзамен": which letters are still to be asked, in what order, which one is asked
// now, and the two files of the last question so that it can be repeated. With practice connected
// (TAppContext::ExamPractice) the order is the practice's, and a missed letter may be put back at
// the end once more.
#include "games/LetterGame.h"

#include <QString>
#include <QStringList>
#include <vector>

class TLetterCollection;

class TExamGame : public TLetterGame {
public:
    explicit TExamGame(TAppContext& Context);

    AnsiString TargetLetter;  // small form of the letter asked now (one cp1251 character)
    int Position = 0;         // questions asked in this exam, 0 .. Size
    int Size = 0;             // questions in this exam: the board's letters, and any put back at the end
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
    void FirstMiss() override;

private:
    // Speaks the next question and keeps its files; false when every letter has been asked.
    bool AskNext();
    // The board's small letters by board index.
    QStringList BoardLetters() const;

    bool FSounds = false;  // the exam asks letter sounds rather than names
    int FAsked = -1;       // board index of the question open now; -1 once it was answered right
};
