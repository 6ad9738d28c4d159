#include "progress/PracticeOrder.h"

#include <algorithm>

std::set<QString> HardLetters(const TProgressSummary& Summary, TMasteryKind Kind)
{
    std::set<QString> hard;
    for (const QString& letter : RussianLetters())
        if (Summary.State(Kind, letter) != TMastery::msKnows) hard.insert(letter);
    for (const auto& pair : Summary.Pairs) hard.insert({pair.First, pair.Second});
    return hard;
}

std::vector<int> PracticeOrder(const QStringList& Board, const std::vector<int>& ExamOrder,
                               const std::set<QString>& HardLetters, bool On)
{
    std::vector<int> order = ExamOrder;
    if (!On) return order;
    std::stable_partition(order.begin(), order.end(), [&](int Index) {
        return Index >= 0 && Index < Board.size() && HardLetters.count(Board.at(Index).toLower()) > 0;
    });
    return order;
}

bool TPracticeRepeats::Missed(int BoardIndex, std::vector<int>& Order)
{
    if (!FOn || !FRepeated.insert(BoardIndex).second) return false;
    Order.push_back(BoardIndex);
    return true;
}
