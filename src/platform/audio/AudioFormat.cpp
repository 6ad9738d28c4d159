#include "platform/audio/AudioFormat.h"

#include "platform/audio/SdlLibrary.h"

#include <algorithm>
#include <stdexcept>

namespace audio {

std::size_t DeviceFrames(std::size_t Frames, int Rate)
{
    if (Rate <= 0) return 0;
    return std::size_t((uint64_t(Frames) * kDeviceRate + uint64_t(Rate) / 2) / uint64_t(Rate));
}

namespace {

// Spreads Channels-channel frames over the two device channels: mono to both, more than two keep
// the first pair.
std::vector<int16_t> ToStereo(const TPcmSound& Sound)
{
    const std::size_t frames = Sound.Frames();
    if (Sound.Channels == 2) return Sound.Samples;
    std::vector<int16_t> out(frames * 2);
    for (std::size_t f = 0; f < frames; ++f) {
        const int16_t* in = &Sound.Samples[f * Sound.Channels];
        out[2 * f] = in[0];
        out[2 * f + 1] = Sound.Channels > 1 ? in[1] : in[0];
    }
    return out;
}

// Resamples stereo frames from Rate to the device rate with SDL's resampler. SDL holds back the
// last few hundred input frames in its filter and a flush alone does not give them all back (seen
// with 22.05 kHz sources), so silence is fed after the sound and the result cut to its exact length.
std::vector<int16_t> Resample(const std::vector<int16_t>& Stereo, int Rate)
{
    const std::size_t inFrames = Stereo.size() / 2;
    const std::size_t outFrames = DeviceFrames(inFrames, Rate);
    const TSdl* sdl = Sdl();
    if (!sdl) throw std::runtime_error(SdlProblem().toStdString());
    SDL_AudioStream* stream = sdl->NewAudioStream(AUDIO_S16SYS, 2, Rate, AUDIO_S16SYS, 2, kDeviceRate);
    if (!stream) throw std::runtime_error(sdl->GetError());

    const std::size_t padFrames = std::max<std::size_t>(4096, std::size_t(Rate) / 10);
    const std::vector<int16_t> silence(padFrames * 2, 0);
    bool ok = sdl->AudioStreamPut(stream, Stereo.data(), int(Stereo.size() * sizeof(int16_t))) == 0 &&
              (silence.empty() || sdl->AudioStreamPut(stream, silence.data(), int(silence.size() * sizeof(int16_t))) == 0) &&
              sdl->AudioStreamFlush(stream) == 0;
    std::vector<int16_t> out;
    if (ok) {
        out.resize(std::size_t(sdl->AudioStreamAvailable(stream)) / sizeof(int16_t));
        const int got = sdl->AudioStreamGet(stream, out.data(), int(out.size() * sizeof(int16_t)));
        ok = got >= 0;
        if (ok) out.resize(std::size_t(got) / sizeof(int16_t));
    }
    const std::string error = ok ? std::string() : sdl->GetError();
    sdl->FreeAudioStream(stream);
    if (!ok) throw std::runtime_error(error);
    out.resize(outFrames * 2, 0);
    return out;
}

}  // namespace

TDeviceSound ToDeviceFormat(const TPcmSound& Sound)
{
    TDeviceSound result;
    if (Sound.Channels <= 0 || Sound.SampleRate <= 0 || Sound.Samples.empty()) return result;
    std::vector<int16_t> stereo = ToStereo(Sound);
    result.Samples = Sound.SampleRate == kDeviceRate ? std::move(stereo) : Resample(stereo, Sound.SampleRate);
    return result;
}

}  // namespace audio
