#pragma once
// The examination's practice from the progress store: with "Экзамен: сначала трудные буквы" on, the
// player's hard letters first and each missed letter once more at the end; with it off, the
// examination's own order and no repeats. The option and the player are read as each exam begins.
#include "core/ExamPractice.h"
#include "progress/PracticeOrder.h"

class TProgressStore;

class TStorePractice : public IExamPractice {
public:
    explicit TStorePractice(TProgressStore& Store) : FStore(Store) {}

    std::vector<int> ExamOrder(const QStringList& Board, const std::vector<int>& Shuffled, bool Sounds) override;
    bool AskAgain(int BoardIndex) override;

private:
    TProgressStore& FStore;
    TPracticeRepeats FRepeats{false};  // this exam's; off until an exam begins with the option on
};
