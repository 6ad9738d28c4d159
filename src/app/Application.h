#pragma once
// Program entry: the application, the main window and the message loop until the window closes.
#include "app/CommandLine.h"

#include <functional>

class QApplication;
class QWidget;

// Reads the command line, then makes the application and runs Start on it (StartKvarnel when not
// given; a test may look at the application instead).
int RunKvarnel(int argc, char** argv, const std::function<int(QApplication&, const TCommandLine&)>& Start = {});

// The program's start once its application exists, as Line asks: the main window, then right after
// its first frame Qt's Russian texts and the sound, then the message loop. BeforeFirstFrame, when
// given, sees the window once it is built and before it paints (the start-up benchmark watches for
// its first frame there).
int StartKvarnel(QApplication& App, const TCommandLine& Line = {},
                 const std::function<void(QWidget& Window)>& BeforeFirstFrame = {});
