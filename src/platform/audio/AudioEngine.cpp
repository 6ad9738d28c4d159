#include "platform/audio/AudioEngine.h"

#include "platform/Log.h"
#include "platform/audio/SdlLibrary.h"

#include <QMetaObject>

#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace audio {

namespace {

// About 11.6 ms at 44.1 kHz: short enough for a click to sound at once, long enough for a busy box.
constexpr int kBufferFrames = 512;
// Silence after which the device rests.
constexpr std::chrono::milliseconds kRestAfter(2000);

// A machine without sound hardware says so once, not at every sound.
void WarnOnce(const QString& Text)
{
    static bool warned = false;
    if (warned) return;
    warned = true;
    qCWarning(lcPlatform).noquote() << Text;
}

// ALSA prints a dozen lines of its own when a machine has no sound card, before SDL even reports
// failure. While the device is looked for, its messages are silenced; our one warning says it all.
class TQuietAlsa {
public:
    TQuietAlsa()
    {
        FLibrary = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
        if (FLibrary) FSetHandler = reinterpret_cast<TSetHandler>(dlsym(FLibrary, "snd_lib_error_set_handler"));
        if (FSetHandler) FSetHandler(&Ignore);
    }
    ~TQuietAlsa()
    {
        if (FSetHandler) FSetHandler(nullptr);  // ALSA's own handler again
        if (FLibrary) dlclose(FLibrary);
    }
    TQuietAlsa(const TQuietAlsa&) = delete;
    TQuietAlsa& operator=(const TQuietAlsa&) = delete;

private:
    using THandler = void (*)(const char*, int, const char*, int, const char*, ...);
    using TSetHandler = int (*)(THandler);
    static void Ignore(const char*, int, const char*, int, const char*, ...) {}

