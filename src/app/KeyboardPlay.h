#pragma once
// Playing without a mouse. Letter keys pick letters on the board of the screen shown; the arrows,
// Tab, Enter and Space move a focus frame over the screen's tiles and buttons and press them; Esc
// and F1 reach the menu and the rules; Ctrl+P prints what the screen prints. Every key runs the
// handler of the click it stands for, so the games judge, praise and move on as they do under the
// mouse. Each screen brings what the keys need of it (ui::TKeyScreen), registered under the panel
// that shows it; the keys know only the window's own parts (menus, rules panel, voice choice).
// What a screen offers is asked at every key press and never kept: tiles made or freed meanwhile
// are always the present ones. Keys held with Ctrl, Alt or Meta (but Ctrl+P) are left to the
// window's shortcuts. The menu describes its keys the same way; what the keys ask of the window
// itself goes through IKeyWindow.
#include "letters/KeyLetters.h"
#include "platform/widgets/KeyScreen.h"
#include "platform/widgets/Keyboard.h"

#include <QObject>
#include <memory>
#include <utility>
#include <vector>

class QAbstractButton;
class QKeyEvent;
class QWidget;

// What the keys ask of the window: where the screens lie, whether it is loading, its rules panel,
// its voice choice and its menu. Widgets not made yet are null.
class IKeyWindow {
public:
    virtual ~IKeyWindow() = default;
    virtual QWidget* Window() const = 0;
    // The loading overlay is up: nothing can be pressed.
    virtual bool Loading() const = 0;
    // Where the screens lie; the system screen over it holds the game-type choosers.
    virtual QWidget* GamesArea() const = 0;
    virtual QWidget* SystemScreen() const = 0;
    // The rules panel floating in the games area, its close button, its showing and closing.
    virtual QWidget* Rules() const = 0;
    virtual QAbstractButton* RulesClose() const = 0;
    virtual void OpenRules() = 0;
    virtual void CloseRules() = 0;
    // The voice choice on the ribbon, in order; hidden on the start screen.
    virtual QWidget* VoiceChoice() const = 0;
    virtual std::vector<QAbstractButton*> VoiceButtons() const = 0;
    // Opens the menu, as a click on "Меню" does.
    virtual void OpenMenu() = 0;
};

class TKeyboardPlay : public QObject {
public:
    explicit TKeyboardPlay(IKeyWindow& Window);
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

    // The screen shown while Panel lies on top of the games area, or of the system screen over it,
    // or, for a panel of the window itself (the grown-ups' corner), while it is shown over it.
    // Panel is the screen's own; every screen registers once, when it is built.
    void AddScreen(const QWidget* Panel, ui::TKeyScreen Screen);
    // The menu, over whatever screen is shown while Panel is: Menu's regions are the only ones then,
    // Esc closes it, and a letter key does nothing.
    void SetMenu(const QWidget* Panel, ui::TKeyScreen Menu);

    using TItem = ui::TKeyItem;
    using TRegion = ui::TKeyRegion;
    // The regions of what is shown now, in Tab order, holding only what can be pressed now; a region
    // with nothing to press is left out.
    std::vector<TRegion> Regions() const;

private:
    const ui::TKeyScreen* ScreenOf(const QWidget* Panel) const;
    // A screen (a game-type chooser) on the system screen when that covers the games area.
    const ui::TKeyScreen* CoveringScreen() const;
    // The screen the user sees; nullptr for a panel no screen registered.
    const ui::TKeyScreen* ShownScreen() const;
    bool MenuOpen() const;
    bool RulesOpen() const;
    // Whether a click could reach Item now: shown (were the window shown) and enabled.
    bool Usable(const TItem& Item) const;
    // Region without what cannot be pressed now, entered where it says when that can be pressed.
    void AddUsable(std::vector<TRegion>& Regions, const TRegion& Region) const;

    void Escape();
    void ShowRules();
    void Tab(bool Forward);
    void Arrow(int Key);
    void PressFocused();
    void PickLetter(const TItem& Tile);
    // After something was pressed: a focus left on what went away moves to where the screen now
    // begins, and the frame shows there. Opener, pressed, opened the region after its own: the
    // focus goes into that region.
    void Settle(const QWidget* Opener);
    // Where the focus is among Regions (which must not be empty); false, with the first region's
    // entry, when it is on none of them.
    bool Locate(const std::vector<TRegion>& Regions, size_t& Region, size_t& Item) const;
    // Where a key that moves or presses starts from (Region, Item). False when the key has done
    // all it does: with nothing to press the focus goes; the first key only shows the frame.
    bool FocusToMoveFrom(const std::vector<TRegion>& Regions, size_t& Region, size_t& Item);
    void FocusOn(QWidget* Widget);

    IKeyWindow& FWindow;
    QWidget& FForm;
    TScanCodes FCodes;
    TKeyboardFocus FFocus;
    std::unique_ptr<TKeyPreview> FPreview;
    std::vector<std::pair<const QWidget*, ui::TKeyScreen>> FScreens;
    std::pair<const QWidget*, ui::TKeyScreen> FMenu;
};
