#include "progress/StorePractice.h"

#include "progress/ProgressStore.h"

std::vector<int> TStorePractice::ExamOrder(const QStringList& Board, const std::vector<int>& Shuffled, bool Sounds)
{
    const bool on = FStore.HardLettersFirst();
    FRepeats = TPracticeRepeats(on);
    if (!on) return Shuffled;  // the file is not read at all
    const TMasteryKind kind = MasteryKindOf(TGameKind::gkExamination, Sounds);
    return PracticeOrder(Board, Shuffled, HardLetters(FStore.LocalSummary(FStore.Player()), kind), true);
}

bool TStorePractice::AskAgain(int BoardIndex)
{
    std::vector<int> unused;  // the examination appends to its own order
    return FRepeats.Missed(BoardIndex, unused);
}
