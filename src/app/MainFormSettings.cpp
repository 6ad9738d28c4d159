// What a parent sets up in the main window: the remembered voice, the volume and mute with their
// indicator, full screen, the kiosk mode a child cannot leave, and the ways to quit.
#include "app/MainForm.h"

#include "app/VolumeIndicator.h"
#include "core/Texts.h"
#include "platform/Dialogs.h"
#include "platform/Panel.h"

#include <QAction>
#include <QCloseEvent>
#include <QRadioButton>
#include <QSettings>

void TMainForm::CreateSettingsActions()
{
    auto action = [this](const char* Name, const QKeySequence& Keys, auto Handler) {
        // The window's own keys, not actions of the menus: they live on the window itself.
        auto* a = new QAction(QLatin1String(Name), this);
        a->setObjectName(QLatin1String(Name));
        a->setProperty("category", QStringLiteral("Functons"));
        a->setShortcut(Keys);
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
        connect(a, &QAction::triggered, this, Handler);
        return a;
    };
    VolumeUp = action("VolumeUp", QKeySequence(Qt::CTRL | Qt::Key_Up), [this] { ChangeVolume(+1); });
    VolumeDown = action("VolumeDown", QKeySequence(Qt::CTRL | Qt::Key_Down), [this] { ChangeVolume(-1); });
    SoundMute = action("SoundMute", QKeySequence(Qt::CTRL | Qt::Key_M), [this] { ToggleMute(); });
    FullScreen = action("FullScreen", QKeySequence(Qt::Key_F11), [this] { ToggleFullScreen(); });
    Quit = action("Quit", QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { QuitExecute(); });
    AskQuit = action("AskQuit", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Q), [this] { AskQuitExecute(); });
    VolumeIndicator = new TVolumeIndicator(this);
}

void TMainForm::ApplyChoices(const TRememberedChoices& Stored, const TRememberedChoices& ThisRun)
{
    FStored = Stored;
    FCurrent = ThisRun;
    // The radio buttons show the voice from the first frame; nothing is written back for it.
    QSettings* file = FChoicesFile;
    FChoicesFile = nullptr;
    (FCurrent.MaleVoice ? MaleVoiceRadioButton : FemaleVoiceRadioButton)->setChecked(true);
    FChoicesFile = file;
    Context.Settings.VoiceFolder = FCurrent.MaleVoice ? kMaleVoice : kFemaleVoice;
    ApplyVolume();
}

void TMainForm::SetVoice(bool Male)
{
    Context.Settings.VoiceFolder = Male ? kMaleVoice : kFemaleVoice;
    if (FCurrent.MaleVoice == Male) return;
    FCurrent.MaleVoice = FStored.MaleVoice = Male;
    Remember();
}

void TMainForm::Remember()
{
    if (FChoicesFile) FStored.Write(*FChoicesFile);
}

void TMainForm::ApplyVolume()
{
    if (FVolumeHandler) FVolumeHandler(FCurrent.Volume, FCurrent.Muted);
}

void TMainForm::ChangeVolume(int Steps)
{
    FCurrent.Volume = std::clamp(FCurrent.Volume + Steps * TRememberedChoices::kVolumeStep, 0, 100);
    FStored.Volume = FCurrent.Volume;
    ApplyVolume();
    Remember();
    VolumeIndicator->Show(FCurrent.Volume, FCurrent.Muted);
}

void TMainForm::ToggleMute()
{
    FCurrent.Muted = FStored.Muted = !FCurrent.Muted;
    ApplyVolume();
    Remember();
    VolumeIndicator->Show(FCurrent.Volume, FCurrent.Muted);
}

void TMainForm::ToggleFullScreen()
{
    if (FCurrent.Kiosk) return;
    FCurrent.FullScreen = FStored.FullScreen = !FCurrent.FullScreen;
    setWindowState(FCurrent.FullScreen ? windowState() | Qt::WindowFullScreen : windowState() & ~Qt::WindowFullScreen);
    Remember();
}

void TMainForm::QuitExecute()
{
    if (!FCurrent.Kiosk) QuitProgram();
}

void TMainForm::AskQuitExecute()
{
    if (Context.Dialogs->AskYesNoDefaultNo(QString::fromUtf8(kWindowCaption), QStringLiteral("Выйти из программы?")))
        QuitProgram();
}

void TMainForm::QuitProgram()
{
    if (FQuitting) return;
    FQuitting = true;
    emit QuitRequested();
}

void TMainForm::closeEvent(QCloseEvent* Event)
{
    // In kiosk mode only the program itself ends the window: not the close button, Alt+F4 or the
    // window manager.
    if (FCurrent.Kiosk && !FQuitting) {
        Event->ignore();
        return;
    }
    QWidget::closeEvent(Event);
}
