#pragma once
// Playing without a mouse. Letter keys pick letters on the board of the screen shown; the arrows,
// Tab, Enter and Space move a focus frame over the screen's tiles and buttons and press them; Esc
// and F1 reach the menu and the rules; Ctrl+P prints the colouring page. Every key runs the
// handler of the click it stands for, so the games judge, praise and move on as they do under the
// mouse. The screen shown, its boards and their tiles are looked up at every key press and never
// kept: tiles made or freed meanwhile are always the present ones. Keys held with Ctrl, Alt or
// Meta (but Ctrl+P) are left to the window's shortcuts.
#include "letters/KeyLetters.h"
#include "platform/Keyboard.h"

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

class QKeyEvent;
class QWidget;
class TMainForm;
class TRusLetterPanelCollection;

class TKeyboardPlay : public QObject {
public:
    explicit TKeyboardPlay(TMainForm& Form);
    ~TKeyboardPlay() override;

    // A key pressed anywhere in the window; true when it was used (no widget sees it then).
    bool FormKeyDown(QKeyEvent* Key);
    // A mouse button pressed anywhere in the window: the focus frame goes until the next key.
    void FormMouseDown();
    // A screen that was loading takes keys now: a frame in use goes to where it begins.
    void ScreenReady();

    // The widget with the keyboard focus (a tile's panel, a button), and whether its frame shows.
    QWidget* Focused() const { return FFocus.Widget(); }
    bool FrameShown() const { return FFocus.FrameShown(); }

    // One place the focus can rest on, and what Enter does there: what a click on it does.
    struct TItem {
        QWidget* Widget = nullptr;
        std::function<void()> Press;
    };
    // The places of one region of the screen in reading order, and where the focus enters it.
    struct TRegion {
        std::vector<TItem> Items;
        size_t Entry = 0;
    };
    // The regions of what is shown now, in Tab order; a region with nothing to press is left out.
    std::vector<TRegion> Regions() const;

private:
    enum class TScreen { None, Chooser, Learning, FindLetter, MakeWord, Exam, Colouring };
    TScreen ShownScreen() const;
    bool MenuOpen() const;
    bool ChooserUp() const;
    bool RulesOpen() const;
    // The board whose letters the letter keys pick on the screen shown.
    TRusLetterPanelCollection* LetterBoard() const;

    void Escape();
    void ShowRules();
    void Tab(bool Forward);
    void Arrow(int Key);
    void PressFocused();
    void PickLetter(unsigned char Lower);
    // After something was pressed: a focus left on what went away moves to where the screen now
    // begins (into the theme menu when Pressed opened it), and the frame shows there.
    void Settle(const QWidget* Pressed);
    // Where the focus is among Regions (which must not be empty); false, with the first region's
    // entry, when it is on none of them.
    bool Locate(const std::vector<TRegion>& Regions, size_t& Region, size_t& Item) const;
    // Where a key that moves or presses starts from (Region, Item). False when the key has done
    // all it does: with nothing to press the focus goes; the first key only shows the frame.
    bool FocusToMoveFrom(const std::vector<TRegion>& Regions, size_t& Region, size_t& Item);
    void FocusOn(QWidget* Widget);

    TMainForm& FForm;
    TScanCodes FCodes;
    TKeyboardFocus FFocus;
    std::unique_ptr<TKeyPreview> FPreview;
};
