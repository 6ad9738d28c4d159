#pragma once
// A grown-up's recording made ready as the installed clips are: hum removed by a gentle
// high-pass, silence trimmed at both ends (a little of it kept, so the sound starts and dies away
// naturally), the loudness set to a target by the one loudness measure (core/Loudness.h) and the
// peak kept below full scale.
#include <cstdint>
#include <span>
#include <vector>

namespace clip {

inline constexpr double kLeadKeptSeconds = 0.030;  // silence kept before the sound, at most
inline constexpr double kTailKeptSeconds = 0.080;  // and after it, where a voice dies away
inline constexpr double kHumCutHz = 80.0;          // mains hum and rumble lie below; a voice hardly does
inline constexpr double kPeakCeilingDb = -1.0;     // the loudest sample, below full scale
inline constexpr double kFadeSeconds = 0.005;      // the edges of the cut fade, so they do not click

struct TPreparedClip {
    bool Silent = true;  // nothing in the recording reached the level of sound: nothing to keep
    int SampleRate = 0;
    std::vector<int16_t> Samples;  // mono
    double LoudnessDb = 0.0;       // measured after levelling
    double PeakDb = 0.0;
};

// Samples are mono at SampleRate. TargetLoudnessDb is the loudness the clip is levelled to unless
// that would lift its peak above kPeakCeilingDb; then the peak stops it.
TPreparedClip PrepareClip(std::span<const int16_t> Samples, int SampleRate, double TargetLoudnessDb);

// A second-order Butterworth high-pass at CutHz over Samples, in place, after the mean is taken
// off (so a microphone's offset does not start the filter with a jump).
void RemoveHum(std::vector<float>& Samples, int SampleRate, double CutHz = kHumCutHz);

}  // namespace clip
