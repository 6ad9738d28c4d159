#pragma once
// A mono speech clip in memory and the clean-up every recorded phrase gets: silence trimmed,
// short padding, loudness evened out by RMS level.
#include <QByteArray>
#include <optional>
#include <vector>

namespace content {

struct TPcmClip {
    int SampleRate = 0;
    std::vector<float> Samples;  // -1 … 1

    double Seconds() const { return SampleRate ? double(Samples.size()) / SampleRate : 0.0; }
    double Peak() const;
    double Rms() const;  // over the whole clip; 0 for an empty clip
};

// A 16-bit PCM WAV file (mono, or the first channel of several). Nothing for anything else.
std::optional<TPcmClip> ReadWav(const QByteArray& Bytes);
// 16-bit mono PCM WAV bytes (samples are clipped to -1 … 1).
QByteArray WriteWav(const TPcmClip& Clip);

// Drops the quiet lead-in and tail: everything before the first and after the last sample louder
// than Threshold × the clip's peak. An all-silent clip comes out empty.
TPcmClip TrimSilence(const TPcmClip& Clip, double Threshold = 0.03);
// Adds Lead and Tail seconds of silence.
TPcmClip Pad(const TPcmClip& Clip, double Lead, double Tail);
// Scales the clip to TargetRms, but never beyond a peak of PeakCeiling.
TPcmClip EvenLoudness(const TPcmClip& Clip, double TargetRms, double PeakCeiling = 0.95);

}  // namespace content
