#include "app/Application.h"

#include "app/MainForm.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Fonts.h"
#include "platform/Translations.h"
#include "sound/SoundSystem.h"

#include <QApplication>

int RunKvarnel(int argc, char** argv)
{
    QApplication app(argc, argv);
    fonts::InstallBundled();
    InstallRussianTranslations();
    TQtDialogs dialogs(nullptr);
    TMainForm window(&dialogs, fs::ExeFolder());
    dialogs = TQtDialogs(&window);  // the boxes belong to the window
    // The sound reads the window's settings and shows its boxes, so it goes before the window.
    auto sound = MakeSoundSystem(dialogs, window.Context.Settings, [&window] { window.StartPanelShowExecute(); });
    window.SetSpeech(sound->Speech.get());
    window.show();
    const int result = app.exec();
    window.SetSpeech(nullptr);
    return result;
}
