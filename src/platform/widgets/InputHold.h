#pragma once
// Holding back the user's input from part of a window: while a widget is held, mouse buttons, the
// wheel, keys and touches aimed at it or anything inside it are dropped; it still paints, and the
// rest of the window takes input as ever. Used while a screen's pictures are still being read.
#include <QObject>
#include <QPointer>

#include <vector>

class QWidget;

class TInputHold : public QObject {
public:
    explicit TInputHold(QObject* Parent = nullptr) : QObject(Parent) {}
    ~TInputHold() override;

    // Holds Root until a Release for each Hold.
    void Hold(QWidget* Root);
    void Release(QWidget* Root);
    // Whether input to Widget is held back now.
    bool Holds(const QWidget* Widget) const;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    // Listens to the whole application only while something is held.
    void Listen(bool On);

    std::vector<QPointer<QWidget>> FRoots;  // one entry per Hold
    bool FListening = false;
};
