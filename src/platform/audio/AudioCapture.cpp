#include "platform/audio/AudioCapture.h"

#include "platform/Log.h"
#include "platform/audio/SdlLibrary.h"

#include <cmath>

namespace audio {

namespace {
constexpr std::chrono::milliseconds kPollEvery(20);
}  // namespace

TAudioCapture::TAudioCapture()
{
    FPoll.setInterval(kPollEvery);
    connect(&FPoll, &QTimer::timeout, this, [this] { Collect(true); });
}

TAudioCapture::~TAudioCapture()
{
    Stop();
}

QStringList TAudioCapture::DeviceNames()
{
    QStringList names;
    const TSdl* sdl = Sdl();
    if (!sdl) return names;
    sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sdl->InitSubSystem(SDL_INIT_AUDIO) != 0) return names;
    const int count = sdl->GetNumAudioDevices(1);
    for (int i = 0; i < count; ++i)
        if (const char* name = sdl->GetAudioDeviceName(i, 1)) names << QString::fromUtf8(name);
    sdl->QuitSubSystem(SDL_INIT_AUDIO);
    return names;
}

bool TAudioCapture::Start(const QString& Device, QString* Error)
{
    Stop();
    FSamples.clear();
    const TSdl* sdl = Sdl();
    if (!sdl) {
        if (Error) *Error = SdlProblem();
        return false;
    }
    sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sdl->InitSubSystem(SDL_INIT_AUDIO) != 0) {
        if (Error) *Error = QString::fromUtf8(sdl->GetError());
        return false;
    }
    SDL_AudioSpec want{};
    want.freq = kCaptureRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 1024;
    want.callback = nullptr;  // queued: the samples are fetched on this thread
    SDL_AudioSpec have{};
    const QByteArray name = Device.toUtf8();
    FDevice = sdl->OpenAudioDevice(Device.isEmpty() ? nullptr : name.constData(), 1, &want, &have, 0);
    if (FDevice == 0) {
        if (Error) *Error = QString::fromUtf8(sdl->GetError());
        qCWarning(lcPlatform).noquote() << "no microphone:" << sdl->GetError();
        sdl->QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    FOwnsSubsystem = true;
    FSamples.reserve(std::size_t(kCaptureRate) * std::size_t(FLimit.count()) / 1000);
    sdl->PauseAudioDevice(FDevice, 0);
    FPoll.start();
    return true;
}

void TAudioCapture::Stop()
{
    if (FDevice == 0) return;
    Collect(false);
    FPoll.stop();
    CloseDevice();
}

// A device of ours means SDL was opened.
void TAudioCapture::CloseDevice()
{
    if (FDevice) Sdl()->CloseAudioDevice(FDevice);
    FDevice = 0;
    if (FOwnsSubsystem) Sdl()->QuitSubSystem(SDL_INIT_AUDIO);
    FOwnsSubsystem = false;
}

void TAudioCapture::Collect(bool Announce)
{
    if (FDevice == 0) return;
    const std::size_t limit = std::size_t(kCaptureRate) * std::size_t(FLimit.count()) / 1000;
    const std::size_t before = FSamples.size();
    int16_t chunk[4096];
    while (FSamples.size() < limit) {
        const Uint32 got = Sdl()->DequeueAudio(FDevice, chunk, sizeof chunk);
        if (got == 0) break;
        const std::size_t n = std::min<std::size_t>(got / sizeof(int16_t), limit - FSamples.size());
        FSamples.insert(FSamples.end(), chunk, chunk + n);
    }
    if (OnLevel && FSamples.size() > before) {
        double sum = 0.0;
        for (std::size_t i = before; i < FSamples.size(); ++i) sum += double(FSamples[i]) * FSamples[i];
        const double rms = std::sqrt(sum / double(FSamples.size() - before)) / 32768.0;
        OnLevel(rms > 0.0 ? std::max(-120.0, 20.0 * std::log10(rms)) : -120.0);
    }
    if (FSamples.size() >= limit) {
        FPoll.stop();
        CloseDevice();
        if (Announce && OnLimitReached) OnLimitReached();
    }
}

}  // namespace audio
