#pragma once
// The corner's "Успехи": the children and the progress of the one chosen (progress/ChildrenPanel.h),
// "<Имя> знает буквы" printed on one sheet, and the chosen child's answers saved as a table.
#include <functional>

struct TCornerDesk;
class IPrinter;
class TChildrenPanel;
class TProgressStore;

class TCornerProgress {
public:
    // Store outlives the corner; Printer gives the printer when there is one to print on.
    TCornerProgress(TCornerDesk& Desk, TProgressStore& Store, std::function<IPrinter*()> Printer);

    // The section's widget, which the corner's sections take.
    TChildrenPanel* Children() const { return FChildren; }

private:
    void Print();
    void SaveTable();

    TCornerDesk& FDesk;
    TProgressStore& FStore;
    std::function<IPrinter*()> FPrinter;
    TChildrenPanel* FChildren;
};
