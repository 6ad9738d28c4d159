#pragma once
// How the program's own widgets (panels, labels, images) show themselves to assistive technology
// such as a screen reader. Qt's own widgets (buttons, radio buttons) already do; these get a role,
// their accessibleName (a label without one is named by its caption) and, for a button, a default
// action that does what a click does.
#include <functional>

class QWidget;

namespace ui {

enum class TAccessRole {
    Button,      // something to press: a tile, a clickable caption or picture
    StaticText,  // something to read
    Graphic,     // a picture
};

// Gives Widget (a TPanel, TLabel or TImage) Role. The widget then stands for its children, which
// assistive technology no longer sees on their own (a tile is one button, not a panel with a
// picture and two captions). With Press the widget is a button whose default action runs Press
// while the widget is enabled; Press must do what a click does. Once any widget has been given a
// role, every image given none is a graphic.
void SetAccessible(QWidget* Widget, TAccessRole Role, std::function<void()> Press = {});

}  // namespace ui
