#pragma once
// What a parent sets up in the main window: the voice, the volume and mute with their indicator
// and the ribbon's mute mark, full screen, the kiosk mode a child cannot leave, and the ways to
// quit. The window's own keys (Ctrl+Up/Down, Ctrl+M, F11, Ctrl+Q, Ctrl+Shift+Q) are actions on
// the window, made here.
//
// In kiosk mode the settings are the adult's: the volume and mute keys and F11 do nothing, and a
// voice chosen on the ribbon holds for this run only. Outside it every change is remembered.
#include "app/RememberedChoices.h"

#include <QObject>

#include <functional>

struct TAppContext;
class QAction;
class QRadioButton;
class QSettings;
class QWidget;
class TMuteMark;
class TVolumeIndicator;

class TParentControls : public QObject {
    Q_OBJECT
public:
    // Window gets the keys, the indicator and the full-screen state; Ribbon gets the mute mark;
    // the radio buttons show the voice. Context's settings take the chosen voice, its dialogs ask
    // before the adult's exit.
    TParentControls(QWidget& Window, QWidget& Ribbon, QRadioButton& Female, QRadioButton& Male, TAppContext& Context);

    // The choices this run starts with: the voice (shown by the radio buttons from the first
    // frame), volume and mute, full screen and kiosk. Call before the window is shown.
    // Stored are the choices as the settings file holds them; this run's may differ by options.
    void ApplyChoices(const TRememberedChoices& Stored, const TRememberedChoices& ThisRun);
    // Where changes made in the program (the voice, volume, mute, full screen) are remembered;
    // none, as in tests, remembers nothing.
    void SetChoicesFile(QSettings* File) { FChoicesFile = File; }
    const TRememberedChoices& Choices() const { return FCurrent; }
    bool Kiosk() const { return FCurrent.Kiosk; }
    // Who applies the volume to the sound (the program's audio engine).
    // The handler gets the current volume at once, and every change after.
    void SetVolumeHandler(std::function<void(int Percent, bool Muted)> Handler);

    // The window's first activation: full screen when asked for, and a start that is muted or
    // quiet says so on the indicator for a while.
    void Start();
    // Ctrl+Up / Ctrl+Down: the volume in steps of 10 %; Ctrl+M: mute on and off. Each change
    // shows the volume indicator over the ribbon for a second. Nothing in kiosk mode.
    void ChangeVolume(int Steps);
    void ToggleMute();
    // F11: full screen on and off (nothing in kiosk mode).
    void ToggleFullScreen();
    // Ctrl+Q: ends the program at once (not in kiosk mode). Ctrl+Shift+Q: asks first, in any mode.
    void QuitExecute();
    void AskQuitExecute();
    // Ends the program in order, whatever the mode: the close that kiosk mode refuses is let
    // through, and QuitRequested is emitted (once) for the window to stop its work and the
    // application to leave its loop.
    void QuitProgram();
    bool Quitting() const { return FQuitting; }
    // Whether the window may close now: always, but in kiosk mode only once quitting.
    bool MayClose() const { return !FCurrent.Kiosk || FQuitting; }

    static constexpr int kQuietStart = 30;      // a start below this volume (percent) is shown
    static constexpr int kStartShownMs = 3000;  // how long the start's volume is shown

    TVolumeIndicator* VolumeIndicator = nullptr;
    TMuteMark* MuteMark = nullptr;
    QAction* VolumeUp = nullptr;
    QAction* VolumeDown = nullptr;
    QAction* SoundMute = nullptr;
    QAction* FullScreen = nullptr;
    QAction* Quit = nullptr;
    QAction* AskQuit = nullptr;

signals:
    void QuitRequested();

private:
    void SetVoice(bool Male);
    void ApplyVolume();
    void Remember();

    QWidget& FWindow;
    QRadioButton& FFemale;
    QRadioButton& FMale;
    TAppContext& FContext;
    TRememberedChoices FStored;   // as the settings file holds them
    TRememberedChoices FCurrent;  // in force in this run
    QSettings* FChoicesFile = nullptr;
    std::function<void(int, bool)> FVolumeHandler;
    bool FQuitting = false;
};
