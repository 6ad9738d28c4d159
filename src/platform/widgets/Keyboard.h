#pragma once
// What playing from the keyboard needs of the toolkit: a window's preview of the keys pressed in
// any of its widgets, the keyboard focus with the frame that shows it, moving it with the arrow
// keys over a set of widgets, and pressing a button as a click would.
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

class QAbstractButton;
class QKeyEvent;

namespace ui {

// How long a tile or button pressed from the keyboard looks pressed.
inline constexpr int kPressLookMs = 150;

// A button pressed from the keyboard or by assistive technology: the handlers of its click run
// (nothing when it is disabled), then it looks pressed for a moment.
void PressButton(QAbstractButton* Button);

// Where an arrow key moves the focus among Cells, the bounds of the focusable widgets in reading
// order (all in one coordinate system). Left and Right go to the previous and next cell, from the
// end of a row on to the next; Up and Down go to the nearest row above or below, to the cell whose
// middle is nearest (the left one of two as near). Current when there is nothing that way.
int ArrowTarget(const std::vector<QRect>& Cells, int Current, int ArrowKey);

}  // namespace ui

// Lets a window see every key pressed in any of its widgets before the widget with the focus
// does, and every mouse button pressed in it, as classic Windows forms do with their
// key preview. Keys and clicks in other windows (a modal box) are not seen.
class TKeyPreview : public QObject {
public:
    // OnKey returns true when it has used the key; no widget sees it then.
    TKeyPreview(QWidget* Window, std::function<bool(QKeyEvent*)> OnKey, std::function<void()> OnMousePress);
    ~TKeyPreview() override;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool InWindow(QObject* Watched) const;

    QPointer<QWidget> FWindow;
    std::function<bool(QKeyEvent*)> FOnKey;
    std::function<void()> FOnMousePress;
};

// The focus frame: a thick black and yellow ring drawn inside the widget it marks, over the
// widget's children, letting the mouse through. Being the widget's child it moves, hides and goes
// with it. It leaves the widget's outermost pixel free, where a tile or button shows that it is
// pressed.
class TFocusFrame : public QWidget {
public:
    explicit TFocusFrame(QWidget* Target);
    void SetTarget(QWidget* Target);

    static constexpr int kInset = 1;

    // The ring's width on a widget of this size: thinner on small widgets, so their caption shows.
    static int Thickness(const QSize& Size);
    static QColor OuterColour();
    static QColor InnerColour();

protected:
    void paintEvent(QPaintEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;
};

// The keyboard focus as the user sees it: the widget that has it and whether its frame shows. The
// widget is only remembered (it may be freed any time); the frame appears on request and is
// scrolled into view. Assistive technology hears of every move of the shown frame.
class TKeyboardFocus {
public:
    TKeyboardFocus() = default;
    ~TKeyboardFocus();
    TKeyboardFocus(const TKeyboardFocus&) = delete;
    TKeyboardFocus& operator=(const TKeyboardFocus&) = delete;

    QWidget* Widget() const { return FWidget; }
    bool FrameShown() const;
    // Whether keys have been used since the last click: the frame shows wherever the focus goes.
    bool FrameWanted() const { return FShown; }
    // The focus goes to Target (nullptr: nowhere); a frame that shows goes with it.
    void MoveTo(QWidget* Target);
    void ShowFrame();
    void HideFrame();

private:
    void PlaceFrame();

    QPointer<QWidget> FWidget;
    QPointer<TFocusFrame> FFrame;
    bool FShown = false;
};
