#include "core/Loudness.h"

#include <algorithm>
#include <cmath>

namespace loudness {

double ToDb(double Linear)
{
    if (Linear <= 0.0) return kFloorDb;
    return std::max(kFloorDb, 20.0 * std::log10(Linear));
}

double FromDb(double Db)
{
    return std::pow(10.0, Db / 20.0);
}

namespace {

struct TFrame {
    double SumOfSquares = 0.0;
    std::size_t Count = 0;
};

std::vector<TFrame> Frames(std::span<const float> Samples, int SampleRate)
{
    std::vector<TFrame> frames;
    if (SampleRate <= 0) return frames;
    const std::size_t perFrame = std::max<std::size_t>(1, std::size_t(std::lround(SampleRate * kFrameSeconds)));
    for (std::size_t start = 0; start < Samples.size(); start += perFrame) {
        TFrame f;
        const std::size_t end = std::min(Samples.size(), start + perFrame);
        for (std::size_t i = start; i < end; ++i) f.SumOfSquares += double(Samples[i]) * Samples[i];
        f.Count = end - start;
        frames.push_back(f);
    }
    return frames;
}

double FrameDb(const TFrame& F)
{
    return F.Count == 0 ? kFloorDb : ToDb(std::sqrt(F.SumOfSquares / double(F.Count)));
}

}  // namespace

std::vector<double> FrameLevelsDb(std::span<const float> Samples, int SampleRate)
{
    std::vector<double> levels;
    for (const TFrame& f : Frames(Samples, SampleRate)) levels.push_back(FrameDb(f));
    return levels;
}

TClipMeasure Measure(std::span<const float> Samples, int SampleRate)
{
    TClipMeasure m;
    if (SampleRate <= 0) return m;
    const double seconds = double(Samples.size()) / SampleRate;
    m.LeadingSilence = seconds;

    float peak = 0.0f;
    for (float s : Samples) peak = std::max(peak, std::abs(s));
    m.PeakDb = ToDb(peak);

    const std::vector<TFrame> frames = Frames(Samples, SampleRate);
    std::vector<double> levels;
    levels.reserve(frames.size());
    for (const TFrame& f : frames) levels.push_back(FrameDb(f));

    const auto sounding = [](double Db) { return Db >= kSilenceDb; };
    const auto first = std::find_if(levels.begin(), levels.end(), sounding);
    if (first == levels.end()) return m;
    const auto last = std::find_if(levels.rbegin(), levels.rend(), sounding);
    m.Silent = false;

    std::size_t before = 0, through = 0;
    const std::size_t firstIndex = std::size_t(first - levels.begin());
    const std::size_t lastIndex = levels.size() - 1 - std::size_t(last - levels.rbegin());
    for (std::size_t i = 0; i < firstIndex; ++i) before += frames[i].Count;
    for (std::size_t i = firstIndex; i <= lastIndex; ++i) through += frames[i].Count;
    m.LeadingSilence = double(before) / SampleRate;
    m.SoundingSeconds = double(through) / SampleRate;
    m.TrailingSilence = std::max(0.0, seconds - m.LeadingSilence - m.SoundingSeconds);

    const double loudest = *std::max_element(levels.begin(), levels.end());
    double sum = 0.0;
    std::size_t count = 0;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (levels[i] < loudest - kLoudnessWindowDb) continue;
        sum += frames[i].SumOfSquares;
        count += frames[i].Count;
    }
    m.LoudnessDb = count == 0 ? kFloorDb : ToDb(std::sqrt(sum / double(count)));
    return m;
}

std::vector<float> ToMonoFloat(std::span<const int16_t> Interleaved, int Channels)
{
    std::vector<float> mono;
    if (Channels <= 0) return mono;
    const std::size_t frames = Interleaved.size() / std::size_t(Channels);
    mono.resize(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        double sum = 0.0;
        for (int c = 0; c < Channels; ++c) sum += Interleaved[i * std::size_t(Channels) + std::size_t(c)];
        mono[i] = float(sum / Channels / 32768.0);
    }
    return mono;
}

}  // namespace loudness
