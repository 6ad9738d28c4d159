#pragma once
// What the keys need of one screen: the places a key can reach, in regions the Tab key goes round;
// the tile a letter key picks when the screen has a letter board; the action showing its rules
// page; the action printing it; and whether it is busy. The screen's own folder fills it from its
// widgets and objects, and the window registers it with the keys under the panel that shows it, so
// the keys need not know which screens there are.
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

class QAbstractButton;
class QAction;
class QWidget;

namespace ui {

// One place the focus can rest on, and what Enter does there: what a click on it does.
struct TKeyItem {
    QWidget* Widget = nullptr;  // where the focus frame stands
    std::function<void()> Press;
    // What the press clicks (Widget when none): the place counts only while a click could reach it.
    const QWidget* Clicked = nullptr;
    // Pressing it opens the region after its own (the theme menu beside the main menu): the focus
    // follows it there.
    bool OpensNext = false;
};

// The places of one region in reading order, and where the focus enters it.
struct TKeyRegion {
    std::vector<TKeyItem> Items;
    size_t Entry = 0;
};
using TKeyRegions = std::vector<TKeyRegion>;

// Buttons in this order, each pressed as clicked; those not made yet are left out.
TKeyRegion ButtonRegion(const std::vector<QAbstractButton*>& Buttons);

struct TKeyScreen {
    // Its regions in Tab order with all they hold; the keys leave out what cannot be pressed now.
    // Empty: nothing to press.
    std::function<TKeyRegions()> Regions;
    // The tile of a letter (small, in the letters' code page) on its letter board, an item without
    // a widget when the board has no such tile; nothing while it has no board (letter keys pass).
    std::function<std::optional<TKeyItem>(unsigned char Lower)> LetterTile;
    // Shows its page of the rules panel (F1); none: no rules.
    QAction* Rules = nullptr;
    // Prints what it shows (Ctrl+P); none: Ctrl+P passes.
    QAction* Print = nullptr;
    // Closes it (Esc), for a menu that lies over the screens; none: Esc does what it does elsewhere.
    QAction* Close = nullptr;
    // Whether its content is still being read: no key is taken meanwhile. Empty: never.
    std::function<bool()> Busy;
    // Whether the window's own regions (the voice choice) follow the screen's.
    bool WindowRegions = true;
    // Its widgets take the keys as Qt gives them (fields to type in, Tab from one to the next):
    // none is taken for playing while it is shown.
    bool OwnKeys = false;
};

}  // namespace ui
