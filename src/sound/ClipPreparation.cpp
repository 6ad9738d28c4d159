#include "sound/ClipPreparation.h"

#include "core/Loudness.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace clip {

void RemoveHum(std::vector<float>& Samples, int SampleRate, double CutHz)
{
    if (Samples.empty() || SampleRate <= 0) return;
    const double mean = std::accumulate(Samples.begin(), Samples.end(), 0.0) / double(Samples.size());
    // The audio cookbook's high-pass biquad with Q = 1/sqrt(2): flat above the cut, 12 dB per octave below.
    const double w0 = 2.0 * std::numbers::pi * CutHz / SampleRate;
    const double alpha = std::sin(w0) / std::sqrt(2.0);
    const double cosw = std::cos(w0);
    const double a0 = 1.0 + alpha;
    const double b0 = (1.0 + cosw) / 2.0 / a0, b1 = -(1.0 + cosw) / a0, b2 = b0;
    const double a1 = -2.0 * cosw / a0, a2 = (1.0 - alpha) / a0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (float& s : Samples) {
        const double x = s - mean;
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        s = float(y);
    }
}

TPreparedClip PrepareClip(std::span<const int16_t> Samples, int SampleRate, double TargetLoudnessDb)
{
    TPreparedClip out;
    out.SampleRate = SampleRate;
    std::vector<float> mono = loudness::ToMonoFloat(Samples, 1);
    RemoveHum(mono, SampleRate);

    const loudness::TClipMeasure before = loudness::Measure(mono, SampleRate);
    if (before.Silent) return out;
    out.Silent = false;

    const auto toSamples = [SampleRate](double Seconds) { return std::size_t(std::lround(Seconds * SampleRate)); };
    const std::size_t soundStart = toSamples(before.LeadingSilence);
    const std::size_t soundEnd = std::min(mono.size(), soundStart + toSamples(before.SoundingSeconds));
    const std::size_t first = soundStart - std::min(soundStart, toSamples(kLeadKeptSeconds));
    const std::size_t last = std::min(mono.size(), soundEnd + toSamples(kTailKeptSeconds));

    double gain = loudness::FromDb(TargetLoudnessDb - before.LoudnessDb);
    float peak = 0.0f;
    for (std::size_t i = first; i < last; ++i) peak = std::max(peak, std::abs(mono[i]));
    const double ceiling = loudness::FromDb(kPeakCeilingDb);
    if (peak * gain > ceiling) gain = ceiling / peak;

    const std::size_t length = last - first;
    const std::size_t fade = std::min(length / 2, toSamples(kFadeSeconds));
    out.Samples.resize(length);
    for (std::size_t i = 0; i < length; ++i) {
        double ramp = 1.0;
        if (i < fade) ramp = double(i) / double(fade);
        if (length - 1 - i < fade) ramp = std::min(ramp, double(length - 1 - i) / double(fade));
        const double v = mono[first + i] * gain * ramp * 32768.0;
        out.Samples[i] = int16_t(std::clamp(std::lround(v), -32768L, 32767L));
    }
    const loudness::TClipMeasure after = loudness::Measure(loudness::ToMonoFloat(out.Samples, 1), SampleRate);
    out.LoudnessDb = after.LoudnessDb;
    out.PeakDb = after.PeakDb;
    return out;
}

}  // namespace clip
