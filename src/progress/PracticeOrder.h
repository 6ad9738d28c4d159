#pragma once
// "Экзамен: сначала трудные буквы": the examination still asks every letter once, but the letters
// the child does not know yet and those it confuses come first, and a letter missed is asked once
// more at the end.
#include "progress/Mastery.h"

#include <QString>
#include <QStringList>

#include <set>
#include <vector>

// The letters to ask first: not known yet (by Kind), or in one of the confused pairs.
std::set<QString> HardLetters(const TProgressSummary& Summary, TMasteryKind Kind);

// The order to ask the board's letters in. Board holds the small letters by board index; ExamOrder
// is the examination's own order (board indices). Hard letters keep their places relative to each
// other, and so do the others. With the option off, ExamOrder as it is.
std::vector<int> PracticeOrder(const QStringList& Board, const std::vector<int>& ExamOrder,
                               const std::set<QString>& HardLetters, bool On);

// Remembers which letters of one exam were already put back at the end.
class TPracticeRepeats {
public:
    explicit TPracticeRepeats(bool On) : FOn(On) {}
    // The letter at board index BoardIndex was missed: appends it to Order once per exam (the
    // option on); true when appended.
    bool Missed(int BoardIndex, std::vector<int>& Order);

private:
    bool FOn;
    std::set<int> FRepeated;
};
