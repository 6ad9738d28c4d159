#pragma once
// Program entry: the application, the main window and the message loop until the window closes.
int RunKvarnel(int argc, char** argv);
