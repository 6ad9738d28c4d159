#pragma once
// The corner's "Успехи": the children and the progress of the one chosen (progress/ChildrenPanel.h),
// "<Имя> знает буквы" printed on one sheet, the chosen child's answers saved as a table (the
// group's, when the group's journal answers), and beside them the part "Журнал группы"
// (corner/CornerJournal.h) once the window has said where its settings are kept.
#include <QString>

#include <functional>
#include <memory>

struct TCornerDesk;
class IJournalSettingsFile;
class IPrinter;
class QWidget;
class TChildrenPanel;
class TCornerJournal;
class TProgressStore;

class TCornerProgress {
public:
    // Store outlives the corner; Printer gives the printer when there is one to print on.
    TCornerProgress(TCornerDesk& Desk, TProgressStore& Store, std::function<IPrinter*()> Printer);
    ~TCornerProgress();

    // The section's widget, which the corner's sections take.
    QWidget* Page() const { return FPage; }
    TChildrenPanel* Children() const { return FChildren; }
    // Null until SetJournalFile.
    TCornerJournal* Journal() const { return FJournal.get(); }
    // Where the journal's settings are kept (it outlives the corner): the part "Журнал группы" appears.
    void SetJournalFile(IJournalSettingsFile* File);

    // The corner opened: "Успехи" shows the child who plays now.
    void Opened();
    void Closed();

private:
    void Print();
    void SaveTable();
    void ChildrenMayHaveChanged();

    TCornerDesk& FDesk;
    TProgressStore& FStore;
    std::function<IPrinter*()> FPrinter;
    QWidget* FPage;
    TChildrenPanel* FChildren;
    std::unique_ptr<TCornerJournal> FJournal;
    QString FChildrenSeen;  // the children's ids and names as last shown
};
