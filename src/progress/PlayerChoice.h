#pragma once
// Who is playing, when the grown-up has set up two children or more: "Кто играет?" once after the
// start, over the whole window, and the player's name on the ribbon, left of the voice chooser (a
// click on it asks again). The progress store keeps each answer for the child chosen; with one
// child that child plays, with none the unnamed child.
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QTimer;
class TLabel;
class TProgressStore;
class TWhoPlays;

class TPlayerChoice : public QWidget {
public:
    // The choice covers Window; the name sits on Ribbon. PictureOf gives a child's picture.
    TPlayerChoice(QWidget& Window, QWidget& Ribbon, TProgressStore& Store, std::function<QImage(const QString&)> PictureOf);
    ~TPlayerChoice() override;

    // Asks when two children or more are set up; otherwise settles who plays at once, and asks
    // once the group's journal has been read when that brings the children (a computer's first
    // start in a journal, whose file holds none of the group's children yet).
    void AskWhenNeeded();
    // Whether the question may cover the window now (not while the grown-ups' corner is open, whose
    // closing asks anyway); always when unset.
    std::function<bool()> MayAsk;
    // Shows "Кто играет?" (nothing with fewer than two children).
    void Ask();
    // The children changed in the corner: the name shown, and the player when it was removed.
    void ChildrenChanged();

    TLabel* NameLabel() const { return FName; }
    TWhoPlays* Question() const { return FQuestion.get(); }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void Choose(qint64 Child);
    void ShowName();
    void WaitForTheJournalsChildren();

    TProgressStore& FStore;
    std::function<QImage(const QString&)> FPictureOf;
    TLabel* FName;
    // A child of this widget, freed here before the widget tree would: a new question replaces
    // the one shown at once, and a question that was answered goes once its click has ended.
    std::unique_ptr<TWhoPlays> FQuestion;
    // What had the keys before the question took them (the corner's door, opened during loading).
    QPointer<QWidget> FFocusBefore;
    bool FAsked = false;             // the question has been shown this run
    QTimer* FJournalWait = nullptr;  // looks for the journal's first reading, once a run
};
