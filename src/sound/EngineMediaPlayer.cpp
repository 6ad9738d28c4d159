#include "sound/EngineMediaPlayer.h"

#include "core/Reasons.h"
#include "platform/audio/AudioFormat.h"
#include "platform/audio/Mp3Decoder.h"

TEngineMediaPlayer::TEngineMediaPlayer(std::shared_ptr<audio::TAudioEngine> Engine) : FEngine(std::move(Engine))
{
    FVoice = FEngine->CreateVoice([this](const audio::TVoiceTimes&) {
        if (OnEnded) OnEnded();
    });
}

TEngineMediaPlayer::~TEngineMediaPlayer()
{
    FEngine->DestroyVoice(FVoice);
}

void TEngineMediaPlayer::Open()
{
    FEngine->Clear(FVoice);
    FDamage.clear();
    const TMp3Result decoded = Mp3DecodeFile(FileName());
    if (!decoded.Playable())
        throw EMediaPlayerError((FileName() + QStringLiteral(": ") + decoded.Describe()).toStdString(), Mp3Reason(decoded));
    try {
        FEngine->Load(FVoice, std::make_shared<const audio::TDeviceSound>(audio::ToDeviceFormat(decoded.Sound)));
    } catch (const std::runtime_error& e) {
        throw EMediaPlayerError(e.what());
    }
    FDamage = Mp3Reason(decoded);
}

void TEngineMediaPlayer::Play()
{
    FEngine->Play(FVoice);
}

void TEngineMediaPlayer::Close()
{
    FEngine->Clear(FVoice);
    FDamage.clear();
}

TMPModes TEngineMediaPlayer::Mode() const
{
    switch (FEngine->State(FVoice)) {
        case audio::TVoiceState::Playing:
            return mpPlaying;
        case audio::TVoiceState::Stopped:
            return mpStopped;
        case audio::TVoiceState::Empty:
            break;
    }
    return mpNotReady;
}

void TEngineMediaPlayer::PlayAfter(IMediaPlayer& Leader)
{
    auto* leader = dynamic_cast<TEngineMediaPlayer*>(&Leader);
    if (!leader || leader->FEngine != FEngine)
        throw std::invalid_argument("a player can only wait for a player of the same engine");
    FEngine->PlayAfter(FVoice, leader->FVoice);
}

bool TEngineMediaPlayer::Waiting() const
{
    return FEngine->IsWaiting(FVoice);
}

audio::TVoiceTimes TEngineMediaPlayer::Times() const
{
    return FEngine->Times(FVoice);
}
