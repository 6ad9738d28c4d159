#pragma once
// The program's media player: MP3 files decoded whole when opened and played through the
// process's one audio engine. A file cut short plays the beginning it holds.
#include "platform/audio/AudioEngine.h"
#include "sound/MediaPlayer.h"

#include <memory>

class TEngineMediaPlayer : public IMediaPlayer {
public:
    explicit TEngineMediaPlayer(std::shared_ptr<audio::TAudioEngine> Engine = audio::TAudioEngine::Acquire());
    ~TEngineMediaPlayer() override;
    TEngineMediaPlayer(const TEngineMediaPlayer&) = delete;
    TEngineMediaPlayer& operator=(const TEngineMediaPlayer&) = delete;

    void Open() override;
    void Play() override;
    void Close() override;
    TMPModes Mode() const override;
    // Leader must be a TEngineMediaPlayer too (std::invalid_argument otherwise).
    void PlayAfter(IMediaPlayer& Leader) override;
    bool Waiting() const override;
    QString Damage() const override { return FDamage; }

    // Where the last sound began and ended in the device stream (frames), for measuring.
    audio::TVoiceTimes Times() const;
    audio::TAudioEngine& Engine() const { return *FEngine; }

private:
    std::shared_ptr<audio::TAudioEngine> FEngine;
    audio::TVoiceId FVoice;
    QString FDamage;
};
