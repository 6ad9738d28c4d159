#pragma once
// "Экзамен: сначала трудные буквы": what the examination asks whoever keeps the child's progress.
// The examination knows nothing of the progress; the window connects one of these through
// TAppContext::ExamPractice, and with none connected the examination asks as it always did.
#include <QStringList>

#include <vector>

class IExamPractice {
public:
    virtual ~IExamPractice() = default;

    // A new exam begins. Board holds the board's small letters (Unicode) by board index; Shuffled is
    // the examination's own order of board indices. Returns the order to ask in: each index of
    // Shuffled exactly once.
    virtual std::vector<int> ExamOrder(const QStringList& Board, const std::vector<int>& Shuffled, bool Sounds) = 0;
    // The letter at BoardIndex was just missed (the first wrong pick of its question): true when it
    // is to be asked once more at the end of this exam.
    virtual bool AskAgain(int BoardIndex) = 0;
};
