#include "content/SpeechAnalysis.h"

#include "core/Loudness.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace content {

double MedianPitchHz(std::span<const float> Samples, int SampleRate)
{
    if (SampleRate <= 0 || Samples.empty()) return 0;
    // About 11 kHz is plenty for a voice's fundamental, and a sixteenth of the work.
    const int step = std::max(1, int(std::lround(SampleRate / 11025.0)));
    const double rate = double(SampleRate) / step;
    std::vector<float> x;
    for (std::size_t i = 0; i + std::size_t(step) <= Samples.size(); i += std::size_t(step)) {
        double sum = 0;
        for (int k = 0; k < step; ++k) sum += Samples[i + std::size_t(k)];
        x.push_back(float(sum / step));
    }
    const std::vector<double> levels = loudness::FrameLevelsDb(Samples, SampleRate);
    if (levels.empty()) return 0;
    const double loudest = *std::max_element(levels.begin(), levels.end());
    const std::size_t minLag = std::size_t(rate / 400), maxLag = std::size_t(rate / 70);
    const std::size_t window = std::size_t(0.030 * rate), hop = std::size_t(loudness::kFrameSeconds * rate);

    std::vector<double> pitches;
    for (std::size_t f = 0; f < levels.size(); ++f) {
        const std::size_t start = f * hop;
        if (levels[f] < loudest - 25 || start + window + maxLag > x.size()) continue;
        std::vector<double> nccf(maxLag + 1, 0.0);
        double e0 = 0;
        for (std::size_t i = 0; i < window; ++i) e0 += double(x[start + i]) * x[start + i];
        for (std::size_t lag = minLag; lag <= maxLag; ++lag) {
            double cross = 0, e1 = 0;
            for (std::size_t i = 0; i < window; ++i) {
                cross += double(x[start + i]) * x[start + i + lag];
                e1 += double(x[start + i + lag]) * x[start + i + lag];
            }
            nccf[lag] = e0 > 0 && e1 > 0 ? cross / std::sqrt(e0 * e1) : 0;
        }
        const double best = *std::max_element(nccf.begin() + std::ptrdiff_t(minLag), nccf.end());
        if (best < 0.7) continue;  // unvoiced
        // The shortest period that is nearly as good as the best: a multiple of the period scores
        // as well as the period itself.
        for (std::size_t lag = minLag + 1; lag < maxLag; ++lag)
            if (nccf[lag] >= 0.9 * best && nccf[lag] >= nccf[lag - 1] && nccf[lag] >= nccf[lag + 1]) {
                pitches.push_back(rate / double(lag));
                break;
            }
    }
    if (pitches.empty()) return 0;
    std::nth_element(pitches.begin(), pitches.begin() + std::ptrdiff_t(pitches.size() / 2), pitches.end());
    return pitches[pitches.size() / 2];
}

double SoundBoundary(std::span<const float> Samples, int SampleRate)
{
    const loudness::TClipMeasure m = loudness::Measure(Samples, SampleRate);
    if (m.Silent) return -1;
    const std::size_t perFrame = std::size_t(std::lround(SampleRate * loudness::kFrameSeconds));
    const std::size_t first = std::size_t(std::lround(m.LeadingSilence * SampleRate)) / perFrame;
    const std::size_t count = std::size_t(std::lround(m.SoundingSeconds * SampleRate)) / perFrame;
    constexpr std::size_t kMinPart = 3;
    if (count < 2 * kMinPart) return -1;

    // Per frame: level in dB, zero-crossing rate, and the level of the first difference against the
    // level (high for hiss, low for a nasal or a vowel), each brought to unit spread.
    std::vector<std::array<double, 3>> features(count);
    for (std::size_t f = 0; f < count; ++f) {
        const std::size_t from = (first + f) * perFrame, to = std::min(Samples.size(), from + perFrame);
        double energy = 1e-12, diffEnergy = 1e-12;
        int crossings = 0;
        for (std::size_t i = from + 1; i < to; ++i) {
            energy += double(Samples[i]) * Samples[i];
            diffEnergy += double(Samples[i] - Samples[i - 1]) * (Samples[i] - Samples[i - 1]);
            crossings += (Samples[i] >= 0) != (Samples[i - 1] >= 0);
        }
        features[f] = {10 * std::log10(energy / double(to - from)), double(crossings) / double(to - from),
                       10 * std::log10(diffEnergy / energy)};
    }
    for (std::size_t k = 0; k < 3; ++k) {
        double mean = 0, var = 0;
        for (const auto& v : features) mean += v[k];
        mean /= double(count);
        for (const auto& v : features) var += (v[k] - mean) * (v[k] - mean);
        const double spread = std::sqrt(var / double(count)) + 1e-9;
        for (auto& v : features) v[k] = (v[k] - mean) / spread;
    }
    // The split with the least squared deviation of the frames from their own part's mean.
    const auto deviation = [&](std::size_t From, std::size_t To) {
        std::array<double, 3> mean{};
        for (std::size_t f = From; f < To; ++f)
            for (std::size_t k = 0; k < 3; ++k) mean[k] += features[f][k] / double(To - From);
        double sum = 0;
        for (std::size_t f = From; f < To; ++f)
            for (std::size_t k = 0; k < 3; ++k) sum += (features[f][k] - mean[k]) * (features[f][k] - mean[k]);
        return sum;
    };
    std::size_t best = kMinPart;
    double bestCost = 1e300;
    for (std::size_t split = kMinPart; split + kMinPart <= count; ++split) {
        const double cost = deviation(0, split) + deviation(split, count);
        if (cost < bestCost) bestCost = cost, best = split;
    }
    return double((first + best) * perFrame) / SampleRate;
}

double FirstClosure(std::span<const float> Samples, int SampleRate)
{
    const std::vector<double> levels = loudness::FrameLevelsDb(Samples, SampleRate);
    if (levels.empty()) return -1;
    const double quiet = *std::max_element(levels.begin(), levels.end()) - 30;
    bool sounded = false;
    for (std::size_t f = 0; f + 1 < levels.size(); ++f) {
        if (levels[f] >= quiet) {
            sounded = true;
            continue;
        }
        // A pause at the very end is the sound's tail, not a closure.
        const bool more =
            std::any_of(levels.begin() + std::ptrdiff_t(f + 2), levels.end(), [quiet](double Db) { return Db >= quiet; });
        if (sounded && levels[f + 1] < quiet && more) return double(f) * loudness::kFrameSeconds;
    }
    return -1;
}

}  // namespace content
