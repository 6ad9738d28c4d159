#pragma once
// "Раскраска" as the window's menu offers it: its entry opens the theme menu beside the main menu
// (one button a theme folder of every content root together), a theme opens the colouring screen
// with its pages, and the page shown large is printed on one sheet (Ctrl+P, the printer button).
#include "core/Activity.h"

#include <memory>

struct TAppContext;
class TRaskrasImgPanelCollection;

// Strip is the program-wide strip of colouring pages, empty until the loader has made it.
TActivity ColouringActivity(TAppContext& Context, IActivityWindow& Window,
                            const std::unique_ptr<TRaskrasImgPanelCollection>& Strip);
