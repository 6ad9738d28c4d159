#include "app/Application.h"

#include "app/MainForm.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Fonts.h"
#include "platform/Memory.h"
#include "platform/Translations.h"
#include "sound/SoundSystem.h"

#include <QApplication>

int RunKvarnel(int argc, char** argv)
{
    QApplication app(argc, argv);
    return StartKvarnel(app);
}

int StartKvarnel(QApplication& App, const std::function<void(QWidget& Window)>& BeforeShow)
{
    mem::ReturnLargeBlocksToTheSystem();
    fonts::InstallBundled();
    InstallRussianTranslations();
    TQtDialogs dialogs(nullptr);
    TMainForm window(&dialogs, fs::ExeFolder());
    dialogs = TQtDialogs(&window);  // the boxes belong to the window
    // The sound reads the window's settings and shows its boxes, so it goes before the window.
    auto sound = MakeSoundSystem(dialogs, window.Context.Settings, [&window] { window.StartPanelShowExecute(); });
    window.SetSpeech(sound->Speech.get());
    if (BeforeShow) BeforeShow(window);
    window.show();
    const int result = App.exec();
    window.SetSpeech(nullptr);
    return result;
}
