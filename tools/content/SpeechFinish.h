#pragma once
// The last steps every spoken clip takes, whoever said it: brought to one loudness (the measure of
// core/Loudness.h), held under a peak ceiling, trimmed to a short lead-in and tail, stored as MP3
// by lame and checked again as the program decodes it.
#include "content/PcmClip.h"

#include <QString>

namespace content {

struct TSpeechLevels {
    static constexpr double kLoudnessDb = -20.0;      // every clip's loudness
    static constexpr double kPeakCeilingDb = -1.5;    // before encoding; lame's ripple adds up to ~0.5 dB
    static constexpr double kMaxPeakDb = -1.0;        // what the decoded clip must not exceed
    static constexpr double kLeadSeconds = 0.010;     // kept before the first sounding frame
    static constexpr double kTailSeconds = 0.050;     // kept after the last one
    static constexpr double kMaxLeadSeconds = 0.030;  // what the decoded clip may have
    static constexpr double kMaxTailSeconds = 0.080;
    static constexpr double kLoudnessToleranceDb = 1.5;
};

// Scales Clip to LoudnessDb, pulls peaks above PeakCeilingDb down with a short-window limiter (so
// a sharp consonant does not force the whole clip quieter), then trims it to the lead and tail.
TPcmClip LevelAndTrim(const TPcmClip& Clip, double LoudnessDb = TSpeechLevels::kLoudnessDb,
                      double PeakCeilingDb = TSpeechLevels::kPeakCeilingDb,
                      double TailSeconds = TSpeechLevels::kTailSeconds);

// LevelAndTrim, then lame (mono, 44.1 kHz, 64 kbit/s) into Mp3Path; the decoded result is measured
// and, when lame moved its loudness or peak off the targets, made again with the gain corrected (and
// with a shorter tail when the fading end of a hiss fell below the silence line once decoded).
// False with the reason in Error when a tool fails or the targets cannot be met.
bool EncodeSpeech(const TPcmClip& Clip, const QString& Mp3Path, QString& Error);

}  // namespace content