    void* FLibrary = nullptr;
    TSetHandler FSetHandler = nullptr;
};

int16_t Clamp16(int32_t v)
{
    return int16_t(std::clamp<int32_t>(v, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

}  // namespace

std::shared_ptr<TAudioEngine> TAudioEngine::Acquire()
{
    static std::weak_ptr<TAudioEngine> current;
    if (auto engine = current.lock()) return engine;
    std::shared_ptr<TAudioEngine> engine(new TAudioEngine());
    current = engine;
    return engine;
}

TAudioEngine::TAudioEngine() : FRestAfterFrames(int64_t(kDeviceRate) * kRestAfter.count() / 1000)
{
    FAccumulator.resize(std::size_t(kBufferFrames) * kDeviceChannels);
    FPlayingScratch.reserve(16);
    FEndedScratch.reserve(16);
    OpenDevice();
}

TAudioEngine::~TAudioEngine()
{
    // Closing the device joins the mixing thread, so nothing is posted to this object afterwards;
    // what was posted and not yet delivered goes with the object. A resting thread holds SDL's
    // device lock, which closing takes: it is woken first.
    StopResting();
    // A device or a subsystem of ours means SDL was opened.
    if (FDevice) Sdl()->CloseAudioDevice(FDevice);
    if (FOwnsSubsystem) Sdl()->QuitSubSystem(SDL_INIT_AUDIO);
}

bool TAudioEngine::TryOpenDevice(const TSdl& Library)
{
    // Starting SDL's audio starts its events too, which would catch SIGTERM and SIGINT for an SDL
    // quit event nobody reads: the program handles those signals itself.
    Library.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (Library.InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec want{};
    want.freq = kDeviceRate;
    want.format = AUDIO_S16SYS;
    want.channels = kDeviceChannels;
    want.samples = kBufferFrames;
    want.callback = &TAudioEngine::MixCallback;
    want.userdata = this;
    SDL_AudioSpec have{};
    // No changes allowed: should the hardware want another format, SDL converts behind the device.
    FDevice = Library.OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (FDevice == 0) {
        Library.QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    FOwnsSubsystem = true;
    FDriverName = QString::fromUtf8(Library.GetCurrentAudioDriver());
    Library.PauseAudioDevice(FDevice, 0);
    return true;
}

void TAudioEngine::OpenDevice()
{
    const TSdl* sdl = Sdl();
    if (!sdl) {
        WarnOnce(QStringLiteral("no sound output at all (%1); sounds are skipped").arg(SdlProblem()));
        return;
    }
    TQuietAlsa quiet;
    if (TryOpenDevice(*sdl)) return;
    const QString reason = QString::fromUtf8(sdl->GetError());
    // No sound hardware (a build server, a headless box): SDL's silent driver keeps real time, so
    // every sound still takes as long as it lasts and pairs still follow each other.
    sdl->SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    const bool silent = TryOpenDevice(*sdl);
    sdl->ResetHint(SDL_HINT_AUDIODRIVER);
    if (silent)
        WarnOnce(QStringLiteral("no sound device (%1); sounds play silently").arg(reason));
    else
        WarnOnce(QStringLiteral("no sound output at all (%1); sounds are skipped").arg(reason));
}

void TAudioEngine::SetVolume(int Percent)
{
    FVolume = std::clamp(Percent, 0, 100);
}

void TAudioEngine::SetMuted(bool Muted)
{
    FMuted = Muted;
}

// The mixed frames to the device, at the volume in force; silence when muted.
void TAudioEngine::WriteOutput(int16_t* Out, std::size_t Samples) const
{
    const int volume = FMuted ? 0 : FVolume.load();
    if (volume == 100) {
        for (std::size_t i = 0; i < Samples; ++i) Out[i] = Clamp16(FAccumulator[i]);
        return;
    }
    for (std::size_t i = 0; i < Samples; ++i) Out[i] = Clamp16(FAccumulator[i] * volume / 100);
}

int64_t TAudioEngine::FramesMixed() const
{
    std::lock_guard lock(FMutex);
    return FFramesMixed;
}

TVoiceId TAudioEngine::CreateVoice(std::function<void(const TVoiceTimes&)> OnEnded)
{
    std::lock_guard lock(FMutex);
    const TVoiceId id = FNextId++;
    FVoices[id].OnEnded = std::make_shared<const std::function<void(const TVoiceTimes&)>>(std::move(OnEnded));
    return id;
}

void TAudioEngine::DestroyVoice(TVoiceId Voice)
{
    std::shared_ptr<const TDeviceSound> dropped;  // freed after unlocking
    std::shared_ptr<const std::function<void(const TVoiceTimes&)>> handler;
    {
        std::lock_guard lock(FMutex);
        auto it = FVoices.find(Voice);
        if (it == FVoices.end()) return;
        dropped = std::move(it->second.Sound);
        handler = std::move(it->second.OnEnded);
        FVoices.erase(it);
        for (auto& [id, v] : FVoices)
            if (v.Leader == Voice) v.Leader = -1;
    }
}

TAudioEngine::TVoice* TAudioEngine::FindLocked(TVoiceId Id)
{
    auto it = FVoices.find(Id);
    return it == FVoices.end() ? nullptr : &it->second;
}

const TAudioEngine::TVoice* TAudioEngine::FindLocked(TVoiceId Id) const
{
    auto it = FVoices.find(Id);
    return it == FVoices.end() ? nullptr : &it->second;
}

void TAudioEngine::Load(TVoiceId Voice, std::shared_ptr<const TDeviceSound> Sound)
{
    std::lock_guard lock(FMutex);
    TVoice* v = FindLocked(Voice);
    if (!v) return;
    v->Sound.swap(Sound);  // the old sound is freed after unlocking, with Sound
    v->Position = 0;
    v->State = v->Sound ? TVoiceState::Stopped : TVoiceState::Empty;
    v->Leader = -1;
    v->Times = {};
    ++v->Serial;
}

void TAudioEngine::Clear(TVoiceId Voice)
{
    Load(Voice, nullptr);
}

void TAudioEngine::StartLocked(TVoice& Voice)
{
    Voice.State = TVoiceState::Playing;
    Voice.Leader = -1;
    Voice.Times = {};
    ++Voice.Serial;
    FWake.notify_all();
}

void TAudioEngine::Play(TVoiceId Voice)
{
    std::vector<TEnded> ended;
    {
        std::lock_guard lock(FMutex);
        TVoice* v = FindLocked(Voice);
        if (!v || v->State != TVoiceState::Stopped) return;
        StartLocked(*v);
        if (!FDevice) PlayWithoutDeviceLocked(Voice, *v, ended);
    }
    if (!ended.empty()) PostEnded(std::move(ended));
}

void TAudioEngine::PlayAfter(TVoiceId Follower, TVoiceId Leader)
{
    bool now = false;
    {
        std::lock_guard lock(FMutex);
        TVoice* f = FindLocked(Follower);
        if (!f || f->State != TVoiceState::Stopped) return;
        const TVoice* l = FindLocked(Leader);
        if (Leader != Follower && l && l->State == TVoiceState::Playing)
            f->Leader = Leader;
        else
            now = true;
    }
    if (now) Play(Follower);
}

TVoiceState TAudioEngine::State(TVoiceId Voice) const
{
    std::lock_guard lock(FMutex);
    const TVoice* v = FindLocked(Voice);
    return v ? v->State : TVoiceState::Empty;
}

TVoiceTimes TAudioEngine::Times(TVoiceId Voice) const
{
    std::lock_guard lock(FMutex);
    const TVoice* v = FindLocked(Voice);
    return v ? v->Times : TVoiceTimes{};
}

bool TAudioEngine::IsWaiting(TVoiceId Voice) const
{
    std::lock_guard lock(FMutex);
    const TVoice* v = FindLocked(Voice);
    return v && v->Leader >= 0;
}

void TAudioEngine::SetRestAfter(std::chrono::milliseconds Silence)
{
    std::lock_guard lock(FMutex);
    FRestAfterFrames = int64_t(kDeviceRate) * Silence.count() / 1000;
}

bool TAudioEngine::Resting() const
{
    std::lock_guard lock(FMutex);
    return FResting;
}

bool TAudioEngine::AnyPlayingLocked() const
{
    for (const auto& [id, v] : FVoices)
        if (v.State == TVoiceState::Playing) return true;
    return false;
}

void TAudioEngine::RestWhileSilent()
{
    std::unique_lock lock(FMutex);
    if (FClosing || AnyPlayingLocked()) {
        FLastSoundFrame = FFramesMixed;
        return;
    }
    if (FFramesMixed - FLastSoundFrame < FRestAfterFrames) return;
    // SDL keeps its device thread going at the buffer rate even when the device is paused; a
    // thread that waits here is not woken at all. The device plays out what it has and then
    // underruns quietly; the first buffer after the wait carries the new sound from its start.
    FResting = true;
    FWake.wait(lock, [this] { return FClosing || AnyPlayingLocked(); });
    FResting = false;
    FLastSoundFrame = FFramesMixed;
}

void TAudioEngine::StopResting()
{
    {
        std::lock_guard lock(FMutex);
        FClosing = true;
    }
    FWake.notify_all();
}

void TAudioEngine::MixCallback(void* Engine, uint8_t* Stream, int Bytes)
{
    auto* engine = static_cast<TAudioEngine*>(Engine);
    engine->RestWhileSilent();
    engine->Mix(reinterpret_cast<int16_t*>(Stream), Bytes / int(kDeviceChannels * sizeof(int16_t)));
}

void TAudioEngine::Mix(int16_t* Out, int Frames)
{
    const std::size_t samples = std::size_t(Frames) * kDeviceChannels;
    if (FAccumulator.size() < samples) FAccumulator.resize(samples);
    std::fill_n(FAccumulator.begin(), samples, 0);
    FEndedScratch.clear();
    {
        std::lock_guard lock(FMutex);
        FMixTime = std::chrono::steady_clock::now();
        // Only the voices playing as the buffer begins; followers started inside it mix themselves.
        FPlayingScratch.clear();
        for (const auto& [id, v] : FVoices)
            if (v.State == TVoiceState::Playing) FPlayingScratch.push_back(id);
        for (TVoiceId id : FPlayingScratch)
            if (TVoice* v = FindLocked(id); v && v->State == TVoiceState::Playing) MixVoiceLocked(id, *v, 0, Frames);
        FFramesMixed += Frames;
    }
    WriteOutput(Out, samples);
    if (!FEndedScratch.empty()) PostEnded(FEndedScratch);
}

void TAudioEngine::MixVoiceLocked(TVoiceId Id, TVoice& Voice, int Offset, int Frames)
{
    if (Voice.Times.StartFrame < 0) {
        Voice.Times.StartFrame = FFramesMixed + Offset;
        Voice.Times.StartedAt = FMixTime;
    }
    const std::size_t total = Voice.Sound ? Voice.Sound->Frames() : 0;
    const std::size_t count = std::min<std::size_t>(std::size_t(Frames - Offset), total - Voice.Position);
    if (count > 0) {
        const int16_t* in = Voice.Sound->Samples.data() + Voice.Position * kDeviceChannels;
        int32_t* acc = FAccumulator.data() + std::size_t(Offset) * kDeviceChannels;
        for (std::size_t i = 0; i < count * kDeviceChannels; ++i) acc[i] += in[i];
        Voice.Position += count;
    }
    if (Voice.Position < total) return;

    const int endOffset = Offset + int(count);
    Voice.State = TVoiceState::Stopped;
    Voice.Times.EndFrame = FFramesMixed + endOffset;
    FEndedScratch.push_back({Id, Voice.Serial, Voice.Times});
    for (auto& [fid, f] : FVoices) {
        if (f.Leader != Id) continue;
        f.Leader = -1;
        if (f.State != TVoiceState::Stopped) continue;
        StartLocked(f);
        MixVoiceLocked(fid, f, endOffset, Frames);
    }
}

void TAudioEngine::PlayWithoutDeviceLocked(TVoiceId Id, TVoice& Voice, std::vector<TEnded>& Ended)
{
    Voice.Position = Voice.Sound ? Voice.Sound->Frames() : 0;
    Voice.State = TVoiceState::Stopped;
    Voice.Times.StartFrame = Voice.Times.EndFrame = FFramesMixed;
    Voice.Times.StartedAt = std::chrono::steady_clock::now();
    Ended.push_back({Id, Voice.Serial, Voice.Times});
    for (auto& [fid, f] : FVoices) {
        if (f.Leader != Id) continue;
        f.Leader = -1;
        if (f.State != TVoiceState::Stopped) continue;
        StartLocked(f);
        PlayWithoutDeviceLocked(fid, f, Ended);
    }
}

void TAudioEngine::PostEnded(std::vector<TEnded> Ended)
{
    QMetaObject::invokeMethod(
        this, [this, Ended = std::move(Ended)] { DeliverEnded(Ended); }, Qt::QueuedConnection);
}

void TAudioEngine::DeliverEnded(const std::vector<TEnded>& Ended)
{
    for (const TEnded& e : Ended) {
        std::shared_ptr<const std::function<void(const TVoiceTimes&)>> handler;
        {
            std::lock_guard lock(FMutex);
            const TVoice* v = FindLocked(e.Voice);
            // A voice destroyed or given another sound since is not told of the old one.
            if (!v || v->Serial != e.Serial) continue;
            handler = v->OnEnded;
        }
        if (handler && *handler) (*handler)(e.Times);
    }
}

}  // namespace audio
