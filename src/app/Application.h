#pragma once
// Program entry: the application, the main window and the message loop until the window closes.
#include <functional>

class QApplication;
class QWidget;

int RunKvarnel(int argc, char** argv);

// The program's start once its application exists: fonts, translations, the main window and its
// sound, then the message loop. BeforeShow, when given, sees the window just before it is shown
// (the start-up benchmark watches for its first frame there).
int StartKvarnel(QApplication& App, const std::function<void(QWidget& Window)>& BeforeShow = {});
