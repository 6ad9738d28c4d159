// Sound figures: how soon a pair starts, the gap between its two files, decoding speed and the
// cost of the idle engine. Runs on SDL's silent driver, which keeps the pace of a real device.
#include "platform/audio/AudioEngine.h"
#include "platform/audio/AudioFormat.h"
#include "platform/audio/Mp3Decoder.h"
#include "platform/widgets/Dialogs.h"
#include "sound/EngineMediaPlayer.h"
#include "sound/SoundFeedback.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <thread>

namespace {

// The committed test sounds, found beside this file's folder.
QString Sound(const char* Name)
{
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../tests/sound/data/") +
           QString::fromUtf8(Name);
}

class TNoDialogs : public IDialogs {
public:
    void ShowMessage(const QString&, const QString&) override {}
    bool AskYesNo(const QString&, const QString&) override { return false; }
    bool ExecutePrintDialog(IPrinter&) override { return false; }
};

std::shared_ptr<audio::TAudioEngine> SilentEngine()
{
    qputenv("SDL_AUDIODRIVER", "dummy");
    return audio::TAudioEngine::Acquire();
}

template <class Done>
void Wait(Done done)
{
    while (!done()) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
}

// From the call of PlaySoundPair to the mixing of the first file's first frame into the device
// stream (one device buffer, 11.6 ms, then lies between the stream and the loudspeaker). Also the
// gap between the two files, in frames.
void BM_PairStartAndGap(benchmark::State& State)
{
    auto engine = SilentEngine();
    TEngineMediaPlayer first(engine), second(engine);
    TNoDialogs dialogs;
    TSettings settings;
    TSoundFeedback speech(dialogs, first, second, settings, {});
    const QString a = Sound("tone_c.mp3"), b = Sound("tone_b.mp3");
    int64_t maxGap = 0;
    std::vector<double> starts;
    for (auto _ : State) {
        const auto t0 = std::chrono::steady_clock::now();
        speech.PlaySoundPair(a, b);
        Wait([&] { return first.Times().StartFrame >= 0; });
        const double start = std::chrono::duration<double>(first.Times().StartedAt - t0).count();
        State.SetIterationTime(start);
        starts.push_back(start * 1000.0);
        Wait([&] { return second.Mode() == mpStopped && second.Times().EndFrame >= 0; });
        maxGap = std::max(maxGap, std::abs(second.Times().StartFrame - first.Times().EndFrame));
    }
    State.counters["max_gap_frames"] = double(maxGap);
    std::sort(starts.begin(), starts.end());
    State.counters["median_start_ms"] = starts.empty() ? 0.0 : starts[starts.size() / 2];
}
BENCHMARK(BM_PairStartAndGap)->UseManualTime()->Iterations(25)->Unit(benchmark::kMillisecond);

// The same after 2.5 s of silence, when the device may have gone to rest: the start must stay
// within one device buffer (11.6 ms) of the figure above, and the pair without a gap.
void BM_PairStartAfterSilence(benchmark::State& State)
{
    auto engine = SilentEngine();
    TEngineMediaPlayer first(engine), second(engine);
    TNoDialogs dialogs;
    TSettings settings;
    TSoundFeedback speech(dialogs, first, second, settings, {});
    const QString a = Sound("tone_c.mp3"), b = Sound("tone_b.mp3");
    int64_t maxGap = 0;
    std::vector<double> starts;
    for (auto _ : State) {
        State.PauseTiming();
        const auto quiet = std::chrono::steady_clock::now() + std::chrono::milliseconds(2500);
        Wait([&] { return std::chrono::steady_clock::now() >= quiet; });
        State.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        speech.PlaySoundPair(a, b);
        Wait([&] { return first.Times().StartFrame >= 0; });
        const double start = std::chrono::duration<double>(first.Times().StartedAt - t0).count();
        State.SetIterationTime(start);
        starts.push_back(start * 1000.0);
        Wait([&] { return second.Mode() == mpStopped && second.Times().EndFrame >= 0; });
        maxGap = std::max(maxGap, std::abs(second.Times().StartFrame - first.Times().EndFrame));
    }
    State.counters["max_gap_frames"] = double(maxGap);
    std::sort(starts.begin(), starts.end());
    State.counters["median_start_ms"] = starts.empty() ? 0.0 : starts[starts.size() / 2];
}
BENCHMARK(BM_PairStartAfterSilence)->UseManualTime()->Iterations(9)->Unit(benchmark::kMillisecond);

// Decoding alone, per second of audio (a 3.8 s spoken phrase at 22.05 kHz mono).
void BM_DecodePerAudioSecond(benchmark::State& State)
{
    const QString path = Sound("speech.mp3");
    double seconds = 0;
    const auto t0 = std::chrono::steady_clock::now();
    for (auto _ : State) {
        TMp3Result r = Mp3DecodeFile(path);
        seconds = r.Sound.Seconds();
        benchmark::DoNotOptimize(r.Sound.Samples.data());
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    State.counters["audio_s"] = seconds;
    State.counters["ms_per_audio_s"] = ms / (double(State.iterations()) * seconds);
}
BENCHMARK(BM_DecodePerAudioSecond)->Unit(benchmark::kMillisecond);

// What opening a file costs the player: decoding plus resampling to 44.1 kHz stereo.
void BM_DecodeAndConvertPerAudioSecond(benchmark::State& State)
{
    const QString path = Sound("speech.mp3");
    double seconds = 0;
    const auto t0 = std::chrono::steady_clock::now();
    for (auto _ : State) {
        TMp3Result r = Mp3DecodeFile(path);
        seconds = r.Sound.Seconds();
        audio::TDeviceSound s = audio::ToDeviceFormat(r.Sound);
        benchmark::DoNotOptimize(s.Samples.data());
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    State.counters["ms_per_audio_s"] = ms / (double(State.iterations()) * seconds);
}
BENCHMARK(BM_DecodeAndConvertPerAudioSecond)->Unit(benchmark::kMillisecond);

double ProcessCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// CPU time the whole process spends per wall second while the engine is open and nothing plays.
void BM_IdleEngineCpu(benchmark::State& State)
{
    auto engine = SilentEngine();
    const QString path = Sound("tone_c.mp3");
    TEngineMediaPlayer player(engine);
    player.SetFileName(path);
    player.Open();
    player.Play();
    Wait([&] { return player.Mode() == mpStopped; });
    double cpu = 0, wall = 0;
    for (auto _ : State) {
        const double c0 = ProcessCpuSeconds();
        const auto w0 = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(1));
        cpu += ProcessCpuSeconds() - c0;
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
    }
    State.counters["cpu_ms_per_s"] = 1000.0 * cpu / wall;
}
BENCHMARK(BM_IdleEngineCpu)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
