#include "app/ParentControls.h"

#include "app/VolumeIndicator.h"
#include "core/AppContext.h"
#include "core/Texts.h"
#include "platform/widgets/Dialogs.h"

#include <QAction>
#include <QRadioButton>
#include <QSettings>
#include <QWidget>

TParentControls::TParentControls(QWidget& Window, QWidget& Ribbon, QRadioButton& Female, QRadioButton& Male,
                                 TAppContext& Context)
    : QObject(&Window), FWindow(Window), FFemale(Female), FMale(Male), FContext(Context)
{
    auto action = [this](const char* Name, const QKeySequence& Keys, auto Handler) {
        // The window's own keys, not actions of the menus: they live on the window itself.
        auto* a = new QAction(QLatin1String(Name), &FWindow);
        a->setObjectName(QLatin1String(Name));
        a->setProperty("category", QStringLiteral("Functons"));
        a->setShortcut(Keys);
        a->setShortcutContext(Qt::WindowShortcut);
        FWindow.addAction(a);
        connect(a, &QAction::triggered, this, Handler);
        return a;
    };
    VolumeUp = action("VolumeUp", QKeySequence(Qt::CTRL | Qt::Key_Up), [this] { ChangeVolume(+1); });
    VolumeDown = action("VolumeDown", QKeySequence(Qt::CTRL | Qt::Key_Down), [this] { ChangeVolume(-1); });
    SoundMute = action("SoundMute", QKeySequence(Qt::CTRL | Qt::Key_M), [this] { ToggleMute(); });
    FullScreen = action("FullScreen", QKeySequence(Qt::Key_F11), [this] { ToggleFullScreen(); });
    Quit = action("Quit", QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { QuitExecute(); });
    AskQuit = action("AskQuit", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Q), [this] { AskQuitExecute(); });
    VolumeIndicator = new TVolumeIndicator(&FWindow);
    MuteMark = new TMuteMark(&Ribbon);
    connect(&FFemale, &QRadioButton::toggled, this, [this](bool On) {
        if (On) SetVoice(false);
    });
    connect(&FMale, &QRadioButton::toggled, this, [this](bool On) {
        if (On) SetVoice(true);
    });
}

void TParentControls::ApplyChoices(const TRememberedChoices& Stored, const TRememberedChoices& ThisRun)
{
    FStored = Stored;
    FCurrent = ThisRun;
    // The radio buttons show the voice from the first frame; nothing is written back for it.
    QSettings* file = FChoicesFile;
    FChoicesFile = nullptr;
    (FCurrent.MaleVoice ? FMale : FFemale).setChecked(true);
    FChoicesFile = file;
    FContext.Settings.VoiceFolder = FCurrent.MaleVoice ? kMaleVoice : kFemaleVoice;
    ApplyVolume();
}

void TParentControls::SetVolumeHandler(std::function<void(int Percent, bool Muted)> Handler)
{
    FVolumeHandler = std::move(Handler);
    ApplyVolume();
}

void TParentControls::Start()
{
    if (FCurrent.FullScreen || FCurrent.Kiosk) FWindow.setWindowState(FWindow.windowState() | Qt::WindowFullScreen);
    if (FCurrent.Muted || FCurrent.Volume < kQuietStart)
        VolumeIndicator->Show(FCurrent.Volume, FCurrent.Muted, kStartShownMs);
}

void TParentControls::SetVoice(bool Male)
{
    FContext.Settings.VoiceFolder = Male ? kMaleVoice : kFemaleVoice;
    if (FCurrent.MaleVoice == Male) return;
    FCurrent.MaleVoice = Male;
    if (FCurrent.Kiosk) return;  // a child's choice holds for this run only
    FStored.MaleVoice = Male;
    Remember();
}

void TParentControls::Remember()
{
    if (FChoicesFile) FStored.Write(*FChoicesFile);
}

void TParentControls::ApplyVolume()
{
    if (FVolumeHandler) FVolumeHandler(FCurrent.Volume, FCurrent.Muted);
    MuteMark->setVisible(FCurrent.Muted);
}

void TParentControls::ChangeVolume(int Steps)
{
    if (FCurrent.Kiosk) return;
    FCurrent.Volume = std::clamp(FCurrent.Volume + Steps * TRememberedChoices::kVolumeStep, 0, 100);
    FStored.Volume = FCurrent.Volume;
    ApplyVolume();
    Remember();
    VolumeIndicator->Show(FCurrent.Volume, FCurrent.Muted);
}

void TParentControls::ToggleMute()
{
    if (FCurrent.Kiosk) return;
    FCurrent.Muted = FStored.Muted = !FCurrent.Muted;
    ApplyVolume();
    Remember();
    VolumeIndicator->Show(FCurrent.Volume, FCurrent.Muted);
}

void TParentControls::ToggleFullScreen()
{
    if (FCurrent.Kiosk) return;
    FCurrent.FullScreen = FStored.FullScreen = !FCurrent.FullScreen;
    FWindow.setWindowState(FCurrent.FullScreen ? FWindow.windowState() | Qt::WindowFullScreen
                                               : FWindow.windowState() & ~Qt::WindowFullScreen);
    Remember();
}

void TParentControls::QuitExecute()
{
    if (!FCurrent.Kiosk) QuitProgram();
}

void TParentControls::AskQuitExecute()
{
    if (FContext.Dialogs->AskYesNoDefaultNo(QString::fromUtf8(kWindowCaption), QStringLiteral("Выйти из программы?")))
        QuitProgram();
}

void TParentControls::QuitProgram()
{
    if (FQuitting) return;
    FQuitting = true;
    emit QuitRequested();
}
