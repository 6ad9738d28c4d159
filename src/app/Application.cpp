#include "app/Application.h"

#include "app/MainForm.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Fonts.h"

#include <QApplication>

int RunKvarnel(int argc, char** argv)
{
    QApplication app(argc, argv);
    fonts::InstallBundled();
    TQtDialogs dialogs(nullptr);
    TMainForm window(&dialogs, fs::ExeFolder());
    dialogs = TQtDialogs(&window);  // the boxes belong to the window
    window.show();
    return app.exec();
}
