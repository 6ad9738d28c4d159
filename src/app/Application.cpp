#include "app/Application.h"

#include "app/MainForm.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
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
    // The fonts are not installed here: each is registered when a widget first asks for it.
    TQtDialogs dialogs(nullptr);
    TMainForm window(&dialogs, fs::ExeFolder(), nullptr, TStartOrder::FirstFrameFirst);
    dialogs = TQtDialogs(&window);  // the boxes belong to the window
    // Neither Qt's own texts in Russian (its dialogs' buttons) nor the sound are needed for the
    // first frame: they come right after it, before loading makes the games playable. The sound
    // reads the window's settings and shows its boxes.
    window.AfterFirstFrame([] { InstallRussianTranslations(); });
    std::unique_ptr<TSoundSystem> sound;
    auto makeSound = [&] {
        sound = MakeSoundSystem(dialogs, window.Context.Settings, [&window] { window.StartPanelShowExecute(); });
        window.SetSpeech(sound->Speech.get());
    };
    window.AfterFirstFrame(makeSound);
    if (BeforeShow) BeforeShow(window);
    window.show();
    const int result = App.exec();
    window.SetSpeech(nullptr);
    return result;
}
