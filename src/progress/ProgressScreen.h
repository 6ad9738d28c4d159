#pragma once
// "Успехи" for one child, for the grown-up: the 33 letters coloured by how sure the child is (by
// name or by sound), once it has played "Слоги" the syllables by lesson coloured the same way and
// the words it read, the letters it confuses, the days it played in the last four weeks and for
// how long, the practice option, and the buttons to print, save the table and delete the progress.
// Printing and choosing the table's file are the window's: it sets OnPrint and OnSaveTable.
#include "progress/Mastery.h"

#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

class IDialogs;
class TLabel;
class TPanel;
class TProgressStore;
class TSpeedButton;

// The printed page's title: "<Имя> знает буквы".
QString KnownLettersTitle(const QString& ChildName);
// The letters the child knows (of Kind), capitals in alphabet order, for the printed page.
QStringList KnownLetters(const TProgressSummary& Summary, TMasteryKind Kind);
// "2 ч 5 мин", "15 мин", "меньше минуты".
QString PlayTimeText(qint64 Seconds);

class TProgressScreen : public QWidget {
public:
    TProgressScreen(TProgressStore& Store, IDialogs& Dialogs, QWidget* Parent = nullptr);

    // Shows Child's progress under Name ("" for the unnamed child).
    void ShowChild(qint64 Child, const QString& Name);
    // Reads the file again (after the child played). This computer's answers show at once; while
    // the group's journal answers, its summary follows when it has been read, off this thread.
    void Refresh();
    // The journal's summary asked for and not shown yet.
    bool Reading() const { return FReading; }

    TMasteryKind Kind() const { return FKind; }
    void SetKind(TMasteryKind Kind);
    qint64 Child() const { return FChild; }
    QString ChildName() const { return FName; }
    const TProgressSummary& Summary() const { return FSummary; }
    QWidget* LetterTile(int Index) const;
    // The syllables' grid with the words read, shown once the child has played "Слоги".
    QWidget* SyllablesPanel() const { return FSyllablesPanel; }
    QWidget* SyllableTile(const QString& Syllable) const;

    std::function<void()> OnPrint;
    std::function<void()> OnSaveTable;

private:
    QWidget* BuildSyllables(QWidget* Parent);
    void ShowSummary();
    void ShowSyllables();
    void ShowNote();
    void DeleteProgressClick();

    TProgressStore& FStore;
    IDialogs& FDialogs;
    qint64 FChild = 0;
    QString FName;
    TMasteryKind FKind = TMasteryKind::mkNames;
    TProgressSummary FSummary;
    bool FReading = false;
    QString FJournalNote;
    int FAsked = 0;  // the requests made: an answer to an older one is not shown

    TLabel* FTitleLabel;
    TSpeedButton* FNamesButton;
    TSpeedButton* FSoundsButton;
    std::vector<TPanel*> FTiles;
    QWidget* FSyllablesPanel;
    std::vector<std::pair<QString, TPanel*>> FSyllableTiles;  // in the table's order
    TLabel* FWordsLabel = nullptr;
    TLabel* FPairsLabel;
    std::vector<TPanel*> FDays;
    TLabel* FDaysLabel;
    TLabel* FNoteLabel;
    TSpeedButton* FHardFirstButton;
};
