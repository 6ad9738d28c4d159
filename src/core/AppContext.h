#pragma once
// What the program's parts share: the main window's settings, its dialogs, the speech and the
// hidden parking panel where new tiles wait. The main window owns it; boards, strips, tiles and
// games keep a reference.
#include "core/Settings.h"

class IDialogs;
class ISpeech;
class QWidget;

struct TAppContext {
    TSettings Settings;
    IDialogs* Dialogs = nullptr;
    ISpeech* Speech = nullptr;
    QWidget* SourcePanel = nullptr;  // hidden parking area where new tiles wait
};
