#pragma once
// The program's sound: the two media players on the process's audio engine and the speech that
// drives them, built together so that they are also torn down in the right order.
#include "sound/SoundFeedback.h"

#include <functional>
#include <memory>

namespace audio {
class TAudioEngine;
}

struct TSoundSystem {
    std::shared_ptr<audio::TAudioEngine> Engine;  // where the volume is set
    std::unique_ptr<IMediaPlayer> MediaPlayer1;
    std::unique_ptr<IMediaPlayer> MediaPlayer2;
    std::unique_ptr<TSoundFeedback> Speech;  // declared last: goes before the players it uses
};

// Opens the audio engine (or its silent stand-in when the machine has no sound device) and builds
// the players and the speech. Settings and Dialogs must outlive the result.
std::unique_ptr<TSoundSystem> MakeSoundSystem(IDialogs& Dialogs, const TSettings& Settings,
                                              std::function<void()> StartPanelShow);
