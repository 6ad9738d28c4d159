#include "sound/SoundSystem.h"

#include "sound/EngineMediaPlayer.h"

std::unique_ptr<TSoundSystem> MakeSoundSystem(IDialogs& Dialogs, const TSettings& Settings,
                                              std::function<void()> StartPanelShow)
{
    auto engine = audio::TAudioEngine::Acquire();
    auto system = std::make_unique<TSoundSystem>();
    system->Engine = engine;
    system->MediaPlayer1 = std::make_unique<TEngineMediaPlayer>(engine);
    system->MediaPlayer2 = std::make_unique<TEngineMediaPlayer>(engine);
    system->Speech = std::make_unique<TSoundFeedback>(Dialogs, *system->MediaPlayer1, *system->MediaPlayer2, Settings,
                                                      std::move(StartPanelShow));
    return system;
}
